// One whole game, played headless with scripted draws: start-up, the opening,
// teaching, three reports, the farewell, an ending and the new game that
// follows. The rules of each part have tests of their own.

#include "platform/listbox.h"
#include "testgame.h"

#include <QTest>

using texts::u8;

class TestWholeGame : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aHundredDays()
    {
        TestGame game;
        QVERIFY(game.start());
        Fom &fom = *game.fom;
        // Free play waits for the day clock, a scene for clicks.
        auto playWhile = [&](const char *mode) {
            while (fom.SceneMode == u8(mode))
                fom.SceneMode == QLatin1String("tyu") ? fom.TimDay_Timer() : game.click();
        };
        game.dialogs.answers = {u8("はなこ"), u8("ぴぽ")};
        game.click();
        playWhile("open");
        // Teach 40 nouns at 100 each: the pay arrives with the first report.
        fom.Opt_Click(0);
        for (int i = 0; i < 40; ++i) {
            fom.Txt->setText(QStringLiteral("n%1").arg(i));
            QTest::keyClick(fom.Txt, Qt::Key_Return);
        }
        for (int month = 1; month <= 3; ++month) {
            playWhile("tyu");
            playWhile("houkoku");
        }
        QCOMPARE(fom.Money, 1000 + 4000);
        QCOMPARE(fom.LstItem->count(), 2 + 3 * 2);
        // Day 100: with 46 words and joy strongest, 親愛関係; then a new game
        // that keeps the words and the seen ending.
        fom.Mood = {100, 0, 0, 0};
        playWhile("tyu");
        while (fom.SceneStep != 14)
            game.click();
        game.random.script({0.5}); // T = 40
        game.click();
        QCOMPARE(fom.SceneMode, u8("親愛関係"));
        playWhile("親愛関係");
        QCOMPARE(fom.SceneMode, QStringLiteral("stop"));
        QCOMPARE(game.words(0).mid(0, 2), (QStringList{u8("はなこ"), u8("ぴぽ")}));
        QCOMPARE(int(fom.WordCount[0]), 42);
        QVERIFY(fom.menuEnding[0]->isEnabled());
    }
};

QTEST_MAIN(TestWholeGame)
#include "test_wholegame.moc"
