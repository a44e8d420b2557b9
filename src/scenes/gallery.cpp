// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The ending gallery replays seen endings; the special menu's preview shows a
// chosen face and motion.

#include "core/fom.h"
#include "core/texts.h"

void Fom::menuEnding_Click(int index)
{
    if (!ConfirmReplay())
        return;
    Tim->stop();
    Tim2->stop();
    MoveImg(0, 0, 100, 100);
    StartScene(menuEnding[index]->text());
}

bool Fom::GameInProgress() const
{
    if (SceneMode == QLatin1String("stop") || SceneMode == QLatin1String("ugoki"))
        return false;
    for (const QAction *ending : menuEnding) {
        if (SceneMode == ending->text())
            return false;
    }
    return true;
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

void Fom::ApplyUnlockRule()
{
    // The special menu opens once endings 0 to 6 have all been seen; the
    // eighth is not needed.
    bool allSeen = true;
    for (int i = 0; i <= 6; ++i)
        allSeen = allSeen && menuEnding[i]->isEnabled();
    menuSpecl->menuAction()->setEnabled(allSeen);
}

void Fom::PlayPreview()
{
    switch (SceneStep) {
    case 0:
        MoveImg(0, 0, 100, 100);
        Lbl->setCaption(texts::u8("宇宙人の動き～★"));
        for (int i = 0; i < 5; ++i) {
            if (menuSpecl2[i]->isChecked()) {
                Face = static_cast<qint16>(2 * i);
                break;
            }
        }
        for (int j = 0; j < 3; ++j) {
            if (menuSpecl3[j]->isChecked()) {
                MoveKind = static_cast<qint16>(j);
                break;
            }
        }
        Tim->start();
        Tim2->start();
        ShowImgPicture(FacePicture(Face));
        ++SceneStep;
        break;
    case 1:
        StartScene(QStringLiteral("stop"));
        break;
    default:
        break;
    }
}
