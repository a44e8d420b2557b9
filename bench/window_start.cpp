// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Start to window: the time from starting a program to its window's first
// picture on screen, for the game and for a bare Qt window that sets up the
// same music player (the same desktop sound, the tune opened and playing)
// before it shows itself; and, for scale, a bare window without sound. Each
// start is a fresh process, since the libraries, the display and the sound
// server are set up once a process; they take turns, so other work on the
// machine weighs on all alike. Run it on a sound server (bench/run.sh starts
// a private one).
//
//   bench_window FOLDER [ROUNDS]         FOLDER holds the game's files (build/game)
//   bench_window game|bare|plain FOLDER  one start, as run by the above

#include "view/program.h"
#include "platform/desktopidentity.h"
#include "sound/desktopsound.h"
#include "platform/gamefolders.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Prints "window" once the first window of the process has drawn its first
// picture (Qt draws and flushes it while handling the first expose), then
// lets the program run a little longer and ends it.
class FirstFrameReporter final : public QObject
{
public:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const auto *window = qobject_cast<QWindow *>(watched);
        if (!m_reported && event->type() == QEvent::Expose && window && window->isExposed()) {
            m_reported = true;
            QTimer::singleShot(0, [] {
                std::puts("window");
                std::fflush(stdout);
                QTimer::singleShot(300, qApp, &QCoreApplication::quit);
            });
        }
        return false;
    }

private:
    bool m_reported = false;
};

const char *const kModes[] = {"game", "bare", "plain"};
enum Mode { Game, Bare, Plain };

int startOnce(int argc, char *argv[], Mode mode, const QString &folder)
{
    QApplication app(argc, argv);
    FirstFrameReporter reporter;
    app.installEventFilter(&reporter);
    if (mode == Game) {
        introduceToDesktop();
        const QTemporaryDir saves; // the slot is never written: nothing closes the window
        return playGame({folder, saves.path() + QLatin1Char('/')});
    }
    DesktopSound sound;
    if (mode == Bare) {
        sound.openMusic(folder + QStringLiteral("bgm.wav"));
        sound.playMusic();
    }
    QWidget window;
    window.resize(512, 683); // the game's size on a 768-pixel screen
    window.show();
    return QApplication::exec();
}

// Milliseconds from starting `mode` until it reports its window; -1 if it never does.
double timeToWindow(const QString &program, const QString &mode, const QString &folder)
{
    QProcess child;
    QElapsedTimer clock;
    clock.start();
    child.start(program, {mode, folder});
    QByteArray out;
    while (!out.contains("window") && child.waitForReadyRead(10000))
        out += child.readAllStandardOutput();
    const double ms = out.contains("window") ? clock.nsecsElapsed() / 1e6 : -1;
    child.waitForFinished();
    return ms;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

void printTimes(const char *what, const std::vector<double> &times)
{
    std::printf("%-44s %10.1f ms (%.1f)\n", what, median(times), *std::min_element(times.begin(), times.end()));
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    for (const Mode mode : {Game, Bare, Plain}) {
        if (argc == 3 && qstrcmp(argv[1], kModes[mode]) == 0)
            return startOnce(argc, argv, mode, QString::fromLocal8Bit(argv[2]));
    }
    if (argc < 2)
        return 2;
    QCoreApplication app(argc, argv);
    const QString folder = QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + QLatin1Char('/');
    const int rounds = argc > 2 ? std::max(1, std::atoi(argv[2])) : 10;
    std::vector<double> times[3];
    for (int round = 0; round < rounds; ++round) {
        // Each goes first in turn.
        for (int turn = 0; turn < 3; ++turn) {
            const int mode = (round + turn) % 3;
            const double ms = timeToWindow(QCoreApplication::applicationFilePath(), QLatin1String(kModes[mode]), folder);
            if (ms < 0) {
                std::fprintf(stderr, "bench_window: no window from the %s start\n", kModes[mode]);
                return 1;
            }
            times[mode].push_back(ms);
        }
    }
    std::printf("start to window, median of %d starts each (fastest):\n", rounds);
    printTimes("  the game (the music set up after it)", times[Game]);
    printTimes("  a bare window setting up the music first", times[Bare]);
    printTimes("  a bare window without sound", times[Plain]);
    std::printf("%-44s %10.2f x\n", "game / bare window with the music", median(times[Game]) / median(times[Bare]));
    return 0;
}
