// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "props.h"

#include "alien.h"
#include "canvas.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {
const QColor kLine(30, 24, 48);

QPen linePen(qreal width, QColor colour = kLine)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}
}  // namespace

void paintSparkle(QPainter &p, QPointF c, qreal size, QColor colour)
{
    const qreal w = size * 0.22;
    QPainterPath star(c + QPointF(0, -size));
    star.quadTo(c + QPointF(w, -w), c + QPointF(size, 0));
    star.quadTo(c + QPointF(w, w), c + QPointF(0, size));
    star.quadTo(c + QPointF(-w, w), c + QPointF(-size, 0));
    star.quadTo(c + QPointF(-w, -w), c + QPointF(0, -size));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillPath(star, colour);
    p.restore();
}

void paintNote(QPainter &p, QPointF head, qreal tilt, QColor colour)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(head);
    p.rotate(tilt);
    QPainterPath note;
    note.addEllipse(QPointF(0, 0), 6.5, 5);
    note.addRect(QRectF(4, -24, 3, 24));
    QPainterPath flag(QPointF(7, -24));
    flag.cubicTo(QPointF(10, -16), QPointF(18, -16), QPointF(15, -6));
    flag.cubicTo(QPointF(15, -12), QPointF(11, -14), QPointF(7, -15));
    flag.closeSubpath();
    note = note.united(flag);
    p.strokePath(note, linePen(2.5, QColor(40, 80, 30)));
    p.fillPath(note, colour);
    p.restore();
}

void paintStarShape(QPainter &p, QPointF c, qreal size, QColor colour)
{
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2) ? size * 0.45 : size;
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        const QPointF pt = c + QPointF(std::cos(a) * r, std::sin(a) * r);
        i ? star.lineTo(pt) : star.moveTo(pt);
    }
    star.closeSubpath();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(linePen(1.5, colour.darker(170)));
    p.setBrush(colour);
    p.drawPath(star);
    p.restore();
}

void paintDrop(QPainter &p, QPointF top, qreal size)
{
    QPainterPath drop(top);
    drop.cubicTo(top + QPointF(size * 0.9, size * 1.2), top + QPointF(size * 0.8, size * 2),
                 top + QPointF(0, size * 2));
    drop.cubicTo(top + QPointF(-size * 0.8, size * 2), top + QPointF(-size * 0.9, size * 1.2), top);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 90, 190), 1.5));
    p.setBrush(QColor(150, 215, 255));
    p.drawPath(drop);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(top + QPointF(-size * 0.25, size * 1.3), size * 0.2, size * 0.3);
    p.restore();
}

void paintHeart(QPainter &p, QPointF c, qreal s, QColor colour)
{
    QPainterPath heart(c + QPointF(0, s * 0.9));
    heart.cubicTo(c + QPointF(-s * 1.2, s * 0.1), c + QPointF(-s * 0.8, -s * 0.9), c + QPointF(0, -s * 0.35));
    heart.cubicTo(c + QPointF(s * 0.8, -s * 0.9), c + QPointF(s * 1.2, s * 0.1), c + QPointF(0, s * 0.9));
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(linePen(1.5, colour.darker(160)));
    p.setBrush(colour);
    p.drawPath(heart);
    p.restore();
}

void paintMoon(QPainter &p, QPointF c, qreal r, QColor sky)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QRadialGradient halo(c, r * 2.2);
    halo.setColorAt(0, QColor(255, 250, 200, 70));
    halo.setColorAt(1, QColor(255, 250, 200, 0));
    p.setBrush(halo);
    p.drawEllipse(c, r * 2.2, r * 2.2);
    p.setBrush(QColor(255, 246, 190));
    p.drawEllipse(c, r, r);
    p.setBrush(sky);  // bite out the crescent with the sky colour
    p.drawEllipse(c + QPointF(r * 0.45, -r * 0.25), r * 0.85, r * 0.85);
    p.restore();
}

void paintUfo(QPainter &p, QPointF c, qreal w, bool pilot)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal h = w * 0.28;
    if (pilot)
        paintAlienAt(p, c + QPointF(0, -h * 0.55), w * 0.55, Mood::Joy);
    // glass dome
    QRadialGradient glass(c + QPointF(-w * 0.08, -h * 1.1), w * 0.3);
    glass.setColorAt(0, QColor(230, 250, 255, pilot ? 90 : 230));
    glass.setColorAt(1, QColor(120, 200, 230, pilot ? 70 : 200));
    p.setPen(linePen(w * 0.025, QColor(60, 90, 120)));
    p.setBrush(glass);
    p.drawChord(QRectF(c.x() - w * 0.25, c.y() - h * 1.5, w * 0.5, h * 2.4), 0, 180 * 16);
    // saucer
    QLinearGradient metal(c - QPointF(0, h / 2), c + QPointF(0, h / 2));
    metal.setColorAt(0, QColor(235, 235, 250));
    metal.setColorAt(0.5, QColor(170, 170, 200));
    metal.setColorAt(1, QColor(100, 100, 135));
    p.setPen(linePen(w * 0.025, QColor(50, 50, 80)));
    p.setBrush(metal);
    p.drawEllipse(c, w / 2, h / 2);
    const QColor lights[] = {QColor(255, 120, 150), QColor(255, 240, 120), QColor(140, 255, 180)};
    p.setPen(Qt::NoPen);
    for (int i = -2; i <= 2; ++i) {
        p.setBrush(lights[(i + 3) % 3]);
        p.drawEllipse(c + QPointF(i * w * 0.17, h * 0.12), w * 0.035, w * 0.035);
    }
    p.restore();
}

void paintBeam(QPainter &p, QPointF top, qreal topWidth, qreal bottomWidth, qreal length, QColor colour)
{
    QPolygonF cone;
    cone << top + QPointF(-topWidth / 2, 0) << top + QPointF(topWidth / 2, 0)
         << top + QPointF(bottomWidth / 2, length) << top + QPointF(-bottomWidth / 2, length);
    QLinearGradient fade(top, top + QPointF(0, length));
    colour.setAlpha(150);
    fade.setColorAt(0, colour);
    colour.setAlpha(30);
    fade.setColorAt(1, colour);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(fade);
    p.drawPolygon(cone);
    p.restore();
}

void paintEarth(QPainter &p, QPointF c, qreal r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient air(c, r * 1.18);
    air.setColorAt(0.8, QColor(120, 190, 255, 120));
    air.setColorAt(1, QColor(120, 190, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(air);
    p.drawEllipse(c, r * 1.18, r * 1.18);

    QPainterPath globe;
    globe.addEllipse(c, r, r);
    QRadialGradient sea(c - QPointF(r * 0.35, r * 0.35), r * 1.4);
    sea.setColorAt(0, QColor(110, 180, 255));
    sea.setColorAt(1, QColor(20, 60, 160));
    p.fillPath(globe, sea);
    p.setClipPath(globe);
    p.setBrush(QColor(90, 190, 100));
    p.drawEllipse(c + QPointF(-r * 0.35, -r * 0.3), r * 0.42, r * 0.3);
    p.drawEllipse(c + QPointF(-r * 0.2, r * 0.15), r * 0.2, r * 0.42);
    p.drawEllipse(c + QPointF(r * 0.45, -r * 0.1), r * 0.3, r * 0.45);
    p.drawEllipse(c + QPointF(r * 0.2, r * 0.65), r * 0.35, r * 0.15);
    QLinearGradient night(c - QPointF(r, 0), c + QPointF(r, 0));
    night.setColorAt(0.5, QColor(0, 0, 20, 0));
    night.setColorAt(1, QColor(0, 0, 20, 150));
    p.fillPath(globe, night);
    p.restore();
}

void paintHuman(QPainter &p, QPointF feet, qreal h, QColor clothes, bool fromBehind)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(feet);
    p.scale(h / 100, h / 100);  // drawn 100 units tall, feet at the origin
    p.setPen(linePen(3));
    p.setBrush(QColor(60, 60, 80));
    p.drawRoundedRect(QRectF(-13, -38, 11, 38), 4, 4);  // legs
    p.drawRoundedRect(QRectF(2, -38, 11, 38), 4, 4);
    p.setBrush(clothes);
    p.drawRoundedRect(QRectF(-25, -33, 10, 30), 5, 5);  // arms
    p.drawRoundedRect(QRectF(15, -33, 10, 30), 5, 5);
    p.drawRoundedRect(QRectF(-17, -72, 34, 42), 10, 10);  // body
    p.setBrush(QColor(250, 212, 180));
    p.drawEllipse(QPointF(0, -84), 15, 16);  // head
    p.setBrush(QColor(50, 36, 30));
    if (fromBehind) {
        p.drawEllipse(QPointF(0, -86), 15, 15);
    } else {
        p.drawChord(QRectF(-15, -101, 30, 22), 0, 180 * 16);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(-5, -84), 2, 2.5);
        p.drawEllipse(QPointF(5, -84), 2, 2.5);
    }
    p.restore();
}

void paintHouse(QPainter &p, const QRectF &walls, QColor wall, QColor roof)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(linePen(2));
    p.setBrush(wall);
    p.drawRect(walls);
    QPolygonF top;
    top << QPointF(walls.left() - 8, walls.top()) << QPointF(walls.center().x(), walls.top() - walls.height() * 0.7)
        << QPointF(walls.right() + 8, walls.top());
    p.setBrush(roof);
    p.drawPolygon(top);
    const qreal unit = walls.width() / 5;
    p.setBrush(QColor(130, 80, 50));
    p.drawRect(QRectF(walls.left() + unit * 0.6, walls.bottom() - unit * 1.9, unit * 1.1, unit * 1.9));
    p.setBrush(QColor(255, 230, 140));
    p.drawRect(QRectF(walls.left() + unit * 2.7, walls.top() + unit * 0.6, unit * 1.5, unit * 1.2));
    p.restore();
}

void paintFlag(QPainter &p, QPointF foot, qreal poleHeight, QColor cloth, const QString &text)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF top = foot - QPointF(0, poleHeight);
    p.setPen(linePen(3, QColor(120, 90, 60)));
    p.drawLine(foot, top);
    const QRectF area(top.x(), top.y() + 2, poleHeight * 0.75, poleHeight * 0.45);
    QPainterPath wave(area.topLeft());
    wave.cubicTo(area.topLeft() + QPointF(area.width() * 0.4, -6), area.topRight() + QPointF(-area.width() * 0.4, 6),
                 area.topRight());
    wave.lineTo(area.bottomRight());
    wave.cubicTo(area.bottomRight() + QPointF(-area.width() * 0.4, 6),
                 area.bottomLeft() + QPointF(area.width() * 0.4, -6), area.bottomLeft());
    wave.closeSubpath();
    p.setPen(linePen(1.5));
    p.setBrush(cloth);
    p.drawPath(wave);
    p.restore();
    if (!text.isEmpty())
        drawOutlinedText(p, text, area.center(), gameFont(int(area.height() * 0.62)), QColor(200, 20, 60),
                         Qt::white, 2);
}

void paintGiftBox(QPainter &p, const QRectF &box, QColor paper, QColor ribbon)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(linePen(1.8));
    p.setBrush(paper);
    p.drawRect(box);
    p.setPen(Qt::NoPen);
    p.setBrush(ribbon);
    p.drawRect(QRectF(box.center().x() - box.width() * 0.09, box.top(), box.width() * 0.18, box.height()));
    p.drawRect(QRectF(box.left(), box.center().y() - box.height() * 0.09, box.width(), box.height() * 0.18));
    p.setPen(linePen(1.5));
    p.drawEllipse(QPointF(box.center().x() - box.width() * 0.14, box.top() - 3), box.width() * 0.14, 3.5);
    p.drawEllipse(QPointF(box.center().x() + box.width() * 0.14, box.top() - 3), box.width() * 0.14, 3.5);
    p.restore();
}

void paintBubble(QPainter &p, const QRectF &area, QPointF tail, const QString &text)
{
    QPainterPath bubble;
    bubble.addEllipse(area);
    QPainterPath point(area.center() + QPointF(-area.width() * 0.12, 0));
    point.lineTo(tail);
    point.lineTo(area.center() + QPointF(area.width() * 0.12, 0));
    point.closeSubpath();
    bubble = bubble.united(point);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(linePen(2.5));
    p.setBrush(Qt::white);
    p.drawPath(bubble);
    p.restore();
    drawOutlinedText(p, text, area.center(), gameFont(int(area.height() * 0.55)), kLine, kLine, 1.5);
}
