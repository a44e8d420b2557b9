// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The transfer box: refills, hints, prices and using items.

#include "platform/listbox.h"
#include "testgame.h"

#include <QApplication>
#include <QTest>

using texts::u8;

class TestItems : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestGame> game;
    Fom *fom = nullptr;

    // Fills the box with ten items, the next refill replacing the first.
    void fillBox()
    {
        game->edit([](GameState &state) {
            state.boxItems.clear();
            state.boxPrices.clear();
            for (int i = 0; i < 10; ++i) {
                state.boxItems << u8(texts::itemNames[i % 8]);
                state.boxPrices << QString::number(200 + i);
            }
            state.boxRefillPlace = 10;
            state.money = 5000;
        });
    }
    QString price(int i) const { return listbox::text(fom->LstItemMoney, i); }

private Q_SLOTS:
    void init() { game = TestGame::inFreePlay(); QVERIFY(game); fom = game->fom.get(); }

    // The opening's default draws give n = 1: two items of the first kind at 200 yen.
    void openingShipmentShows()
    {
        QCOMPARE((QStringList{listbox::text(fom->LstItem, 1), price(1)}), (QStringList{u8(texts::itemNames[0]), "200"}));
        QCOMPARE(listbox::count(fom->LstItem), 2);
    }

    void usingTheSelectedItem()
    {
        fillBox();
        listbox::select(fom->LstItem, 7);
        fom->ComItem_Click();
        QCOMPARE(listbox::count(fom->LstItem), 9);
        QCOMPARE(price(7), QStringLiteral("208")); // the price row goes with its item
        QCOMPARE(fom->LblMoney->caption(), QString::number(5000 - 207));
        // Nothing stays selected after a use: a second press buys nothing.
        QCOMPARE(listbox::selected(fom->LstItem), -1);
        fom->ComItem_Click();
        QCOMPARE(fom->LblItem->caption(), u8("アイテムが選ばれていない"));
        game->edit([](GameState &state) { state.money = 0; });
        listbox::select(fom->LstItem, 0);
        fom->ComItem_Click();
        QCOMPARE(fom->LblItem->caption(), u8("お金がたりん"));
        QCOMPARE(listbox::count(fom->LstItem), 9);
    }

    // A click on an item or on its price shows the item's hint; the hint
    // goes when the selected item leaves the box, and only then.
    void hintGoesWithItsItem_data()
    {
        QTest::addColumn<QString>("clicked");
        QTest::addColumn<QString>("then");
        QTest::addColumn<bool>("cleared");
        QTest::newRow("used") << "LstItem" << "use" << true;
        QTest::newRow("price clicked, used") << "LstItemMoney" << "use" << true;
        QTest::newRow("too dear") << "LstItem" << "use too dear" << false;
        QTest::newRow("replaced by a refill") << "LstItem" << "refill" << true;
        QTest::newRow("another replaced") << "LstItem" << "refill after the next" << false;
        QTest::newRow("a new game") << "LstItem" << "new game" << true;
    }
    void hintGoesWithItsItem()
    {
        QFETCH(QString, clicked);
        QFETCH(QString, then);
        QFETCH(bool, cleared);
        fillBox();
        QApplication::processEvents();
        const int row = then.endsWith(QLatin1String("after the next")) ? 1 : 0;
        auto *list = fom->findChild<QListView *>(clicked);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualRect(list->model()->index(row, 0)).center());
        QCOMPARE(fom->LblItem->caption(), u8(texts::itemHints[row]));
        if (then.endsWith(QLatin1String("too dear")))
            game->edit([](GameState &state) { state.money = 0; });
        if (then.startsWith(QLatin1String("use")))
            QTest::mouseClick(fom->ComItem, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        else if (then.startsWith(QLatin1String("refill")))
            fom->model().refillBox();
        else
            fom->model().startScene(SceneKind::Title);
        QCOMPARE(fom->LblItem->caption().isEmpty(), cleared);
    }
};

QTEST_MAIN(TestItems)
#include "test_items.moc"
