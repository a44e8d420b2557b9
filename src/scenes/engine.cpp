// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The scene engine: each click on the message area plays one step of the
// current scene; in free play it makes the alien speak.

#include "core/fom.h"
#include "core/texts.h"
#include "platform/listbox.h"

void Fom::Ivent()
{
    const QString mode = SceneMode;
    if (mode == QLatin1String("stop"))
        return PlayStopScene();
    if (mode == QLatin1String("ugoki"))
        return PlayPreview();
    if (mode == QLatin1String("open"))
        return PlayOpening();
    if (mode == QLatin1String("ending"))
        return PlayFarewell();
    for (int k = 0; k < 8; ++k) {
        if (mode == menuEnding[k]->text())
            return PlayEnding(k);
    }
    if (mode == QLatin1String("tyu"))
        return SpeakSentence();
    if (mode == QLatin1String("situ"))
        return PlayAnnouncement();
    for (int n = 0; n <= 20; ++n) {
        if (mode == QString::number(n) + QLatin1String("ivent"))
            return PlayQuestion(n);
    }
    if (mode == QLatin1String("houkoku"))
        return PlayReport();
    // Any other mode plays nothing.
}

void Fom::PlayStopScene()
{
    switch (SceneStep) {
    case 0:
        // A new game: words and seen endings carry over, everything else starts afresh.
        SceneStep = 1;
        DropRecoveryCopy(); // whatever game it kept is over
        listbox::clear(LstItem);
        listbox::clear(LstItemMoney);
        Mood = {0, 0, 0, 0};
        Pay = 0;
        BoxCount = 0;
        SetMoney(1000);
        SetDay(0);
        Face = 0;
        MoveKind = 0;
        Tim->stop();
        Tim2->stop();
        MoveImg(0, 0, 100, 100);
        LoadImgPicture(QStringLiteral("stt.bmp"));
        Lbl->setCaption(QString());
        break;
    case 1:
        StartScene(QStringLiteral("open"));
        break;
    default:
        break;
    }
}

void Fom::ApplyAnswerMoods(int j0, int a0, int s0, int e0, int j1, int a1, int s1, int e1)
{
    Shp->setVisible(false);
    const bool yes = LblButton == 1;
    AddMood(0, yes ? j0 : j1);
    AddMood(1, yes ? a0 : a1);
    AddMood(2, yes ? s0 : s1);
    AddMood(3, yes ? e0 : e1);
}

QString Fom::PlayerName() const
{
    return listbox::text(Lst[0], 0);
}

QString Fom::AlienName() const
{
    return listbox::text(Lst[0], 1);
}

void Fom::SetDay(qint16 day)
{
    Day = day;
    LblHi->setCaption(QString::number(Day));
}
