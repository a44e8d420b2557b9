// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "platform/listbox.h"

#include <QSignalBlocker>

namespace listbox {

QString text(const QListWidget *list, int position)
{
    if (position < 0 || position >= list->count())
        return QString();
    return list->item(position)->text();
}

int count(const QListWidget *list)
{
    return list->count();
}

void insert(QListWidget *list, int position, const QString &text)
{
    const QSignalBlocker blocker(list);
    list->insertItem(qBound(0, position, list->count()), text);
}

void remove(QListWidget *list, int position)
{
    if (position < 0 || position >= list->count())
        return;
    const QSignalBlocker blocker(list);
    const bool wasSelected = selected(list) == position;
    delete list->takeItem(position);
    if (wasSelected) {
        list->clearSelection();
        list->setCurrentRow(-1);
    }
}

void clear(QListWidget *list)
{
    const QSignalBlocker blocker(list);
    list->clear();
}

int selected(const QListWidget *list)
{
    const int row = list->currentRow();
    if (row < 0 || !list->item(row)->isSelected())
        return -1;
    return row;
}

void select(QListWidget *list, int position)
{
    const QSignalBlocker blocker(list);
    if (position < 0 || position >= list->count()) {
        list->clearSelection();
        list->setCurrentRow(-1);
        return;
    }
    list->setCurrentRow(position, QItemSelectionModel::ClearAndSelect);
}

} // namespace listbox
