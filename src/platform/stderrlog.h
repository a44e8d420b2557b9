// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// One line on stderr, prefixed with the program's name: what went wrong for
// whoever started the game from a terminal or reads its log.
void warnOnStderr(const QString &line);
