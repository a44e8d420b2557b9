// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Start-up and shut-down: where the game reads its data and keeps its save
// slot, missing pictures, what assistive technology is told, and the language
// of Qt's own boxes.

#include "platform/dialogs.h"
#include "platform/displaycheck.h"
#include "platform/gamefolders.h"
#include "platform/translation.h"
#include "testgame.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>

using texts::u8;

// How many sound requests had been made when a window was first exposed
// (-1 while it has not been).
class ExposeWatch final : public QObject
{
public:
    ExposeWatch(QWindow *window, const QStringList &requests) : m_requests(requests) { window->installEventFilter(this); }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && requestsAtFirstExpose < 0 && static_cast<QWindow *>(watched)->isExposed())
            requestsAtFirstExpose = int(m_requests.size());
        return false;
    }
    int requestsAtFirstExpose = -1;

private:
    const QStringList &m_requests;
};

namespace {

// Listens in Linux's abstract namespace, as an X server does, till the test
// program ends: all the display check looks for.
bool listenAbstract(const QByteArray &name)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + 1, name.constData(), std::size_t(name.size()));
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + 1 + std::size_t(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    return ::bind(fd, reinterpret_cast<const sockaddr *>(&address), length) == 0 && ::listen(fd, 1) == 0;
}

} // namespace

// Whether the data lies beside the program and the player can write there;
// the folders then chosen for the data and the save slot.
struct Choice { bool dataBeside, writable; QString data, save; };

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // Qt's own boxes speak Japanese once its translation is installed; the
    // question is the one box whose behaviour is the game's own. It runs
    // first: once the last window has closed, a box no longer waits.
    void questionBoxSpeaksJapanese()
    {
        if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ja.qm")))
            QSKIP("Qt's Japanese translation is not installed (qt6-translations-l10n)");
        QVERIFY(installQtJapanese());
        QStringList captions;
        QTimer::singleShot(0, [&captions] {
            if (QWidget *box = QApplication::activeModalWidget()) {
                for (const QPushButton *button : box->findChildren<QPushButton *>())
                    captions << button->text();
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        WidgetDialogs dialogs;
        QVERIFY(!dialogs.ask(u8("見ますか？"), QString(), false)); // Enter is "no": a stray key must not end a game
        captions.sort();
        QCOMPARE(captions, (QStringList{u8("いいえ(&N)"), u8("はい(&Y)")}));
    }

    // Help's own box names its page and the count; Enter reads on, and the
    // last page only offers to close.
    void helpBoxNamesItsPage_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QStringList>("buttons");
        QTest::newRow("first of three") << 1 << QStringList{u8("とじる"), u8("つぎへ")};
        QTest::newRow("last of three") << 3 << QStringList{u8("とじる")};
    }
    void helpBoxNamesItsPage()
    {
        QFETCH(int, number);
        QFETCH(QStringList, buttons);
        QStringList captions;
        QString text;
        QTimer::singleShot(0, [&] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                for (const QPushButton *button : box->findChildren<QPushButton *>())
                    captions << button->text();
                text = box->text();
                QTest::keyClick(box, Qt::Key_Return);
            }
        });
        WidgetDialogs dialogs;
        QCOMPARE(dialogs.helpPage(QStringLiteral("page"), number, 3), number < 3);
        QCOMPARE(captions, buttons);
        QVERIFY2(text.endsWith(QStringLiteral("（%1/3）").arg(number)), qPrintable(text));
    }

    // The name box takes only what the save files can hold.
    void nameBoxKeepsToWhatASaveHolds()
    {
        QTimer::singleShot(0, [] {
            QWidget *box = QApplication::activeModalWidget();
            if (auto *edit = box ? box->findChild<QLineEdit *>() : nullptr) {
                edit->insert(u8("ねこ"));
                edit->insert(QString::fromUtf8("\xF0\x9F\x98\x80"));
                QTest::keyClick(edit, Qt::Key_Return);
            }
        });
        QCOMPARE(WidgetDialogs().input(u8("なまえ"), QString()), u8("ねこ"));
    }

    // Beside the program for the build and portable copies, the installed
    // and per-user folders for an installed game.
    void choosesDataAndSaveFolders_data()
    {
        QTest::addColumn<Choice>("choice");
        QTest::newRow("the build folder") << Choice{true, true, "program", "program"};
        QTest::newRow("a portable copy the player cannot write") << Choice{true, false, "program", "user"};
        QTest::newRow("installed") << Choice{false, false, "installed", "user"};
        // Root could write the install prefix: still nothing is saved there.
        QTest::newRow("installed, run by root") << Choice{false, true, "installed", "user"};
    }
    void choosesDataAndSaveFolders()
    {
        QFETCH(Choice, choice);
        const auto [dataBeside, writable, expectedData, expectedSave] = choice;
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

    // The player's data folder follows the XDG rules: a relative
    // XDG_DATA_HOME is ignored, and with no usable HOME either there is no
    // save folder at all (never one under "/" or the working folder), only
    // the reason. A copy with its data beside it still saves there.
    void playerFolderFollowsXdg_data()
    {
        QTest::addColumn<QByteArray>("dataHome"); // XDG_DATA_HOME
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<QString>("save");        // the save folder, or the reason there is none
        QTest::newRow("XDG_DATA_HOME") << QByteArray("/data") << QByteArray("/home/p") << "/data/";
        QTest::newRow("relative XDG_DATA_HOME") << QByteArray("data") << QByteArray("/home/p/") << "/home/p/.local/share/";
        QTest::newRow("empty HOME, XDG_DATA_HOME") << QByteArray("/data/") << QByteArray() << "/data/";
        QTest::newRow("empty HOME") << QByteArray() << QByteArray()
                                    << "no folder for the save: HOME is empty, and XDG_DATA_HOME is empty";
        QTest::newRow("relative HOME and XDG_DATA_HOME") << QByteArray("data") << QByteArray("p")
            << "no folder for the save: HOME \"p\" is not an absolute path, and XDG_DATA_HOME \"data\" is not an absolute path";
        QTest::newRow("HOME is the root") << QByteArray() << QByteArray("/")
                                          << "no folder for the save: HOME is the root folder, and XDG_DATA_HOME is empty";
    }
    void playerFolderFollowsXdg()
    {
        QFETCH(QByteArray, dataHome);
        QFETCH(QByteArray, home);
        QFETCH(QString, save);
        const QByteArray realDataHome = qgetenv("XDG_DATA_HOME"), realHome = qgetenv("HOME");
        qputenv("XDG_DATA_HOME", dataHome);
        qputenv("HOME", home);
        FolderCandidates candidates = currentFolderCandidates();
        qputenv("XDG_DATA_HOME", realDataHome);
        qputenv("HOME", realHome);
        QTemporaryDir program; // no data beside it: an installed game
        candidates.programFolder = program.path();
        const GameFolders installed = resolveGameFolders(candidates);
        const bool folder = save.startsWith(u'/');
        QCOMPARE(folder ? installed.savePath : installed.saveProblem,
                 folder ? save + QCoreApplication::applicationName() + u'/' : save);
        QCOMPARE(folder ? installed.saveProblem : installed.savePath, QString());
        QVERIFY(QFile(program.filePath("0.bmp")).open(QIODevice::WriteOnly));
        candidates.programFolderWritable = true;
        QCOMPARE(resolveGameFolders(candidates).savePath, program.path() + u'/');
    }

    // Where X11 answers on display 1797 and no Wayland socket lies: the
    // platform Qt is pointed at, or why no window can appear.
    void displayCheck_data()
    {
        QTest::addColumn<QByteArray>("display"); // DISPLAY
        QTest::addColumn<QByteArray>("chosen");  // QT_QPA_PLATFORM
        QTest::addColumn<QByteArray>("platform");
        QTest::addColumn<QString>("problems");
        const QString noWayland = QStringLiteral(", WAYLAND_DISPLAY is not set");
        QTest::newRow("nothing") << QByteArray() << QByteArray() << QByteArray() << "DISPLAY is not set" + noWayland;
        QTest::newRow("a screen of a local display") << QByteArray(":1797.0") << QByteArray() << QByteArray("xcb") << "";
        QTest::newRow("a local display named unix:, gone") << QByteArray("unix:1798") << QByteArray() << QByteArray()
                                                           << "the X display \"unix:1798\" does not answer" + noWayland;
        QTest::newRow("a remote display, left to Qt") << QByteArray("host:0") << QByteArray() << QByteArray("xcb") << "";
        // Only a chosen Wayland looks for its usual socket.
        QTest::newRow("Wayland chosen") << QByteArray() << QByteArray("wayland") << QByteArray()
                                        << "the Wayland display /nonexistent/wayland-0 is gone";
    }
    void displayCheck()
    {
        QFETCH(QByteArray, display);
        QFETCH(QByteArray, chosen);
        QFETCH(QByteArray, platform);
        QFETCH(QString, problems);
        static const bool xAnswers = listenAbstract(QByteArrayLiteral("/tmp/.X11-unix/X1797"));
        QVERIFY(xAnswers);
        const QByteArray realDisplay = qgetenv("DISPLAY"), realWayland = qgetenv("WAYLAND_DISPLAY"),
                         realRuntime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("DISPLAY", display);
        qputenv("WAYLAND_DISPLAY", QByteArray());
        qputenv("XDG_RUNTIME_DIR", "/nonexistent");
        const DisplayCheck check = checkDisplay(chosen);
        qputenv("DISPLAY", realDisplay);
        qputenv("WAYLAND_DISPLAY", realWayland);
        qputenv("XDG_RUNTIME_DIR", realRuntime);
        QCOMPARE(check.platform, platform);
        QCOMPARE(check.problems.join(QStringLiteral(", ")), problems);
    }

    // A missing control picture, or a face cut short in its header, stops
    // start-up; a missing scene picture only leaves the alien's box empty.
    void missingPicture_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("required");
        QTest::addColumn<int>("cutTo"); // bytes left; -1: the file is gone
        QTest::newRow("a face") << "7.bmp" << true << -1;
        QTest::newRow("a face cut short in its header") << "7.bmp" << true << 20;
        QTest::newRow("a forget button") << "coma1.bmp" << true << -1;
        QTest::newRow("the teach button") << "osieru.bmp" << true << -1;
        QTest::newRow("the title scene") << "stt.bmp" << false << -1;
    }
    void missingPicture()
    {
        QFETCH(QString, file);
        QFETCH(bool, required);
        QFETCH(int, cutTo);
        TestGame game;
        if (cutTo < 0)
            game.folder.remove(file);
        else
            QVERIFY(QFile::resize(game.folder.path() + file, cutTo));
        QCOMPARE(game.start(), !required);
        QCOMPARE(game.gameWindow->isVisible(), !required);
        QVERIFY2(game.gameWindow->startupError.endsWith(file) == required, qPrintable(game.gameWindow->startupError));
        if (required)
            return;
        QVERIFY(game.gameWindow->alienPicture->picture().isNull());
        game.playIntoFreePlay();
        QCOMPARE(game.gameWindow->model().scene().kind, SceneKind::FreePlay);
    }

    // A face whose header reads but whose pixels are missing is found
    // once the window is up: the game names the first such file and stops,
    // saving nothing.
    void brokenFaceStopsTheGame()
    {
        TestGame game;
        // Two faces keep the file's and the bitmap's headers, and no pixels.
        for (const char *name : {"7.bmp", "9.bmp"})
            QVERIFY(QFile::resize(game.folder.path() + QLatin1String(name), 14 + 40));
        game.gameWindow = std::make_unique<GameWindow>(GameWindow::Services{game.random, game.dialogs, game.sound, game.folder.path()});
        QVERIFY(game.gameWindow->startUp());
        game.gameWindow->optionActions[2]->setChecked(true); // the autosave
        game.gameWindow->show();
        game.click(); // into the opening: a game under way
        QTRY_VERIFY(!game.dialogs.messages.isEmpty());
        game.gameWindow->close();
        QCOMPARE(game.dialogs.messages, QStringList{u8("画像ファイルを読み込めません: ") + game.folder.path() + QStringLiteral("7.bmp")});
        QVERIFY(!game.gameWindow->isVisible());
        QVERIFY(!game.gameWindow->motionClock->isActive() && !game.gameWindow->faceFlipClock->isActive() && !game.gameWindow->dayClock->isActive());
        QCOMPARE(game.sound.requests.last(), QStringLiteral("music close"));
        QVERIFY(!QFile::exists(game.folder.path() + QStringLiteral("str.dat")));
    }

    // The window is drawn before the sound is set up: nothing reaches the
    // sound until the window's first expose (when Qt draws its first
    // picture); then the tune is opened and played.
    void musicStartsOnceTheWindowIsOnScreen()
    {
        TestGame game;
        QVERIFY(game.start());
        QVERIFY(game.sound.requests.isEmpty());
        ExposeWatch watch(game.gameWindow->windowHandle(), game.sound.requests);
        QVERIFY(QTest::qWaitForWindowExposed(game.gameWindow.get()));
        QTRY_COMPARE(game.sound.requests, (QStringList{QStringLiteral("music open %1bgm.wav").arg(game.folder.path()),
                                                      QStringLiteral("music play")}));
        QCOMPARE(watch.requestsAtFirstExpose, 0);
        // Shown again, as after a minimise, the window starts nothing anew.
        game.gameWindow->hide();
        game.gameWindow->show();
        QVERIFY(QTest::qWaitForWindowExposed(game.gameWindow.get()));
        QTest::qWait(20);
        QCOMPARE(game.sound.requests.size(), 2);
    }

    void assistiveTechnologySeesTheTexts()
    {
        TestGame game;
        QVERIFY(game.start());
        const auto reader = [](QObject *control) { return QAccessible::queryAccessibleInterface(control); };
        QAccessibleInterface *teach = reader(game.gameWindow->teachButton), *entry = reader(game.gameWindow->wordEntry);
        QCOMPARE((QStringList{teach->text(QAccessible::Name), teach->text(QAccessible::Description),
                              entry->text(QAccessible::Description), reader(game.gameWindow->moneyLabel)->text(QAccessible::Name),
                              reader(game.gameWindow->wordLists[1])->child(0)->text(QAccessible::Name),
                              reader(game.gameWindow->endingsMenu)->child(0)->text(QAccessible::Name)}),
                 (QStringList{u8("おしえる"), u8("宇宙人に言葉を教えます。"), game.gameWindow->wordEntry->toolTip(), "1000",
                              u8("大好き"), u8("親愛関係")}));
        QCOMPARE(teach->role(), QAccessible::Button);
        QAccessibleInterface *options = reader(game.gameWindow->optionsMenu);
        QVERIFY(options->child(0)->state().checked && !options->child(1)->state().checked);
        QVERIFY(reader(game.gameWindow->endingsMenu)->child(0)->state().disabled);
        // Nor can a screen reader press a button the title holds.
        game.gameWindow->wordEntry->setText(u8("ほし"));
        QVERIFY(!game.gameWindow->teachButton->isEnabled());
        teach->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(game.gameWindow->wordEntry->text(), u8("ほし"));
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
