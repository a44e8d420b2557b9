// The alien's sentences, each pattern with scripted draws, and the speech timer.

#include "testgame.h"

#include <QTest>

using texts::u8;

class TestSpeech : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestGame> game;

private Q_SLOTS:
    void initTestCase()
    {
        game = TestGame::inFreePlay();
        QVERIFY(game);
    }

    void sentence_data()
    {
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QString>("expected");
        // Pattern 0: adjective, x, noun, particle, verb, ending, y.
        QTest::newRow("full sentence") << QList<double>{0.0, 0.5, 0.0, 0.0, 0.0, 0.5, 0.0, 0.0}
                                       << u8("楽しいももじろが好きだったのです");
        QTest::newRow("adjective dropped at x 90")
            << QList<double>{0.0, 0.5, 0.9, 0.0, 0.2, 0.5, 0.0, 0.0} << u8("ももじろは好きだったのです");
        QTest::newRow("no ending ends in a noun") << QList<double>{0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.12, 0.5, 0.5}
                                                  << u8("切ないももじろがもけもけ");
        QTest::newRow("no ending keeps the verb below 50")
            << QList<double>{0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.12, 0.49} << u8("切ないももじろが大好き");
        // Pattern 1: adjective and a tail by x.
        QTest::newRow("adjective with ne") << QList<double>{0.25, 0.0, 0.5} << u8("切ないね");
        QTest::newRow("adjective with na") << QList<double>{0.25, 0.5, 0.99} << u8("楽しいな");
        QTest::newRow("adjective alone") << QList<double>{0.25, 0.0, 0.29} << u8("切ない");
        // Pattern 2: verb and a tail by x.
        QTest::newRow("verb with shitainaa") << QList<double>{0.5, 0.0, 0.75} << u8("大好きしたいなぁ");
        QTest::newRow("verb with nanchatte tail") << QList<double>{0.5, 0.5, 0.3} << u8("好きしちゃいそう");
        // Pattern 3: noun, particle, adjective, ending.
        QTest::newRow("noun particle adjective ending")
            << QList<double>{0.75, 0.5, 0.8, 0.5, 0.5} << u8("もけもけと楽しいするらしいですね");
    }
    void sentence()
    {
        QFETCH(QList<double>, draws);
        QFETCH(QString, expected);
        game->random.script(draws);
        game->fom->SpeakSentence();
        QCOMPARE(game->fom->Lbl->caption(), expected);
        QCOMPARE(game->random.remaining(), 0);
    }

    // A click in free play and the speech timer both speak; the timer asks a
    // question instead only when the attack option is on.
    void clickAndTimerSpeak()
    {
        Fom &fom = *game->fom;
        game->random.script({0.25, 0.0, 0.5});
        const int before = game->random.drawsTaken;
        game->click();
        QCOMPARE(fom.Lbl->caption(), u8("切ないね"));
        QCOMPARE(game->random.drawsTaken - before, 3);
        QCOMPARE(fom.SceneStep, qint16(0));
        fom.Lbl->setCaption(QString());
        fom.menu2[0]->setChecked(false);
        game->random.script({0.95, 0.25, 0.0, 0.5});
        fom.TimSay_Timer();
        QCOMPARE(fom.SceneMode, QStringLiteral("tyu"));
        QCOMPARE(fom.Lbl->caption(), u8("切ないね"));

        fom.menu2[0]->setChecked(true);
        game->random.script({0.89});
        fom.TimSay_Timer(); // x = 89 still speaks
        QCOMPARE(fom.SceneMode, QStringLiteral("tyu"));
        game->random.script({0.90});
        fom.TimSay_Timer();
        QCOMPARE(fom.SceneMode, QStringLiteral("situ"));
        QCOMPARE(fom.Lbl->caption(), u8("しつもん　きいて"));
    }
};

QTEST_MAIN(TestSpeech)
#include "test_speech.moc"
