// The day clock and the monthly report.

#include "testgame.h"

#include <QTest>

using texts::u8;

class TestDays : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestGame> game;

private Q_SLOTS:
    void init()
    {
        game = TestGame::inFreePlay();
        QVERIFY(game);
    }

    void dayTransitions_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<QString>("mode");
        QTest::newRow("day 1") << 0 << QStringLiteral("tyu");
        QTest::newRow("day 29") << 28 << QStringLiteral("tyu");
        QTest::newRow("day 30 reports") << 29 << QStringLiteral("houkoku");
        QTest::newRow("day 90 reports") << 89 << QStringLiteral("houkoku");
        QTest::newRow("day 99") << 98 << QStringLiteral("tyu");
        QTest::newRow("day 100 says goodbye") << 99 << QStringLiteral("ending");
        QTest::newRow("a loaded day past 100") << 120 << QStringLiteral("ending");
    }
    void dayTransitions()
    {
        QFETCH(int, before);
        QFETCH(QString, mode);
        Fom &fom = *game->fom;
        fom.Day = static_cast<qint16>(before);
        fom.TimDay_Timer();
        QCOMPARE(int(fom.Day), before + 1);
        QCOMPARE(fom.LblHi->caption(), QString::number(before + 1));
        QCOMPARE(fom.SceneMode, mode);
        QCOMPARE(fom.TimDay->isActive(), mode == QLatin1String("tyu"));
    }

    void officialSendsItemsAndComments_data()
    {
        QTest::addColumn<int>("words");
        QTest::addColumn<QString>("comment");
        QTest::addColumn<int>("pay"); // the month's pay for teaching
        QTest::newRow("29 words") << 29 << u8("無口だね～") << 0;
        QTest::newRow("30 words") << 30 << u8("まぁまぁ喋るようになったね") << 350;
        QTest::newRow("49 words") << 49 << u8("まぁまぁ喋るようになったね") << 350;
        QTest::newRow("50 words") << 50 << u8("割と喋るようになったね") << 350;
        QTest::newRow("99 words") << 99 << u8("割と喋るようになったね") << 350;
        QTest::newRow("100 words") << 100 << u8("随分と饒舌になったね") << 350;
    }
    void officialSendsItemsAndComments()
    {
        QFETCH(int, words);
        QFETCH(QString, comment);
        QFETCH(int, pay);
        Fom &fom = *game->fom;
        fom.Pay = static_cast<qint16>(pay);
        fom.Money = 1200;
        // Each list counts, each with a count of its own.
        fom.WordCount = {static_cast<qint16>(words - 12), 5, 7};
        const int itemsBefore = fom.LstItem->count();
        fom.Day = 59;
        fom.TimDay_Timer();
        QCOMPARE(fom.Lbl->caption(), u8("いつも　ありがとう"));
        game->click();
        QCOMPARE(fom.Lbl->caption(), u8("これ・・・おれい・・・\r\n%1円だけだけど・・").arg(pay));
        QCOMPARE(fom.Money, 1200 + pay);
        QCOMPARE(fom.LblMoney->caption(), QString::number(1200 + pay));
        QCOMPARE(int(fom.Pay), 0);
        game->click();
        QCOMPARE(fom.Lbl->caption(), u8("また・・・よろしくね・・・"));
        game->click(); // step 3: the official
        QCOMPARE(fom.Lbl->caption(), u8("や、"));
        QCOMPARE(game->shownPicture(), QStringLiteral("erai.bmp"));
        QVERIFY(!fom.Tim->isActive() && !fom.Tim2->isActive());
        game->random.script({words < 50 ? 0.99 : 0.0}); // n = 5: six items, or n = 1: two
        game->click();
        QCOMPARE(fom.Lbl->caption(), u8("どうだい？\r\n今月もエールを送っておいたよ\r\nいや、御礼は要らないぞ"));
        QCOMPARE(fom.LstItem->count(), itemsBefore + (words < 50 ? 6 : 2));
        game->click();
        QCOMPARE(fom.Lbl->caption(), u8("しかし彼は、\r\n") + comment);
        game->click();
        QCOMPARE(fom.SceneStep, qint16(99));
        QCOMPARE(fom.Lbl->caption(), u8("ま、これからも　がんばって"));
        game->click();
        QCOMPARE(fom.SceneMode, QStringLiteral("tyu"));
        QVERIFY(fom.TimDay->isActive() && fom.Tim->isActive());
        QCOMPARE(int(fom.Day), 60);
    }
};

QTEST_MAIN(TestDays)
#include "test_days.moc"
