// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// idle_cpu game|still|bare SECONDS GAME_FOLDER
// idle_cpu setup GAME_FOLDER: how long the sound takes to set itself up and
// start the tune.
// What the game costs while the player does nothing: the CPU time (all
// threads, the audio server connection's included) over SECONDS of free play
// with the music playing ("game"), the same with the alien's picture held
// still ("still": its two animation timers stopped, so the figure is the
// music, the speech and the clocks), and a bare widget window with the same
// timers that plays the same file on loop through the same player ("bare"),
// and that window with a picture moving as the alien's does ("moving").
// Run it on a sound server (bench/idle_cpu.sh starts a private one).

#include "../tests/support/testgame.h"
#include "sound/desktopsound.h"
#include "sound/loopingmusicplayer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QPainter>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Runs the event loop as the game's own does for `milliseconds`. QTest's
// wait is no stand-in: it sleeps 10 ms between passes, so a 1 ms timer
// would fire a tenth as often as in the game.
void runEventLoop(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// Lets the event loop run for `seconds`; returns the CPU share used meanwhile.
double idleShare(double seconds)
{
    runEventLoop(3000); // the music is under way before measuring
    const double cpuBefore = cpuSeconds();
    QElapsedTimer wall;
    wall.start();
    runEventLoop(int(seconds * 1000));
    return (cpuSeconds() - cpuBefore) / (wall.nsecsElapsed() / 1e9);
}

// The same timers as the game window, doing nothing, and the game's music
// player playing the tune.
class BareWindow final : public QWidget
{
public:
    explicit BareWindow(const QString &music)
    {
        for (int interval : {50, 100, 3000, 3000, 10000})
            (new QTimer(this))->start(interval);
        if (m_player->load(music))
            m_player->play();
    }

private:
    LoopingMusicPlayer *m_player = new LoopingMusicPlayer(this);
};

// For scale, the least any window showing the alien must do: the bare
// window above with a picture in a black box that moves, shrinks and grows
// as the calm alien's does every 50 ms and flips between two ready-sized
// frames every 100 ms, painted by a plain copy.
class MovingPictureWindow final : public QWidget
{
public:
    explicit MovingPictureWindow(const QString &music)
        : m_bare(music)
    {
        resize(512, 683);
        m_box->setGeometry(0, 0, 256, 256);
        m_box->setAutoFillBackground(true);
        m_box->setPalette(QPalette(Qt::black));
        for (int frame = 0; frame < 2; ++frame) {
            QPixmap face(256, 256);
            face.fill(frame == 0 ? Qt::yellow : Qt::green);
            for (int left = -1; left <= 21; ++left) // the steps the motion reaches
                m_frames[frame].append(face.scaled(256 - 2 * (256 * left / 100), 256));
        }
        m_picture->setAttribute(Qt::WA_OpaquePaintEvent);
        connect(&m_move, &QTimer::timeout, this, &MovingPictureWindow::move);
        connect(&m_flip, &QTimer::timeout, this, [this] { m_frame ^= 1; m_picture->update(); });
        m_move.start(50);
        m_flip.start(100);
    }

private:
    class Picture final : public QWidget
    {
    public:
        Picture(QWidget *box, MovingPictureWindow *window) : QWidget(box), m_window(window) {}
        void paintEvent(QPaintEvent *) override
        {
            QPainter(this).drawPixmap(0, 0, m_window->m_frames[m_window->m_frame][m_window->m_left + 1]);
        }

    private:
        MovingPictureWindow *m_window;
    };

    void move()
    {
        if (m_left > 20 || m_left < 0)
            m_step = -m_step;
        m_left += m_step;
        const int left = 256 * m_left / 100;
        m_picture->setGeometry(left, 0, 256 - 2 * left, 256);
    }

    BareWindow m_bare; // the timers and the music
    QWidget *m_box = new QWidget(this);
    Picture *m_picture = new Picture(m_box, this);
    QList<QPixmap> m_frames[2];
    QTimer m_move, m_flip;
    int m_left = 0, m_step = 1, m_frame = 0;
};

double gameShare(double seconds, const QString &folder, bool still)
{
    ScriptedRandom random; // every draw 0: the alien talks, never asks
    ScriptedDialogs dialogs; // both names cancelled
    DesktopSound sound;
    GameWindow gameWindow({random, dialogs, sound, folder, QDir::tempPath()});
    if (!gameWindow.startUp())
        return -1;
    gameWindow.show();
    for (int i = 0; i < 100 && !gameWindow.model().inFreePlay(); ++i)
        QTest::mouseClick(gameWindow.messageLine, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    if (still) {
        gameWindow.motionClock->stop();
        gameWindow.faceFlipClock->stop();
    }
    return idleShare(seconds);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "setup") == 0) {
        QElapsedTimer clock;
        clock.start();
        DesktopSound sound;
        sound.openMusic(QString::fromLocal8Bit(argv[2]) + QStringLiteral("/bgm.wav"));
        sound.playMusic();
        std::printf("sound set-up and the tune started: %.1f ms (%s)\n", clock.nsecsElapsed() / 1e6,
                    sound.hasOutput() ? "audio output found" : "no audio output");
        return 0;
    }
    if (argc != 4)
        return 2;
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const double seconds = QString::fromLocal8Bit(argv[2]).toDouble();
    const QString folder = QString::fromLocal8Bit(argv[3]) + QLatin1Char('/');
    double share = -1;
    if (mode == QLatin1String("game") || mode == QLatin1String("still")) {
        share = gameShare(seconds, folder, mode == QLatin1String("still"));
    } else if (mode == QLatin1String("moving")) {
        MovingPictureWindow window(folder + QStringLiteral("bgm.wav"));
        window.show();
        share = idleShare(seconds);
    } else {
        BareWindow window(folder + QStringLiteral("bgm.wav"));
        window.show();
        share = idleShare(seconds);
    }
    std::printf("%s: %.2f %% CPU over %.0f s\n", qPrintable(mode), share * 100, seconds);
    return share < 0 ? 1 : 0;
}
