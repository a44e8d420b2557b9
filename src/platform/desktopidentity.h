// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

// Introduces the game to the desktop under its reverse-DNS id: the name its
// per-user folder is made from, the launcher it belongs to (so the desktop
// groups its window with the menu entry), and its icon. Call right after the
// application object is made, before any folder is looked up.
void introduceToDesktop();
