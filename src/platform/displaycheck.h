// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

// Whether the window has a display to appear on, asked before the
// application object exists: Qt itself aborts, and dumps core, when it
// cannot reach one. A platform chosen by QT_QPA_PLATFORM or -platform that
// needs no display (offscreen, vnc, ...) is left to Qt. When only one of X11
// and Wayland answers, Qt is pointed at it.
//
// False, after one line on stderr saying what is missing and how to start
// the game, when the window could not appear.
bool prepareDisplay(int argc, char *argv[]);
