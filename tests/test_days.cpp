// The day clock and the monthly report.

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
};

QTEST_MAIN(TestDays)
#include "test_days.moc"
