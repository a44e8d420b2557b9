// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// How scenes run: a scene locks the play controls and stops free play's
// clocks, each click plays one step of its script, and its end gives free
// play back. The clocks' ticks are the only way time enters the game.

#include "game/gamemodel.h"

void GameModel::startScene(SceneKind kind, int number)
{
    setScene(kind, number);
    setClockRunning(GameClock::Speech, false);
    setClockRunning(GameClock::Day, false);
    setClockRunning(GameClock::PromptBlink, true);
    m_sceneLocked = true;
    Q_EMIT sceneLockChanged(true);
    playSceneStep();
}

void GameModel::endScene()
{
    setAlienMoving(true);
    setScene(SceneKind::FreePlay);
    m_sceneLocked = false;
    Q_EMIT sceneLockChanged(false);
    setClockRunning(GameClock::Speech, true);
    setClockRunning(GameClock::Day, true);
    setClockRunning(GameClock::PromptBlink, false);
    // Free play greets the player with a sentence at once.
    playSceneStep();
}

void GameModel::answerScene(Answer answer)
{
    m_lastAnswer = answer;
    playSceneStep();
}

void GameModel::alienClicked(Answer answer)
{
    // The yes/no hint is drawn on the alien, so a click there answers as
    // one on the message line does.
    if (m_state.scene.kind == SceneKind::Question && m_state.scene.step == 1)
        answerScene(answer);
    else if (inFreePlay())
        startScene(SceneKind::Announcement);
}

void GameModel::playSceneStep()
{
    switch (m_state.scene.kind) {
    case SceneKind::Title:
        return playTitle();
    case SceneKind::Preview:
        return playPreview();
    case SceneKind::Opening:
        return playOpening();
    case SceneKind::Farewell:
        return playFarewell();
    case SceneKind::Ending:
        return playEnding();
    case SceneKind::FreePlay:
        return say(composeSentence());
    case SceneKind::Announcement:
        return playAnnouncement();
    case SceneKind::Question:
        return playQuestion();
    case SceneKind::Report:
        return playReport();
    case SceneKind::NotStarted:
        break; // nothing to play yet
    }
}

void GameModel::resumeAfterLoad()
{
    Q_EMIT motionRestarted();
    // A question interrupted by the load must not leave its answer hint.
    setQuestionHint(false);
    if (m_state.scene.kind == SceneKind::Title)
        return startScene(SceneKind::Title);
    say(QString());
    Q_EMIT faceShown();
    endScene();
}

void GameModel::clockElapsed(GameClock which)
{
    switch (which) {
    case GameClock::PromptBlink:
        return Q_EMIT promptBlinked();
    case GameClock::Speech:
        return speak();
    case GameClock::QuestionWait:
        return tickQuestionWait();
    case GameClock::Day:
        return passDay();
    }
}

void GameModel::speak()
{
    if (wantsToAsk())
        startScene(SceneKind::Announcement);
    else
        say(composeSentence());
}

void GameModel::passDay()
{
    advanceDay();
    if (m_state.day >= 100)
        startScene(SceneKind::Farewell);
    else if (m_state.day % 30 == 0)
        startScene(SceneKind::Report);
    Q_EMIT dayPassed();
}

void GameModel::say(const QString &text)
{
    m_message = text;
    Q_EMIT messageChanged(text);
}

void GameModel::showScenePicture(const QString &fileName)
{
    Q_EMIT scenePictureShown(fileName);
}

void GameModel::setAlienMoving(bool running)
{
    m_alienMoving = running;
    Q_EMIT alienMotionChanged(running);
}

void GameModel::setQuestionHint(bool shown)
{
    m_questionHint = shown;
    Q_EMIT questionHintChanged(shown);
}

void GameModel::setClockRunning(GameClock which, bool running)
{
    ClockSetting &setting = m_clocks[static_cast<int>(which)];
    setting.running = running;
    Q_EMIT clockSet(which, setting);
}

void GameModel::setClockInterval(GameClock which, int intervalMs)
{
    ClockSetting &setting = m_clocks[static_cast<int>(which)];
    setting.intervalMs = intervalMs;
    Q_EMIT clockSet(which, setting);
}
