// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "widgets/listbox.h"

#include <QMouseEvent>

#include <memory>
#include <QItemSelectionModel>

namespace {

// Watches a list's view for left clicks without taking them from the list.
class ViewClicks final : public QObject
{
public:
    ViewClicks(QListView *list, std::function<void()> handler)
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
    QListView *m_list;
    std::function<void()> m_handler;
    bool m_pressed = false;
};

// Set while the game itself changes a selection: that is no choice of the player's.
int programSelecting = 0;

struct ProgramSelection
{
    ProgramSelection() { ++programSelecting; }
    ~ProgramSelection() { --programSelecting; }
};

void clearSelection(QListView *list)
{
    const ProgramSelection quiet;
    list->selectionModel()->clear();
}

} // namespace

namespace listbox {

void show(QListView *list, QAbstractItemModel *rows)
{
    // While rows go, the view moves its current row and selection on to a
    // neighbour: no choice of the player's, and once the rows have gone,
    // nothing is selected or current if the selected row was among them.
    // Told first and last, around everything the view itself does.
    auto selectedGoes = std::make_shared<bool>(false);
    QObject::connect(rows, &QAbstractItemModel::rowsAboutToBeRemoved, list,
                     [list, selectedGoes](const QModelIndex &, int first, int last) {
                         ++programSelecting;
                         const int row = selected(list);
                         *selectedGoes = row >= first && row <= last;
                     });
    list->setModel(rows);
    QObject::connect(rows, &QAbstractItemModel::rowsRemoved, list, [list, selectedGoes] {
        if (std::exchange(*selectedGoes, false))
            clearSelection(list);
        --programSelecting;
    });
}

QString text(const QListView *list, int position)
{
    if (position < 0 || position >= count(list))
        return QString();
    return list->model()->index(position, 0).data().toString();
}

int count(const QListView *list)
{
    return list->model()->rowCount();
}

int selected(const QListView *list)
{
    const QModelIndex current = list->currentIndex();
    if (!current.isValid() || !list->selectionModel()->isSelected(current))
        return -1;
    return current.row();
}

void select(QListView *list, int position)
{
    if (position < 0 || position >= count(list))
        return clearSelection(list);
    const ProgramSelection quiet;
    list->selectionModel()->setCurrentIndex(list->model()->index(position, 0), QItemSelectionModel::ClearAndSelect);
}

void onChoice(QListView *list, const std::function<void()> &handler)
{
    auto chosen = [list, handler] {
        if (!programSelecting && selected(list) >= 0)
            handler();
    };
    QObject::connect(list->selectionModel(), &QItemSelectionModel::selectionChanged, list, chosen);
    QObject::connect(list, &QAbstractItemView::clicked, list, chosen);
}

void onViewClick(QListView *list, std::function<void()> handler)
{
    new ViewClicks(list, std::move(handler));
}

} // namespace listbox
