// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The opening: the alien arrives and asks for two names, then the official
// appoints the player as go-between and sends the first items.

#include "game/gamemodel.h"
#include "game/texts.h"

using texts::crlf;
using texts::u8;

namespace {

// A name on a line of its own: the save keeps one word per line.
bool usableName(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('\n')) && !name.contains(QLatin1Char('\r'));
}

} // namespace

void GameModel::playOpening()
{
    // Steps 0 to 9 each lead to the next; the last waits at 99 for its click.
    const int step = m_state.scene.step;
    if (step >= 0 && step <= 9)
        setSceneStep(step + 1);
    switch (step) {
    case 0:
        setAlienMoving(true);
        Q_EMIT motionRestarted();
        Q_EMIT faceShown();
        say(u8("うちゅうせんが　ふじちゃくしたの"));
        break;
    case 1:
        say(u8("しばらく　ここに　いさせて"));
        break;
    case 2: {
        say(u8("きみの。ナマエは？"));
        const QString player = m_prompts.askName(u8("おなまえを　おしえてね"), u8("なまえ　おしえろ"));
        if (usableName(player))
            replaceWord(Noun, 0, player);
        say(u8("ぼくはなんて　よばれてるの"));
        const QString alien = m_prompts.askName(u8("もけもけは　なんて　よばれてるんだっけ？"), u8("なまえ　つけろ"));
        if (usableName(alien))
            replaceWord(Noun, 1, alien);
        say(u8("ちょっとの　あいだ、　よろしくね、") + playerName());
        break;
    }
    case 3:
        setAlienMoving(false);
        Q_EMIT motionRestarted();
        showScenePicture(QStringLiteral("erai.bmp"));
        say(u8("や、"));
        break;
    case 4:
        say(u8("大変なことになったね") + crlf + u8("宇宙人が来たんだって？"));
        break;
    case 5:
        say(u8("ちょうどいい、君、外交委員になりなさい") + crlf + u8("宇宙人と僕らが") + crlf
            + u8("円滑にコミュニケーションをとれるように努力しなさい"));
        break;
    case 6:
        say(u8("じゃ"));
        break;
    case 7:
        say(u8("あ、そうそう") + crlf + u8("ささやかながらエールを送らせてもらったよ") + crlf + u8("転送箱を見てごらん"));
        receiveShipment();
        break;
    case 8:
        say(u8("あの箱はちっちゃいね") + crlf + u8("すぐに一杯になっちゃうだろうよ"));
        break;
    case 9:
        say(u8("ま、がんばって") + crlf + u8("じゃ"));
        break;
    case 10:
        setSceneStep(99);
        say(u8("いっとくけど、エールはただじゃないからね"));
        break;
    case 99:
        endScene();
        break;
    default:
        break;
    }
}
