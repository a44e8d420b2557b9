// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once
// Small drawn objects shared by the scene and ending pictures.

#include <QColor>
#include <QPainter>
#include <QPointF>
#include <QRectF>
#include <QString>

void paintSparkle(QPainter &p, QPointF centre, qreal size, QColor colour);    // four-point twinkle
void paintNote(QPainter &p, QPointF head, qreal tilt, QColor colour);         // a floating quaver
void paintStarShape(QPainter &p, QPointF centre, qreal size, QColor colour);  // five-point star
void paintDrop(QPainter &p, QPointF top, qreal size);  // tear or sweat, pointed end up
void paintHeart(QPainter &p, QPointF centre, qreal size, QColor colour);
void paintMoon(QPainter &p, QPointF centre, qreal radius, QColor sky);        // crescent
void paintUfo(QPainter &p, QPointF centre, qreal width, bool pilot = false);
void paintBeam(QPainter &p, QPointF top, qreal topWidth, qreal bottomWidth, qreal length, QColor colour);
void paintEarth(QPainter &p, QPointF centre, qreal radius);
// A cartoon person standing with feet at `feet`; from behind shows only hair.
void paintHuman(QPainter &p, QPointF feet, qreal height, QColor clothes, bool fromBehind = false);
void paintHouse(QPainter &p, const QRectF &walls, QColor wall, QColor roof);
void paintFlag(QPainter &p, QPointF poleFoot, qreal poleHeight, QColor cloth, const QString &text);
void paintGiftBox(QPainter &p, const QRectF &box, QColor paper, QColor ribbon);
void paintBubble(QPainter &p, const QRectF &area, QPointF tail, const QString &text);
