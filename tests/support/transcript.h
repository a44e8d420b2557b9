// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>

// A whole game played from a script, as a player would, and written down as
// everything the player sees and hears after each action.
//
// A transcript file is its own script: the lines "> command" are the
// player's actions, "# ..." are comments; every other line is output and is
// written anew on each replay. After each action come the sounds and boxes
// of that action, then only the "name: value" lines that changed since the
// previous action (the first action writes all). An action that a command
// makes of several is headed "~ action".
namespace transcript {

// Plays the script held in `lines` and returns the whole transcript; on a
// script error, `error` says which line and why.
QStringList replay(const QStringList &lines, QString *error);

} // namespace transcript
