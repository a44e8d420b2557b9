// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The alien's face: eyes, mouth and the little signs around it that make
// each mood readable even when the picture is shown at half size.

#include "alien_parts.h"
#include "props.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

const QColor kInk(46, 30, 72);
const qreal kEyeY = 108;

QPointF eyeCentre(int side) { return {96 + side * 26.0, kEyeY}; }

QPen inkPen(qreal width) { return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// A big dark eye with two catch-lights; the base of most moods.
void paintRoundEye(QPainter &p, QPointF c, qreal rx, qreal ry, qreal shine = 1)
{
    QRadialGradient iris(c + QPointF(0, ry * 0.55), ry * 1.1);
    iris.setColorAt(0, QColor(110, 84, 170));
    iris.setColorAt(1, kInk);
    p.setPen(Qt::NoPen);
    p.setBrush(iris);
    p.drawEllipse(c, rx, ry);
    p.setBrush(Qt::white);
    p.drawEllipse(c + QPointF(-rx * 0.3, -ry * 0.38), rx * 0.38 * shine, rx * 0.38 * shine);
    p.drawEllipse(c + QPointF(rx * 0.35, ry * 0.38), rx * 0.17, rx * 0.17);
}

// Covers the eye above the line outer->inner with skin, then draws the lid line.
void paintLid(QPainter &p, const Look &look, int side, qreal outerY, qreal innerY, qreal width)
{
    const QPointF c = eyeCentre(side);
    const QPointF outer(c.x() + side * 19, outerY), inner(c.x() - side * 19, innerY);
    QPainterPath mask(outer);
    mask.lineTo(inner);
    mask.lineTo(inner.x(), kEyeY - 30);
    mask.lineTo(outer.x(), kEyeY - 30);
    mask.closeSubpath();
    p.fillPath(mask, look.skin);
    p.setPen(inkPen(width));
    p.drawLine(outer, inner);
}

void paintSpiralEye(QPainter &p, QPointF c, int frame)
{
    p.setPen(inkPen(2.5));
    p.setBrush(Qt::white);
    p.drawEllipse(c, 16, 16);
    QPainterPath spiral(c);
    const qreal turn = frame ? M_PI : 0;
    for (qreal t = 0; t <= 2.6 * 2 * M_PI; t += 0.2) {
        const qreal r = 0.9 * t + 0.5;
        spiral.lineTo(c + QPointF(std::cos(t + turn) * r, std::sin(t + turn) * r));
    }
    p.setBrush(Qt::NoBrush);
    p.drawPath(spiral);
}

void paintEye(QPainter &p, Mood mood, int frame, const Look &look, int side)
{
    const QPointF c = eyeCentre(side);
    switch (mood) {
    case Mood::Neutral:
        paintRoundEye(p, c, 13, 17);
        break;
    case Mood::Joy:
        paintRoundEye(p, c, 15, 19, 0.6);
        paintSparkle(p, c + QPointF(-4, -6), frame ? 8 : 11, Qt::white);
        break;
    case Mood::Anger:
        paintRoundEye(p, c, 13, 15, 0.7);
        paintLid(p, look, side, kEyeY - 17, kEyeY - 3, 3.5);
        p.setPen(inkPen(6));  // the furrowed brow
        p.drawLine(QPointF(c.x() + side * 20, kEyeY - 28), QPointF(c.x() - side * 16, kEyeY - 14));
        break;
    case Mood::Sorrow:
        paintRoundEye(p, c, 13, 16, 1.15);
        paintLid(p, look, side, kEyeY - 2, kEyeY - 15, 3);
        p.setPen(inkPen(4));  // worried brow, inner end raised
        p.drawLine(QPointF(c.x() + side * 14, kEyeY - 22), QPointF(c.x() - side * 14, kEyeY - 30));
        // a wet streak down the cheek, and a drop that falls between frames
        p.setPen(QPen(QColor(150, 215, 255, 200), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(c.x() + side * 10, kEyeY + 10), QPointF(c.x() + side * 12, kEyeY + 24));
        paintDrop(p, QPointF(c.x() + side * 12, kEyeY + (frame ? 30 : 18)), 8);
        break;
    case Mood::Ease: {
        QPainterPath arc(c + QPointF(-13, -2));
        arc.quadTo(c + QPointF(0, 12), c + QPointF(13, -2));
        p.strokePath(arc, inkPen(4.5));
        break;
    }
    case Mood::Dazed:
        paintSpiralEye(p, c, frame ^ (side > 0));
        break;
    case Mood::Sulky:
        paintRoundEye(p, c, 13, 16);
        paintLid(p, look, side, kEyeY - 1, kEyeY - 4, 4);
        break;
    }
}

void paintCheeks(QPainter &p, int alpha)
{
    for (int side : {-1, 1}) {
        const QPointF c(96 + side * 47.0, 132);
        QRadialGradient blush(c, 13);
        blush.setColorAt(0, QColor(255, 110, 150, alpha));
        blush.setColorAt(1, QColor(255, 110, 150, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(blush);
        p.drawEllipse(c, 13, 9);
    }
}

// The popping cross mark of a cartoon temper.
void paintVein(QPainter &p, QPointF c, qreal size)
{
    p.save();
    p.translate(c);
    p.setPen(QPen(QColor(220, 20, 30), size * 0.3, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 4; ++k) {
        QPainterPath bracket(QPointF(size * 0.25, size));
        bracket.quadTo(QPointF(size * 0.25, size * 0.25), QPointF(size, size * 0.25));
        p.drawPath(bracket);
        p.rotate(90);
    }
    p.restore();
}

// Two puffs rising away from the head on the given side.
void paintSteam(QPainter &p, QPointF c, int side)
{
    p.setPen(QPen(QColor(255, 255, 255, 200), 2));
    p.setBrush(QColor(235, 235, 245, 170));
    p.drawEllipse(c, 7, 6);
    p.drawEllipse(c + QPointF(side * 8, -8), 5, 4.5);
}

}  // namespace

void paintEyes(QPainter &p, Mood mood, int frame, const Look &look)
{
    paintEye(p, mood, frame, look, -1);
    paintEye(p, mood, frame, look, 1);
}

void paintMouth(QPainter &p, Mood mood, int frame)
{
    const bool b = frame != 0;
    QPainterPath mouth;
    switch (mood) {
    case Mood::Neutral:
        mouth.moveTo(88, 138);
        mouth.quadTo(96, 145, 104, 138);
        p.strokePath(mouth, inkPen(3.5));
        break;
    case Mood::Joy: {
        const qreal depth = b ? 22 : 28;
        mouth.moveTo(76, 133);
        mouth.quadTo(96, 137, 116, 133);
        mouth.cubicTo(115, 133 + depth, 77, 133 + depth, 76, 133);
        p.setPen(inkPen(3));
        p.setBrush(QColor(130, 30, 50));
        p.drawPath(mouth);
        p.save();
        p.setClipPath(mouth);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 120, 140));
        p.drawEllipse(QPointF(96, 133 + depth * 0.85), 13, 8);
        p.restore();
        break;
    }
    case Mood::Anger: {
        p.save();
        p.translate(96, 141);
        p.rotate(b ? 4 : -4);
        const QRectF teeth(-19, -9, 38, 18);
        p.setPen(inkPen(3));
        p.setBrush(Qt::white);
        p.drawRoundedRect(teeth, 6, 6);
        p.setPen(inkPen(2));
        p.drawLine(QPointF(-19, 0), QPointF(19, 0));
        for (qreal x = -11; x <= 11; x += 7.3)
            p.drawLine(QPointF(x, -9), QPointF(x, 9));
        p.restore();
        break;
    }
    case Mood::Sorrow:
        mouth.moveTo(83, 148);
        for (qreal t = 0; t <= 1.0001; t += 0.05) {
            const qreal x = 83 + 26 * t, arch = 4 * t * (1 - t);
            const qreal quiver = b ? 1.6 * std::sin(t * 4 * M_PI) : 0;
            mouth.lineTo(x, 148 - 12 * arch + quiver);
        }
        p.strokePath(mouth, inkPen(3.5));
        break;
    case Mood::Ease:
        mouth.moveTo(83, 136);
        mouth.quadTo(89.5, 146, 96, 138);
        mouth.quadTo(102.5, 146, 109, 136);
        p.strokePath(mouth, inkPen(3.5));
        break;
    case Mood::Dazed:
    case Mood::Sulky:
        mouth.moveTo(82, 142);
        for (qreal x = 82; x <= 110; x += 1)
            mouth.lineTo(x, 142 + 3 * std::sin((x - 82) / 28 * 3 * M_PI + (b ? M_PI : 0)));
        p.strokePath(mouth, inkPen(3.5));
        break;
    }
}

void paintMoodMarks(QPainter &p, Mood mood, int frame)
{
    const bool b = frame != 0;
    switch (mood) {
    case Mood::Neutral:
        paintCheeks(p, 60);
        break;
    case Mood::Joy:
        paintCheeks(p, 190);
        paintSparkle(p, b ? QPointF(44, 46) : QPointF(38, 58), b ? 11 : 8, QColor(255, 238, 120));
        paintSparkle(p, b ? QPointF(150, 58) : QPointF(154, 46), b ? 8 : 12, QColor(255, 238, 120));
        paintSparkle(p, b ? QPointF(168, 100) : QPointF(162, 88), b ? 7 : 6, QColor(255, 255, 255));
        break;
    case Mood::Anger:
        paintVein(p, QPointF(122, 72), b ? 10 : 8);
        paintSteam(p, b ? QPointF(166, 66) : QPointF(26, 66), b ? 1 : -1);
        break;
    case Mood::Sorrow:
        break;
    case Mood::Ease:
        paintCheeks(p, 110);
        paintNote(p, b ? QPointF(156, 40) : QPointF(150, 50), b ? 12 : -8, QColor(230, 255, 150));
        break;
    case Mood::Dazed:
    case Mood::Sulky:
        break;
    }
}
