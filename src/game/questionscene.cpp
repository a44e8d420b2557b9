// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The alien's questions: it announces one, waits (and minds how long), asks,
// and takes the answer.

#include "game/gamemodel.h"
#include "game/questions.h"
#include "game/texts.h"

using texts::u8;

void GameModel::playAnnouncement()
{
    switch (m_state.scene.step) {
    case 0:
        Q_EMIT effectWanted(1);
        setSceneStep(1);
        say(u8("しつもん　きいて"));
        startQuestionWait();
        setClockRunning(GameClock::QuestionWait, true);
        break;
    case 1:
        setClockRunning(GameClock::QuestionWait, false);
        startScene(SceneKind::Question, endQuestionWait());
        break;
    default:
        break;
    }
}

void GameModel::playQuestion()
{
    const Question &asked = question(m_state.scene.number);
    switch (m_state.scene.step) {
    case 0:
        setSceneStep(1);
        setQuestionHint(true);
        say(u8(asked.text));
        break;
    case 1: {
        setQuestionHint(false);
        const bool yes = m_lastAnswer == Answer::Yes;
        say(u8(yes ? asked.yesReply : asked.noReply));
        setSceneStep(2);
        Q_EMIT tintCleared();
        answer(yes);
        break;
    }
    case 2:
        endScene();
        break;
    default:
        break;
    }
}
