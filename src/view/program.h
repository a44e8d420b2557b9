// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

struct GameFolders;

// The whole game on the desktop: its services, the window and the event
// loop, until the window closes. Needs the application object. Returns the
// program's exit status: 1 when a picture the window needs is missing (the
// player has been told which), else 0.
int playGame(const GameFolders &folders);
