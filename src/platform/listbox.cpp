// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "platform/listbox.h"

#include <QMouseEvent>
#include <QSignalBlocker>

namespace {

// Watches a list's view for left clicks without taking them from the list.
class ViewClicks final : public QObject
{
public:
    ViewClicks(QListWidget *list, std::function<void()> handler)
        : QObject(list)
        , m_list(list)
        , m_handler(std::move(handler))
    {
        list->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        const auto type = event->type();
        if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease)
            return false;
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton || !m_list->isEnabled())
            return false;
        const bool inView = m_list->viewport()->rect().contains(mouse->position().toPoint());
        if (type == QEvent::MouseButtonPress)
            m_pressed = inView;
        else if (std::exchange(m_pressed, false) && inView)
            m_handler();
        return false;
    }

private:
    QListWidget *m_list;
    std::function<void()> m_handler;
    bool m_pressed = false;
};

} // namespace

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

void onViewClick(QListWidget *list, std::function<void()> handler)
{
    new ViewClicks(list, std::move(handler));
}

} // namespace listbox
