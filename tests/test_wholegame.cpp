// One whole game, played headless with scripted draws: start-up, the opening,
// teaching, an item, a question, three reports, the farewell, an ending and
// the new game that follows.

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
        auto clickWhile = [&](const char *mode) {
            while (fom.SceneMode == u8(mode))
                fom.SceneMode == QLatin1String("tyu") ? fom.TimDay_Timer() : game.click();
        };

        // The opening: names given, then n = 3 gives four items.
        game.dialogs.answers = {u8("はなこ"), u8("ぴぽ")};
        for (int step = 0; step < 7; ++step)
            game.click();
        game.random.script({0.4, 0.0, 0.0, 0.25, 0.1, 0.5, 0.2, 0.3, 0.3});
        clickWhile("open");
        QCOMPARE(listbox::text(fom.LstItem, 3), u8("死んだ魚の骨"));

        // Teach 40 nouns at 100 each, buy the cheapest item (a soft ball:
        // joy up) and answer a question from a click on the alien with yes.
        game.random.fallback = 0.0;
        fom.Opt_Click(0);
        for (int i = 0; i < 40; ++i) {
            fom.Txt->setText(QStringLiteral("n%1").arg(i));
            QTest::keyClick(fom.Txt, Qt::Key_Return);
        }
        listbox::select(fom.LstItem, 0);
        game.random.script({0.99});
        fom.ComItem_Click();
        QTest::mouseClick(fom.Img, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        fom.TimQst_Timer();
        game.random.script({9.5 / 21});
        game.click(); // joy 14 + 3, anger +1, ease +1 for the quick answer
        game.click(1); // question 9: joy +10, anger -5, sorrow -5, ease +5
        clickWhile("9ivent");
        QCOMPARE(fom.Mood, (std::array<qint16, 4>{27, -4, -5, 6}));

        // Three months pass with a report at each; the pay arrives once.
        for (int month = 1; month <= 3; ++month) {
            clickWhile("tyu");
            QCOMPARE(int(fom.Day), 30 * month);
            clickWhile("houkoku");
        }
        QCOMPARE(fom.Money, 800 + 4000);
        QCOMPARE(fom.LstItem->count(), 9); // 3 left after the opening and a use, 2 more each month

        // Day 100: the farewell and, with 46 words and joy strongest, 親愛関係,
        // then a new game that keeps the words and the seen ending.
        clickWhile("tyu");
        while (fom.SceneStep != 14)
            game.click();
        game.random.script({0.5}); // T = 40
        game.click();
        clickWhile("親愛関係");
        QCOMPARE(fom.SceneMode, QStringLiteral("stop"));
        QCOMPARE(int(fom.WordCount[0]), 42);
        QVERIFY(fom.menuEnding[0]->isEnabled());
    }
};

QTEST_MAIN(TestWholeGame)
#include "test_wholegame.moc"
