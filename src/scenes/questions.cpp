// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The alien's questions: it announces one, waits (and minds how long), asks,
// and takes a left click as yes and any other as no.

#include "core/fom.h"
#include "core/texts.h"
#include "persistence/slotlimits.h"

#include <cmath>

using texts::u8;

namespace {

struct Question
{
    const char *text;
    const char *yesReply;
    const char *noReply;
    int yes[4]; // joy, anger, sorrow, ease
    int no[4];
};

constexpr int questionCount = 21;
// A slot saved during any question must load again.
static_assert(questionCount == slotlimits::questionCount);
constexpr Question questions[questionCount] = {
    {"ひとりは　さみしい　もの？", "そうなの", "そうなの", {3, -3, 10, 5}, {7, 5, -5, -5}},
    {"ゆめで　ないたこと　ある？", "ぼくも", "ぼく　あるの", {5, -3, -5, 10}, {1, 1, 5, -5}},
    {"このほしは　きぼうで　あふれてますか？", "うらやましい・・・", "かなしい・・・", {10, 5, -3, -5}, {3, 5, 10, 5}},
    {"すきな　ほしにんげんは　いますか？", "どきどき・・・", "さみしい・・・", {10, -5, 3, -3}, {5, 2, 10, 5}},
    {"きらいな　ほしにんげんは　いますか？", "いたい", "そう・・・", {-5, 8, 5, -8}, {8, -5, -5, 10}},
    {"うつくしいものは　こわれやすい　のですか？", "あうあう・・", "ほんとう？", {3, 5, 8, 5}, {-3, -5, -5, 3}},
    {"きたないものは　きたないだけですか", "いりません", "しんじつ・・・", {-5, 9, 9, -4}, {9, -5, -9, 9}},
    {"すべてに　びょうどうですか・・・", "うそ・・・", "いけない・・・", {5, 8, 3, 1}, {-1, 5, 9, -3}},
    {"わたしが　すきですか", "っぽ", "いや～ん", {20, -10, 8, -10}, {-20, 20, 20, 20}},
    {"へいわが　すきですか・・・", "ふふ・・・", "ゆめ・・", {10, -5, -5, 5}, {-8, 5, 9, 5}},
    {"ころすことは　だめ・・・？", "そう・・・", "いいこと・・・？", {8, -3, 5, 9}, {-10, 10, 20, -20}},
    {"しあわせは　いばしょが　なくなる　きが　しますか", "そう・・・", "そうなの・・・", {-3, -5, 5, 9}, {9, 3, 6, -3}},
    {"いま、たのしいですか？", "せつない？", "・・・", {8, -5, 8, 9}, {-10, 8, 10, -10}},
    {"とりは　なかま　ですか", "なかま・・・", "ちがうの？", {10, -5, 8, 10}, {-10, 5, 10, -8}},
    {"ささやかでも　よろこびが　ありますか", "そう", "ないの", {5, 8, 9, 10}, {-5, -3, 9, -8}},
    {"いのちは　ぜんぶ　だいじ　ですか", "だいじ・・・", "すてる・・・", {10, -8, -10, 10}, {-10, 8, 10, -10}},
    {"いきものは　やさしくしないと　だめ　ですか", "そう", "？", {3, -5, -7, 9}, {-5, 9, 10, -10}},
    {"いきてないものは　やさしくしなくても　いい　ですか", "あうあう", "だめ・・・", {-5, 9, 10, -10}, {5, 3, 5, 8}},
    {"つらいときは　ひとりで　いるものですか", "ひとり・・・", "みんな・・・？", {-5, -9, 9, 9}, {9, -3, -5, -5}},
    {"うらぎられても　しんじますか・・・", "そう・・", "てうてう", {10, -6, 9, 10}, {-5, 8, 9, 7}},
    {"だれも　じぶんのためには　いきていて　ほしくない　ですか・・・？", "つらいの", "・・・", {0, 3, 9, 10}, {0, 9, -4, 4}},
};

// Int of a real quotient: towards minus infinity.
int floorDiv(int numerator, int denominator)
{
    return static_cast<int>(std::floor(static_cast<double>(numerator) / denominator));
}

} // namespace

void Fom::TimQst_Timer()
{
    if (QstTicks <= 30)
        ++QstTicks;
}

void Fom::PlayAnnouncement()
{
    switch (SceneStep) {
    case 0:
        PlaySe(1);
        ++SceneStep;
        Lbl->setCaption(u8("しつもん　きいて"));
        QstTicks = 0;
        TimQst->start();
        break;
    case 1: {
        TimQst->stop();
        // The longer it waited, the crosser and sadder it is.
        const int q = QstTicks;
        AddMood(1, q);
        AddMood(2, floorDiv(q, 2));
        AddMood(0, floorDiv(10 - q, 3));
        AddMood(3, floorDiv(10 - q, 5));
        // Every question can come up, the last two included.
        StartScene(QString::number(drawInt(m_random, questionCount)) + QLatin1String("ivent"));
        break;
    }
    default:
        break;
    }
}

// Asked and not yet answered: the hint is up on the alien.
bool Fom::QuestionAwaitsAnswer() const
{
    return SceneMode.endsWith(QLatin1String("ivent")) && SceneStep == 1;
}

void Fom::PlayQuestion(int n)
{
    const Question &question = questions[n];
    switch (SceneStep) {
    case 0:
        ++SceneStep;
        LblQstKazari->setVisible(true);
        Lbl->setCaption(u8(question.text));
        break;
    case 1:
        LblQstKazari->setVisible(false);
        Lbl->setCaption(u8(LblButton == 1 ? question.yesReply : question.noReply));
        ++SceneStep;
        ApplyAnswerMoods(question.yes[0], question.yes[1], question.yes[2], question.yes[3], question.no[0],
                         question.no[1], question.no[2], question.no[3]);
        break;
    case 2:
        EndScene();
        break;
    default:
        break;
    }
}
