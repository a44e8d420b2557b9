// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QListView>

// How the game's list boxes show their rows: all rows of one height, only
// whole rows in view (like the classic list box that shrinks to fit), and
// the item list scrolled together with the price list beside it.
namespace listrows {

// Gives the list its fixed-height rows; call once, when it is made.
void useFixedRows(QListView *list);
// The height of one row at the list's current font.
int rowHeight(const QListView *list);
// Shrinks the list from the bottom to the tallest whole number of rows
// (at least one) that fits its present height.
void showWholeRows(QListView *list);
// Keeps the two lists on the same top row whichever of them is scrolled;
// both must have rows of one height and hold the same number of items.
void scrollTogether(QListView *first, QListView *second);

} // namespace listrows
