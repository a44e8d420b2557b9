// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Times the work a player can make the game do in one go: teaching into a
// full word list (the duplicate scan reads every word), the alien's
// sentences, a whole month of days with its report, and start-up itself.
// Prints one line per figure.

#include "../tests/support/testgame.h"
#include "widgets/listbox.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {

template<typename Work>
void measure(const char *what, int repeats, Work work)
{
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < repeats; ++i)
        work(i);
    const double micros = timer.nsecsElapsed() / 1000.0 / repeats;
    std::printf("%-44s %10.1f us\n", what, micros);
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    measure("start-up (load pictures, teach, lay out)", 20, [](int) {
        TestGame game;
        game.start();
    });

    TestGame game;
    game.start();
    game.playIntoFreePlay();
    GameWindow &gameWindow = *game.gameWindow;
    game.edit([](GameState &state) {
        for (int i = 2; i < 5000; ++i)
            state.words[Noun].insert(i, QStringLiteral("word%1").arg(i));
        state.wordCount[Noun] = 5000;
        state.writeSlot[Noun] = 2;
    });
    gameWindow.chooseWordClass(0);
    measure("teach a word into a full list of 5000", 500, [&](int i) {
        gameWindow.wordEntry->setText(QStringLiteral("new%1").arg(i));
        gameWindow.teachTypedWord();
    });
    measure("refuse a duplicate at the end of a full list", 500, [&](int) {
        gameWindow.wordEntry->setText(QStringLiteral("word4999"));
        gameWindow.teachTypedWord();
    });
    game.random.fallback = 0.37;
    measure("one alien sentence", 20000, [&](int) { gameWindow.model().answerScene(GameModel::Answer::Yes); });
    measure("one animation tick (motion and face)", 20000, [&](int) {
        gameWindow.moveAlien();
        gameWindow.flipFace();
    });
    measure("30 days and the monthly report", 50, [&](int) {
        game.edit([](GameState &state) { state.day = 0; });
        while (gameWindow.model().scene().kind == SceneKind::FreePlay)
            gameWindow.model().clockElapsed(GameClock::Day);
        while (gameWindow.model().scene().kind == SceneKind::Report)
            game.click();
    });
    return 0;
}
