// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Moods, the face and motion they give, the window grid and the animation.

#include "core/grid.h"
#include "testgame.h"

#include <QScreen>
#include <QTest>

using Moods = std::array<qint16, 4>;
struct MoodStep { qint16 start; double delta; int expected; };
struct Motion { int kind; QRectF from; int ticks; QRectF to; int step; };

class TestMoods : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestGame> game = std::make_unique<TestGame>();
    Fom *fom = nullptr;

private Q_SLOTS:
    void initTestCase() { QVERIFY(game->start()); fom = game->fom.get(); }

    void addMood_data()
    {
        QTest::addColumn<MoodStep>("step");
        QTest::newRow("clamps at the top") << MoodStep{480, 30.0, 500};
        QTest::newRow("clamps at the bottom") << MoodStep{-490, -30.0, -500};
        QTest::newRow("half goes down to even") << MoodStep{2, 0.5, 2};
        QTest::newRow("half goes up to even") << MoodStep{3, 0.5, 4};
        QTest::newRow("just below the top rounds to it") << MoodStep{499, 0.6, 500};
    }
    void addMood()
    {
        QFETCH(MoodStep, step);
        fom->Mood = {0, step.start, 0, 0};
        fom->AddMood(1, step.delta);
        QCOMPARE(int(fom->Mood[1]), step.expected);
    }

    // The strongest mood from 30 up picks the face; the strongest pull, up
    // or down, picks the motion, and a new motion starts from rest.
    void faceAndMotion_data()
    {
        QTest::addColumn<Moods>("moods");
        QTest::addColumn<QList<int>>("faceAndMotion");
        QTest::newRow("tie goes to anger") << Moods{40, 40, 0, 0} << QList<int>{4, 0};
        QTest::newRow("below 30 stays neutral") << Moods{29, 0, 0, 0} << QList<int>{0, 0};
        QTest::newRow("30 shows joy") << Moods{30, 0, 0, 0} << QList<int>{2, 0};
        QTest::newRow("deep low mood moves hard") << Moods{10, -120, 0, 0} << QList<int>{0, 2};
        QTest::newRow("ease at 50 wobbles vertically") << Moods{0, 0, 0, 50} << QList<int>{8, 1};
        QTest::newRow("sorrow at 100") << Moods{0, 0, 100, 0} << QList<int>{6, 2};
        QTest::newRow("low of -99 is still mild") << Moods{0, -99, 0, 0} << QList<int>{0, 1};
    }
    void faceAndMotion()
    {
        QFETCH(Moods, moods);
        QFETCH(QList<int>, faceAndMotion);
        const int motionBefore = fom->MoveKind;
        fom->MoveImg(7, 0, 86, 100);
        fom->Mood = moods;
        fom->UpdateFace();
        QCOMPARE((QList<int>{fom->Face, fom->MoveKind}), faceAndMotion);
        QCOMPARE(fom->ImgRect.left, fom->MoveKind == motionBefore ? 7.0f : 0.0f);
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
        fom->MoveKind = static_cast<qint16>(motion.kind);
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
        fom->Face = 4;
        fom->FaceFrame = 1;
        fom->Tim2_Timer();
        QCOMPARE(game->shownPicture(), QStringLiteral("5.bmp"));
        fom->Tim2_Timer();
        QCOMPARE(game->shownPicture(), QStringLiteral("4.bmp"));
    }
};

QTEST_MAIN(TestMoods)
#include "test_moods.moc"
