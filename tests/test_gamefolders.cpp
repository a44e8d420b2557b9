// Where the game reads its data and keeps its save slot: beside the program
// for the build and portable copies, the installed and per-user folders for
// an installed game.

#include "platform/desktopidentity.h"
#include "platform/gamefolders.h"
#include "platform/installation.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestGameFolders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void choosesDataAndSaveFolders_data()
    {
        QTest::addColumn<bool>("dataBeside");
        QTest::addColumn<bool>("writable");
        QTest::addColumn<QString>("expectedData");
        QTest::addColumn<QString>("expectedSave");
        QTest::newRow("the build folder") << true << true << "program" << "program";
        QTest::newRow("a portable copy the player cannot write") << true << false << "program" << "user";
        QTest::newRow("installed") << false << false << "installed" << "user";
        // Root could write the install prefix: still nothing is saved there.
        QTest::newRow("installed, run by root") << false << true << "installed" << "user";
    }
    void choosesDataAndSaveFolders()
    {
        QFETCH(bool, dataBeside);
        QFETCH(bool, writable);
        QFETCH(QString, expectedData);
        QFETCH(QString, expectedSave);
        QTemporaryDir root;
        const QMap<QString, QString> folders{{"program", root.filePath("prefix/bin")},
                                             {"installed", root.filePath("prefix/share/game")},
                                             {"user", root.filePath("home/.local/share/game")}};
        QVERIFY(QDir().mkpath(folders["program"]));
        if (dataBeside)
            QVERIFY(QFile(folders["program"] + "/0.bmp").open(QIODevice::WriteOnly));
        // The installed folder comes as the program sees it, "bin/../share/...".
        const GameFolders chosen = resolveGameFolders(
            {folders["program"], root.filePath("prefix/bin/../share/game"), folders["user"], writable});
        QCOMPARE(chosen.appPath, folders[expectedData] + '/');
        QCOMPARE(chosen.savePath, folders[expectedSave] + '/');
    }

    void playerFolderIsNamedByTheGameId()
    {
        QTemporaryDir dataHome;
        qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
        introduceToDesktop();
        QCOMPARE(currentFolderCandidates().userDataFolder,
                 dataHome.filePath(QLatin1String(installation::appId)));
    }
};

QTEST_MAIN(TestGameFolders)
#include "test_gamefolders.moc"
