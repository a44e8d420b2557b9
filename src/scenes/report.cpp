// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The day clock and the monthly report: the alien pays the month's earnings,
// the official sends items and says how talkative the alien has become.

#include "core/fom.h"
#include "game/texts.h"

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
    m_model->advanceDay();
    const int day = m_model->day();
    if (day >= 100)
        StartScene(SceneKind::Farewell);
    else if (day % 30 == 0)
        StartScene(SceneKind::Report);
    KeepRecoveryCopy();
}

void Fom::PlayReport()
{
    // Steps 0 to 5 each lead to the next; the last waits at 99 for its click.
    const int step = m_model->scene().step;
    if (step >= 0 && step <= 5)
        m_model->setSceneStep(step + 1);
    switch (step) {
    case 0:
        Lbl->setCaption(u8("いつも　ありがとう"));
        break;
    case 1:
        Lbl->setCaption(u8("これ・・・おれい・・・") + crlf + QString::number(m_model->pay()) + u8("円だけだけど・・"));
        m_model->payMonth();
        break;
    case 2:
        Lbl->setCaption(u8("また・・・よろしくね・・・"));
        break;
    case 3:
        Tim->stop();
        Tim2->stop();
        Lbl->setCaption(u8("や、"));
        MoveImg(0, 0, 100, 100);
        LoadImgPicture(QStringLiteral("erai.bmp"));
        break;
    case 4: {
        Lbl->setCaption(u8("どうだい？") + crlf + u8("今月もエールを送っておいたよ") + crlf + u8("いや、御礼は要らないぞ"));
        m_model->receiveShipment();
        break;
    }
    case 5:
        Lbl->setCaption(u8("しかし彼は、") + crlf + talkativeComment(m_model->totalWords()));
        break;
    case 6:
        m_model->setSceneStep(99);
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
