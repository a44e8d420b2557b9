// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The ending gallery replays seen endings; the special menu's preview shows a
// chosen face and motion.

#include "core/fom.h"
#include "game/texts.h"

#include <algorithm>

void Fom::menuEnding_Click(int index)
{
    if (!ConfirmReplay())
        return;
    Tim->stop();
    Tim2->stop();
    MoveImg(0, 0, 100, 100);
    StartScene(SceneKind::Ending, index);
}

// A replay ends on the title, which starts a new game: the player is asked
// before a game in progress is thrown away.
bool Fom::ConfirmReplay()
{
    if (!GameInProgress())
        return true;
    // The box holds the game's clocks, so a "no" finds the game exactly as
    // it was.
    const bool yes = m_dialogs.ask(texts::u8("エンディングを見ると、いまのゲームはおわります。\n見ますか？"), QString(), false);
    return yes;
}

void Fom::ShowEndingsSeen()
{
    for (int k = 0; k < endingCount; ++k)
        menuEnding[k]->setEnabled(m_model->endingSeen(k));
    menuSpecl->menuAction()->setEnabled(m_model->specialUnlocked());
}

void Fom::PlayPreview()
{
    switch (m_model->scene().step) {
    case 0: {
        MoveImg(0, 0, 100, 100);
        Lbl->setCaption(texts::u8("宇宙人の動き～★"));
        auto chosen = [](const auto &items) {
            const auto found = std::ranges::find_if(items, [](const QAction *item) { return item->isChecked(); });
            return found == items.end() ? -1 : static_cast<int>(found - items.begin());
        };
        const int face = chosen(menuSpecl2);
        const int motion = chosen(menuSpecl3);
        m_model->showFaceAndMotion(face >= 0 ? 2 * face : m_model->face(), motion >= 0 ? motion : m_model->motion());
        Tim->start();
        Tim2->start();
        ShowImgPicture(FacePicture(m_model->face()));
        m_model->setSceneStep(1);
        break;
    }
    case 1:
        StartScene(SceneKind::Title);
        break;
    default:
        break;
    }
}
