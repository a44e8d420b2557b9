// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "widgets/listrows.h"

#include <QScrollBar>
#include <QStyledItemDelegate>

namespace {

int rowHeightFor(const QFontMetrics &metrics)
{
    return metrics.height() + 2;
}

// Every row as tall as the font: a row never grows for a word written in a
// fallback font, so a whole number of rows always fills the view.
class FixedRowDelegate final : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), rowHeightFor(option.fontMetrics)};
    }
};

void followScrolling(QScrollBar *from, QScrollBar *to)
{
    // Setting the value it already has emits nothing, so the two never ping-pong.
    QObject::connect(from, &QScrollBar::valueChanged, to, &QScrollBar::setValue);
}

} // namespace

namespace listrows {

void useFixedRows(QListView *list)
{
    list->setItemDelegate(new FixedRowDelegate(list));
    list->setUniformItemSizes(true);
}

int rowHeight(const QListView *list)
{
    return rowHeightFor(list->fontMetrics());
}

void showWholeRows(QListView *list)
{
    const int frame = 2 * list->frameWidth();
    const int row = rowHeight(list);
    const int rows = qMax(1, (list->height() - frame) / row);
    list->resize(list->width(), frame + rows * row);
}

void scrollTogether(QListView *first, QListView *second)
{
    followScrolling(first->verticalScrollBar(), second->verticalScrollBar());
    followScrolling(second->verticalScrollBar(), first->verticalScrollBar());
}

} // namespace listrows
