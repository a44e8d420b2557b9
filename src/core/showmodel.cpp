// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// What the window shows of the model: each change it tells is mirrored in
// the controls that show it.

#include "core/fom.h"
#include "platform/listbox.h"

namespace {

void refill(QListWidget *list, const QStringList &rows)
{
    // A refill is no choice of the player's: the list's own signals stay quiet.
    const QSignalBlocker blocker(list);
    list->clear();
    list->addItems(rows);
}

} // namespace

void Fom::ConnectModel()
{
    GameModel *model = m_model;
    connect(model, &GameModel::wordInserted, this,
            [this](int k, int row) { listbox::insert(Lst[k], row, m_model->word(k, row)); });
    connect(model, &GameModel::wordRemoved, this, [this](int k, int row) { listbox::remove(Lst[k], row); });
    connect(model, &GameModel::wordsReset, this, [this](int k) { refill(Lst[k], m_model->state().words[k]); });
    connect(model, &GameModel::itemInserted, this, [this](int row) {
        listbox::insert(LstItem, row, m_model->item(row));
        listbox::insert(LstItemMoney, row, m_model->price(row));
    });
    connect(model, &GameModel::itemRemoved, this, [this](int row) {
        listbox::remove(LstItem, row);
        listbox::remove(LstItemMoney, row);
    });
    connect(model, &GameModel::boxReset, this, [this] {
        refill(LstItem, m_model->state().boxItems);
        refill(LstItemMoney, m_model->state().boxPrices);
    });
    connect(model, &GameModel::moneyChanged, this, [this](qint32 money) { LblMoney->setCaption(QString::number(money)); });
    connect(model, &GameModel::dayChanged, this, [this](int day) { LblHi->setCaption(QString::number(day)); });
    connect(model, &GameModel::endingsSeenChanged, this, &Fom::ShowEndingsSeen);
    connect(model, &GameModel::optionChanged, this, &Fom::ApplyOption);
    connect(model, &GameModel::motionRestarted, this, [this] { MoveImg(0, 0, 100, 100); });
}
