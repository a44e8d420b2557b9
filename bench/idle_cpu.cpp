// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// idle_cpu game|still|bare SECONDS GAME_FOLDER
// idle_cpu setup: how long the sound backend takes to set itself up.
// What the game costs while the player does nothing: the CPU time (all
// threads, the audio pipeline's included) over SECONDS of free play with the
// music playing ("game"), the same with the alien's picture held still
// ("still": its two animation timers stopped, so the figure is the music,
// the speech and the clocks), and a bare widget window with the same timers
// that plays the same file on loop through the same Qt classes ("bare").
// Run it on a sound server (bench/idle_cpu.sh starts a private one).

#include "../tests/support/testgame.h"
#include "platform/desktopsound.h"

#include <QApplication>
#include <QAudioOutput>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMediaPlayer>
#include <QTest>
#include <QTimer>
#include <QUrl>

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

// The same timers as the game window; only the music poll does any work.
class BareWindow final : public QWidget
{
public:
    explicit BareWindow(const QString &music)
    {
        m_player->setAudioOutput(m_output);
        m_player->setSource(QUrl::fromLocalFile(music));
        for (int interval : {50, 100, 3000, 3000, 10000})
            (new QTimer(this))->start(interval);
        connect(m_poll, &QTimer::timeout, this, &BareWindow::restartAtEnd);
        m_poll->start(1);
        m_player->play();
    }

private:
    void restartAtEnd()
    {
        if (m_player->playbackState() == QMediaPlayer::StoppedState) {
            m_player->setPosition(0);
            m_player->play();
        }
    }
    QAudioOutput *m_output = new QAudioOutput(this);
    QMediaPlayer *m_player = new QMediaPlayer(this);
    QTimer *m_poll = new QTimer(this);
};

double gameShare(double seconds, const QString &folder, bool still)
{
    ScriptedRandom random; // every draw 0: the alien talks, never asks
    ScriptedDialogs dialogs; // both names cancelled
    DesktopSoundBackend sound;
    Fom fom({random, dialogs, sound, folder, QDir::tempPath()});
    if (!fom.Form_Load())
        return -1;
    fom.show();
    for (int i = 0; i < 100 && fom.SceneMode != QLatin1String("tyu"); ++i)
        QTest::mouseClick(fom.Lbl, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    if (still) {
        fom.Tim->stop();
        fom.Tim2->stop();
    }
    QElapsedTimer poll;
    poll.start();
    QString reply;
    constexpr int kQueries = 100000;
    for (int i = 0; i < kQueries; ++i)
        sound.sendCommand(QStringLiteral("status MIDI mode"), &reply);
    std::printf("one music status query: %.2f us (reply \"%s\")\n", poll.nsecsElapsed() / 1e3 / kQueries,
                qPrintable(reply));
    return idleShare(seconds);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc == 2 && qstrcmp(argv[1], "setup") == 0) {
        QElapsedTimer clock;
        clock.start();
        DesktopSoundBackend sound;
        std::printf("sound set-up: %.1f ms (%s)\n", clock.nsecsElapsed() / 1e6,
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
    } else {
        BareWindow window(folder + QStringLiteral("bgm.wav"));
        window.show();
        share = idleShare(seconds);
    }
    std::printf("%s: %.2f %% CPU over %.0f s\n", qPrintable(mode), share * 100, seconds);
    return share < 0 ? 1 : 0;
}
