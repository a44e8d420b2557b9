// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The transfer box: items sent by the official, their hints, and using them
// on the alien for money.

#include "core/fom.h"
#include "core/texts.h"
#include "platform/listbox.h"
#include "platform/pictures.h"

namespace {
constexpr int boxCapacity = 10;
} // namespace

void Fom::RefillBox()
{
    // Once the box is full, new arrivals replace the oldest from the top.
    if (BoxCount >= boxCapacity)
        BoxCount = 0;
    if (!listbox::text(LstItem, BoxCount).isEmpty()) {
        listbox::remove(LstItem, BoxCount);
        listbox::remove(LstItemMoney, BoxCount);
    }
    // Every item can arrive, "明日の予定" included; its price is drawn apart.
    listbox::insert(LstItem, BoxCount, ItemName[drawInt(m_random, texts::itemKinds)]);
    listbox::insert(LstItemMoney, BoxCount, QString::number(drawInt(m_random, 800) + 200));
    ++BoxCount;
}

void Fom::ShowItemHint()
{
    const int row = listbox::selected(LstItem);
    m_hintItem = QPersistentModelIndex(LstItem->model()->index(row, 0));
    const QString selected = listbox::text(LstItem, row);
    for (int i = 0; i < texts::itemKinds; ++i) {
        if (ItemName[i] == selected)
            LblItem->setCaption(ItemHint[i]);
    }
}

void Fom::ClearHintOfGoneItem()
{
    // The hint belongs to the item selected for it: once that has left the
    // box, used, replaced by a refill or cleared with the box, it goes too.
    if (!m_hintItem.isValid())
        LblItem->setCaption(QString());
}

void Fom::LstItem_Click()
{
    listbox::select(LstItemMoney, listbox::selected(LstItem));
    ShowItemHint();
}

void Fom::LstItemMoney_Click()
{
    listbox::select(LstItem, listbox::selected(LstItemMoney));
    ShowItemHint();
}

void Fom::ComItem_Click()
{
    const int s = listbox::selected(LstItem);
    if (s < 0) {
        LblItem->setCaption(texts::u8("アイテムが選ばれていない"));
        PlaySe(3);
        return;
    }
    // A price that cannot be read is refused like one the player cannot afford.
    bool isNumber = false;
    const qint64 price = listbox::text(LstItemMoney, s).toLongLong(&isNumber);
    if (!isNumber || price > Money || price < 0) {
        LblItem->setCaption(texts::u8("お金がたりん"));
        PlaySe(3);
        return;
    }
    const QString name = listbox::text(LstItem, s);
    for (int i = 0; i < texts::itemKinds; ++i) {
        if (ItemName[i] == name) {
            const int amount = drawInt(m_random, 10) + 5;
            AddMood(i % 4, i < 4 ? amount : -amount);
            break;
        }
    }
    if (BoxCount > 0)
        --BoxCount;
    SetMoney(static_cast<qint32>(Money - price));
    listbox::remove(LstItem, s);
    listbox::remove(LstItemMoney, s);
    PlaySe(3);
}

void Fom::ComItem_MouseDown()
{
    ComItem->setPicture(loadPicture(AppPath + QStringLiteral("siyou2.bmp")));
    ComItem->setAppearance(1);
}

void Fom::ComItem_MouseUp()
{
    ComItem->setPicture(loadPicture(AppPath + QStringLiteral("siyou.bmp")));
    ComItem->setAppearance(0);
}

void Fom::SetMoney(qint32 money)
{
    Money = money;
    LblMoney->setCaption(QString::number(Money));
}
