// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The window is laid out once, at start-up: sized from the screen height and
// divided into a grid 12 units wide and 16 high.

#include "view/gamewindow.h"
#include "view/grid.h"
#include "widgets/listrows.h"

#include <QApplication>
#include <QMenuBar>

namespace {

constexpr QStringView gameFontFamily = u"ＭＳ Ｐ明朝";

} // namespace

void GameWindow::placeOnGrid(QWidget *control, double left, double top, double width, double height, int fontDelta)
{
    m_grid.append({control, QRectF(left, top, width, height), fontDelta, true});
}

QRectF GameWindow::gridRect(QWidget *control) const
{
    for (const auto &entry : m_grid) {
        if (entry.control == control)
            return entry.rect;
    }
    return QRectF();
}

void GameWindow::layOut(int screenHeightPixels, double dotsPerInch)
{
    const GridMetrics grid = computeGrid(screenHeightPixels, dotsPerInch);
    baseFontSize = grid.baseFontPoints;
    setFixedSize(grid.windowWidthPixels, grid.windowHeightPixels);

    // The client area is what the menu bar leaves of the window.
    const int clientWidth = grid.windowWidthPixels;
    const int clientHeight = grid.windowHeightPixels - menuBar()->sizeHint().height();
    m_client->setFixedSize(clientWidth, clientHeight);
    const double cellWidth = clientWidth / 12.0;
    const double cellHeight = clientHeight / 16.0;

    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    m_client->setPalette(palette);
    m_client->setAutoFillBackground(true);

    m_grid.clear();
    placeOnGrid(alienFrame, 0, 0, 6, 6, 0);
    placeOnGrid(dayLabel, 6, 0, 2, 1, 2);
    placeOnGrid(dayUnit, 8, 0, 1, 1, 2);
    placeOnGrid(moneyLabel, 9, 0, 2, 1, 2);
    placeOnGrid(moneyUnit, 11, 0, 1, 1, 2);
    placeOnGrid(itemHint, 6, 1, 6, 1, 0);
    placeOnGrid(itemList, 6, 2, 3.5, 4, -3);
    placeOnGrid(priceList, 9.5, 2, 1.5, 4, -3);
    placeOnGrid(useButton, 11, 2, 1, 4, 0);
    placeOnGrid(messageLine, 0, 6, 12, 2, 0);
    placeOnGrid(clickPrompt, 11, 7, 1, 1, -3);
    placeOnGrid(wordEntry, 0, 8, 12, 1, 0);
    for (int i = 0; i < 3; ++i)
        placeOnGrid(wordClassOptions[i], 2 * i, 9, 2, 1, -3);
    placeOnGrid(overwriteCheck, 6, 9, 2, 1, -3);
    placeOnGrid(teachButton, 8, 9, 4, 1, 0);
    for (int i = 0; i < 3; ++i) {
        placeOnGrid(wordLists[i], 4 * i, 10, 4, 5, -3);
        placeOnGrid(forgetButtons[i], 4 * i, 15, 4, 1, 0);
    }

    for (const auto &entry : m_grid) {
        const QRectF &r = entry.rect;
        const int left = qRound(r.left() * cellWidth);
        const int top = qRound(r.top() * cellHeight);
        entry.control->setGeometry(left, top, qRound(r.right() * cellWidth) - left,
                                   qRound(r.bottom() * cellHeight) - top);
        // The prompt keeps the desktop's own font; everything else is Mincho.
        QFont font = entry.control == clickPrompt ? QApplication::font() : QFont(gameFontFamily.toString());
        font.setPointSize(baseFontSize + entry.fontDelta);
        entry.control->setFont(font);
    }

    // Like classic list boxes, the lists show no half row above the buttons.
    for (QListView *list : {wordLists[0], wordLists[1], wordLists[2], itemList, priceList})
        listrows::showWholeRows(list);

    // Inside the picture box: its own 100 x 100 system.
    QFont hintFont(gameFontFamily.toString());
    hintFont.setPointSize(baseFontSize - 3);
    questionHint->setFont(hintFont);
    questionHint->adjustSize();
    alienFrame->place(alienPicture, QRectF(alienPlace.left, alienPlace.top, alienPlace.width, alienPlace.height));
    alienFrame->place(alienTint, QRectF(0, 0, 100, 100));
    alienFrame->place(questionHint, QRectF(0, 0, 0, 0));
}
