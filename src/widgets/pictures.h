// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QPixmap>
#include <QString>

// Loads a bitmap file beside the program; a null pixmap when it cannot be read.
QPixmap loadPicture(const QString &path);

// `picture` resized to exactly `devicePixels`. Shrinking averages every
// source pixel (the painter's own smoothing samples only four and lets thin
// lines break up), so the large pictures stay clean at any window size.
QPixmap fitPicture(const QPixmap &picture, QSize devicePixels);
