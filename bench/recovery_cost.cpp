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
double writeCost(Fom &fom, int writes)
{
    const double before = cpuSeconds();
    for (int i = 0; i < writes; ++i) {
        fom.RecoveryCooldown->stop(); // each pass is a day after the cool-down
        fom.KeepRecoveryCopy();
    }
    return (cpuSeconds() - before) * 1000 / writes;
}

void teach(TestGame &game, int wordsPerList)
{
    Fom &fom = *game.fom;
    for (int k = 0; k < 3; ++k) {
        fom.Opt_Click(k);
        for (int i = fom.model().wordCount(k); i < wordsPerList; ++i) {
            fom.Txt->setText(QStringLiteral("ことば%1の%2").arg(k).arg(i));
            fom.TeachWord();
        }
    }
    while (fom.model().boxSize() < 10)
        fom.model().refillBox();
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
        std::printf("recovery: %.3f ms CPU per write of a slot of %d words per list\n", writeCost(*game->fom, 50),
                    words);
    }
    return 0;
}
