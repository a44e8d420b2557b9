// The alien's sentences, each pattern with scripted draws, and the speech timer.

#include "testgame.h"

#include <QTest>

using texts::u8;

class TestSpeech : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestGame> game;
    Fom *fom = nullptr;

private Q_SLOTS:
    void initTestCase() { game = TestGame::inFreePlay(); QVERIFY(game); fom = game->fom.get(); }

    void sentence_data()
    {
        QTest::addColumn<QList<double>>("draws");
        QTest::addColumn<QString>("expected");
        auto row = [](const char *name, QList<double> draws, const char *expected) {
            QTest::newRow(name) << draws << u8(expected);
        };
        // Pattern 0: adjective, x, noun, particle, verb, ending, y.
        row("full sentence", {0.0, 0.5, 0.0, 0.0, 0.0, 0.5, 0.0, 0.0}, "楽しいももじろが好きだったのです");
        row("adjective dropped at x 90", {0.0, 0.5, 0.9, 0.0, 0.2, 0.5, 0.0, 0.0}, "ももじろは好きだったのです");
        row("no ending ends in a noun", {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.12, 0.5, 0.5}, "切ないももじろがもけもけ");
        row("no ending keeps the verb below 50", {0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.12, 0.49}, "切ないももじろが大好き");
        // Pattern 1: adjective and a tail by x.
        row("adjective with ne", {0.25, 0.0, 0.5}, "切ないね");
        row("adjective with na", {0.25, 0.5, 0.99}, "楽しいな");
        row("adjective alone", {0.25, 0.0, 0.29}, "切ない");
        // Pattern 2: verb and a tail by x.
        row("verb with shitainaa", {0.5, 0.0, 0.75}, "大好きしたいなぁ");
        row("verb with nanchatte tail", {0.5, 0.5, 0.3}, "好きしちゃいそう");
        // Pattern 3: noun, particle, adjective, ending.
        row("noun particle adjective ending", {0.75, 0.5, 0.8, 0.5, 0.5}, "もけもけと楽しいするらしいですね");
    }
    void sentence()
    {
        QFETCH(QList<double>, draws);
        QFETCH(QString, expected);
        game->random.script(draws);
        fom->SpeakSentence();
        QCOMPARE(fom->Lbl->caption(), expected);
        QCOMPARE(game->random.remaining(), 0);
    }

    // A click in free play and the speech timer both speak; the timer asks a
    // question instead only when the attack option is on and x is 90 or more.
    void clickAndTimerSpeak()
    {
        game->random.script({0.25, 0.0, 0.5});
        game->click();
        QCOMPARE(fom->Lbl->caption(), u8("切ないね"));
        fom->menu2[0]->setChecked(false);
        game->random.script({0.95, 0.25, 0.5, 0.99});
        fom->TimSay_Timer();
        QCOMPARE(fom->Lbl->caption(), u8("楽しいな"));
        fom->menu2[0]->setChecked(true);
        game->random.script({0.89});
        fom->TimSay_Timer();
        QCOMPARE(fom->SceneMode, QStringLiteral("tyu"));
        game->random.script({0.90});
        fom->TimSay_Timer();
        QCOMPARE(fom->Lbl->caption(), u8("しつもん　きいて"));
    }
};

QTEST_MAIN(TestSpeech)
#include "test_speech.moc"
