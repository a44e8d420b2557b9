// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// What the window shows of the model beyond its lists (which are views of
// it): each change it tells is shown where the player sees it.

#include "core/fom.h"

void Fom::ConnectModel()
{
    GameModel *model = m_model;
    connect(model, &GameModel::moneyChanged, this, [this](qint32 money) { LblMoney->setCaption(QString::number(money)); });
    connect(model, &GameModel::dayChanged, this, [this](int day) { LblHi->setCaption(QString::number(day)); });
    connect(model, &GameModel::endingsSeenChanged, this, &Fom::ShowEndingsSeen);
    connect(model, &GameModel::optionChanged, this, &Fom::ApplyOption);
    connect(model, &GameModel::motionRestarted, this, [this] { MoveImg(0, 0, 100, 100); });
}
