// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The eight endings, each a short story told one message per click, after
// the farewell or from the gallery; the last click returns to the title.

#include "game/gamemodel.h"
#include "game/texts.h"

using texts::u8;

namespace {

// The story of each ending, one message per step. %1 stands for the
// player's name, %2 for the alien's, "\r\n" is a line break. Endings 5 and 6
// are one message shorter.
constexpr const char *endingStories[8][5] = {
    {"翌日・・・", "%2は親愛と描かれた旗と仲間を連れてやってきた", "どうやら酷く%1のことが気に入ったらしい",
     "そうして%1は連日\r\n大勢の宇宙人の訪問を受けることになった・・・",
     "（%1の家は後に\r\n宇宙人の観光名所として知られることになる・・・）"},
    {"翌日、%2たちは沢山の宇宙船で地球を取り囲んだ", "そして説得が始まった",
     "すなわち、奴隷になれ、と\r\n絶え間なく地球に向かって囁きだしたのだ",
     "エライ人たちはこれに必至の抵抗を試みたが、\r\n%2達の囁きは広く柔軟で破ることは出来なかった",
     "一年と半年後・・・\r\n地球は奴隷となるために屈服した"},
    {"翌日はナンの音沙汰もなかった\r\nそして、数日後、", "%2はまたやってきた\r\n%1の部屋に",
     "そして宇宙での愚痴をひとしきり語った後、\r\n去っていった", "そしてそのまた数日後、\r\n%2はまたまたやってきた・・・",
     "それ以来%2と%1の交流は続いている\r\n愚痴を言うためだけに、\r\n時折%2は地球に降り立っていく"},
    {"交易をシマショウ\r\nそういってきたのは%2だった", "エライ人は諸手をあげてこれに賛成した\r\n宇宙人と人間の交易が始まった",
     "宇宙からは珍しい物が沢山入ってくる\r\n%2の株も上がり、\r\n手の届かないエライ宇宙人になってしまった",
     "%2とは二度と会えなくなっ\r\n寂しくはなかった",
     "%2と%1の交流の証に、\r\nすばらしい物物が\r\n次々と日常に溢れていくのだから・・・"},
    {"%2は翌日・・・再びやってきた", "宇宙人のエライ人と共に・・・",
     "何とか人間のエライ人と\r\n友好な関係を気づきたかったらしいが\r\nどうしても、言葉の壁が越えられず・・・",
     "粘りに粘った後、%2達は、哀しげに去っていった", "そしてもう、%2が現れることは二度となかった"},
    {"翌日・・・\r\n早速%2達、宇宙人は地球に攻撃を開始した",
     "驚いた人間達は\r\n原因と思われる%1を処刑したりして\r\n便宜を図ろうとしたが", "宇宙人にはそんな行動は通じなかった",
     "そして・・・\r\n地球は崩壊した・・・", nullptr},
    {"翌日・・・待てども待てども%2は帰ってこなかった", "その翌日も・・・そのまた翌日も・・・",
     "それ以来、\r\n地球に別の惑星から生物が訪れることは\r\n二度となかった・・・", "（%1のせい？）", nullptr},
    {"翌日・・・\r\n%2は仲間を従えてやってきた",
     "どうやら地球がものすごく気に入ってしまったらしい、\r\n「下僕にしてくれ」と仲間全員でエライ人に訴えた",
     "人間はこれを歓迎し、\r\n%1は働きが認められとても偉くなった", "だが、%1は\r\n下僕として嬉しそうに働く%2達の姿を見るたびに",
     "一抹の寂しさを\r\n拭いきれないのであった・・・"},
};

// Puts the names into a story line in one pass, so a name that itself
// contains "%1" or "%2" is shown as typed.
QString fillNames(const QString &line, const QString &player, const QString &alien)
{
    QString filled;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == QLatin1Char('%') && i + 1 < line.size()
            && (line[i + 1] == QLatin1Char('1') || line[i + 1] == QLatin1Char('2'))) {
            filled += line[i + 1] == QLatin1Char('1') ? player : alien;
            ++i;
        } else {
            filled += line[i];
        }
    }
    return filled;
}

} // namespace

void GameModel::playEnding()
{
    const int k = m_state.scene.number;
    const int lastStep = 5;
    const int step = m_state.scene.step;
    if (step == lastStep) {
        startScene(SceneKind::Title);
        return;
    }
    if (step < 0 || step > 4 || !endingStories[k][step])
        return;
    // The short endings skip their missing fifth message.
    const bool skipNext = step + 1 < 5 && !endingStories[k][step + 1];
    setSceneStep(step + (skipNext ? 2 : 1));
    say(fillNames(u8(endingStories[k][step]), playerName(), alienName()));
    if (step == 0)
        showScenePicture(QStringLiteral("end%1.bmp").arg(k));
}
