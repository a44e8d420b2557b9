// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once
// Pieces of the alien shared between the body and the face painters.

#include "alien.h"

#include <QBrush>
#include <QColor>

// Colours of one mood. `skin` is the body brush; lids reuse it so they blend in.
struct Look {
    QColor body;
    QColor outline;
    QColor glow;
    QBrush skin;
};

Look lookFor(Mood mood);

// Face features sit on fixed spots of the 192 box; both frames share them.
void paintEyes(QPainter &p, Mood mood, int frame, const Look &look);
void paintMouth(QPainter &p, Mood mood, int frame);
void paintMoodMarks(QPainter &p, Mood mood, int frame);
