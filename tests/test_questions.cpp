// The alien's questions: waiting time, answers and their mood changes.

#include "testgame.h"

#include <QTest>

using texts::u8;
using Moods = std::array<qint16, 4>;

class TestQuestions : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestGame> game;

    // Announces a question, lets `ticks` question-timer ticks pass and
    // clicks: the question drawn by `draw` is then on screen.
    void askAfter(int ticks, double draw)
    {
        Fom &fom = *game->fom;
        fom.StartScene(QStringLiteral("situ"));
        for (int i = 0; i < ticks; ++i)
            fom.TimQst_Timer();
        game->random.script({draw});
        game->click();
    }

private Q_SLOTS:
    void init()
    {
        game = TestGame::inFreePlay();
        QVERIFY(game);
        game->fom->Mood = {0, 0, 0, 0};
        game->sound.waves.clear();
    }

    void waitingTime_data()
    {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<Moods>("moods");
        QTest::newRow("answered at once") << 0 << Moods{3, 0, 0, 2};
        QTest::newRow("ten ticks") << 10 << Moods{0, 10, 5, 0};
        QTest::newRow("eleven ticks round down") << 11 << Moods{-1, 11, 5, -1};
        QTest::newRow("31 ticks") << 31 << Moods{-7, 31, 15, -5};
        QTest::newRow("longer counts as 31") << 50 << Moods{-7, 31, 15, -5};
    }
    void waitingTime()
    {
        QFETCH(int, ticks);
        QFETCH(Moods, moods);
        askAfter(ticks, 0.0);
        QCOMPARE(game->fom->Mood, moods);
        QVERIFY(!game->fom->TimQst->isActive());
        QVERIFY(game->sound.waves.first().endsWith(QLatin1String("se0.wav")));
    }

    void answers_data()
    {
        QTest::addColumn<int>("question");
        QTest::addColumn<int>("button");
        QTest::addColumn<QString>("reply");
        QTest::addColumn<Moods>("change");
        QTest::newRow("0 yes") << 0 << 1 << u8("そうなの") << Moods{3, -3, 10, 5};
        QTest::newRow("1 no") << 1 << 2 << u8("ぼく　あるの") << Moods{1, 1, 5, -5};
        QTest::newRow("8 no") << 8 << 2 << u8("いや～ん") << Moods{-20, 20, 20, 20};
        QTest::newRow("8 middle is no") << 8 << 4 << u8("いや～ん") << Moods{-20, 20, 20, 20};
        QTest::newRow("15 yes") << 15 << 1 << u8("だいじ・・・") << Moods{10, -8, -10, 10};
        QTest::newRow("20 no") << 20 << 2 << u8("・・・") << Moods{0, 9, -4, 4};
    }
    void answers()
    {
        QFETCH(int, question);
        QFETCH(int, button);
        QFETCH(QString, reply);
        QFETCH(Moods, change);
        Fom &fom = *game->fom;
        askAfter(0, (question + 0.5) / 21.0);
        QCOMPARE(fom.SceneMode, QStringLiteral("%1ivent").arg(question));
        QVERIFY(fom.LblQstKazari->isVisibleTo(&fom));
        fom.Mood = {100, 100, 100, 100};
        game->click(button);
        QCOMPARE(fom.Lbl->caption(), reply);
        QVERIFY(!fom.LblQstKazari->isVisibleTo(&fom));
        for (int i = 0; i < 4; ++i)
            QCOMPARE(fom.Mood[i], qint16(100 + change[i]));
        game->click();
        QCOMPARE(fom.SceneMode, QStringLiteral("tyu"));
    }

    void questionTexts()
    {
        askAfter(0, 0.0);
        QCOMPARE(game->fom->Lbl->caption(), u8("ひとりは　さみしい　もの？"));
        QCOMPARE(game->fom->LblQstKazari->caption(), u8("イエス＞＞左クリック\r\nノーウ＞＞右クリック"));
    }
};

QTEST_MAIN(TestQuestions)
#include "test_questions.moc"
