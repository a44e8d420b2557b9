// Moods, the face and motion they give, the window grid and the animation.

#include "core/grid.h"
#include "testgame.h"

#include <QScreen>
#include <QTest>

class TestMoods : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestGame> game = std::make_unique<TestGame>();

private Q_SLOTS:
    void initTestCase() { QVERIFY(game->start()); }

    void addMood_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<double>("delta");
        QTest::addColumn<int>("expected");
        QTest::newRow("clamps at the top") << 480 << 30.0 << 500;
        QTest::newRow("clamps at the bottom") << -490 << -30.0 << -500;
        QTest::newRow("half goes down to even") << 2 << 0.5 << 2;
        QTest::newRow("half goes up to even") << 3 << 0.5 << 4;
        QTest::newRow("negative half to even") << -2 << -0.5 << -2;
        QTest::newRow("just below the top rounds to it") << 499 << 0.6 << 500;
        QTest::newRow("ordinary fraction") << 10 << 1.7 << 12;
    }
    void addMood()
    {
        QFETCH(int, start);
        QFETCH(double, delta);
        QFETCH(int, expected);
        game->fom->Mood = {0, static_cast<qint16>(start), 0, 0};
        game->fom->AddMood(1, delta);
        QCOMPARE(int(game->fom->Mood[1]), expected);
    }

    void faceAndMotion_data()
    {
        QTest::addColumn<QList<int>>("moods");
        QTest::addColumn<int>("face");
        QTest::addColumn<int>("moveKind");
        QTest::newRow("all calm") << QList<int>{0, 0, 0, 0} << 0 << 0;
        QTest::newRow("tie goes to anger") << QList<int>{40, 40, 0, 0} << 4 << 0;
        QTest::newRow("below 30 stays neutral") << QList<int>{29, 0, 0, 0} << 0 << 0;
        QTest::newRow("30 shows joy") << QList<int>{30, 0, 0, 0} << 2 << 0;
        QTest::newRow("deep low mood moves hard") << QList<int>{10, -120, 0, 0} << 0 << 2;
        QTest::newRow("ease at 50 wobbles vertically") << QList<int>{0, 0, 0, 50} << 8 << 1;
        QTest::newRow("sorrow at 100") << QList<int>{0, 0, 100, 0} << 6 << 2;
        QTest::newRow("low of -99 is still mild") << QList<int>{0, -99, 0, 0} << 0 << 1;
    }
    void faceAndMotion()
    {
        QFETCH(QList<int>, moods);
        QFETCH(int, face);
        QFETCH(int, moveKind);
        Fom &fom = *game->fom;
        fom.Mood = {0, 0, 0, 0};
        fom.AddMood(0, 0);
        for (int i = 0; i < 4; ++i)
            fom.Mood[i] = static_cast<qint16>(moods[i]);
        fom.UpdateFace();
        QCOMPARE(int(fom.Face), face);
        QCOMPARE(int(fom.MoveKind), moveKind);
    }

    void changedMotionRestartsFromRest()
    {
        Fom &fom = *game->fom;
        fom.Mood = {0, 0, 0, 0};
        fom.UpdateFace();
        fom.MoveImg(7, 0, 86, 100);
        fom.AddMood(0, 10); // still motion 0
        QCOMPARE(fom.ImgRect.left, 7.0f);
        fom.AddMood(0, 50); // strength 60: motion 1
        QCOMPARE(fom.ImgRect.left, 0.0f);
        QCOMPARE(fom.ImgRect.width, 100.0f);
    }

    void gridFromScreen_data()
    {
        QTest::addColumn<int>("screenHeight");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("font");
        QTest::newRow("768 pixels") << 768 << 640 << 512 << 683 << 15;
        QTest::newRow("1080 pixels") << 1080 << 900 << 720 << 960 << 20;
        QTest::newRow("half unit goes to even") << 777 << 648 << 518 << 691 << 16;
        QTest::newRow("too tall for 16 bits") << 4000 << 3333 << 2666 << 3555 << 62;
    }
    void gridFromScreen()
    {
        QFETCH(int, screenHeight);
        QFETCH(int, unit);
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(int, font);
        const GridMetrics grid = computeGrid(screenHeight, 96.0);
        QCOMPARE(int(grid.unitTwips), unit);
        QCOMPARE(grid.windowWidthPixels, width);
        QCOMPARE(grid.windowHeightPixels, height);
        QCOMPARE(grid.baseFontPoints, font);
    }

    void controlsSitOnTheGrid()
    {
        Fom &fom = *game->fom;
        const GridMetrics grid = computeGrid(fom.screen()->geometry().height(), fom.screen()->logicalDotsPerInchY());
        QCOMPARE(fom.size(), QSize(grid.windowWidthPixels, grid.windowHeightPixels));
        const QWidget *client = fom.centralWidget();
        const double cellW = client->width() / 12.0, cellH = client->height() / 16.0;
        auto expectAt = [&](QWidget *control, double l, double t, double w, double h) {
            const QRect r = control->geometry();
            QVERIFY2(qAbs(r.left() - l * cellW) <= 1 && qAbs(r.top() - t * cellH) <= 1
                         && qAbs(r.width() - w * cellW) <= 1 && qAbs(r.height() - h * cellH) <= 1,
                     qPrintable(control->objectName()));
        };
        expectAt(fom.Pic, 0, 0, 6, 6);
        expectAt(fom.Lbl, 0, 6, 12, 2);
        expectAt(fom.Txt, 0, 8, 12, 1);
        expectAt(fom.ADD, 8, 9, 4, 1);
        // A word list starts on its cell and keeps its width; its height
        // is cut to whole rows (test_window).
        const QRect words = fom.Lst[2]->geometry();
        QVERIFY(qAbs(words.left() - 8 * cellW) <= 1 && qAbs(words.top() - 10 * cellH) <= 1);
        QVERIFY(qAbs(words.width() - 4 * cellW) <= 1);
        expectAt(fom.ComLstQra[1], 4, 15, 4, 1);
        expectAt(fom.ComItem, 11, 2, 1, 4);
        // The item names and their prices meet and share their rows.
        QCOMPARE(fom.LstItem->geometry().right() + 1, fom.LstItemMoney->geometry().left());
        QCOMPARE(fom.LstItem->geometry().top(), fom.LstItemMoney->geometry().top());
        QCOMPARE(fom.Lbl->font().pointSize(), grid.baseFontPoints);
        QCOMPARE(fom.LblHi->font().pointSize(), grid.baseFontPoints + 2);
        QCOMPARE(fom.Lst[0]->font().pointSize(), grid.baseFontPoints - 3);
    }

    // The picture's place after some ticks of the motion timer: it turns
    // when it has gone past its bounds, before that tick's move.
    void motion_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QRectF>("from");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QRectF>("to");
        QTest::addColumn<int>("step");
        QTest::newRow("sideways, one cycle") << 0 << QRectF(0, 0, 100, 100) << 44 << QRectF(0, 0, 100, 100) << 1;
        QTest::newRow("sideways, widest swing") << 0 << QRectF(0, 0, 100, 100) << 21 << QRectF(21, 0, 58, 100) << 1;
        QTest::newRow("sideways, back past 0") << 0 << QRectF(0, 0, 100, 100) << 43 << QRectF(-1, 0, 102, 100) << -1;
        QTest::newRow("sideways, exactly 20 goes on") << 0 << QRectF(20, 0, 60, 100) << 1 << QRectF(21, 0, 58, 100) << 1;
        QTest::newRow("sideways, past 20 turns") << 0 << QRectF(20, 0, 60, 100) << 2 << QRectF(20, 0, 60, 100) << -1;
        QTest::newRow("vertical resets the sides") << 1 << QRectF(12, 90, 76, 10) << 1 << QRectF(0, 91, 100, 9) << 1;
        QTest::newRow("vertical, past 90 turns") << 1 << QRectF(12, 90, 76, 10) << 2 << QRectF(0, 90, 100, 10) << -1;
        QTest::newRow("whole body") << 2 << QRectF(0, 0, 100, 100) << 1 << QRectF(1, 1, 98, 99) << 1;
    }
    void motion()
    {
        QFETCH(int, kind);
        QFETCH(QRectF, from);
        QFETCH(int, ticks);
        QFETCH(QRectF, to);
        QFETCH(int, step);
        Fom &fom = *game->fom;
        fom.MoveKind = static_cast<qint16>(kind);
        fom.MoveStep = 1;
        fom.MoveImg(from.left(), from.top(), from.width(), from.height());
        for (int tick = 0; tick < ticks; ++tick)
            fom.Tim_Timer();
        const Fom::ImgPlace &place = fom.ImgRect;
        QCOMPARE(QRectF(place.left, place.top, place.width, place.height), to);
        QCOMPARE(int(fom.MoveStep), step);
    }

    void faceFlipsBetweenItsTwoPictures()
    {
        Fom &fom = *game->fom;
        fom.Face = 4;
        fom.FaceFrame = 1;
        fom.Tim2_Timer();
        QCOMPARE(int(fom.FaceFrame), 2);
        QCOMPARE(game->shownPicture(), QStringLiteral("5.bmp"));
        fom.Tim2_Timer();
        QCOMPARE(game->shownPicture(), QStringLiteral("4.bmp"));
    }
};

QTEST_MAIN(TestMoods)
#include "test_moods.moc"
