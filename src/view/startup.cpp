// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Start-up and shut-down: building the state and the tables, loading the
// pictures, teaching the first words, laying the window out, the music once
// the window is on screen, and the orderly end with the optional autosave.

#include "view/gamewindow.h"
#include "game/texts.h"
#include "platform/fileops.h"
#include "platform/firstframe.h"
#include "widgets/pictures.h"
#include "platform/stderrlog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>

using texts::u8;

namespace {
QString unreadablePictureText(const QString &path)
{
    return u8("画像ファイルを読み込めません: ") + path;
}

FileOps &diskFiles()
{
    static DiskFileOps disk;
    return disk;
}
} // namespace

GameWindow::GameWindow(const Services &services, QWidget *parent)
    : QMainWindow(parent)
    , m_holdingDialogs(services.dialogs, [this] { return gameClocks(); })
    , m_dialogs(m_holdingDialogs)
    , m_sound(services.sound)
    , m_files(services.files ? *services.files : diskFiles())
    , m_saveFolderProblem(services.saveFolderProblem)
{
    m_model = new GameModel(services.random, m_prompts, this);
    appPath = services.appPath;
    savePath = services.savePath;
    installAccessibility();
    // The game's font is a Windows one; IPA P Mincho has the same metrics.
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));
    setWindowTitle(texts::gameTitle());
    createControls();
    createMenus();
    createClocks();
    connectHandlers();
    connectModel();
    connectScenes();
}

GameWindow::~GameWindow() = default;

bool GameWindow::startUp()
{
    // The generator was seeded from the clock when it was made.
    questionHint->setVisible(false);
    alienTint->setVisible(false);
    dayLabel->setCaption(QString());
    moneyLabel->setCaption(QString());
    itemHint->setCaption(QString());

    if (!appPath.endsWith(QLatin1Char('/')))
        appPath += QLatin1Char('/');
    if (savePath.isEmpty())
        savePath = appPath;
    else if (!savePath.endsWith(QLatin1Char('/')))
        savePath += QLatin1Char('/');

    // A picture the window cannot do without stops start-up.
    auto refuseToStart = [this](const QString &path) {
        startupError = unreadablePictureText(path);
        stopAllClocks(); // the game will not start: nothing may tick behind the message
        return false;
    };
    auto loadRequired = [this, refuseToStart](const QString &fileName, QPixmap &into) {
        into = loadPicture(appPath + fileName);
        return !into.isNull() || refuseToStart(appPath + fileName);
    };
    // The faces are first shown after the title: their files are checked
    // now and decoded once the window is up.
    QStringList faceFiles;
    for (int n = 0; n <= 9; ++n)
        faceFiles << appPath + QStringLiteral("%1.bmp").arg(n);
    if (const QString unreadable = m_faces.check(faceFiles); !unreadable.isEmpty())
        return refuseToStart(unreadable);

    motionStep = 1;
    placeAlien(0, 0, 100, 100);
    teachInitialWords();
    questionHint->setCaption(u8("イエス＞＞左クリック") + texts::crlf + u8("ノーウ＞＞右クリック"));

    const QScreen *screen = QGuiApplication::primaryScreen();
    layOut(screen ? screen->geometry().height() : 768, screen ? screen->logicalDotsPerInchY() : 96.0);
    for (int i = 0; i < 3; ++i) {
        QPixmap picture;
        if (!loadRequired(QStringLiteral("coma%1.bmp").arg(i), picture))
            return false;
        forgetButtons[i]->setPicture(picture);
        forgetButtons[i]->setVisible(true);
    }
    QPixmap siyou, osieru;
    if (!loadRequired(QStringLiteral("siyou.bmp"), siyou) || !loadRequired(QStringLiteral("osieru.bmp"), osieru))
        return false;
    useButton->setPicture(siyou);
    teachButton->setPicture(osieru);
    return true;
}

void GameWindow::startMusic()
{
    m_sound.openMusic(appPath + QStringLiteral("bgm.wav"));
    m_sound.playMusic();
}

void GameWindow::teachInitialWords()
{
    m_model->learnFirstWords();
    wordEntry->setText(QString()); // the entry starts empty, not with its design-time text
}

void GameWindow::activate()
{
    messageLine->setCaption(QString());
    faceFrame = 1;
    motionClock->start();
    teachButton->setEnabled(false);
    chooseWordClass(1);
    dayLabel->setCaption(QStringLiteral("0"));
    m_model->showTitle();
    offerRecovery();
}

bool GameWindow::closeGame()
{
    if (m_unloaded)
        return true;
    // The game stands still from here: the game saved is the one closed.
    HeldClocks held(gameClocks());
    // Only a game under way is saved: the title or a replay would write a
    // game not yet begun over the player's slot.
    if (m_model->option(Option::Autosave) && gameInProgress()) {
        const QString failure = saveToSlot();
        lastSaveSucceeded = failure.isEmpty();
        if (lastSaveSucceeded) {
            m_dialogs.message(u8("オートセーブ完了★"));
        } else {
            warnOnStderr(failure);
            const QString question = u8("ファイル処理が正常に起動しませんでした") + texts::crlf
                + u8("オートセーブできませんでした。セーブしないで終了しますか？") + texts::crlf
                + u8("（いいえ：ゲームにもどる）");
            if (!m_dialogs.ask(question, failure, false))
                return false; // back to the game, exactly as it was
        }
    }
    held.keep();
    m_unloaded = true;
    dropRecoveryCopy();
    m_sound.closeMusic();
    stopAllClocks(); // nothing of the game may run after this point
    QCoreApplication::exit(0);
    return true;
}

QList<QTimer *> GameWindow::gameClocks() const
{
    return {motionClock, faceFlipClock, promptBlinkClock, speechClock, questionClock, dayClock};
}

void GameWindow::stopAllClocks()
{
    for (QTimer *timer : gameClocks())
        timer->stop();
    recoveryPause->stop();
}

void GameWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    // Centred on the screen when first shown.
    if (const QScreen *screen = this->screen())
        move(screen->geometry().center() - rect().center());
    activate();
    // Setting the sound up waits for the sound server, which may be slow to
    // answer: the window is on screen first.
    afterFirstFrame(this, [this] {
        startMusic();
        decodeFacesInTurn();
    });
}

void GameWindow::decodeFacesInTurn()
{
    if (m_unloaded)
        return;
    if (m_faces.decodeNext()) {
        QTimer::singleShot(0, this, &GameWindow::decodeFacesInTurn);
        return;
    }
    // Its header was fine, but the picture itself is broken.
    if (!m_faces.failedPath().isEmpty())
        stopForUnreadablePicture(m_faces.failedPath());
}

void GameWindow::stopForUnreadablePicture(const QString &path)
{
    stopAllClocks();
    startupError = unreadablePictureText(path);
    m_dialogs.message(startupError);
    // The game ends here as if it had never started: nothing is saved.
    m_unloaded = true;
    m_sound.closeMusic();
    hide();
    QCoreApplication::exit(1);
}

void GameWindow::closeEvent(QCloseEvent *event)
{
    if (closeGame())
        event->accept();
    else
        event->ignore();
}
