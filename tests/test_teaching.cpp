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
    }

    void initialWordsAreTaught()
    {
        QCOMPARE(game->words(0), (QStringList{u8("ももじろ"), u8("もけもけ")}));
        QCOMPARE(game->words(1), (QStringList{u8("大好き"), u8("好き")}));
        QCOMPARE(game->words(2), (QStringList{u8("切ない"), u8("楽しい")}));
        QCOMPARE(game->fom->WordSlot, (std::array<qint16, 3>{2, 2, 2}));
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

        teach(0, u8("ほし"));
        QCOMPARE(fom.Lbl->caption(), u8("もう、その言葉は知ってる"));
        QCOMPARE(int(fom.Pay), 150);
        QCOMPARE(int(fom.WordCount[0]), 3);
        // Another class may hold the same word.
        teach(1, u8("ほし"));
        QCOMPARE(game->words(1).last(), u8("ほし"));
        // An empty entry counts as known.
        teach(2, QString());
        QCOMPARE(fom.Lbl->caption(), u8("もう、その言葉は知ってる"));
        QCOMPARE(game->words(2).size(), 2);
        // The pay stops at its top.
        fom.Pay = 32700;
        game->random.script({0.99, 0.0});
        teach(0, QStringLiteral("x"));
        QCOMPARE(int(fom.Pay), 32767);
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
        fom.ComLstQra_MouseUp(2);
        QCOMPARE(game->folder.nameOf(fom.ComLstQra[2]->picture()), QStringLiteral("coma2.bmp"));
        QCOMPARE(game->shownPicture(), QStringLiteral("%1.bmp").arg(fom.Face + fom.FaceFrame - 1));
    }

    // What a key does to the word class and to the answer of a question;
    // during a scene the key only records the answer, the step stays.
    void entryKeys_data()
    {
        QTest::addColumn<bool>("inScene");
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("kind"); // the class chosen, -1 for none
        QTest::addColumn<int>("answer"); // 1 yes, 2 no, 0 none
        QTest::addColumn<bool>("sounds"); // effect 5, the ordinary key
        const Qt::KeyboardModifiers none, shift = Qt::ShiftModifier;
        const auto ctrl = Qt::ControlModifier, alt = Qt::AltModifier;
        auto row = [](const char *name, bool scene, Qt::Key key, Qt::KeyboardModifiers modifiers, int kind,
                      int answer, bool sounds) {
            QTest::newRow(name) << scene << int(key) << modifiers << kind << answer << sounds;
        };
        row("Shift+Left: nouns", false, Qt::Key_Left, shift, 0, 0, false);
        row("Shift+Up: verbs", false, Qt::Key_Up, shift, 1, 0, false);
        row("Shift+Right: adjectives", false, Qt::Key_Right, shift, 2, 0, false);
        row("Shift+Down: nothing", false, Qt::Key_Down, shift, -1, 0, false);
        row("Ctrl+Shift+Left is a key", false, Qt::Key_Left, shift | ctrl, -1, 0, true);
        row("Alt+Shift+Up is a key", false, Qt::Key_Up, shift | alt, -1, 0, true);
        row("Left in free play", false, Qt::Key_Left, none, -1, 0, true);
        row("Y in free play", false, Qt::Key_Y, none, -1, 0, true);
        row("scene: Y is yes", true, Qt::Key_Y, none, -1, 1, false);
        row("scene: Left is yes", true, Qt::Key_Left, none, -1, 1, false);
        row("scene: N is no", true, Qt::Key_N, none, -1, 2, false);
        row("scene: Right is no", true, Qt::Key_Right, none, -1, 2, false);
        row("scene: Ctrl+Shift+Right is no", true, Qt::Key_Right, shift | ctrl, -1, 2, false);
        row("scene: Shift+Up picks verbs", true, Qt::Key_Up, shift, 1, 0, false);
    }
    void entryKeys()
    {
        QFETCH(bool, inScene);
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, kind);
        QFETCH(int, answer);
        QFETCH(bool, sounds);
        Fom &fom = *game->fom;
        const int kindBefore = kind < 0 ? 1 : (kind + 1) % 3;
        fom.Opt_Click(kindBefore);
        if (inScene)
            fom.StartScene(QStringLiteral("situ"));
        fom.LblButton = 0;
        game->sound.waves.clear();
        QKeyEvent press(QEvent::KeyPress, key, modifiers); // the key alone, the modifiers held
        QApplication::sendEvent(fom.Txt, &press);
        QCOMPARE(int(fom.WordKind), kind < 0 ? kindBefore : kind);
        QVERIFY(fom.Opt[fom.WordKind]->isChecked());
        QCOMPARE(fom.LblButton, answer);
        QCOMPARE(game->sound.waves.size(), sounds ? 1 : 0);
        QCOMPARE(fom.SceneStep, qint16(inScene ? 1 : 0));
        QVERIFY(fom.Txt->hasFocus());
    }

    void enterTeachesOrAdvances()
    {
        Fom &fom = *game->fom;
        QTest::keyClick(fom.Txt, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(fom.Txt->foreColor(), 16711680);
        QTest::keyClicks(fom.Txt, QStringLiteral("sky"));
        QTest::keyClick(fom.Txt, Qt::Key_Return);
        QCOMPARE(game->words(2).last(), QStringLiteral("sky"));
        QTest::keyClicks(fom.Txt, QStringLiteral("sea"));
        QTest::keyClick(fom.Txt, Qt::Key_Down);
        QCOMPARE(game->words(2).last(), QStringLiteral("sea"));
        // During a scene Enter and Down advance instead of teaching.
        fom.StartScene(QStringLiteral("situ"));
        fom.Txt->setText(QStringLiteral("zz"));
        QTest::keyClick(fom.Txt, Qt::Key_Down);
        QVERIFY(fom.SceneMode.endsWith(QLatin1String("ivent")));
        QTest::keyClick(fom.Txt, Qt::Key_Enter);
        QCOMPARE(fom.SceneStep, qint16(2));
        QVERIFY(!game->words(2).contains(QStringLiteral("zz")));
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
