// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The scene engine: each click on the message area plays one step of the
// current scene; in free play it makes the alien speak.

#include "core/fom.h"
#include "game/texts.h"

void Fom::Ivent()
{
    const Scene &scene = m_model->scene();
    switch (scene.kind) {
    case SceneKind::Title:
        return PlayStopScene();
    case SceneKind::Preview:
        return PlayPreview();
    case SceneKind::Opening:
        return PlayOpening();
    case SceneKind::Farewell:
        return PlayFarewell();
    case SceneKind::Ending:
        return PlayEnding(scene.number);
    case SceneKind::FreePlay:
        return SpeakSentence();
    case SceneKind::Announcement:
        return PlayAnnouncement();
    case SceneKind::Question:
        return PlayQuestion(scene.number);
    case SceneKind::Report:
        return PlayReport();
    case SceneKind::NotStarted:
        break; // nothing to play yet
    }
}

void Fom::PlayStopScene()
{
    switch (m_model->scene().step) {
    case 0:
        m_model->setSceneStep(1);
        DropRecoveryCopy(); // whatever game it kept is over
        m_model->startNewGame();
        Tim->stop();
        Tim2->stop();
        MoveImg(0, 0, 100, 100);
        LoadImgPicture(QStringLiteral("stt.bmp"));
        Lbl->setCaption(QString());
        break;
    case 1:
        StartScene(SceneKind::Opening);
        break;
    default:
        break;
    }
}
