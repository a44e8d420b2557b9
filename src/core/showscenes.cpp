// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// What the window shows of the scenes the model plays: the message line, the
// alien's picture and motion, the question hint, the locked controls, and
// the clocks that the model runs and the window times.

#include "core/fom.h"

void Fom::ConnectScenes()
{
    GameModel *model = m_model;
    connect(model, &GameModel::messageChanged, Lbl, &CaptionLabel::setCaption);
    connect(model, &GameModel::scenePictureShown, this, &Fom::LoadImgPicture);
    connect(model, &GameModel::faceShown, this, [this] { ShowImgPicture(FacePicture(m_model->face())); });
    connect(model, &GameModel::alienMotionChanged, this, [this](bool running) {
        for (QTimer *animation : {Tim, Tim2})
            running ? animation->start() : animation->stop();
    });
    connect(model, &GameModel::questionHintChanged, LblQstKazari, &QWidget::setVisible);
    connect(model, &GameModel::tintCleared, this, [this] { Shp->setVisible(false); });
    connect(model, &GameModel::effectWanted, this, &Fom::PlaySe);
    connect(model, &GameModel::sceneLockChanged, this, &Fom::LockPlayControls);
    connect(model, &GameModel::clockSet, this, &Fom::ApplyClock);
    connect(model, &GameModel::promptBlinked, this, &Fom::TimShpCli_Timer);
    connect(model, &GameModel::dayPassed, this, &Fom::KeepRecoveryCopy);
    connect(model, &GameModel::gameEnded, this, &Fom::DropRecoveryCopy);
}

// A scene takes the play controls; the keys then drive the scene, and a
// word being typed waits in the entry.
void Fom::LockPlayControls(bool locked)
{
    menu1[0]->setEnabled(!locked);
    for (int i = 0; i < 3; ++i) {
        Lst[i]->setEnabled(!locked);
        ComLstQra[i]->setEnabled(!locked);
    }
    LstItem->setEnabled(!locked);
    LstItemMoney->setEnabled(!locked);
    Txt->setEnabled(true);
    Txt->setHeld(locked);
    ADD->setEnabled(!locked);
    ShpCli->setVisible(locked);
    ComItem->setEnabled(!locked);
    if (locked)
        ShowWordClass(m_model->wordClass());
    SetFocusToTxt();
}

QTimer *Fom::ClockTimer(GameClock which) const
{
    switch (which) {
    case GameClock::PromptBlink:
        return TimShpCli;
    case GameClock::Speech:
        return TimSay;
    case GameClock::QuestionWait:
        return TimQst;
    case GameClock::Day:
        return TimDay;
    }
    return nullptr;
}

void Fom::ApplyClock(GameClock which, ClockSetting setting)
{
    QTimer *timer = ClockTimer(which);
    if (timer->interval() != setting.intervalMs)
        timer->setInterval(setting.intervalMs);
    // A start, even of a running clock, times its interval afresh.
    setting.running ? timer->start() : timer->stop();
}

void Fom::SetFocusToTxt()
{
    // The window may not be showing yet; the focus then simply stays unset.
    if (Txt->isEnabled())
        Txt->setFocus(Qt::OtherFocusReason);
}
