// Start-up and shut-down: building the state and the tables, loading the
// pictures, teaching the first words, laying the window out, the music once
// the window is on screen, and the orderly end with the optional autosave.

#include "core/fom.h"
#include "core/texts.h"
#include "platform/fileops.h"
#include "platform/firstframe.h"
#include "platform/pictures.h"
#include "sound/kyoyokansu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>

using texts::u8;

namespace {
FileOps &diskFiles()
{
    static DiskFileOps disk;
    return disk;
}
} // namespace

Fom::Fom(Services services, QWidget *parent)
    : QMainWindow(parent)
    , m_random(services.random)
    , m_dialogs(services.dialogs)
    , m_sound(services.sound)
    , m_files(services.files ? *services.files : diskFiles())
{
    AppPath = services.appPath;
    SavePath = services.savePath;
    installAccessibility();
    // The game's font is a Windows one; IPA P Mincho has the same metrics.
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));
    setWindowTitle(texts::gameTitle());
    共用関数::SetBackend(&m_sound);
    CreateControls();
    CreateMenus();
    CreateTimers();
    ConnectHandlers();
}

Fom::~Fom()
{
    共用関数::ReleaseBackend(&m_sound);
}

bool Fom::Form_Load()
{
    // The generator was seeded from the clock when it was made.
    LblQstKazari->setVisible(false);
    Shp->setVisible(false);
    TimDay->setInterval(10000);
    LblHi->setCaption(QString());
    LblMoney->setCaption(QString());
    LblItem->setCaption(QString());

    for (int i = 0; i < texts::itemKinds; ++i) {
        ItemName[i] = u8(texts::itemNames[i]);
        ItemHint[i] = u8(texts::itemHints[i]);
    }
    for (int i = 0; i < 5; ++i)
        Joshi[i] = u8(texts::joshi[i]);
    for (int i = 0; i < 9; ++i)
        Gobi[i] = u8(texts::gobi[i]);

    if (!AppPath.endsWith(QLatin1Char('/')))
        AppPath += QLatin1Char('/');
    if (SavePath.isEmpty())
        SavePath = AppPath;
    else if (!SavePath.endsWith(QLatin1Char('/')))
        SavePath += QLatin1Char('/');

    // A picture the window cannot do without stops start-up.
    auto loadRequired = [this](const QString &fileName, QPixmap &into) {
        into = loadPicture(AppPath + fileName);
        if (!into.isNull())
            return true;
        StartupError = u8("画像ファイルを読み込めません: ") + AppPath + fileName;
        StopAllTimers(); // the game will not start: nothing may tick behind the message
        return false;
    };
    for (int n = 0; n <= 9; ++n) {
        if (!loadRequired(QStringLiteral("%1.bmp").arg(n), E[n]))
            return false;
    }

    MoveStep = 1;
    MoveImg(0, 0, 100, 100);
    for (int k = 0; k < 3; ++k) {
        WordCount[k] = 0;
        WordSlot[k] = 0;
    }
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
    共用関数::OpenMidi(AppPath + QStringLiteral("bgm.wav"));
    共用関数::PlayMidi();
}

void Fom::TeachInitialWords()
{
    for (int k = 0; k < 3; ++k) {
        WordKind = static_cast<qint16>(k);
        for (const char *word : texts::initialWords[k]) {
            Txt->setText(u8(word));
            TeachWord();
        }
    }
    Txt->setText(QString());
}

void Fom::Form_Activate()
{
    SceneStep = 0;
    Lbl->setCaption(QString());
    FaceFrame = 1;
    Tim->start();
    ADD->setEnabled(false);
    Opt_Click(1);
    LblHi->setCaption(QStringLiteral("0"));
    StartScene(QStringLiteral("stop"));
}

void Fom::Form_Unload()
{
    if (m_unloaded)
        return;
    m_unloaded = true;
    if (menu2[2]->isChecked()) {
        LastSaveSucceeded = false;
        menu1_Click(0); // a failed save has shown its own message
        if (LastSaveSucceeded)
            m_dialogs.message(u8("オートセーブ完了★"));
    }
    共用関数::CloseMidi();
    共用関数::CloseWave();
    StopAllTimers(); // nothing of the game may run after this point
    QCoreApplication::exit(0);
}

void Fom::StopAllTimers()
{
    for (QTimer *timer : {Tim, Tim2, TimShpCli, TimSay, TimQst, TimDay})
        timer->stop();
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
    afterFirstFrame(this, [this] { StartMusic(); });
}

void Fom::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}
