// The day clock, the monthly report, and one whole game of a hundred days.

#include "testgame.h"

#include <QTest>

using texts::u8;

class TestDays : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestGame> game;
    Fom *fom = nullptr;

private Q_SLOTS:
    void init() { game = TestGame::inFreePlay(); QVERIFY(game); fom = game->fom.get(); }

    void dayTransitions_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<QString>("mode");
        QTest::newRow("day 29") << 28 << QStringLiteral("tyu");
        QTest::newRow("day 30 reports") << 29 << QStringLiteral("houkoku");
        QTest::newRow("day 99") << 98 << QStringLiteral("tyu");
        QTest::newRow("day 100 says goodbye") << 99 << QStringLiteral("ending");
        QTest::newRow("a loaded day past 100") << 120 << QStringLiteral("ending");
    }
    void dayTransitions()
    {
        QFETCH(int, before);
        QFETCH(QString, mode);
        fom->Day = static_cast<qint16>(before);
        fom->TimDay_Timer();
        QCOMPARE(fom->LblHi->caption(), QString::number(before + 1));
        QCOMPARE(fom->SceneMode, mode);
    }

    // The official's comment goes by the words of all three lists.
    void officialSendsItemsAndComments_data()
    {
        QTest::addColumn<int>("words");
        QTest::addColumn<QString>("comment");
        QTest::newRow("29 words") << 29 << u8("無口だね～");
        QTest::newRow("30 words") << 30 << u8("まぁまぁ喋るようになったね");
        QTest::newRow("50 words") << 50 << u8("割と喋るようになったね");
        QTest::newRow("100 words") << 100 << u8("随分と饒舌になったね");
    }
    void officialSendsItemsAndComments()
    {
        QFETCH(int, words);
        QFETCH(QString, comment);
        fom->Pay = 350;
        fom->Money = 1200;
        fom->WordCount = {static_cast<qint16>(words - 12), 5, 7};
        const int itemsBefore = fom->LstItem->count();
        game->random.script({words < 50 ? 0.99 : 0.0}); // n = 5: six items, or n = 1: two
        fom->Day = 59;
        fom->TimDay_Timer();
        QStringList said;
        for (int i = 0; i < 20 && fom->SceneMode == QLatin1String("houkoku"); ++i) {
            said << fom->Lbl->caption();
            if (said.size() == 4) { // the official stands still in front of the alien
                QCOMPARE(game->shownPicture(), QStringLiteral("erai.bmp"));
                QVERIFY(!fom->Tim->isActive() && !fom->Tim2->isActive());
            }
            game->click();
        }
        QCOMPARE(said, (QStringList{u8("いつも　ありがとう"), u8("これ・・・おれい・・・\r\n350円だけだけど・・"),
                                    u8("また・・・よろしくね・・・"), u8("や、"),
                                    u8("どうだい？\r\n今月もエールを送っておいたよ\r\nいや、御礼は要らないぞ"),
                                    u8("しかし彼は、\r\n") + comment, u8("ま、これからも　がんばって")}));
        QCOMPARE(fom->LblMoney->caption(), QStringLiteral("1550"));
        QCOMPARE(int(fom->Pay), 0);
        QCOMPARE(fom->LstItem->count(), itemsBefore + (words < 50 ? 6 : 2));
    }

    // A whole game from free play on, with scripted draws: teaching, three
    // reports, the farewell, an ending and the new game that follows.
    void aHundredDays()
    {
        // Free play waits for the day clock, a scene for clicks.
        auto playWhile = [&](const char *mode) {
            for (int i = 0; i < 200 && fom->SceneMode == u8(mode); ++i)
                fom->SceneMode == QLatin1String("tyu") ? fom->TimDay_Timer() : game->click();
        };
        // Teach 40 nouns at 100 each: the pay arrives with the first report.
        fom->Opt_Click(0);
        for (int i = 0; i < 40; ++i) {
            fom->Txt->setText(QStringLiteral("n%1").arg(i));
            QTest::keyClick(fom->Txt, Qt::Key_Return);
        }
        for (int month = 1; month <= 3; ++month) {
            playWhile("tyu");
            playWhile("houkoku");
        }
        QCOMPARE(fom->Money, 1000 + 4000);
        QCOMPARE(fom->LstItem->count(), 2 + 3 * 2);
        // Day 100: with 46 words and joy strongest, 親愛関係; then a new game
        // that keeps the words and the seen ending.
        fom->Mood = {100, 0, 0, 0};
        playWhile("tyu");
        for (int i = 0; i < 20 && fom->SceneStep != 14; ++i)
            game->click();
        game->random.script({0.5}); // T = 40
        game->click();
        QCOMPARE(fom->SceneMode, u8("親愛関係"));
        playWhile("親愛関係");
        QCOMPARE(fom->SceneMode, QStringLiteral("stop"));
        QCOMPARE(int(fom->WordCount[0]), 42);
        QVERIFY(fom->menuEnding[0]->isEnabled());
    }
};

QTEST_MAIN(TestDays)
#include "test_days.moc"
