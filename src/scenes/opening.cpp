// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The opening: the alien arrives and asks for two names, then the official
// appoints the player as go-between and sends the first items.

#include "core/fom.h"
#include "game/texts.h"
#include "platform/cp932.h"

using texts::crlf;
using texts::u8;

namespace {

// A name is kept only if a save file can hold it: the dialog already refuses
// other characters, this guards every other way in.
bool usableName(const QString &name)
{
    return !name.isEmpty() && !name.contains(QLatin1Char('\n')) && !name.contains(QLatin1Char('\r'))
           && cp932::canHold(name);
}

} // namespace

void Fom::PlayOpening()
{
    // Steps 0 to 9 each lead to the next; the last waits at 99 for its click.
    const int step = m_model->scene().step;
    if (step >= 0 && step <= 9)
        m_model->setSceneStep(step + 1);
    switch (step) {
    case 0:
        Tim->start();
        Tim2->start();
        MoveImg(0, 0, 100, 100);
        ShowImgPicture(FacePicture(m_model->face()));
        Lbl->setCaption(u8("うちゅうせんが　ふじちゃくしたの"));
        break;
    case 1:
        Lbl->setCaption(u8("しばらく　ここに　いさせて"));
        break;
    case 2: {
        Lbl->setCaption(u8("きみの。ナマエは？"));
        const QString player = m_dialogs.input(u8("おなまえを　おしえてね"), u8("なまえ　おしえろ"));
        if (usableName(player))
            m_model->replaceWord(Noun, 0, player);
        Lbl->setCaption(u8("ぼくはなんて　よばれてるの"));
        const QString alien = m_dialogs.input(u8("もけもけは　なんて　よばれてるんだっけ？"), u8("なまえ　つけろ"));
        if (usableName(alien))
            m_model->replaceWord(Noun, 1, alien);
        Lbl->setCaption(u8("ちょっとの　あいだ、　よろしくね、") + m_model->playerName());
        break;
    }
    case 3:
        Tim->stop();
        Tim2->stop();
        MoveImg(0, 0, 100, 100);
        LoadImgPicture(QStringLiteral("erai.bmp"));
        Lbl->setCaption(u8("や、"));
        break;
    case 4:
        Lbl->setCaption(u8("大変なことになったね") + crlf + u8("宇宙人が来たんだって？"));
        break;
    case 5:
        Lbl->setCaption(u8("ちょうどいい、君、外交委員になりなさい") + crlf + u8("宇宙人と僕らが") + crlf
                        + u8("円滑にコミュニケーションをとれるように努力しなさい"));
        break;
    case 6:
        Lbl->setCaption(u8("じゃ"));
        break;
    case 7: {
        Lbl->setCaption(u8("あ、そうそう") + crlf + u8("ささやかながらエールを送らせてもらったよ") + crlf
                        + u8("転送箱を見てごらん"));
        m_model->receiveShipment();
        break;
    }
    case 8:
        Lbl->setCaption(u8("あの箱はちっちゃいね") + crlf + u8("すぐに一杯になっちゃうだろうよ"));
        break;
    case 9:
        Lbl->setCaption(u8("ま、がんばって") + crlf + u8("じゃ"));
        break;
    case 10:
        m_model->setSceneStep(99);
        Lbl->setCaption(u8("いっとくけど、エールはただじゃないからね"));
        break;
    case 99:
        EndScene();
        break;
    default:
        break;
    }
}
