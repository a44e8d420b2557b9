// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The window is laid out once, at start-up: sized from the screen height and
// divided into a grid 12 units wide and 16 high.

#include "core/fom.h"
#include "core/grid.h"
#include "platform/listrows.h"

#include <QApplication>
#include <QMenuBar>

namespace {

constexpr QStringView gameFontFamily = u"ＭＳ Ｐ明朝";

} // namespace

void Fom::PlaceOnGrid(QWidget *control, double left, double top, double width, double height, int fontDelta)
{
    m_grid.append({control, QRectF(left, top, width, height), fontDelta, true});
}

QRectF Fom::GridRect(QWidget *control) const
{
    for (const auto &entry : m_grid) {
        if (entry.control == control)
            return entry.rect;
    }
    return QRectF();
}

void Fom::LayOut(int screenHeightPixels, double dotsPerInch)
{
    const GridMetrics grid = computeGrid(screenHeightPixels, dotsPerInch);
    BaseFontSize = grid.baseFontPoints;
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
    PlaceOnGrid(Pic, 0, 0, 6, 6, 0);
    PlaceOnGrid(LblHi, 6, 0, 2, 1, 2);
    PlaceOnGrid(LblHiKazari, 8, 0, 1, 1, 2);
    PlaceOnGrid(LblMoney, 9, 0, 2, 1, 2);
    PlaceOnGrid(LblMoneyKazari, 11, 0, 1, 1, 2);
    PlaceOnGrid(LblItem, 6, 1, 6, 1, 0);
    PlaceOnGrid(LstItem, 6, 2, 3.5, 4, -3);
    PlaceOnGrid(LstItemMoney, 9.5, 2, 1.5, 4, -3);
    PlaceOnGrid(ComItem, 11, 2, 1, 4, 0);
    PlaceOnGrid(Lbl, 0, 6, 12, 2, 0);
    PlaceOnGrid(ShpCli, 11, 7, 1, 1, -3);
    PlaceOnGrid(Txt, 0, 8, 12, 1, 0);
    for (int i = 0; i < 3; ++i)
        PlaceOnGrid(Opt[i], 2 * i, 9, 2, 1, -3);
    PlaceOnGrid(Chk, 6, 9, 2, 1, -3);
    PlaceOnGrid(ADD, 8, 9, 4, 1, 0);
    for (int i = 0; i < 3; ++i) {
        PlaceOnGrid(Lst[i], 4 * i, 10, 4, 5, -3);
        PlaceOnGrid(ComLstQra[i], 4 * i, 15, 4, 1, 0);
    }

    for (const auto &entry : m_grid) {
        const QRectF &r = entry.rect;
        const int left = qRound(r.left() * cellWidth);
        const int top = qRound(r.top() * cellHeight);
        entry.control->setGeometry(left, top, qRound(r.right() * cellWidth) - left,
                                   qRound(r.bottom() * cellHeight) - top);
        // The prompt keeps the desktop's own font; everything else is Mincho.
        QFont font = entry.control == ShpCli ? QApplication::font() : QFont(gameFontFamily.toString());
        font.setPointSize(BaseFontSize + entry.fontDelta);
        entry.control->setFont(font);
    }

    // Like classic list boxes, the lists show no half row above the buttons.
    for (QListView *list : {Lst[0], Lst[1], Lst[2], LstItem, LstItemMoney})
        listrows::showWholeRows(list);

    // Inside the picture box: its own 100 x 100 system.
    QFont hintFont(gameFontFamily.toString());
    hintFont.setPointSize(BaseFontSize - 3);
    LblQstKazari->setFont(hintFont);
    LblQstKazari->adjustSize();
    Pic->place(Img, QRectF(ImgRect.left, ImgRect.top, ImgRect.width, ImgRect.height));
    Pic->place(Shp, QRectF(0, 0, 100, 100));
    Pic->place(LblQstKazari, QRectF(0, 0, 0, 0));
}
