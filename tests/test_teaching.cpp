// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Teaching and forgetting words, the keyboard of the word entry, and the
// sentences the alien makes of the words.

#include "widgets/listbox.h"
#include "testgame.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenuBar>
#include <QTest>

using texts::u8;

// One key sent to the word entry and what it must do: the class chosen (-1
// for none), the answer (1 yes, 2 no, 0 none), whether effect 5 sounds.
struct KeyCase { bool inScene; int key; Qt::KeyboardModifiers modifiers; int kind, answer; bool sounds; };

// What the input method sends: a word still being composed, or one committed.
void sendComposed(QWidget *entry, const QString &composing, const QString &committed = {})
{
    QInputMethodEvent event(composing, {});
    event.setCommitString(committed);
    QApplication::sendEvent(entry, &event);
}
// Whether the input method would take the keys of the entry.
bool inputMethodOn(QWidget *entry)
{
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QApplication::sendEvent(entry, &query);
    return query.value(Qt::ImEnabled).toBool();
}

class TestTeaching : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestGame> game;
    GameWindow *gameWindow = nullptr;

    void teach(int kind, const QString &word)
    {
        gameWindow->chooseWordClass(kind);
        gameWindow->wordEntry->setText(word);
        gameWindow->teachClicked();
    }

private Q_SLOTS:
    void init()
    {
        game = TestGame::inFreePlay();
        QVERIFY(game);
        gameWindow = game->gameWindow.get();
        game->edit([](GameState &state) {
            state.pay = 0;
            state.moods = {0, 0, 0, 0};
        });
    }

    // What a key does to the word class, to the word in the entry (a class
    // chosen in free play clears it; a scene keeps it) and to the answer of
    // a question, which then moves on.
    void entryKeys_data()
    {
        QTest::addColumn<KeyCase>("press");
        const Qt::KeyboardModifiers none, shift = Qt::ShiftModifier;
        const auto ctrl = Qt::ControlModifier, alt = Qt::AltModifier;
        QTest::newRow("Shift+Left: nouns") << KeyCase{false, Qt::Key_Left, shift, 0, 0, false};
        QTest::newRow("Shift+Up: verbs") << KeyCase{false, Qt::Key_Up, shift, 1, 0, false};
        QTest::newRow("Shift+Right: adjectives") << KeyCase{false, Qt::Key_Right, shift, 2, 0, false};
        QTest::newRow("Shift+Down: nothing") << KeyCase{false, Qt::Key_Down, shift, -1, 0, false};
        QTest::newRow("Ctrl+Shift+Left is a key") << KeyCase{false, Qt::Key_Left, shift | ctrl, -1, 0, true};
        QTest::newRow("Alt+Shift+Up is a key") << KeyCase{false, Qt::Key_Up, shift | alt, -1, 0, true};
        QTest::newRow("Y in free play") << KeyCase{false, Qt::Key_Y, none, -1, 0, true};
        QTest::newRow("scene: Ctrl+Shift+Right is no") << KeyCase{true, Qt::Key_Right, shift | ctrl, -1, 2, false};
        QTest::newRow("scene: Shift+Up picks verbs") << KeyCase{true, Qt::Key_Up, shift, 1, 0, false};
    }
    void entryKeys()
    {
        QFETCH(KeyCase, press);
        const int kindBefore = press.kind < 0 ? 1 : (press.kind + 1) % 3;
        gameWindow->chooseWordClass(kindBefore);
        if (press.inScene)
            gameWindow->model().startScene(SceneKind::Question, 8); // asked, waiting for the answer
        gameWindow->wordEntry->setText(QStringLiteral("ab"));
        game->sound.requests.clear();
        QKeyEvent event(QEvent::KeyPress, press.key, press.modifiers); // the key alone, the modifiers held
        QApplication::sendEvent(gameWindow->wordEntry, &event);
        QCOMPARE(gameWindow->model().wordClass(), press.kind < 0 ? kindBefore : press.kind);
        QCOMPARE(gameWindow->wordEntry->text(), press.kind >= 0 && !press.inScene ? QString() : QStringLiteral("ab"));
        const char *shown[] = {"わたしが　すきですか", "っぽ", "いや～ん"}; // the question, its yes and no replies
        if (press.inScene)
            QCOMPARE(gameWindow->messageLine->caption(), u8(shown[press.answer]));
        QCOMPARE(game->sound.requests.size(), press.sounds ? 1 : 0);
        QVERIFY(gameWindow->wordEntry->hasFocus());
    }

    // A word typed as the alien interrupts: Enter, meant to teach it, moves
    // the scene on; the word waits, dimmed, with what was being composed kept
    // as it was shown, while nothing typed, pasted or committed late joins
    // it, and one Enter teaches it when free play returns.
    void wordWaitsThroughAScene_data()
    {
        QTest::addColumn<QString>("composing"); // in the input method as the scene begins
        QTest::newRow("typed") << QString();
        QTest::newRow("still composing") << u8("そ");
    }
    void wordWaitsThroughAScene()
    {
        QFETCH(QString, composing);
        KeyLineEdit *txt = gameWindow->wordEntry;
        gameWindow->chooseWordClass(0);
        const QString word = u8("ほし") + composing;
        sendComposed(txt, {}, word);
        const QVariant cursorAfterWord = txt->inputMethodQuery(Qt::ImCursorRectangle);
        txt->setText(u8("ほし"));
        sendComposed(txt, composing);
        game->random.script({0.95}); // the speech timer asks a question
        QMetaObject::invokeMethod(gameWindow->speechClock, "timeout");
        QTest::keyClick(txt, Qt::Key_Return);
        QVERIFY((gameWindow->model().scene().kind == SceneKind::Question));
        sendComposed(txt, {}, composing.isEmpty() ? u8("そら") : composing); // a commit that comes late
        QTest::keyClicks(txt, QStringLiteral("sora"));
        QApplication::clipboard()->setText(QStringLiteral("umi"));
        QTest::keyClick(txt, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(txt->text(), word);
        QCOMPARE(txt->inputMethodQuery(Qt::ImCursorRectangle), cursorAfterWord); // nothing half-composed shows
        // Off for the input method, so that Y and N reach the game.
        QVERIFY(!inputMethodOn(txt));
        const QColor full = txt->foreColor();
        QVERIFY(txt->palette().color(QPalette::Text).value() < full.value() * 2 / 3);
        QTest::keyClick(txt, Qt::Key_Y);
        QTest::keyClick(txt, Qt::Key_Return);
        QCOMPARE(gameWindow->model().scene().kind, SceneKind::FreePlay);
        QCOMPARE(txt->palette().color(QPalette::Text), full);
        QVERIFY(inputMethodOn(txt));
        QTest::keyClick(txt, Qt::Key_Return);
        QCOMPARE(game->words(0).last(), word);
    }

    // As a menu opens, the input method commits the word on show; a word
    // the player cancelled before (Escape) must not come back then.
    void menuTakesOnlyAWordOnShow_data()
    {
        QTest::addColumn<bool>("cancelled");
        QTest::addColumn<QString>("result");
        QTest::newRow("composing") << false << u8("いぬ");
        QTest::newRow("cancelled") << true << QString();
    }
    void menuTakesOnlyAWordOnShow()
    {
        QFETCH(bool, cancelled);
        QFETCH(QString, result);
        KeyLineEdit *txt = gameWindow->wordEntry;
        sendComposed(txt, u8("いぬ"));
        if (cancelled)
            sendComposed(txt, {});
        QMenuBar *bar = gameWindow->menuBar();
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(bar->actions().first()).center());
        QTRY_VERIFY(QApplication::activePopupWidget());
        sendComposed(txt, {}, u8("いぬ"));
        QApplication::activePopupWidget()->close();
        QCOMPARE(txt->text(), result);
    }

    // A name the save files cannot hold is refused as a cancel is: the
    // first noun keeps its name.
    void namesASaveCannotHoldAreRefused()
    {
        const auto named = TestGame::inFreePlay({QString::fromUtf8("ねこ\xF0\x9F\x98\x80"), u8("ぽち")});
        QVERIFY(named);
        QCOMPARE(named->words(Noun).mid(0, 2), (QStringList{u8("ももじろ"), u8("ぽち")}));
    }

    // The entry holds what a save can: ten characters of cp932, one line.
    // Of several lines pasted the first stays, wherever the cursor is.
    void pasteKeepsWhatASaveCanHold_data()
    {
        QTest::addColumn<int>("cursor"); // in "ねこ"
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("result");
        QTest::newRow("not in cp932") << 2 << u8("😀") << u8("ねこ");
        QTest::newRow("two lines") << 2 << u8("ほし\nそら") << u8("ねこほし");
        QTest::newRow("CR LF, in the middle") << 1 << u8("ほし\r\nそら") << u8("ねほしこ");
        QTest::newRow("first line cut at ten") << 2 << u8("0123456789\nx") << u8("ねこ01234567");
        QTest::newRow("second line would fit") << 2 << u8("ほし\nそらうみやまかわ") << u8("ねこほし");
        QTest::newRow("first line unsavable") << 2 << u8("😀\nほし") << u8("ねこ");
        QTest::newRow("a tab") << 2 << u8("ほ\tし") << u8("ねこ");
        QTest::newRow("a NUL") << 2 << QStringView(u"yu\0ki", 5).toString() << u8("ねこ");
    }
    void pasteKeepsWhatASaveCanHold()
    {
        QFETCH(int, cursor);
        QFETCH(QString, pasted);
        QFETCH(QString, result);
        gameWindow->wordEntry->setText(u8("ねこ"));
        gameWindow->wordEntry->setCursorPosition(cursor);
        QApplication::clipboard()->setText(pasted);
        QTest::keyClick(gameWindow->wordEntry, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(gameWindow->wordEntry->text(), result);
    }

    // A click anywhere in a word list picks its class: on a word, on the
    // word already selected, on the empty part; not while a scene holds it.
    void listClickSelectsItsClass_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<int>("row"); // -1: the empty part
        QTest::addColumn<bool>("inScene");
        QTest::newRow("a word") << 1 << 0 << false;
        QTest::newRow("the selected word") << 1 << 1 << false;
        QTest::newRow("empty part of the nouns") << 0 << -1 << false;
        QTest::newRow("empty part during a scene") << 2 << -1 << true;
    }
    void listClickSelectsItsClass()
    {
        QFETCH(int, list);
        QFETCH(int, row);
        QFETCH(bool, inScene);
        QListView *words = gameWindow->wordLists[list];
        listbox::select(words, 1);
        gameWindow->chooseWordClass((list + 1) % 3);
        if (inScene)
            gameWindow->model().startScene(SceneKind::Announcement);
        const QPoint at = row >= 0 ? words->visualRect(words->model()->index(row, 0)).center()
                                   : QPoint(5, words->viewport()->height() - 3);
        QTest::mouseClick(words->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QCOMPARE(gameWindow->model().wordClass(), inScene ? (list + 1) % 3 : list);
    }

    // A press on おしえる teaches once released on it; slid off first, it
    // does nothing, as with any button.
    void teachButtonActsOnlyWhereReleased_data()
    {
        QTest::addColumn<QPoint>("releasedAt");
        QTest::addColumn<int>("nouns");
        QTest::newRow("on the button") << QPoint(3, 3) << 3;
        QTest::newRow("off the button") << QPoint(-3, 3) << 2;
    }
    void teachButtonActsOnlyWhereReleased()
    {
        QFETCH(QPoint, releasedAt);
        QFETCH(int, nouns);
        gameWindow->chooseWordClass(Noun);
        gameWindow->wordEntry->setText(u8("ほし"));
        QTest::mousePress(gameWindow->teachButton, Qt::LeftButton, {}, QPoint(3, 3));
        QTest::mouseRelease(gameWindow->teachButton, Qt::LeftButton, {}, releasedAt);
        QCOMPARE(game->words(Noun).size(), nouns);
    }
};

QTEST_MAIN(TestTeaching)
#include "test_teaching.moc"
