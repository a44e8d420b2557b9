// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The transfer box: refills, hints, prices and using items.

#include "platform/listbox.h"
#include "testgame.h"

#include <QApplication>
#include <QTest>

using texts::u8;
using Moods = std::array<qint16, 4>;

class TestItems : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestGame> game;
    Fom *fom = nullptr;

    // Fills the box with `count` items named after their position, priced
    // from 200 yen up by one yen each.
    void fillBox(int count, int boxCount)
    {
        listbox::clear(fom->LstItem);
        listbox::clear(fom->LstItemMoney);
        for (int i = 0; i < count; ++i) {
            listbox::insert(fom->LstItem, i, fom->ItemName[i % 8]);
            listbox::insert(fom->LstItemMoney, i, QString::number(200 + i));
        }
        fom->BoxCount = static_cast<qint16>(boxCount);
    }
    QString price(int i) const { return listbox::text(fom->LstItemMoney, i); }

private Q_SLOTS:
    void init() { game = TestGame::inFreePlay(); QVERIFY(game); fom = game->fom.get(); fom->Mood = {0, 0, 0, 0}; }

    void refillDrawsAnItemAndAPrice()
    {
        // The opening's default draws give n = 1: two items of the first kind at 200 yen.
        QCOMPARE((QList<int>{fom->LstItem->count(), int(fom->BoxCount)}), (QList<int>{2, 2}));
        QCOMPARE(price(1), QStringLiteral("200"));
        fillBox(0, 0);
        game->random.script({0.99, 0.999}); // the last kind at the top price
        fom->RefillBox();
        QCOMPARE(listbox::text(fom->LstItem, 0), u8("明日の予定"));
        QCOMPARE(price(0), QStringLiteral("999"));
        // A full box replaces from the top.
        fillBox(10, 10);
        game->random.script({0.5, 0.0});
        fom->RefillBox();
        QCOMPARE(fom->LstItem->count(), 10);
        QCOMPARE(listbox::text(fom->LstItem, 0), u8("氷"));
        QCOMPARE((QStringList{price(0), price(1)}), (QStringList{QStringLiteral("200"), QStringLiteral("201")}));
    }

    void usingAnItemMovesTheNextRefill()
    {
        fillBox(10, 3);
        listbox::select(fom->LstItem, 7);
        fom->Money = 5000;
        fom->ComItem_Click();
        QCOMPARE(fom->LstItem->count(), 9);
        QCOMPARE(price(7), QStringLiteral("208")); // the price goes with its item
        QCOMPARE(fom->LblMoney->caption(), QString::number(5000 - 207));
        game->random.script({0.0, 0.5});
        fom->RefillBox(); // into the place the used item freed
        QCOMPARE(fom->LstItem->count(), 9);
        QCOMPARE(price(2), QStringLiteral("600"));
        // Nothing stays selected after a use: a second press buys nothing.
        QCOMPARE(listbox::selected(fom->LstItem), -1);
    }

    void priceAgainstMoney()
    {
        fillBox(2, 2);
        fom->Money = 200;
        listbox::select(fom->LstItem, 1);
        fom->ComItem_Click();
        QCOMPARE(fom->LblItem->caption(), u8("お金がたりん"));
        QCOMPARE(fom->LstItem->count(), 2);
        listbox::select(fom->LstItem, 0);
        fom->ComItem_Click();
        QCOMPARE(fom->Money, 0);
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
        fom->Money = 10000;
        fillBox(8, 8);
        game->random.script({draws[item % 4]});
        listbox::select(fom->LstItem, item);
        fom->ComItem_Click();
        Moods expected{0, 0, 0, 0};
        expected[item % 4] = item < 4 ? amounts[item % 4] : qint16(-amounts[item % 4]);
        QCOMPARE(fom->Mood, expected);
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
        fillBox(10, 10); // the next refill replaces the first item
        QApplication::processEvents();
        const int row = then.endsWith(QLatin1String("after the next")) ? 1 : 0;
        auto *list = fom->findChild<QListWidget *>(clicked);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->visualItemRect(list->item(row)).center());
        QCOMPARE(fom->LblItem->caption(), fom->ItemHint[row]);
        fom->Money = then.endsWith(QLatin1String("too dear")) ? 0 : 5000;
        if (then.startsWith(QLatin1String("use")))
            QTest::mouseClick(fom->ComItem, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        else if (then.startsWith(QLatin1String("refill")))
            fom->RefillBox();
        else
            fom->StartScene(QStringLiteral("stop"));
        QCOMPARE(fom->LblItem->caption().isEmpty(), cleared);
    }
};

QTEST_MAIN(TestItems)
#include "test_items.moc"
