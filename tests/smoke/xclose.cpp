// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Asks an X11 window to close, exactly as a window manager's close button
// does: a WM_DELETE_WINDOW message.

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    Display *display = argc == 2 ? XOpenDisplay(nullptr) : nullptr;
    if (!display) {
        std::fputs(argc == 2 ? "xclose: cannot open the display\n" : "usage: xclose WINDOW-ID\n", stderr);
        return argc == 2 ? 1 : 2;
    }
    XEvent event{};
    event.xclient = {ClientMessage, 0, False, display, Window(std::strtoul(argv[1], nullptr, 0)),
                     XInternAtom(display, "WM_PROTOCOLS", False), 32};
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, event.xclient.window, False, NoEventMask, &event);
    XCloseDisplay(display); // flushes the message out
    return 0;
}
