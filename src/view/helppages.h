// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>

// Splits the help text into the pages shown one box at a time. A line that
// contains ">" ends a page and is itself never shown; lines after the last
// such line belong to no page. Every page starts with a line break, as the
// boxes have always shown it.
QStringList helpPages(const QString &text);
