// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// recovery_cost: the CPU time one write of the recovery copy takes, for a
// game well under way (300 words in each list, a full box) and for the
// largest slot there is (5000 in each). The game writes one at most every
// 10 s; bench/idle_cpu.sh sets the figure against the idle game's CPU.

#include "../tests/support/testgame.h"

#include <QApplication>

#include <sys/resource.h>

#include <cstdio>

namespace {

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Milliseconds of CPU for one write, over `writes` of them.
double writeCost(GameWindow &gameWindow, int writes)
{
    const double before = cpuSeconds();
    for (int i = 0; i < writes; ++i) {
        gameWindow.recoveryPause->stop(); // each pass is a day after the cool-down
        gameWindow.keepRecoveryCopy();
    }
    return (cpuSeconds() - before) * 1000 / writes;
}

void teach(TestGame &game, int wordsPerList)
{
    GameWindow &gameWindow = *game.gameWindow;
    for (int k = 0; k < 3; ++k) {
        gameWindow.chooseWordClass(k);
        for (int i = gameWindow.model().wordCount(k); i < wordsPerList; ++i) {
            gameWindow.wordEntry->setText(QStringLiteral("ことば%1の%2").arg(k).arg(i));
            gameWindow.teachTypedWord();
        }
    }
    while (gameWindow.model().boxSize() < 10)
        gameWindow.model().refillBox();
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    auto game = TestGame::inFreePlay();
    if (!game)
        return 1;
    for (int words : {300, 5000}) {
        teach(*game, words);
        std::printf("recovery: %.3f ms CPU per write of a slot of %d words per list\n", writeCost(*game->gameWindow, 50),
                    words);
    }
    return 0;
}
