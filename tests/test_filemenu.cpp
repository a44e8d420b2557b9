// The File menu in the window: save, load, help and the autosave
// on close. A file problem shows one message and never costs the game.

#include "persistence/slotstore.h"
#include "platform/cp932.h"
#include "testgame.h"

#include <QTest>

using texts::u8;

namespace {

const QString fileError = QStringLiteral("ファイル処理が正常に起動しませんでした");

// Everything of the game a save holds, plus what the player sees of it.
auto snapshot(const Fom &fom)
{
    return std::tuple{fom.CurrentSlot(), fom.SceneMode, fom.LblHi->caption(), fom.LblMoney->caption()};
}

// A status line to load, and what the window then shows.
struct Loaded { QByteArray status; int dayInterval = 10000; bool music = true; QString mode = "tyu"; bool specialMenu = false; };

// A File item (-1: closing with the autosave on) with a file operation
// failing ("folder": the folder cannot be made) and a file written with
// `bytes` first, if named; the message boxes it shows.
struct Box { int item; QString failOn; QString file; QByteArray bytes; QStringList boxes; };

} // namespace

class TestFileMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A slot loads whatever scene it was saved in, over a question on screen
    // with nouns chosen; one saved in free play saves back byte for byte.
    void loadShowsTheSlot_data()
    {
        QTest::addColumn<Loaded>("loaded");
        QTest::newRow("example") << Loaded{exampleSlotFiles()[slotfiles::Str]};
        QTest::newRow("fast time") << Loaded{exampleStatusWith(26, "1"), 1000};
        QTest::newRow("music off") << Loaded{exampleStatusWith(28, "0"), 10000, false};
        QTest::newRow("SE off") << Loaded{exampleStatusWith(29, "0")};
        QTest::newRow("saved in a report") << Loaded{exampleStatusWith(30, "\"houkoku\"")};
        QTest::newRow("saved at the title") << Loaded{exampleStatusWith(30, "\"stop\""), 10000, true, "stop"};
        QTest::newRow("seven endings seen")
            << Loaded{"10,-5,0,3,150,1000,3,2,2,3,2,2,3,1,0,2,1,1,1,1,1,1,1,1,1,0,0,1,1,\"tyu\"\r\n", 10000, true, "tyu", true};
    }
    void loadShowsTheSlot()
    {
        QFETCH(Loaded, loaded);
        const auto [status, dayInterval, music, mode, specialMenu] = loaded;
        auto game = TestGame::inFreePlay();
        Fom &fom = *game->fom;
        fom.menu2_Click(1); // fast time on before the load
        fom.Opt_Click(0);
        fom.StartScene(QStringLiteral("situ"));
        game->click(); // a question and its hint are on screen
        SlotBytes files = exampleSlotFiles();
        files[slotfiles::Str] = status;
        writeSlotFiles(game->folder.path(), files);
        game->sound.commands.clear();
        fom.menu1[1]->trigger();
        QVERIFY(!fom.LblQstKazari->isVisibleTo(&fom));
        QCOMPARE(fom.TimDay->interval(), dayInterval);
        QCOMPARE(fom.menu2[3]->isChecked(), music);
        QCOMPARE(game->sound.commands.first(), music ? "play MIDI notify" : "stop MIDI notify");
        QCOMPARE(fom.SceneMode, mode);
        QCOMPARE(fom.TimSay->isActive(), mode == QLatin1String("tyu"));
        QCOMPARE(fom.menuSpecl->menuAction()->isEnabled(), specialMenu);
        if (mode != QLatin1String("tyu"))
            return;
        QCOMPARE(game->words(2), (QStringList{u8("切ない"), u8("楽しい"), u8("青い"), QString()}));
        QCOMPARE((QStringList{fom.LstItemMoney->item(0)->text(), fom.LblMoney->caption(), fom.LblHi->caption()}),
                 (QStringList{"512", "1000", "3"}));
        QVERIFY(fom.WordKind == 1 && fom.Opt[1]->isChecked());
        if (!status.endsWith("\"tyu\"\r\n"))
            return;
        QCOMPARE(game->shownPicture(), QStringLiteral("2.bmp"));
        for (const char *name : slotfiles::names)
            QFile::remove(game->folder.path() + QLatin1String(name));
        fom.menu1[0]->trigger();
        DiskFileOps disk;
        QVERIFY(SlotStore(disk, game->folder.path()).load() == files);
        QVERIFY(game->dialogs.messages.isEmpty());
    }

    // Each File item shows only its boxes and keeps the game as it was: a
    // failed save (which leaves no slot) or load says so once, Help shows its
    // pages. The autosave on close says whether it saved.
    void boxes_data()
    {
        QTest::addColumn<Box>("box");
        const QStringList failed{fileError};
        const auto load = [](const char *name, const char *file, const QByteArray &bytes) {
            QTest::newRow(name) << Box{1, "", file, bytes, {fileError}};
        };
        const auto help = [](const char *name, const QByteArray &bytes, const QStringList &boxes) {
            QTest::newRow(name) << Box{3, "", "help.txt", bytes, boxes};
        };
        QTest::newRow("save: no folder") << Box{0, "folder", "", {}, failed};
        QTest::newRow("save: a write fails") << Box{0, "write kotoba1.dat.new", "", {}, failed};
        QTest::newRow("save: a rename fails") << Box{0, "rename lst.dat.new", "", {}, failed};
        QTest::newRow("autosave") << Box{-1, "", "", {}, {u8("オートセーブ完了★")}};
        QTest::newRow("autosave, the disk fails") << Box{-1, "write str.dat.new", "", {}, failed};
        load("load: no slot", "", {});
        load("load: damaged status", "str.dat", exampleStatusWith(30, "tyu"));
        load("load: mood out of range", "str.dat", exampleStatusWith(1, "900"));
        load("load: garbage word file", "kotoba0.dat", QByteArray(100000, '\xff'));
        help("help: two pages", "a\r\nb\r\n>\r\nc\r\n>\r\n", {"\r\na\r\nb", "\r\n\r\nc"});
        help("help: no page end", "a\r\nb\r\n", {});
        help("help: text around the mark", "a\r\nx>y\r\nb\r\n", {"\r\na"});
        help("help: full-width mark", *cp932::encode(u8("a\r\n＞\r\n>\r\n")), {u8("\r\na\r\n＞")});
        help("help: not cp932", "\x82>\r\n", failed);
        QTest::newRow("help: missing") << Box{3, "", "", {}, failed};
    }
    void boxes()
    {
        QFETCH(Box, box);
        const auto [item, failOn, file, bytes, boxes] = box;
        TestGame game;
        FaultyFileOps files;
        game.files = &files;
        if (failOn == QLatin1String("folder"))
            game.savePath = game.folder.path() + QStringLiteral("0.bmp/slot");
        QVERIFY(game.start());
        game.playIntoFreePlay();
        Fom &fom = *game.fom;
        fom.Txt->setText(u8("ねこ")); // the game differs from the slot on disk
        fom.ADD_Click();
        if (item == 1 && !file.isEmpty())
            writeSlotFiles(game.folder.path(), exampleSlotFiles());
        if (!file.isEmpty())
            QVERIFY(DiskFileOps().write(game.folder.path() + file, bytes));
        fom.menu2[2]->setChecked(item < 0);
        files.failOn(failOn);
        const auto before = snapshot(fom);
        if (item < 0)
            fom.close();
        else
            fom.menu1[item]->trigger();
        QCOMPARE(game.dialogs.messages, boxes);
        QCOMPARE(fom.Tim->isActive() && fom.TimDay->isActive(), item >= 0);
        QVERIFY(item < 0 || snapshot(fom) == before);
        if (item <= 0) {
            QCOMPARE(fom.LastSaveSucceeded, failOn.isEmpty());
            QCOMPARE(QFile::exists(game.folder.path() + QStringLiteral("str.dat")), failOn.isEmpty());
        }
    }
};

QTEST_MAIN(TestFileMenu)
#include "test_filemenu.moc"
