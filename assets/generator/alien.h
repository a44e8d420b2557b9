// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once
// The alien the player raises. Moods 0..4 match the face pictures 0.bmp..9.bmp.

#include <QPainter>
#include <QPointF>

enum class Mood { Neutral, Joy, Anger, Sorrow, Ease, Dazed, Sulky };

// Paints the alien in the 192x192 box it was designed in; callers move and scale it.
void paintAlien(QPainter &p, Mood mood, int frame);
// Paints a smaller alien whose 192 box is scaled to `size` and centred on `centre`.
void paintAlienAt(QPainter &p, QPointF centre, qreal size, Mood mood, int frame = 0);
// Same, but placed by where its feet touch the ground.
void paintAlienStanding(QPainter &p, QPointF feet, qreal size, Mood mood, int frame = 0);
