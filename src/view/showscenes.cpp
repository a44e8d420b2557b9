// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// What the window shows of the scenes the model plays: the message line, the
// alien's picture and motion, the question hint, the locked controls, and
// the clocks that the model runs and the window times.

#include "view/gamewindow.h"

void GameWindow::connectScenes()
{
    GameModel *model = m_model;
    connect(model, &GameModel::messageChanged, messageLine, &CaptionLabel::setCaption);
    connect(model, &GameModel::scenePictureShown, this, &GameWindow::loadAlienPicture);
    connect(model, &GameModel::faceShown, this, [this] { showAlienPicture(facePicture(m_model->face())); });
    connect(model, &GameModel::alienMotionChanged, this, [this](bool running) {
        for (QTimer *animation : {motionClock, faceFlipClock})
            running ? animation->start() : animation->stop();
    });
    connect(model, &GameModel::questionHintChanged, questionHint, &QWidget::setVisible);
    connect(model, &GameModel::tintCleared, this, [this] { alienTint->setVisible(false); });
    connect(model, &GameModel::effectWanted, this, &GameWindow::playEffect);
    connect(model, &GameModel::sceneLockChanged, this, &GameWindow::lockPlayControls);
    connect(model, &GameModel::clockSet, this, &GameWindow::applyClock);
    connect(model, &GameModel::promptBlinked, this, &GameWindow::blinkPrompt);
    connect(model, &GameModel::dayPassed, this, &GameWindow::keepRecoveryCopy);
    connect(model, &GameModel::gameEnded, this, &GameWindow::dropRecoveryCopy);
}

// A scene takes the play controls; the keys then drive the scene, and a
// word being typed waits in the entry.
void GameWindow::lockPlayControls(bool locked)
{
    gameMenuActions[0]->setEnabled(!locked);
    for (int i = 0; i < 3; ++i) {
        wordLists[i]->setEnabled(!locked);
        forgetButtons[i]->setEnabled(!locked);
    }
    itemList->setEnabled(!locked);
    priceList->setEnabled(!locked);
    wordEntry->setEnabled(true);
    wordEntry->setHeld(locked);
    teachButton->setEnabled(!locked);
    clickPrompt->setVisible(locked);
    useButton->setEnabled(!locked);
    if (locked)
        showWordClass(m_model->wordClass());
    focusEntry();
}

QTimer *GameWindow::clockTimer(GameClock which) const
{
    switch (which) {
    case GameClock::PromptBlink:
        return promptBlinkClock;
    case GameClock::Speech:
        return speechClock;
    case GameClock::QuestionWait:
        return questionClock;
    case GameClock::Day:
        return dayClock;
    }
    return nullptr;
}

void GameWindow::applyClock(GameClock which, ClockSetting setting)
{
    QTimer *timer = clockTimer(which);
    if (timer->interval() != setting.intervalMs)
        timer->setInterval(setting.intervalMs);
    // A start, even of a running clock, times its interval afresh.
    setting.running ? timer->start() : timer->stop();
}

void GameWindow::focusEntry()
{
    // The window may not be showing yet; the focus then simply stays unset.
    if (wordEntry->isEnabled())
        wordEntry->setFocus(Qt::OtherFocusReason);
}
