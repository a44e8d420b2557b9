// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Times Save and Load of a full slot (5001 rows in each word list, ten items
// in the box) through the window, against writing and reading the same bytes
// raw, and Load against reading, checking and decoding the slot alone (the
// lists are views of the game, so handing it the slot should cost little).
// Prints the times and their ratios.

#include "../tests/support/testgame.h"
#include "slot/saveslot.h"
#include "slot/slotstore.h"
#include "game/texts.h"

#include <QApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <limits>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The fastest of `repeats` runs: the other builds and programs on the
// machine only ever slow a run down.
template<typename Work>
double fastestMicros(int repeats, Work work)
{
    qint64 fastest = std::numeric_limits<qint64>::max();
    for (int i = 0; i < repeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        fastest = std::min(fastest, timer.nsecsElapsed());
    }
    return fastest / 1000.0;
}

QString fileIn(const QString &folder, int i, const char *suffix = "")
{
    return folder + QLatin1String(slotfiles::names[i]) + QLatin1String(suffix);
}

// The same bytes as a save, written once each and flushed to the disk: the
// least any save that survives a crash must do.
void writeRaw(const QString &folder, const SlotBytes &bytes)
{
    for (int i = 0; i < slotfiles::count; ++i) {
        const int fd = ::open(QFile::encodeName(fileIn(folder, i, ".raw")).constData(),
                              O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd < 0 || ::write(fd, bytes[i].constData(), bytes[i].size()) != bytes[i].size() || ::fsync(fd) != 0)
            std::abort();
        ::close(fd);
    }
}

qint64 readRaw(const QString &folder)
{
    qint64 total = 0;
    for (int i = 0; i < slotfiles::count; ++i) {
        QFile file(fileIn(folder, i, ".raw"));
        if (!file.open(QIODevice::ReadOnly))
            std::abort();
        total += file.readAll().size();
    }
    return total;
}

void fillTheGame(GameModel &model)
{
    GameState full = model.state();
    for (int k = 0; k < 3; ++k) {
        for (int i = 2; i < 5000; ++i)
            full.words[k].insert(i, QStringLiteral("ことば%1の%2").arg(i).arg(k));
        full.wordCount[k] = 5000;
        full.writeSlot[k] = 4999;
    }
    for (int i = static_cast<int>(full.boxItems.size()); i < 10; ++i) {
        full.boxItems << texts::u8(texts::itemNames[i % 8]);
        full.boxPrices << QString::number(200 + i);
    }
    full.boxRefillPlace = 10;
    model.restore(full);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TestGame game;
    game.start();
    game.playIntoFreePlay();
    GameWindow &gameWindow = *game.gameWindow;
    const QString folder = game.folder.path();
    constexpr int repeats = 20;
    // A new game's slot: what Load costs the window whatever the slot holds.
    gameWindow.gameMenuChosen(0);
    writeRaw(folder, *encodeSlot(gameWindow.currentSlot()));
    const double newGameLoad = fastestMicros(repeats, [&] { gameWindow.gameMenuChosen(1); });
    const double newGameRead = fastestMicros(repeats, [&] { readRaw(folder); });

    fillTheGame(gameWindow.model());
    const SlotBytes bytes = *encodeSlot(gameWindow.currentSlot());
    qint64 size = 0;
    for (const QByteArray &file : bytes)
        size += file.size();

    const double save = fastestMicros(repeats, [&] { gameWindow.gameMenuChosen(0); });
    const double rawWrite = fastestMicros(repeats, [&] { writeRaw(folder, bytes); });
    const double load = fastestMicros(repeats, [&] { gameWindow.gameMenuChosen(1); });
    const double rawRead = fastestMicros(repeats, [&] { readRaw(folder); });
    DiskFileOps disk;
    const double readAndCheck = fastestMicros(repeats, [&] {
        if (!decodeSlot(*SlotStore(disk, folder).load()).slot)
            std::abort();
    });
    const double gather = fastestMicros(repeats, [&] { gameWindow.currentSlot(); });
    const double encode = fastestMicros(repeats, [&] { encodeSlot(gameWindow.currentSlot()); });
    const double store = fastestMicros(repeats, [&] {
        if (!SlotStore(disk, folder).save(bytes))
            std::abort();
    });
    if (!game.dialogs.messages.isEmpty() || gameWindow.model().wordCount(2) != 5000)
        std::abort();

    std::printf("full slot: %lld bytes in six files\n", static_cast<long long>(size));
    std::printf("%-44s %10.1f ms\n", "Save (window to disk)", save / 1000);
    std::printf("%-44s %10.1f ms\n", "raw write of the same bytes, flushed", rawWrite / 1000);
    std::printf("%-44s %10.2f x\n", "Save / raw write", save / rawWrite);
    std::printf("%-44s %10.1f ms\n", "Load (disk to window)", load / 1000);
    std::printf("%-44s %10.3f ms\n", "raw read of the same bytes", rawRead / 1000);
    std::printf("%-44s %10.2f x\n", "Load / raw read", load / rawRead);
    std::printf("%-44s %10.2f ms\n", "reading, checking and decoding alone", readAndCheck / 1000);
    std::printf("%-44s %10.2f ms\n", "  so Load's handing the slot to the game", (load - readAndCheck) / 1000);
    std::printf("%-44s %10.2f x\n", "Load / reading, checking and decoding", load / readAndCheck);
    std::printf("%-44s %10.2f ms\n", "Load of a new game's slot", newGameLoad / 1000);
    std::printf("%-44s %10.3f ms\n", "raw read of a new game's slot", newGameRead / 1000);
    std::printf("%-44s %10.1f ms\n", "Save's building the slot from the game", gather / 1000);
    std::printf("%-44s %10.1f ms\n", "Save's turning the game into bytes", (encode - gather) / 1000);
    std::printf("%-44s %10.1f ms\n", "Save's writing the files all at once", store / 1000);
    return 0;
}
