// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// A middle-aged official in a dark suit, posing in front of the flag in his office.

#include "official.h"

#include "canvas.h"

#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor kSkin(242, 204, 170);
const QColor kSkinShade(214, 168, 132);
const QColor kHair(78, 76, 80);
const QColor kLine(44, 32, 30);

QPen pen(QColor colour, qreal width) { return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

void paintOffice(QPainter &p)
{
    paintSky(p, QRectF(0, 0, 192, 192), QColor(226, 214, 186), QColor(196, 178, 146));
    p.fillRect(QRectF(0, 128, 192, 64), QColor(120, 76, 44));  // wood panelling
    p.setPen(pen(QColor(90, 54, 30), 1.5));
    for (int x = 8; x < 192; x += 24)
        p.drawLine(QPointF(x, 128), QPointF(x, 192));
    // window blinds on the right
    p.setPen(pen(QColor(150, 140, 120), 2));
    p.setBrush(QColor(200, 225, 245));
    p.drawRect(QRectF(146, 14, 40, 56));
    for (int y = 20; y < 70; y += 6)
        p.drawLine(QPointF(147, y), QPointF(185, y));
}

void paintFlag(QPainter &p)
{
    p.setPen(pen(QColor(150, 110, 40), 3));
    p.drawLine(QPointF(20, 192), QPointF(20, 12));
    p.setBrush(QColor(230, 190, 70));
    p.drawEllipse(QPointF(20, 10), 4, 4);
    QPainterPath cloth(QPointF(21, 16));
    cloth.cubicTo(QPointF(40, 10), QPointF(56, 22), QPointF(74, 16));
    cloth.lineTo(QPointF(72, 88));
    cloth.cubicTo(QPointF(56, 94), QPointF(40, 82), QPointF(21, 88));
    cloth.closeSubpath();
    p.setPen(pen(QColor(160, 150, 140), 1.5));
    p.setBrush(QColor(252, 250, 246));
    p.drawPath(cloth);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(210, 30, 50));
    p.drawEllipse(QPointF(47, 52), 13, 13);
}

void paintSuit(QPainter &p)
{
    QPainterPath jacket(QPointF(18, 192));
    jacket.cubicTo(QPointF(22, 160), QPointF(40, 146), QPointF(82, 136));
    jacket.lineTo(QPointF(126, 136));
    jacket.cubicTo(QPointF(168, 146), QPointF(186, 160), QPointF(190, 192));
    jacket.closeSubpath();
    QLinearGradient cloth(QPointF(0, 136), QPointF(0, 192));
    cloth.setColorAt(0, QColor(62, 66, 84));
    cloth.setColorAt(1, QColor(34, 36, 50));
    p.setPen(pen(QColor(20, 20, 30), 2.5));
    p.setBrush(cloth);
    p.drawPath(jacket);

    QPolygonF shirt;
    shirt << QPointF(86, 134) << QPointF(122, 134) << QPointF(104, 186);
    p.setBrush(Qt::white);
    p.drawPolygon(shirt);
    QPolygonF tie;
    tie << QPointF(98, 142) << QPointF(110, 142) << QPointF(114, 184) << QPointF(104, 192) << QPointF(94, 184);
    p.setBrush(QColor(176, 28, 44));
    p.drawPolygon(tie);
    p.drawPolygon(QPolygonF({QPointF(97, 134), QPointF(111, 134), QPointF(109, 143), QPointF(99, 143)}));
    p.setPen(pen(QColor(240, 200, 90), 2));  // stripes on the tie
    for (int y = 152; y < 188; y += 10)
        p.drawLine(QPointF(97, y), QPointF(112, y - 6));

    p.setPen(pen(QColor(20, 20, 30), 2.5));  // lapels
    p.setBrush(QColor(48, 52, 70));
    p.drawPolygon(QPolygonF({QPointF(82, 136), QPointF(92, 136), QPointF(104, 188), QPointF(74, 158)}));
    p.drawPolygon(QPolygonF({QPointF(126, 136), QPointF(116, 136), QPointF(104, 188), QPointF(134, 158)}));
    p.setBrush(QColor(240, 200, 70));  // the party badge
    p.setPen(pen(QColor(140, 100, 20), 1.2));
    p.drawEllipse(QPointF(126, 160), 3.5, 3.5);
}

void paintHead(QPainter &p)
{
    p.setPen(pen(kLine, 2));
    p.setBrush(kSkin);
    p.drawRect(QRectF(91, 116, 26, 22));             // neck
    p.setBrush(kHair);                               // grey tufts stick out at the sides
    p.drawEllipse(QPointF(75, 74), 7, 13);
    p.drawEllipse(QPointF(133, 74), 7, 13);
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(73, 92), 7, 11);           // ears
    p.drawEllipse(QPointF(135, 92), 7, 11);
    p.drawEllipse(QPointF(104, 86), 31, 38);         // face
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 120));          // a shiny bald crown
    p.drawEllipse(QPointF(116, 58), 8, 4);
    p.setPen(pen(kHair, 1.8));                       // the famous comb-over
    for (int i = 0; i < 3; ++i) {
        QPainterPath strand(QPointF(76, 68 - i * 4));
        strand.cubicTo(QPointF(86, 50 - i * 3), QPointF(116, 46 + i * 2), QPointF(130, 60 + i * 4));
        p.drawPath(strand);
    }
}

void paintFace(QPainter &p)
{
    p.setPen(pen(kHair, 4));  // bushy brows
    p.drawLine(QPointF(84, 76), QPointF(99, 78));
    p.drawLine(QPointF(109, 78), QPointF(124, 76));
    p.setPen(Qt::NoPen);
    p.setBrush(kLine);
    p.drawEllipse(QPointF(92, 88), 2.5, 2.5);
    p.drawEllipse(QPointF(116, 88), 2.5, 2.5);

    p.setPen(pen(QColor(30, 30, 36), 2.5));  // glasses
    p.setBrush(QColor(180, 220, 255, 70));
    p.drawRoundedRect(QRectF(81, 80, 22, 16), 5, 5);
    p.drawRoundedRect(QRectF(105, 80, 22, 16), 5, 5);
    p.drawLine(QPointF(103, 86), QPointF(105, 86));
    p.drawLine(QPointF(81, 85), QPointF(74, 84));
    p.drawLine(QPointF(127, 85), QPointF(134, 84));

    p.setPen(pen(kSkinShade, 2.2));  // nose and age lines
    p.drawArc(QRectF(99, 92, 10, 14), 200 * 16, 140 * 16);
    p.drawLine(QPointF(88, 104), QPointF(84, 118));
    p.drawLine(QPointF(120, 104), QPointF(124, 118));
    p.drawLine(QPointF(96, 66), QPointF(112, 66));

    QPainterPath moustache(QPointF(104, 106));
    moustache.cubicTo(QPointF(96, 102), QPointF(84, 106), QPointF(82, 116));
    moustache.cubicTo(QPointF(90, 112), QPointF(98, 114), QPointF(104, 111));
    moustache.cubicTo(QPointF(110, 114), QPointF(118, 112), QPointF(126, 116));
    moustache.cubicTo(QPointF(124, 106), QPointF(112, 102), QPointF(104, 106));
    p.setPen(pen(QColor(40, 36, 36), 1.5));
    p.setBrush(QColor(70, 64, 62));
    p.drawPath(moustache);
    p.setPen(pen(kLine, 2));
    p.drawLine(QPointF(98, 119), QPointF(110, 119));
}

}  // namespace

QImage officialPicture()
{
    QImage image = newBoxPicture();
    QPainter p(&image);
    paintInDesignUnits(p);
    paintOffice(p);
    paintFlag(p);
    paintSuit(p);
    paintHead(p);
    paintFace(p);
    return image;
}
