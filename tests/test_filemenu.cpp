// The File menu in the window: save, load, help and the autosave
// on close. A file problem shows one message and never costs the game.

#include "platform/cp932.h"
#include "testgame.h"

#include <QTest>

using texts::u8;

namespace {

const QString fileError = QStringLiteral("ファイル処理が正常に起動しませんでした");

SlotBytes slotIn(const QString &folder)
{
    SlotBytes bytes;
    DiskFileOps disk;
    for (int i = 0; i < slotfiles::count; ++i)
        bytes[i] = disk.read(folder + QLatin1String(slotfiles::names[i]), 1 << 20).value_or("");
    return bytes;
}

// Everything of the game a save holds, plus what the player sees of it.
struct Snapshot
{
    SaveSlot slot;
    QString mode, day, money;
    bool operator==(const Snapshot &) const = default;
};
Snapshot snapshot(const Fom &fom)
{
    return {fom.CurrentSlot(), fom.SceneMode, fom.LblHi->caption(), fom.LblMoney->caption()};
}

} // namespace

class TestFileMenu : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // A slot loads whatever scene it was saved in, over a question on screen
    // with nouns chosen; one saved in free play saves back byte for byte.
    void loadShowsTheSlot_data()
    {
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<int>("dayInterval");
        QTest::addColumn<bool>("music");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("specialMenu");
        const QByteArray allSeen = "10,-5,0,3,150,1000,3,2,2,3,2,2,3,1,0,2,1,1,1,1,1,1,1,1,1,0,0,1,1,\"tyu\"\r\n";
        QTest::newRow("example") << exampleSlotFiles()[slotfiles::Str] << 10000 << true << "tyu" << false;
        QTest::newRow("fast time") << exampleStatusWith(26, "1") << 1000 << true << "tyu" << false;
        QTest::newRow("music off") << exampleStatusWith(28, "0") << 10000 << false << "tyu" << false;
        QTest::newRow("SE off") << exampleStatusWith(29, "0") << 10000 << true << "tyu" << false;
        QTest::newRow("saved in a report") << exampleStatusWith(30, "\"houkoku\"") << 10000 << true << "tyu" << false;
        QTest::newRow("saved in the opening") << exampleStatusWith(30, "\"open\"") << 10000 << true << "tyu" << false;
        QTest::newRow("saved at the title") << exampleStatusWith(30, "\"stop\"") << 10000 << true << "stop" << false;
        QTest::newRow("seven endings seen") << allSeen << 10000 << true << "tyu" << true;
        QTest::newRow("six endings seen") << QByteArray(allSeen).replace("1,1,1,1,1,1,1,1,1,", "1,1,1,1,1,1,0,1,1,")
                                          << 10000 << true << "tyu" << false;
    }
    void loadShowsTheSlot()
    {
        QFETCH(QByteArray, status);
        QFETCH(int, dayInterval);
        QFETCH(bool, music);
        QFETCH(QString, mode);
        QFETCH(bool, specialMenu);
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
        QCOMPARE(fom.TimBGM->isActive(), music);
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
        QCOMPARE(slotIn(game->folder.path()), files);
        QVERIFY(game->dialogs.messages.isEmpty());
    }

    // Save and the autosave on close say how it went; a failed save leaves
    // no slot and the game as it was.
    void save_data()
    {
        QTest::addColumn<bool>("onClose");
        QTest::addColumn<QString>("failOn"); // "folder": the folder cannot be made
        QTest::newRow("no folder") << false << "folder";
        QTest::newRow("a write fails") << false << "write kotoba1.dat.new";
        QTest::newRow("a rename fails") << false << "rename lst.dat.new";
        QTest::newRow("autosave") << true << "";
        QTest::newRow("autosave, the disk fails") << true << "write str.dat.new";
    }
    void save()
    {
        QFETCH(bool, onClose);
        QFETCH(QString, failOn);
        TestGame game;
        FaultyFileOps files;
        game.files = &files;
        if (failOn == QLatin1String("folder"))
            game.savePath = game.folder.path() + QStringLiteral("0.bmp/slot");
        QVERIFY(game.start());
        game.playIntoFreePlay();
        game.fom->menu2[2]->setChecked(onClose);
        files.failOn(failOn);
        const Snapshot before = snapshot(*game.fom);
        if (onClose)
            game.fom->close();
        else
            game.fom->menu1[0]->trigger();
        QCOMPARE(game.dialogs.messages, QStringList{failOn.isEmpty() ? u8("オートセーブ完了★") : fileError});
        QCOMPARE(game.fom->LastSaveSucceeded, failOn.isEmpty());
        QCOMPARE(QFile::exists(game.folder.path() + QStringLiteral("str.dat")), failOn.isEmpty());
        QCOMPARE(game.fom->Tim->isActive(), !onClose);
        if (!onClose)
            QVERIFY(snapshot(*game.fom) == before);
    }

    // A failed load and Help only show their boxes: the game stays as it was.
    void loadAndHelpBoxes_data()
    {
        QTest::addColumn<int>("item");
        QTest::addColumn<QString>("file"); // written with `bytes`; none if empty
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("boxes");
        const QStringList failed{fileError};
        QTest::newRow("load: no slot") << 1 << "" << QByteArray() << failed;
        QTest::newRow("load: damaged status") << 1 << "str.dat" << exampleStatusWith(30, "tyu") << failed;
        QTest::newRow("load: mood out of range") << 1 << "str.dat" << exampleStatusWith(1, "900") << failed;
        QTest::newRow("load: garbage word file") << 1 << "kotoba0.dat" << QByteArray(100000, '\xff') << failed;
        QTest::newRow("help: two pages") << 3 << "help.txt" << QByteArray("a\r\nb\r\n>\r\nc\r\n>\r\n")
                                         << QStringList{"\r\na\r\nb", "\r\n\r\nc"};
        QTest::newRow("help: no page end") << 3 << "help.txt" << QByteArray("a\r\nb\r\n") << QStringList();
        QTest::newRow("help: text around the mark") << 3 << "help.txt" << QByteArray("a\r\nx>y\r\nb\r\n")
                                                    << QStringList{"\r\na"};
        QTest::newRow("help: an empty line") << 3 << "help.txt" << QByteArray("\r\na\r\n>\r\n")
                                             << QStringList{"\r\n\r\na"};
        QTest::newRow("help: full-width mark") << 3 << "help.txt" << *cp932::encode(u8("a\r\n＞\r\n>\r\n"))
                                               << QStringList{u8("\r\na\r\n＞")};
        QTest::newRow("help: empty file") << 3 << "help.txt" << QByteArray() << QStringList();
        QTest::newRow("help: missing") << 3 << "" << QByteArray() << failed;
        QTest::newRow("help: not cp932") << 3 << "help.txt" << QByteArray("\x82>\r\n") << failed;
    }
    void loadAndHelpBoxes()
    {
        QFETCH(int, item);
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, boxes);
        auto game = TestGame::inFreePlay();
        game->fom->Txt->setText(u8("ねこ"));
        game->fom->ADD_Click();
        if (item == 1 && !file.isEmpty())
            writeSlotFiles(game->folder.path(), exampleSlotFiles());
        QFile damaged(game->folder.path() + file);
        if (!file.isEmpty())
            QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write(bytes) == bytes.size() && damaged.flush());
        const Snapshot before = snapshot(*game->fom);
        game->fom->menu1[item]->trigger();
        QCOMPARE(game->dialogs.messages, boxes);
        QVERIFY(snapshot(*game->fom) == before);
        QVERIFY(game->fom->TimDay->isActive());
    }
};

QTEST_MAIN(TestFileMenu)
#include "test_filemenu.moc"
