// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The window grid and the animation of the alien's face and motion.

#include "core/grid.h"
#include "testgame.h"

#include <QScreen>
#include <QTest>

struct Motion { int kind; QRectF from; int ticks; QRectF to; int step; };

class TestMoods : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestGame> game = std::make_unique<TestGame>();
    Fom *fom = nullptr;

private Q_SLOTS:
    void initTestCase() { QVERIFY(game->start()); fom = game->fom.get(); }

    // The model tells of a new motion; the picture then starts it from rest.
    void newMotionStartsFromRest()
    {
        game->edit([](GameState &state) { state.moods = {0, 0, 0, 0}; state.motion = 0; });
        fom->MoveImg(7, 0, 86, 100);
        fom->model().addMood(Joy, 40); // still the calm motion
        QCOMPARE(fom->ImgRect.left, 7.0f);
        fom->model().addMood(Joy, 20);
        QCOMPARE(fom->model().motion(), 1);
        QCOMPARE(fom->ImgRect.left, 0.0f);
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
        const GridMetrics grid = computeGrid(fom->screen()->geometry().height(), fom->screen()->logicalDotsPerInchY());
        QCOMPARE(fom->size(), QSize(grid.windowWidthPixels, grid.windowHeightPixels));
        const QWidget *client = fom->centralWidget();
        const double cellW = client->width() / 12.0, cellH = client->height() / 16.0;
        // Each control's left, top, width and height in grid cells.
        for (auto [control, cells] : {std::pair<QWidget *, QRectF>{fom->Pic, {0, 0, 6, 6}}, {fom->Lbl, {0, 6, 12, 2}},
                                      {fom->ADD, {8, 9, 4, 1}}, {fom->ComItem, {11, 2, 1, 4}}}) {
            const QRect r = control->geometry();
            QVERIFY2(qAbs(r.left() - cells.left() * cellW) <= 1 && qAbs(r.top() - cells.top() * cellH) <= 1
                         && qAbs(r.width() - cells.width() * cellW) <= 1 && qAbs(r.height() - cells.height() * cellH) <= 1,
                     qPrintable(control->objectName()));
        }
        QCOMPARE(fom->Lbl->font().pointSize(), grid.baseFontPoints);
    }

    // The picture's place after some ticks of the motion timer: it turns
    // when it has gone past its bounds, before that tick's move.
    void motion_data()
    {
        QTest::addColumn<Motion>("motion");
        const QRectF rest(0, 0, 100, 100);
        QTest::newRow("sideways, one cycle") << Motion{0, rest, 44, rest, 1};
        QTest::newRow("sideways, exactly 20 goes on") << Motion{0, {20, 0, 60, 100}, 1, {21, 0, 58, 100}, 1};
        QTest::newRow("sideways, past 20 turns") << Motion{0, {20, 0, 60, 100}, 2, {20, 0, 60, 100}, -1};
        QTest::newRow("vertical resets the sides") << Motion{1, {12, 90, 76, 10}, 1, {0, 91, 100, 9}, 1};
        QTest::newRow("vertical, past 90 turns") << Motion{1, {12, 90, 76, 10}, 2, {0, 90, 100, 10}, -1};
        QTest::newRow("whole body") << Motion{2, rest, 1, {1, 1, 98, 99}, 1};
    }
    void motion()
    {
        QFETCH(Motion, motion);
        game->edit([&](GameState &state) { state.motion = static_cast<qint16>(motion.kind); });
        fom->MoveStep = 1;
        fom->MoveImg(motion.from.left(), motion.from.top(), motion.from.width(), motion.from.height());
        for (int tick = 0; tick < motion.ticks; ++tick)
            fom->Tim_Timer();
        const Fom::ImgPlace &place = fom->ImgRect;
        QCOMPARE(QRectF(place.left, place.top, place.width, place.height), motion.to);
        QCOMPARE(int(fom->MoveStep), motion.step);
    }

    void faceFlipsBetweenItsTwoPictures()
    {
        game->edit([](GameState &state) { state.face = 4; });
        fom->FaceFrame = 1;
        fom->Tim2_Timer();
        QCOMPARE(game->shownPicture(), QStringLiteral("5.bmp"));
        fom->Tim2_Timer();
        QCOMPARE(game->shownPicture(), QStringLiteral("4.bmp"));
    }
};

QTEST_MAIN(TestMoods)
#include "test_moods.moc"
