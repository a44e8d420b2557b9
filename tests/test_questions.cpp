// The alien's questions: waiting time, answers and their mood changes.

#include "testgame.h"

#include <QTest>

using texts::u8;
using Moods = std::array<qint16, 4>;

// Every question with its replies and mood changes (joy, anger, sorrow, ease)
// for yes and for no.
struct Question { const char *text, *yesReply, *noReply; Moods yes, no; };
static const Question questions[] = {
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

class TestQuestions : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestGame> game;
    Fom *fom = nullptr;

    // Announces a question, lets `ticks` question-timer ticks pass and
    // clicks: the question drawn by `draw` is then on screen. The question
    // timer runs from start-up, so the count starts from a stale value.
    void askAfter(int ticks, double draw)
    {
        fom->QstTicks = 25;
        fom->StartScene(QStringLiteral("situ"));
        for (int i = 0; i < ticks; ++i)
            fom->TimQst_Timer();
        game->random.script({draw});
        game->click();
    }

private Q_SLOTS:
    void init() { game = TestGame::inFreePlay(); QVERIFY(game); fom = game->fom.get(); fom->Mood = {0, 0, 0, 0}; }

    // Joy falls and anger, sorrow and ease rise with the ticks waited.
    void waitingTime_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<Moods>("moods");
        QTest::newRow("answered at once") << 0 << Moods{3, 0, 0, 2};
        QTest::newRow("eleven ticks round down") << 11 << Moods{-1, 11, 5, -1};
        QTest::newRow("31 ticks") << 31 << Moods{-7, 31, 15, -5};
        QTest::newRow("longer counts as 31") << 50 << Moods{-7, 31, 15, -5};
    }
    void waitingTime()
    {
        QFETCH(int, ticks);
        QFETCH(Moods, moods);
        askAfter(ticks, 0.0);
        QCOMPARE(fom->Mood, moods);
        QVERIFY(!fom->TimQst->isActive());
    }

    void answers_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<int>("button");
        for (int n = 0; n < int(std::size(questions)); ++n) {
            QTest::addRow("%d yes", n) << n << 1;
            QTest::addRow("%d no", n) << n << 2;
        }
        QTest::newRow("8 middle is no") << 8 << 4;
    }
    void answers()
    {
        QFETCH(int, question);
        QFETCH(int, button);
        const Question &expected = questions[question];
        askAfter(0, (question + 0.5) / 21.0);
        QCOMPARE(fom->Lbl->caption(), u8(expected.text));
        QVERIFY(fom->LblQstKazari->isVisibleTo(fom));
        fom->Mood = {100, 100, 100, 100};
        game->click(button);
        QCOMPARE(fom->Lbl->caption(), u8(button == 1 ? expected.yesReply : expected.noReply));
        QVERIFY(!fom->LblQstKazari->isVisibleTo(fom));
        Moods moods = button == 1 ? expected.yes : expected.no;
        for (qint16 &mood : moods)
            mood += 100;
        QCOMPARE(fom->Mood, moods);
    }
};

QTEST_MAIN(TestQuestions)
#include "test_questions.moc"
