// The File menu in the window: save, load, help, version and the autosave
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
    for (int i = 0; i < slotfiles::count; ++i) {
        QFile file(folder + QLatin1String(slotfiles::names[i]));
        if (file.open(QIODevice::ReadOnly))
            bytes[i] = file.readAll();
    }
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
    void exampleSlotLoadsAndSavesBackByteForByte()
    {
        auto game = TestGame::inFreePlay();
        writeSlotFiles(game->folder.path(), exampleSlotFiles());
        game->fom->menu1[1]->trigger();
        QCOMPARE(game->words(2), (QStringList{u8("切ない"), u8("楽しい"), u8("青い"), QString()}));
        QCOMPARE(game->fom->LstItemMoney->item(0)->text(), QStringLiteral("512"));
        QCOMPARE(game->fom->LblMoney->caption(), QStringLiteral("1000"));
        QCOMPARE(game->fom->LblHi->caption(), QStringLiteral("3"));
        QCOMPARE(game->fom->WordKind, 1);
        QVERIFY(game->fom->Opt[1]->isChecked());
        QCOMPARE(game->shownPicture(), QStringLiteral("2.bmp"));
        for (int i = 0; i < slotfiles::count; ++i)
            QFile::remove(game->folder.path() + QLatin1String(slotfiles::names[i]));
        game->fom->menu1[0]->trigger();
        QCOMPARE(slotIn(game->folder.path()), exampleSlotFiles());
        QVERIFY(game->dialogs.messages.isEmpty());
    }

    void loadBringsBackWhatWasSaved()
    {
        auto game = TestGame::inFreePlay();
        Fom &fom = *game->fom;
        fom.Txt->setText(u8("ねこ"));
        fom.ADD_Click();
        fom.Mood = {12, -3, 40, 0};
        fom.Money = 777;
        fom.menu2_Click(1);
        fom.menuEnding[2]->setEnabled(true);
        fom.menuEnding[6]->setEnabled(true); // the last one the slot keeps
        fom.Opt_Click(2);
        fom.menu1[0]->trigger();
        const SaveSlot saved = fom.CurrentSlot();

        fom.Txt->setText(u8("いぬ"));
        fom.ADD_Click();
        fom.Mood = {};
        fom.Money = 5;
        fom.menu2_Click(1);
        fom.menuEnding[2]->setEnabled(false);
        fom.menuEnding[6]->setEnabled(false);
        fom.LstItem->clear();
        fom.Opt_Click(0);
        fom.StartScene(QStringLiteral("situ"));
        game->click(); // a question and its hint are on screen
        fom.menu1[1]->trigger();

        QCOMPARE(fom.CurrentSlot(), saved);
        QCOMPARE(game->words(0).last(), QString()); // the saved trailing row
        QVERIFY(!game->words(0).contains(u8("いぬ")));
        QCOMPARE(fom.LblMoney->caption(), QStringLiteral("777"));
        QCOMPARE(fom.TimDay->interval(), 1000);
        QVERIFY(fom.menuEnding[2]->isEnabled() && fom.menuEnding[6]->isEnabled());
        QVERIFY(fom.Opt[2]->isChecked());
        QCOMPARE(fom.Txt->foreColor(), 16711680);
        QVERIFY(!fom.LblQstKazari->isVisibleTo(&fom));
        QVERIFY(game->dialogs.messages.isEmpty());
    }

    void loadRestoresOptionsAndScene_data()
    {
        QTest::addColumn<QByteArray>("status");
        QTest::addColumn<int>("dayInterval");
        QTest::addColumn<bool>("music");
        QTest::addColumn<QString>("mode");
        QTest::addColumn<bool>("specialMenu");
        const QByteArray example = exampleSlotFiles()[slotfiles::Str];
        const QByteArray allSeen = "10,-5,0,3,150,1000,3,2,2,3,2,2,3,1,0,2,1,1,1,1,1,1,1,1,1,0,0,1,1,\"tyu\"\r\n";
        const QByteArray sixSeen = "10,-5,0,3,150,1000,3,2,2,3,2,2,3,1,0,2,1,1,1,1,1,1,0,1,1,0,0,1,1,\"tyu\"\r\n";
        QTest::newRow("example") << example << 10000 << true << "tyu" << false;
        QTest::newRow("fast time") << exampleStatusWith(26, "1") << 1000 << true << "tyu" << false;
        QTest::newRow("music off") << exampleStatusWith(28, "0") << 10000 << false << "tyu" << false;
        QTest::newRow("saved in a report") << exampleStatusWith(30, "\"houkoku\"") << 10000 << true << "tyu" << false;
        QTest::newRow("saved in the opening") << exampleStatusWith(30, "\"open\"") << 10000 << true << "tyu" << false;
        QTest::newRow("saved at the title") << exampleStatusWith(30, "\"stop\"") << 10000 << true << "stop" << false;
        QTest::newRow("seven endings seen") << allSeen << 10000 << true << "tyu" << true;
        QTest::newRow("six endings seen") << sixSeen << 10000 << true << "tyu" << false;
    }
    void loadRestoresOptionsAndScene()
    {
        QFETCH(QByteArray, status);
        QFETCH(int, dayInterval);
        QFETCH(bool, music);
        QFETCH(QString, mode);
        QFETCH(bool, specialMenu);
        auto game = TestGame::inFreePlay();
        game->fom->menu2_Click(1); // fast time on before the load
        SlotBytes files = exampleSlotFiles();
        files[slotfiles::Str] = status;
        writeSlotFiles(game->folder.path(), files);
        game->sound.commands.clear();
        game->fom->menu1[1]->trigger();
        QCOMPARE(game->fom->TimDay->interval(), dayInterval);
        QCOMPARE(game->fom->TimBGM->isActive(), music);
        QCOMPARE(game->sound.commands.first(),
                 music ? QStringLiteral("play MIDI notify") : QStringLiteral("stop MIDI notify"));
        QCOMPARE(game->fom->SceneMode, mode);
        QCOMPARE(game->fom->TimSay->isActive(), mode == QLatin1String("tyu"));
        QCOMPARE(game->fom->menuSpecl->menuAction()->isEnabled(), specialMenu);
    }

    void failedLoadKeepsTheGame_data()
    {
        QTest::addColumn<int>("file"); // -1: no slot at all
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("no slot") << -1 << QByteArray();
        QTest::newRow("damaged status") << int(slotfiles::Str) << exampleStatusWith(30, "tyu");
        QTest::newRow("mood out of range") << int(slotfiles::Str) << exampleStatusWith(1, "900");
        QTest::newRow("garbage word file") << int(slotfiles::Kotoba0) << QByteArray(100000, '\xff');
    }
    void failedLoadKeepsTheGame()
    {
        QFETCH(int, file);
        QFETCH(QByteArray, bytes);
        auto game = TestGame::inFreePlay();
        game->fom->Txt->setText(u8("ねこ"));
        game->fom->ADD_Click();
        if (file >= 0) {
            SlotBytes files = exampleSlotFiles();
            files[file] = bytes;
            writeSlotFiles(game->folder.path(), files);
        }
        const Snapshot before = snapshot(*game->fom);
        game->fom->menu1[1]->trigger();
        QCOMPARE(game->dialogs.messages, QStringList{fileError});
        QVERIFY(snapshot(*game->fom) == before);
        QVERIFY(game->fom->TimDay->isActive());
    }

    void failedSaveKeepsTheGame_data()
    {
        QTest::addColumn<QString>("failOn"); // empty: the folder cannot be made
        QTest::newRow("no folder") << QString();
        QTest::newRow("a write fails") << QStringLiteral("write kotoba1.dat.new");
        QTest::newRow("a rename fails") << QStringLiteral("rename lst.dat.new");
    }
    void failedSaveKeepsTheGame()
    {
        QFETCH(QString, failOn);
        TestGame game;
        FaultyFileOps files;
        game.files = &files;
        if (failOn.isEmpty())
            game.savePath = game.folder.path() + QStringLiteral("0.bmp/slot");
        QVERIFY(game.start());
        game.playIntoFreePlay();
        files.failOn(failOn);
        const Snapshot before = snapshot(*game.fom);
        game.fom->menu1[0]->trigger();
        QCOMPARE(game.dialogs.messages, QStringList{fileError});
        QVERIFY(!game.fom->LastSaveSucceeded);
        QVERIFY(snapshot(*game.fom) == before);
        QVERIFY(!QFile::exists(game.folder.path() + QStringLiteral("str.dat")));
    }

    void help_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("boxes");
        QTest::newRow("two pages") << QByteArray("a\r\nb\r\n>\r\nc\r\n>\r\n")
                                   << QStringList{QStringLiteral("\r\na\r\nb"), QStringLiteral("\r\n\r\nc")};
        QTest::newRow("no page end") << QByteArray("a\r\nb\r\n") << QStringList();
        QTest::newRow("text around the mark") << QByteArray("a\r\nx>y\r\nb\r\n") << QStringList{QStringLiteral("\r\na")};
        QTest::newRow("an empty line") << QByteArray("\r\na\r\n>\r\n") << QStringList{QStringLiteral("\r\n\r\na")};
        QTest::newRow("full-width mark") << *cp932::encode(u8("a\r\n＞\r\n>\r\n"))
                                         << QStringList{u8("\r\na\r\n＞")};
        QTest::newRow("empty file") << QByteArray() << QStringList();
        QTest::newRow("missing") << QByteArray("-") << QStringList{fileError};
        QTest::newRow("not cp932") << QByteArray("\x82>\r\n") << QStringList{fileError};
    }
    void help()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, boxes);
        auto game = TestGame::inFreePlay();
        QFile help(game->folder.path() + QStringLiteral("help.txt"));
        if (file != "-")
            QVERIFY(help.open(QIODevice::WriteOnly) && help.write(file) == file.size() && help.flush());
        const Snapshot before = snapshot(*game->fom);
        game->fom->menu1[3]->trigger();
        QCOMPARE(game->dialogs.messages, boxes);
        QVERIFY(snapshot(*game->fom) == before);
    }

    void versionBox()
    {
        auto game = TestGame::inFreePlay();
        game->fom->menu1[4]->trigger();
        QCOMPARE(game->dialogs.messages.size(), 1);
        const QStringList lines = game->dialogs.messages.first().split(QStringLiteral("\r\n"));
        QCOMPARE(lines.mid(0, 2), (QStringList{QStringLiteral("Ver1.50"), u8("みみ in The ぽたん舎")}));
        QVERIFY(lines.size() == 2 || lines.size() == 3);
        QVERIFY(!lines.last().isEmpty());
    }

    void autosaveOnClose_data()
    {
        QTest::addColumn<QString>("failOn");
        QTest::addColumn<QString>("message");
        QTest::newRow("saved") << QString() << u8("オートセーブ完了★");
        QTest::newRow("the disk fails") << QStringLiteral("write str.dat.new") << fileError;
    }
    void autosaveOnClose()
    {
        QFETCH(QString, failOn);
        QFETCH(QString, message);
        TestGame game;
        FaultyFileOps files;
        game.files = &files;
        QVERIFY(game.start());
        game.playIntoFreePlay();
        game.fom->menu2[2]->trigger();
        files.failOn(failOn);
        game.fom->close();
        QCOMPARE(game.dialogs.messages, QStringList{message});
        QCOMPARE(QFile::exists(game.folder.path() + QStringLiteral("str.dat")), failOn.isEmpty());
        QVERIFY(!game.fom->Tim->isActive());
    }
};

QTEST_MAIN(TestFileMenu)
#include "test_filemenu.moc"
