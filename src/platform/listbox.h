// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QListWidget>

#include <functional>

// List-box access the way the game reads its lists: a position at or past
// the end reads as the empty string, inserting at the item count appends,
// and only the player's own selections raise the list's signals.
namespace listbox {
QString text(const QListWidget *list, int position);
int count(const QListWidget *list);
void insert(QListWidget *list, int position, const QString &text);
// Removing the selected item leaves nothing selected.
void remove(QListWidget *list, int position);
void clear(QListWidget *list);
// The selected position, or -1.
int selected(const QListWidget *list);
void select(QListWidget *list, int position);
// Calls `handler` after each left click anywhere in the enabled list's view:
// on a word or on the empty part below the last one.
void onViewClick(QListWidget *list, std::function<void()> handler);
}
