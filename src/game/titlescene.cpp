// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The title, which starts a new game; the gallery's replay of a seen ending;
// and the special menu's preview of a chosen face and motion.

#include "game/gamemodel.h"
#include "game/texts.h"

void GameModel::playTitle()
{
    switch (m_state.scene.step) {
    case 0:
        setSceneStep(1);
        Q_EMIT gameEnded(); // whatever game was under way is over
        startNewGame();
        setAlienMoving(false);
        Q_EMIT motionRestarted();
        showScenePicture(QStringLiteral("stt.bmp"));
        say(QString());
        break;
    case 1:
        startScene(SceneKind::Opening);
        break;
    default:
        break;
    }
}

void GameModel::replayEnding(int ending)
{
    // A replay ends on the title, which starts a new game: a game in
    // progress is thrown away only once the player says so.
    if (gameInProgress() && !m_prompts.confirm(texts::u8("エンディングを見ると、いまのゲームはおわります。\n見ますか？")))
        return;
    setAlienMoving(false);
    Q_EMIT motionRestarted();
    startScene(SceneKind::Ending, ending);
}

void GameModel::previewFaceAndMotion(int face, int motion)
{
    m_previewFace = face;
    m_previewMotion = motion;
    startScene(SceneKind::Preview);
}

void GameModel::playPreview()
{
    switch (m_state.scene.step) {
    case 0:
        Q_EMIT motionRestarted();
        say(texts::u8("宇宙人の動き～★"));
        showFaceAndMotion(m_previewFace >= 0 ? 2 * m_previewFace : face(), m_previewMotion >= 0 ? m_previewMotion : motion());
        setAlienMoving(true);
        Q_EMIT faceShown();
        setSceneStep(1);
        break;
    case 1:
        startScene(SceneKind::Title);
        break;
    default:
        break;
    }
}
