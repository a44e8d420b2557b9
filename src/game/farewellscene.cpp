// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Day 100: the alien says goodbye, one sentence per mood, the official thanks
// the player, and one of eight endings is chosen.

#include "game/gamemodel.h"
#include "game/texts.h"

using texts::crlf;
using texts::u8;

namespace {

// The verdict of one mood: 70 and up, 50 and up, 30 and up, or below.
QString verdict(int mood, const char *high, const char *fair, const char *mild, const char *none)
{
    if (mood >= 70)
        return u8(high);
    if (mood >= 50)
        return u8(fair);
    if (mood >= 30)
        return u8(mild);
    return u8(none);
}

} // namespace

void GameModel::playFarewell()
{
    // Steps 0 to 10 and 13 each lead to the next, 11 skips one.
    const int step = m_state.scene.step;
    if ((step >= 0 && step <= 10) || step == 13)
        setSceneStep(step + 1);
    switch (step) {
    case 0:
        say(u8("そろそろ　おわかれのじかんが　やってきました"));
        break;
    case 1:
        say(u8("いままで　ありがとうございます"));
        break;
    case 2:
        say(u8("あなたと　すごせて") + crlf
                        + verdict(mood(Joy), "とても　よかった", "それなりに　よかった", "ふつうでした", "よくなかった")
                        + crlf + u8("です"));
        break;
    case 3:
        say(verdict(mood(Anger), "それなりに　むっとしたり　したけど", "それなりに　いかりも　わいたけど",
                                "それなりに　いらいら　したけど", "ちっとも　きにさわらなかったけど"));
        break;
    case 4:
        say(u8("それでも") + crlf
                        + verdict(mood(Sorrow), "かなしいこと　だらけでした", "なみだが　でそうだったです", "さみしかったです",
                                  "あったかかったです"));
        break;
    case 5:
        say(u8("この　ちきゅうという　ほしは") + crlf
                        + verdict(mood(Ease), "わたしたちと　とても　ちかい", "ちょっと　きんしんかん　わき　ます",
                                  "それなりで　した", "いごこち　わるい　です"));
        break;
    case 6:
        say(u8("また、あえるひを　たのしみに　しています"));
        break;
    case 7:
        say(u8("さようなら"));
        break;
    case 8:
        say(u8("ありがとう"));
        break;
    case 9:
        setAlienMoving(false);
        say(u8("や、"));
        Q_EMIT motionRestarted();
        showScenePicture(QStringLiteral("erai.bmp"));
        break;
    case 10:
        say(u8("無事に　宇宙人を　追い出せたようだね"));
        break;
    case 11:
        setSceneStep(13);
        say(playerName() + u8("君には、感謝しているよ。") + crlf + u8("ありがとう"));
        break;
    case 13:
        say(u8("明日、この結果がどうでるか・・・楽しみだね"));
        break;
    case 14: {
        showScenePicture(QStringLiteral("end.bmp"));
        const int k = chooseEnding();
        // The ending follows without unlocking the controls.
        setScene(SceneKind::Ending, k);
        markEndingSeen(k);
        say(QStringLiteral("Ending NO.「") + u8(texts::endingTitles[k]) + QStringLiteral("」"));
        break;
    }
    default:
        break;
    }
}
