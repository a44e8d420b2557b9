// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The day clock and the monthly report: the alien pays the month's earnings,
// the official sends items and says how talkative the alien has become.

#include "core/fom.h"
#include "core/texts.h"

using texts::crlf;
using texts::u8;

namespace {

QString talkativeComment(int words)
{
    if (words >= 100)
        return u8("随分と饒舌になったね");
    if (words >= 50)
        return u8("割と喋るようになったね");
    if (words >= 30)
        return u8("まぁまぁ喋るようになったね");
    return u8("無口だね～");
}

} // namespace

void Fom::TimDay_Timer()
{
    SetDay(static_cast<qint16>(Day + 1));
    if (Day >= 100)
        StartScene(QStringLiteral("ending"));
    else if (Day % 30 == 0)
        StartScene(QStringLiteral("houkoku"));
    KeepRecoveryCopy();
}

void Fom::PlayReport()
{
    switch (SceneStep) {
    case 0:
        ++SceneStep;
        Lbl->setCaption(u8("いつも　ありがとう"));
        break;
    case 1:
        ++SceneStep;
        Lbl->setCaption(u8("これ・・・おれい・・・") + crlf + QString::number(Pay) + u8("円だけだけど・・"));
        SetMoney(Money + Pay);
        Pay = 0;
        break;
    case 2:
        ++SceneStep;
        Lbl->setCaption(u8("また・・・よろしくね・・・"));
        break;
    case 3:
        Tim->stop();
        Tim2->stop();
        ++SceneStep;
        Lbl->setCaption(u8("や、"));
        MoveImg(0, 0, 100, 100);
        LoadImgPicture(QStringLiteral("erai.bmp"));
        break;
    case 4: {
        ++SceneStep;
        Lbl->setCaption(u8("どうだい？") + crlf + u8("今月もエールを送っておいたよ") + crlf + u8("いや、御礼は要らないぞ"));
        const int n = drawInt(m_random, 5) + 1;
        for (int i = 0; i <= n; ++i)
            RefillBox();
        break;
    }
    case 5:
        ++SceneStep;
        Lbl->setCaption(u8("しかし彼は、") + crlf
                        + talkativeComment(WordCount[0] + WordCount[1] + WordCount[2]));
        break;
    case 6:
        SceneStep = 99;
        Lbl->setCaption(u8("ま、これからも　がんばって"));
        break;
    case 99:
        Tim->start();
        Tim2->start();
        EndScene();
        break;
    default:
        break;
    }
}
