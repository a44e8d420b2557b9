// Teaching and forgetting words, and the keyboard of the word entry.

#include "platform/listbox.h"
#include "testgame.h"

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

using texts::u8;

class TestTeaching : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestGame> game;

    void teach(int kind, const QString &word)
    {
        game->fom->Opt_Click(kind);
        game->fom->Txt->setText(word);
        game->fom->ADD_Click();
    }

private Q_SLOTS:
    void init()
    {
        game = TestGame::inFreePlay();
        QVERIFY(game);
        game->fom->Pay = 0;
        game->fom->Mood = {0, 0, 0, 0};
        game->sound.waves.clear();
    }

    void initialWordsAreTaught()
    {
        QCOMPARE(game->words(0), (QStringList{u8("ももじろ"), u8("もけもけ")}));
        QCOMPARE(game->words(1), (QStringList{u8("大好き"), u8("好き")}));
        QCOMPARE(game->words(2), (QStringList{u8("切ない"), u8("楽しい")}));
        for (int k = 0; k < 3; ++k) {
            QCOMPARE(int(game->fom->WordCount[k]), 2);
            QCOMPARE(int(game->fom->WordSlot[k]), 2);
        }
        QCOMPARE(int(game->fom->WordKind), 1); // the verb option is selected at start
    }

    void newWordThenDuplicate()
    {
        Fom &fom = *game->fom;
        game->random.script({0.5, 0.99}); // pay 150, mood delta 1.98
        teach(0, u8("ほし"));
        QCOMPARE(game->words(0).last(), u8("ほし"));
        QCOMPARE(int(fom.Pay), 150);
        QCOMPARE(int(fom.Mood[0]), 2);
        QCOMPARE(int(fom.WordCount[0]), 3);
        QCOMPARE(fom.Txt->text(), QString());
        QVERIFY(game->sound.waves.last().endsWith(QLatin1String("se1.wav")));

        teach(0, u8("ほし"));
        QCOMPARE(fom.Lbl->caption(), u8("もう、その言葉は知ってる"));
        QCOMPARE(int(fom.Pay), 150);
        QCOMPARE(int(fom.WordCount[0]), 3);
        // Another class may hold the same word.
        teach(1, u8("ほし"));
        QCOMPARE(game->words(1).last(), u8("ほし"));
    }

    void emptyEntryIsAlwaysKnown()
    {
        teach(2, QString());
        QCOMPARE(game->fom->Lbl->caption(), u8("もう、その言葉は知ってる"));
        QCOMPARE(game->words(2).size(), 2);
        QCOMPARE(int(game->fom->Pay), 0);
    }

    void overwriteReplacesTheSelectedWord()
    {
        Fom &fom = *game->fom;
        fom.Chk->setChecked(true);
        listbox::select(fom.Lst[0], 0);
        game->random.script({0.0, 0.0});
        teach(0, u8("たろう"));
        QCOMPARE(game->words(0), (QStringList{u8("たろう"), u8("もけもけ")}));
        QCOMPARE(int(fom.Pay), 50);
        QCOMPARE(int(fom.WordCount[0]), 2);
        // With nothing selected the next word is appended, at full pay.
        game->random.script({0.0, 0.0});
        teach(0, u8("はなこ"));
        QCOMPARE(game->words(0).size(), 3);
        QCOMPARE(int(fom.Pay), 150);
        // Overwriting with a word the list holds is refused.
        listbox::select(fom.Lst[0], 2);
        teach(0, u8("もけもけ"));
        QCOMPARE(game->words(0).at(2), u8("はなこ"));
    }

    void fullListWrapsAroundPastTheFirstTwo()
    {
        Fom &fom = *game->fom;
        for (int i = 2; i < 5000; ++i)
            listbox::insert(fom.Lst[1], i, QStringLiteral("w%1").arg(i));
        fom.WordCount[1] = 5000;
        fom.WordSlot[1] = 4999;
        listbox::remove(fom.Lst[1], 4999); // the slot the next word takes is empty
        teach(1, QStringLiteral("last"));
        QCOMPARE(listbox::text(fom.Lst[1], 4999), QStringLiteral("last"));
        QCOMPARE(int(fom.WordSlot[1]), 2);
        QCOMPARE(int(fom.WordCount[1]), 5000);
        teach(1, QStringLiteral("wrapped"));
        QCOMPARE(listbox::text(fom.Lst[1], 2), QStringLiteral("wrapped"));
        QCOMPARE(listbox::text(fom.Lst[1], 0), u8("大好き"));
        QCOMPARE(fom.Lst[1]->count(), 5000);
        QCOMPARE(int(fom.WordSlot[1]), 3);
    }

    void payStopsAtItsTop()
    {
        game->fom->Pay = 32700;
        game->random.script({0.99, 0.0});
        teach(0, QStringLiteral("x"));
        QCOMPARE(int(game->fom->Pay), 32767);
    }

    void forgettingKeepsTheFirstTwo()
    {
        Fom &fom = *game->fom;
        teach(2, QStringLiteral("a"));
        teach(2, QStringLiteral("b"));
        fom.ComLstQra_MouseDown(2);
        QCOMPARE(game->words(2).size(), 2);
        QCOMPARE(int(fom.WordCount[2]), 2);
        QCOMPARE(int(fom.WordSlot[2]), 2);
        QCOMPARE(game->shownPicture(), QStringLiteral("did.bmp"));
        QCOMPARE(game->folder.nameOf(fom.ComLstQra[2]->picture()), QStringLiteral("comb2.bmp"));
        QVERIFY(game->sound.waves.last().endsWith(QLatin1String("se3.wav")));
        fom.ComLstQra_MouseUp(2);
        QCOMPARE(game->folder.nameOf(fom.ComLstQra[2]->picture()), QStringLiteral("coma2.bmp"));
        QCOMPARE(game->shownPicture(), QStringLiteral("%1.bmp").arg(fom.Face + fom.FaceFrame - 1));
    }

    void keysOfTheEntry()
    {
        Fom &fom = *game->fom;
        // Shift with an arrow picks the class and clears the entry.
        fom.Txt->setText(QStringLiteral("abc"));
        QTest::keyClick(fom.Txt, Qt::Key_Left, Qt::ShiftModifier);
        QCOMPARE(int(fom.WordKind), 0);
        QVERIFY(fom.Opt[0]->isChecked());
        QCOMPARE(fom.Txt->foreColor(), 255);
        QCOMPARE(fom.Txt->text(), QString());
        QTest::keyClick(fom.Txt, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(int(fom.WordKind), 2);
        QCOMPARE(fom.Txt->foreColor(), 16711680);

        // In free play Left is an ordinary key, and Enter teaches.
        game->sound.waves.clear();
        QTest::keyClick(fom.Txt, Qt::Key_Left);
        QVERIFY(game->sound.waves.last().endsWith(QLatin1String("se4.wav")));
        QTest::keyClicks(fom.Txt, QStringLiteral("sky"));
        QTest::keyClick(fom.Txt, Qt::Key_Return);
        QCOMPARE(game->words(2).last(), QStringLiteral("sky"));

        // During a scene: N records a no, Enter advances instead of teaching.
        fom.StartScene(QStringLiteral("situ"));
        QCOMPARE(fom.SceneStep, qint16(1));
        fom.Txt_KeyDown(78, 0);
        QCOMPARE(fom.LblButton, 2);
        QCOMPARE(fom.SceneStep, qint16(1));
        fom.Txt->setText(QStringLiteral("zz"));
        QTest::keyClick(fom.Txt, Qt::Key_Down);
        QVERIFY(fom.SceneMode.endsWith(QLatin1String("ivent")));
        QVERIFY(!game->words(2).contains(QStringLiteral("zz")));
        fom.Txt_KeyDown(89, 0);
        QCOMPARE(fom.LblButton, 1);
    }

    void entryRefusesWhatASaveCannotHold()
    {
        KeyLineEdit *txt = game->fom->Txt;
        txt->clear();
        txt->insert(u8("ねこ"));
        txt->insert(u8("😀")); // typed or pasted alike
        QKeyEvent typed(QEvent::KeyPress, 0, Qt::NoModifier, u8("𠮷"));
        QApplication::sendEvent(txt, &typed);
        txt->insert(QStringLiteral("a\nb"));
        QCOMPARE(txt->text(), u8("ねこ"));
        QTest::keyClicks(txt, QStringLiteral("0123456789"));
        QCOMPARE(txt->text().size(), 10);
    }

    void listClickSelectsItsClass()
    {
        Fom &fom = *game->fom;
        fom.Opt_Click(0);
        fom.Lst[1]->setCurrentRow(1, QItemSelectionModel::ClearAndSelect);
        QCOMPARE(int(fom.WordKind), 1);
        QCOMPARE(fom.Txt->foreColor(), 65280);
        // Clicking the word that is already selected picks its class again.
        fom.Opt_Click(0);
        const QRect row = fom.Lst[1]->visualItemRect(fom.Lst[1]->item(1));
        QTest::mouseClick(fom.Lst[1]->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
        QCOMPARE(int(fom.WordKind), 1);
    }
};

QTEST_MAIN(TestTeaching)
#include "test_teaching.moc"
