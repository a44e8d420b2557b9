// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Start-up and shut-down: building the state and the tables, loading the
// pictures, teaching the first words, laying the window out, the music once
// the window is on screen, and the orderly end with the optional autosave.

#include "core/fom.h"
#include "game/texts.h"
#include "platform/fileops.h"
#include "platform/firstframe.h"
#include "platform/pictures.h"
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

Fom::Fom(const Services &services, QWidget *parent)
    : QMainWindow(parent)
    , m_holdingDialogs(services.dialogs, [this] { return GameClocks(); })
    , m_dialogs(m_holdingDialogs)
    , m_sound(services.sound)
    , m_files(services.files ? *services.files : diskFiles())
    , m_saveFolderProblem(services.saveFolderProblem)
{
    m_model = new GameModel(services.random, m_prompts, this);
    AppPath = services.appPath;
    SavePath = services.savePath;
    installAccessibility();
    // The game's font is a Windows one; IPA P Mincho has the same metrics.
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));
    setWindowTitle(texts::gameTitle());
    CreateControls();
    CreateMenus();
    CreateTimers();
    ConnectHandlers();
    ConnectModel();
    ConnectScenes();
}

Fom::~Fom() = default;

bool Fom::Form_Load()
{
    // The generator was seeded from the clock when it was made.
    LblQstKazari->setVisible(false);
    Shp->setVisible(false);
    LblHi->setCaption(QString());
    LblMoney->setCaption(QString());
    LblItem->setCaption(QString());

    if (!AppPath.endsWith(QLatin1Char('/')))
        AppPath += QLatin1Char('/');
    if (SavePath.isEmpty())
        SavePath = AppPath;
    else if (!SavePath.endsWith(QLatin1Char('/')))
        SavePath += QLatin1Char('/');

    // A picture the window cannot do without stops start-up.
    auto refuseToStart = [this](const QString &path) {
        StartupError = unreadablePictureText(path);
        StopAllTimers(); // the game will not start: nothing may tick behind the message
        return false;
    };
    auto loadRequired = [this, refuseToStart](const QString &fileName, QPixmap &into) {
        into = loadPicture(AppPath + fileName);
        return !into.isNull() || refuseToStart(AppPath + fileName);
    };
    // The faces are first shown after the title: their files are checked
    // now and decoded once the window is up.
    QStringList faceFiles;
    for (int n = 0; n <= 9; ++n)
        faceFiles << AppPath + QStringLiteral("%1.bmp").arg(n);
    if (const QString unreadable = m_faces.check(faceFiles); !unreadable.isEmpty())
        return refuseToStart(unreadable);

    MoveStep = 1;
    MoveImg(0, 0, 100, 100);
    TeachInitialWords();
    LblQstKazari->setCaption(u8("イエス＞＞左クリック") + texts::crlf + u8("ノーウ＞＞右クリック"));

    const QScreen *screen = QGuiApplication::primaryScreen();
    LayOut(screen ? screen->geometry().height() : 768, screen ? screen->logicalDotsPerInchY() : 96.0);
    for (int i = 0; i < 3; ++i) {
        QPixmap picture;
        if (!loadRequired(QStringLiteral("coma%1.bmp").arg(i), picture))
            return false;
        ComLstQra[i]->setPicture(picture);
        ComLstQra[i]->setVisible(true);
    }
    QPixmap siyou, osieru;
    if (!loadRequired(QStringLiteral("siyou.bmp"), siyou) || !loadRequired(QStringLiteral("osieru.bmp"), osieru))
        return false;
    ComItem->setPicture(siyou);
    ADD->setPicture(osieru);
    return true;
}

void Fom::StartMusic()
{
    m_sound.openMusic(AppPath + QStringLiteral("bgm.wav"));
    m_sound.playMusic();
}

void Fom::TeachInitialWords()
{
    m_model->learnFirstWords();
    Txt->setText(QString()); // the entry starts empty, not with its design-time text
}

void Fom::Form_Activate()
{
    Lbl->setCaption(QString());
    FaceFrame = 1;
    Tim->start();
    ADD->setEnabled(false);
    Opt_Click(1);
    LblHi->setCaption(QStringLiteral("0"));
    m_model->showTitle();
    OfferRecovery();
}

bool Fom::Form_Unload()
{
    if (m_unloaded)
        return true;
    // The game stands still from here: the game saved is the one closed.
    HeldClocks held(GameClocks());
    // Only a game under way is saved: the title or a replay would write a
    // game not yet begun over the player's slot.
    if (m_model->option(Option::Autosave) && GameInProgress()) {
        const QString failure = WriteSlot();
        LastSaveSucceeded = failure.isEmpty();
        if (LastSaveSucceeded) {
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
    DropRecoveryCopy();
    m_sound.closeMusic();
    StopAllTimers(); // nothing of the game may run after this point
    QCoreApplication::exit(0);
    return true;
}

QList<QTimer *> Fom::GameClocks() const
{
    return {Tim, Tim2, TimShpCli, TimSay, TimQst, TimDay};
}

void Fom::StopAllTimers()
{
    for (QTimer *timer : GameClocks())
        timer->stop();
    RecoveryCooldown->stop();
}

void Fom::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_activated)
        return;
    m_activated = true;
    // Centred on the screen when first shown.
    if (const QScreen *screen = this->screen())
        move(screen->geometry().center() - rect().center());
    Form_Activate();
    // Setting the sound up waits for the sound server, which may be slow to
    // answer: the window is on screen first.
    afterFirstFrame(this, [this] {
        StartMusic();
        DecodeFacesInTurn();
    });
}

void Fom::DecodeFacesInTurn()
{
    if (m_unloaded)
        return;
    if (m_faces.decodeNext()) {
        QTimer::singleShot(0, this, &Fom::DecodeFacesInTurn);
        return;
    }
    // Its header was fine, but the picture itself is broken.
    if (!m_faces.failedPath().isEmpty())
        StopForUnreadablePicture(m_faces.failedPath());
}

void Fom::StopForUnreadablePicture(const QString &path)
{
    StopAllTimers();
    StartupError = unreadablePictureText(path);
    m_dialogs.message(StartupError);
    // The game ends here as if it had never started: nothing is saved.
    m_unloaded = true;
    m_sound.closeMusic();
    hide();
    QCoreApplication::exit(1);
}

void Fom::closeEvent(QCloseEvent *event)
{
    if (Form_Unload())
        event->accept();
    else
        event->ignore();
}
