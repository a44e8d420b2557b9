// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QListView>

#include <functional>

// List-box access the way the game reads its lists: a position at or past
// the end reads as the empty string, and only the player's own selections
// count as choices (see choosing()).
namespace listbox {
// Shows `rows` in the list; a row that leaves while selected leaves nothing
// selected.
void show(QListView *list, QAbstractItemModel *rows);
QString text(const QListView *list, int position);
int count(const QListView *list);
// The selected position, or -1.
int selected(const QListView *list);
void select(QListView *list, int position);
// Calls `handler` when the player chooses a row: a new selection by mouse or
// keyboard, and also a click on the row already selected.
void onChoice(QListView *list, const std::function<void()> &handler);
// Calls `handler` after each left click anywhere in the enabled list's view:
// on a word or on the empty part below the last one.
void onViewClick(QListView *list, std::function<void()> handler);
}
