// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The transfer box: items sent by the official, their hints, and using them
// on the alien for money.

#include "core/fom.h"
#include "game/texts.h"
#include "platform/listbox.h"
#include "platform/pictures.h"

void Fom::ShowItemHint()
{
    const int row = listbox::selected(LstItem);
    m_hintItem = QPersistentModelIndex(LstItem->model()->index(row, 0));
    const QString hint = GameModel::hintFor(listbox::text(LstItem, row));
    if (!hint.isEmpty())
        LblItem->setCaption(hint);
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
    switch (m_model->useItem(listbox::selected(LstItem))) {
    case GameModel::UseResult::NothingChosen:
        LblItem->setCaption(texts::u8("アイテムが選ばれていない"));
        break;
    case GameModel::UseResult::TooDear:
        LblItem->setCaption(texts::u8("お金がたりん"));
        break;
    case GameModel::UseResult::Used:
        break;
    }
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
