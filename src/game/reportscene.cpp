// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The monthly report: the alien pays the month's earnings, the official
// sends items and says how talkative the alien has become.

#include "game/gamemodel.h"
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

void GameModel::playReport()
{
    // Steps 0 to 5 each lead to the next; the last waits at 99 for its click.
    const int step = m_state.scene.step;
    if (step >= 0 && step <= 5)
        setSceneStep(step + 1);
    switch (step) {
    case 0:
        say(u8("いつも　ありがとう"));
        break;
    case 1:
        say(u8("これ・・・おれい・・・") + crlf + QString::number(m_state.pay) + u8("円だけだけど・・"));
        payMonth();
        break;
    case 2:
        say(u8("また・・・よろしくね・・・"));
        break;
    case 3:
        setAlienMoving(false);
        say(u8("や、"));
        Q_EMIT motionRestarted();
        showScenePicture(QStringLiteral("erai.bmp"));
        break;
    case 4:
        say(u8("どうだい？") + crlf + u8("今月もエールを送っておいたよ") + crlf + u8("いや、御礼は要らないぞ"));
        receiveShipment();
        break;
    case 5:
        say(u8("しかし彼は、") + crlf + talkativeComment(totalWords()));
        break;
    case 6:
        setSceneStep(99);
        say(u8("ま、これからも　がんばって"));
        break;
    case 99:
        endScene(); // the alien moves again
        break;
    default:
        break;
    }
}
