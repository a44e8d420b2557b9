// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// What the window shows of the model beyond its lists (which are views of
// it): each change it tells is shown where the player sees it.

#include "view/gamewindow.h"

void GameWindow::connectModel()
{
    GameModel *model = m_model;
    connect(model, &GameModel::moneyChanged, this, [this](qint32 money) { moneyLabel->setCaption(QString::number(money)); });
    connect(model, &GameModel::dayChanged, this, [this](int day) { dayLabel->setCaption(QString::number(day)); });
    connect(model, &GameModel::endingsSeenChanged, this, &GameWindow::showEndingsSeen);
    connect(model, &GameModel::optionChanged, this, &GameWindow::applyOption);
    connect(model, &GameModel::motionRestarted, this, [this] { placeAlien(0, 0, 100, 100); });
}
