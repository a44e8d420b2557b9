// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The alien's questions: it announces one, waits (and minds how long), asks,
// and takes a left click as yes and any other as no.

#include "core/fom.h"
#include "game/questions.h"
#include "game/texts.h"

using texts::u8;

// A slot saved during any question must load again.

void Fom::TimQst_Timer()
{
    m_model->tickQuestionWait();
}

void Fom::PlayAnnouncement()
{
    switch (m_model->scene().step) {
    case 0:
        PlaySe(1);
        m_model->setSceneStep(1);
        Lbl->setCaption(u8("しつもん　きいて"));
        m_model->startQuestionWait();
        TimQst->start();
        break;
    case 1:
        TimQst->stop();
        StartScene(SceneKind::Question, m_model->endQuestionWait());
        break;
    default:
        break;
    }
}

// Asked and not yet answered: the hint is up on the alien.
bool Fom::QuestionAwaitsAnswer() const
{
    return m_model->scene().kind == SceneKind::Question && m_model->scene().step == 1;
}

void Fom::PlayQuestion(int n)
{
    const Question &asked = question(n);
    switch (m_model->scene().step) {
    case 0:
        m_model->setSceneStep(1);
        LblQstKazari->setVisible(true);
        Lbl->setCaption(u8(asked.text));
        break;
    case 1: {
        LblQstKazari->setVisible(false);
        const bool yes = LblButton == 1;
        Lbl->setCaption(u8(yes ? asked.yesReply : asked.noReply));
        m_model->setSceneStep(2);
        Shp->setVisible(false);
        m_model->answer(yes);
        break;
    }
    case 2:
        EndScene();
        break;
    default:
        break;
    }
}
