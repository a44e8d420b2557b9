// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The File menu in the window: save, load, help and the autosave
// on close. A file problem shows one message and never costs the game.

#include "slot/slotstore.h"
#include "platform/cp932.h"
#include "widgets/listbox.h"
#include "testgame.h"

#include <QTest>

using texts::u8;

namespace {

const QString fileError = QStringLiteral("ファイル処理が正常に起動しませんでした");

// Everything of the game a save holds, plus what the player sees of it.
auto snapshot(const GameWindow &gameWindow)
{
    return std::tuple{gameWindow.currentSlot(), gameWindow.model().scene(), gameWindow.dayLabel->caption(), gameWindow.moneyLabel->caption()};
}

// The game's clocks that run now.
QList<QTimer *> runningClocks(const GameWindow &gameWindow)
{
    QList<QTimer *> running;
    for (QTimer *clock : {gameWindow.motionClock, gameWindow.faceFlipClock, gameWindow.speechClock, gameWindow.dayClock, gameWindow.questionClock, gameWindow.promptBlinkClock}) {
        if (clock->isActive())
            running << clock;
    }
    return running;
}

// A status line to load, and what the window then shows.
struct Loaded { QByteArray status; int dayInterval = 10000; bool music = true; SceneKind scene = SceneKind::FreePlay; bool specialMenu = false; };

// A File item (-1: closing with the autosave on) with a file operation
// failing ("folder": the folder cannot be made) and a file written with
// `bytes` first, if named; the message boxes it shows.
// A failure's details hold `reason`. Help's pages are read on, or closed
// where `pageReplies` says false.
struct Box { int item; QString failOn; QString file; QByteArray bytes; QStringList boxes; QString reason = {}; QList<bool> pageReplies = {}; };

} // namespace

class TestFileMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Each File item shows only its boxes and keeps the game as it was: a
    // failed save (which leaves no slot) or load says so once, Help shows its
    // pages. The autosave on close says whether it saved.
    void boxes_data()
    {
        QTest::addColumn<Box>("box");
        const QStringList failed{fileError};
        const auto load = [](const char *name, const char *file, const QByteArray &bytes, const char *reason) {
            QTest::newRow(name) << Box{1, "", file, bytes, {fileError}, reason};
        };
        const auto help = [](const char *name, const QByteArray &bytes, const QStringList &boxes,
                             const QList<bool> &replies = {}) {
            QTest::newRow(name) << Box{3, "", "help.txt", bytes, boxes, {}, replies};
        };
        QTest::newRow("save: no folder") << Box{0, "folder", "", {}, failed, "0.bmp: is not a folder"};
        QTest::newRow("save: no folder for the player") << Box{0, "no home", "", {}, failed, "HOME is not set"};
        QTest::newRow("load: no folder for the player") << Box{1, "no home", "", {}, failed, "HOME is not set"};
        QTest::newRow("save: a write fails") << Box{0, "write kotoba1.dat.new", "", {}, failed, "kotoba1.dat.new: No space left"};
        QTest::newRow("save: a rename fails") << Box{0, "rename lst.dat.new", "", {}, failed, "lst.dat.new: Input/output error"};
        QTest::newRow("autosave") << Box{-1, "", "", {}, {u8("オートセーブ完了★")}};
        QTest::newRow("load: no slot") << Box{1, "", "", {}, {u8("セーブデータがありません")}};
        load("load: damaged status", "str.dat", exampleStatusWith(30, "tyu"), "str.dat: the scene mode");
        load("load: mood out of range", "str.dat", exampleStatusWith(1, "900"), "str.dat: Mood(0) is \"900\"");
        load("load: garbage word file", "kotoba0.dat", QByteArray(100000, '\xff'), "kotoba0.dat: not cp932");
        load("load: a word past the count", "kotoba0.dat", "a\r\nb\r\n\r\nc\r\n", "kotoba0.dat");
        load("load: a control character", "kotoba1.dat", QByteArray("yu\0ki\r\nb\r\n\r\n", 11), "kotoba1.dat");
        load("load: a word slot past the count", "str.dat", exampleStatusWith(12, "3"), "WordSlot(1)");
        load("load: an unknown scene", "str.dat", exampleStatusWith(30, "\"dance\""), "str.dat");
        load("load: a folder for a file", "lst.dat/", {}, "lst.dat: is a folder");
        help("help: two pages", "a\r\nb\r\n>\r\nc\r\n>\r\n", {"\r\na\r\nb", "\r\n\r\nc"});
        help("help: closed on the first page", "a\r\n>\r\nb\r\n>\r\n", {"\r\na"}, {false});
        help("help: no page end", "a\r\nb\r\n", {});
        help("help: text around the mark", "a\r\nx>y\r\nb\r\n", {"\r\na"});
        help("help: full-width mark", *cp932::encode(u8("a\r\n＞\r\n>\r\n")), {u8("\r\na\r\n＞")});
        QTest::newRow("help: not cp932") << Box{3, "", "help.txt", "\x82>\r\n", failed, "help.txt: not cp932"};
        QTest::newRow("help: missing") << Box{3, "", "", {}, failed, "help.txt"};
    }
    void boxes()
    {
        QFETCH(Box, box);
        const auto [item, failOn, file, bytes, boxes, reason, pageReplies] = box;
        TestGame game;
        FaultyFileOps files;
        game.files = &files;
        if (failOn == QLatin1String("folder"))
            game.savePath = game.folder.path() + QStringLiteral("0.bmp/slot");
        if (failOn == QLatin1String("no home"))
            game.saveFolderProblem = QStringLiteral("no folder for the save: HOME is not set");
        QVERIFY(game.start());
        game.playIntoFreePlay();
        GameWindow &gameWindow = *game.gameWindow;
        gameWindow.wordEntry->setText(u8("ねこ")); // the game differs from the slot on disk
        gameWindow.teachClicked();
        if (item == 1 && !file.isEmpty())
            writeSlotFiles(game.folder.path(), exampleSlotFiles());
        if (file.endsWith(QLatin1Char('/')))
            QVERIFY(QFile::remove(game.folder.path() + file.chopped(1)) && QDir(game.folder.path()).mkdir(file));
        else if (!file.isEmpty())
            QVERIFY(DiskFileOps().write(game.folder.path() + file, bytes));
        gameWindow.model().setOption(Option::Autosave, item < 0);
        files.failOn(failOn);
        game.dialogs.pageReplies = pageReplies;
        const auto before = snapshot(gameWindow);
        if (item < 0)
            gameWindow.close();
        else
            gameWindow.gameMenuActions[item]->trigger();
        QCOMPARE(game.dialogs.messages, boxes);
        QCOMPARE(game.dialogs.details.size(), reason.isEmpty() ? 0 : 1);
        QVERIFY2(reason.isEmpty() || game.dialogs.details.first().contains(reason), qPrintable(game.dialogs.details.value(0)));
        QCOMPARE(gameWindow.motionClock->isActive() && gameWindow.dayClock->isActive(), item >= 0);
        QVERIFY(item < 0 || snapshot(gameWindow) == before);
        if (item <= 0) {
            QCOMPARE(gameWindow.lastSaveSucceeded, failOn.isEmpty());
            QCOMPARE(QFile::exists(game.folder.path() + QStringLiteral("str.dat")), failOn.isEmpty());
        }
    }

    // An autosave that fails says why and asks: close anyway, or go back to
    // the game, which goes on as it was. No clock runs behind the box.
    void autosaveThatFails_data()
    {
        QTest::addColumn<bool>("closeAnyway");
        QTest::newRow("close anyway") << true;
        QTest::newRow("back to the game") << false;
    }
    void autosaveThatFails()
    {
        QFETCH(bool, closeAnyway);
        TestGame game;
        FaultyFileOps files;
        game.files = &files;
        QVERIFY(game.start());
        game.playIntoFreePlay();
        GameWindow &gameWindow = *game.gameWindow;
        gameWindow.model().setOption(Option::Autosave, true);
        files.failOn(QStringLiteral("write str.dat.new"));
        QList<QTimer *> runningBehindTheBox;
        game.dialogs.whileOpen = [&] { runningBehindTheBox << runningClocks(gameWindow); };
        game.dialogs.replies = {closeAnyway};
        const auto before = snapshot(gameWindow);
        QCOMPARE(gameWindow.close(), closeAnyway);
        QCOMPARE(game.dialogs.questions.size(), 1);
        QVERIFY(game.dialogs.details.first().contains(QLatin1String("str.dat")));
        QVERIFY(runningBehindTheBox.isEmpty());
        QVERIFY(!QFile::exists(game.folder.path() + QStringLiteral("str.dat")));
        QCOMPARE(gameWindow.dayClock->isActive() && gameWindow.speechClock->isActive() && gameWindow.motionClock->isActive(), !closeAnyway);
        QVERIFY(closeAnyway || snapshot(gameWindow) == before);
        if (closeAnyway)
            return;
        // The disk recovered, the next close saves.
        files.failOn(QString());
        QVERIFY(gameWindow.close());
        QVERIFY(QFile::exists(game.folder.path() + QStringLiteral("str.dat")));
    }

    // Help numbers its pages and can be left at any of them; no clock of the
    // game runs while a box is open, the opening's name boxes included.
    void boxesHoldTheGame()
    {
        TestGame game;
        QVERIFY(game.start());
        GameWindow &gameWindow = *game.gameWindow;
        QVERIFY(DiskFileOps().write(game.folder.path() + QStringLiteral("help.txt"), "a\r\n>\r\nb\r\n>\r\nc\r\n>\r\n"));
        int boxes = 0;
        QList<QTimer *> runningBehindABox;
        game.dialogs.whileOpen = [&] { ++boxes; runningBehindABox << runningClocks(gameWindow); };
        game.playIntoFreePlay();
        QCOMPARE(boxes, 2); // the two names
        game.dialogs.pageReplies = {true, false};
        gameWindow.gameMenuActions[3]->trigger();
        gameWindow.gameMenuActions[4]->trigger();
        QCOMPARE(game.dialogs.pageNumbers, (QStringList{"1/3", "2/3"}));
        QCOMPARE(game.dialogs.messages.size(), 3);
        QVERIFY(runningBehindABox.isEmpty());
        QVERIFY(gameWindow.dayClock->isActive() && gameWindow.speechClock->isActive() && gameWindow.motionClock->isActive());
    }
    // A game killed after some days is back after "yes", to the day; "no"
    // removes the copy, as a normal close does, and so does the end of the
    // game. The copy is written at most once a cool-down, and never into the
    // player's slot.
    void recoveryCopy_data()
    {
        QTest::addColumn<bool>("resume");
        QTest::addColumn<bool>("ended"); // by a replay, before the kill on the title
        QTest::newRow("play on") << true << false;
        QTest::newRow("start afresh") << false << false;
        QTest::newRow("killed after the game ended") << true << true;
    }
    void recoveryCopy()
    {
        QFETCH(bool, resume);
        QFETCH(bool, ended);
        auto killed = TestGame::inFreePlay({u8("たけし"), u8("ぽち")});
        const QString copy = killed->folder.path() + QStringLiteral("recovery/str.dat");
        killed->gameWindow->model().clockElapsed(GameClock::Day);
        killed->gameWindow->wordEntry->setText(u8("ねこ"));
        killed->gameWindow->teachClicked();
        killed->gameWindow->model().clockElapsed(GameClock::Day); // within the cool-down: not yet written
        QVERIFY(DiskFileOps().read(copy, 100)->startsWith("0,0,0,0,0,1000,1,"));
        killed->gameWindow->recoveryPause->setInterval(0);
        QTRY_VERIFY(DiskFileOps().read(copy, 100)->contains(",1000,2,"));
        if (ended) {
            killed->gameWindow->replayEnding(5); // "yes" to ending the game
            for (int i = 0; i < 10 && killed->gameWindow->model().scene().kind != SceneKind::Title; ++i)
                killed->click();
        }
        killed->gameWindow.reset(); // no close: the process is gone

        TestGame next;
        next.savePath = killed->folder.path();
        next.dialogs.replies = {resume};
        QVERIFY(next.start());
        const bool resumed = resume && !ended;
        const QString offer = u8("前回は正しく終了しませんでした。つづきから遊びますか？");
        QCOMPARE(next.dialogs.questions, ended ? QStringList() : QStringList{offer});
        QCOMPARE(QFile::exists(copy), resumed);
        QCOMPARE(next.gameWindow->model().day(), resumed ? 2 : 0);
        QCOMPARE(next.words(1).contains(u8("ねこ")), resumed);
        QCOMPARE(next.gameWindow->model().scene().kind, resumed ? SceneKind::FreePlay : SceneKind::Title);
        // The autosave keeps a game under way, never the title's.
        next.gameWindow->model().setOption(Option::Autosave, true);
        QVERIFY(next.gameWindow->close());
        QVERIFY(!QFile::exists(copy));
        QCOMPARE(QFile::exists(killed->folder.path() + QStringLiteral("str.dat")), resumed);
    }
};

QTEST_MAIN(TestFileMenu)
#include "test_filemenu.moc"
