// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The game's rules on the model alone: no window, no pictures.

#include "game/gamemodel.h"
#include "game/texts.h"
#include "scriptedrandom.h"

#include <QSignalSpy>
#include <QTest>

using Moods = std::array<qint16, 4>;
using texts::u8;
struct MoodStep { qint16 start; double delta; int expected; };

class TestGameModel : public QObject
{
    Q_OBJECT
    ScriptedRandom random;
    std::unique_ptr<GameModel> model;

    void setMoods(const Moods &moods)
    {
        GameState state = model->state();
        state.moods = moods;
        model->restore(state);
    }

    // Fills the box with `count` items of the kinds in order, priced from
    // 200 yen up by one yen each; the next arrival goes to `refillPlace`.
    void fillBox(int count, int refillPlace, qint32 money = 0)
    {
        GameState state = model->state();
        state.boxItems.clear();
        state.boxPrices.clear();
        for (int i = 0; i < count; ++i) {
            state.boxItems << texts::u8(texts::itemNames[i % 8]);
            state.boxPrices << QString::number(200 + i);
        }
        state.boxRefillPlace = static_cast<qint16>(refillPlace);
        state.money = money;
        model->restore(state);
    }

private Q_SLOTS:
    void init()
    {
        random.script({});
        random.fallback = 0.0;
        model = std::make_unique<GameModel>(random);
    }

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
        setMoods({0, step.start, 0, 0});
        model->addMood(Anger, step.delta);
        QCOMPARE(model->mood(Anger), step.expected);
    }

    // The strongest mood from 30 up picks the face; the strongest pull, up
    // or down, picks the motion, and a new motion is told so it starts from rest.
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
        setMoods(moods);
        QSignalSpy restarted(model.get(), &GameModel::motionRestarted);
        model->addMood(Joy, 0); // the face follows any change of mood
        QCOMPARE((QList<int>{model->face(), model->motion()}), faceAndMotion);
        QCOMPARE(restarted.count(), faceAndMotion[1] == 0 ? 0 : 1);
    }

    void refillDrawsAnItemAndAPrice()
    {
        fillBox(0, 0);
        random.script({0.99, 0.999}); // the last kind at the top price
        model->refillBox();
        QCOMPARE((QStringList{model->item(0), model->price(0)}), (QStringList{u8("明日の予定"), "999"}));
        // A full box replaces from the top.
        fillBox(10, 10);
        random.script({0.5, 0.0});
        QSignalSpy removed(model.get(), &GameModel::itemRemoved);
        model->refillBox();
        QCOMPARE(model->boxSize(), 10);
        QCOMPARE(removed.count(), 1);
        QCOMPARE((QStringList{model->item(0), model->price(0), model->price(1)}), (QStringList{u8("氷"), "200", "201"}));
    }

    // The official's shipment: 2 to 6 items.
    void shipmentSize_data()
    {
        QTest::addColumn<double>("draw");
        QTest::addColumn<int>("items");
        QTest::newRow("fewest") << 0.0 << 2;
        QTest::newRow("most") << 0.99 << 6;
    }
    void shipmentSize()
    {
        QFETCH(double, draw);
        QFETCH(int, items);
        random.script({draw});
        model->receiveShipment();
        QCOMPARE(model->boxSize(), items);
    }

    void usingAnItemFreesItsPlaceForTheNextRefill()
    {
        fillBox(10, 3, 5000);
        QCOMPARE(model->useItem(7), GameModel::UseResult::Used);
        QCOMPARE(model->boxSize(), 9);
        QCOMPARE(model->price(7), QStringLiteral("208")); // the price goes with its item
        QCOMPARE(model->money(), 5000 - 207);
        random.script({0.0, 0.5});
        model->refillBox(); // over the item now in the place the used one freed
        QCOMPARE(model->boxSize(), 9);
        QCOMPARE(model->price(2), QStringLiteral("600"));
    }

    void priceAgainstMoney_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("moneyAfter");
        QTest::newRow("nothing chosen") << -1 << int(GameModel::UseResult::NothingChosen) << 200;
        QTest::newRow("one yen short") << 1 << int(GameModel::UseResult::TooDear) << 200;
        QTest::newRow("every last yen") << 0 << int(GameModel::UseResult::Used) << 0;
    }
    void priceAgainstMoney()
    {
        QFETCH(int, row);
        QFETCH(int, result);
        QFETCH(int, moneyAfter);
        fillBox(2, 2, 200);
        QCOMPARE(int(model->useItem(row)), result);
        QCOMPARE(model->money(), moneyAfter);
        QCOMPARE(model->boxSize(), moneyAfter == 0 ? 1 : 2);
    }

    // Items 0..3 raise joy, anger, sorrow, ease by 5..14; items 4..7 lower them.
    void effectsOfItems_data()
    {
        QTest::addColumn<int>("item");
        for (int item = 0; item < 8; ++item)
            QTest::addRow("%d", item) << item;
    }
    void effectsOfItems()
    {
        QFETCH(int, item);
        const double draws[4] = {0.0, 0.99, 0.5, 0.2};
        const qint16 amounts[4] = {5, 14, 10, 7};
        fillBox(8, 8, 10000);
        random.script({draws[item % 4]});
        model->useItem(item);
        Moods expected{0, 0, 0, 0};
        expected[item % 4] = item < 4 ? amounts[item % 4] : qint16(-amounts[item % 4]);
        QCOMPARE(model->state().moods, expected);
    }
};

QTEST_GUILESS_MAIN(TestGameModel)
#include "test_gamemodel.moc"
