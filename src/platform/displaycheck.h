// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QStringList>

// Whether the window has a display to appear on, asked before the
// application object exists: Qt itself aborts, and dumps core, when it
// cannot reach one. A platform chosen by QT_QPA_PLATFORM or -platform that
// needs no display (offscreen, vnc, ...) is left to Qt. When only one of X11
// and Wayland answers, Qt is pointed at it.
//
// False, after one line on stderr saying what is missing and how to start
// the game, when the window could not appear.
bool prepareDisplay(int argc, char *argv[]);

// The decision itself, from DISPLAY, WAYLAND_DISPLAY and XDG_RUNTIME_DIR and
// the sockets that answer, for the platforms `chosen` (empty: none chosen):
// the platform Qt is to be pointed at, if any, and why no window can appear
// (empty when one can).
struct DisplayCheck
{
    QByteArray platform;
    QStringList problems;
};
DisplayCheck checkDisplay(const QByteArray &chosen);
