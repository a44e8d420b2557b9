// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The transfer box: items sent by the official, their hints, and using them
// on the alien for money.

#include "view/gamewindow.h"
#include "game/texts.h"
#include "widgets/listbox.h"
#include "widgets/pictures.h"

void GameWindow::showItemHint()
{
    const int row = listbox::selected(itemList);
    m_hintItem = QPersistentModelIndex(itemList->model()->index(row, 0));
    const QString hint = GameModel::hintFor(listbox::text(itemList, row));
    if (!hint.isEmpty())
        itemHint->setCaption(hint);
}

void GameWindow::clearHintOfGoneItem()
{
    // The hint belongs to the item selected for it: once that has left the
    // box, used, replaced by a refill or cleared with the box, it goes too.
    if (!m_hintItem.isValid())
        itemHint->setCaption(QString());
}

void GameWindow::itemListClicked()
{
    listbox::select(priceList, listbox::selected(itemList));
    showItemHint();
}

void GameWindow::priceListClicked()
{
    listbox::select(itemList, listbox::selected(priceList));
    showItemHint();
}

void GameWindow::useClicked()
{
    switch (m_model->useItem(listbox::selected(itemList))) {
    case GameModel::UseResult::NothingChosen:
        itemHint->setCaption(texts::u8("アイテムが選ばれていない"));
        break;
    case GameModel::UseResult::TooDear:
        itemHint->setCaption(texts::u8("お金がたりん"));
        break;
    case GameModel::UseResult::Used:
        break;
    }
    playEffect(3);
}

void GameWindow::usePressed()
{
    useButton->setPicture(loadPicture(appPath + QStringLiteral("siyou2.bmp")));
    useButton->setAppearance(1);
}

void GameWindow::useReleased()
{
    useButton->setPicture(loadPicture(appPath + QStringLiteral("siyou.bmp")));
    useButton->setAppearance(0);
}
