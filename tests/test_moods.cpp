// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The window grid: its unit from the screen, and every control on it.

#include "view/grid.h"
#include "testgame.h"

#include <QScreen>
#include <QTest>

class TestMoods : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestGame> game = std::make_unique<TestGame>();
    GameWindow *gameWindow = nullptr;

private Q_SLOTS:
    void initTestCase() { QVERIFY(game->start()); gameWindow = game->gameWindow.get(); }

    // A replayed ending starts the alien from rest, wherever its motion had
    // taken it.
    void replayStartsTheAlienFromRest()
    {
        gameWindow->placeAlien(7, 3, 86, 97);
        gameWindow->replayEnding(0);
        const GameWindow::AlienPlace &place = gameWindow->alienPlace;
        QCOMPARE(QRectF(place.left, place.top, place.width, place.height), QRectF(0, 0, 100, 100));
    }

    // The preview shows the face and the motion checked in the special menu.
    void previewShowsTheChosenFaceAndMotion()
    {
        gameWindow->faceActions[1]->trigger();
        gameWindow->motionActions[2]->trigger();
        QCOMPARE((QList<int>{gameWindow->model().face(), gameWindow->model().motion()}), (QList<int>{2, 2}));
    }

    void gridFromScreen_data()
    {
        QTest::addColumn<int>("screenHeight");
        QTest::addColumn<QList<int>>("expected"); // unit in twips, window width and height, font points
        QTest::newRow("768 pixels") << 768 << QList<int>{640, 512, 683, 15};
        QTest::newRow("half unit goes to even") << 777 << QList<int>{648, 518, 691, 16};
        QTest::newRow("too tall for 16 bits") << 4000 << QList<int>{3333, 2666, 3555, 62};
    }
    void gridFromScreen()
    {
        QFETCH(int, screenHeight);
        QFETCH(QList<int>, expected);
        const GridMetrics grid = computeGrid(screenHeight, 96.0);
        QCOMPARE((QList<int>{int(grid.unitTwips), grid.windowWidthPixels, grid.windowHeightPixels, grid.baseFontPoints}),
                 expected);
    }

    void controlsSitOnTheGrid()
    {
        const GridMetrics grid = computeGrid(gameWindow->screen()->geometry().height(), gameWindow->screen()->logicalDotsPerInchY());
        QCOMPARE(gameWindow->size(), QSize(grid.windowWidthPixels, grid.windowHeightPixels));
        const QWidget *client = gameWindow->centralWidget();
        const double cellW = client->width() / 12.0, cellH = client->height() / 16.0;
        // Each control's left, top, width and height in grid cells.
        for (auto [control, cells] : {std::pair<QWidget *, QRectF>{gameWindow->alienFrame, {0, 0, 6, 6}}, {gameWindow->messageLine, {0, 6, 12, 2}},
                                      {gameWindow->teachButton, {8, 9, 4, 1}}, {gameWindow->useButton, {11, 2, 1, 4}}}) {
            const QRect r = control->geometry();
            QVERIFY2(qAbs(r.left() - cells.left() * cellW) <= 1 && qAbs(r.top() - cells.top() * cellH) <= 1
                         && qAbs(r.width() - cells.width() * cellW) <= 1 && qAbs(r.height() - cells.height() * cellH) <= 1,
                     qPrintable(control->objectName()));
        }
        QCOMPARE(gameWindow->messageLine->font().pointSize(), grid.baseFontPoints);
    }

};

QTEST_MAIN(TestMoods)
#include "test_moods.moc"
