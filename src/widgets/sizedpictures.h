// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QHash>
#include <QPair>
#include <QPixmap>
#include <QSize>

#include <array>

// A picture smoothed into each size it is shown at, kept for the next time.
// The alien's wobble resizes its picture twenty times a second through the
// same few dozen sizes, and the face flips between two pictures: smoothing
// a picture into a new size on every move was most of the game's idle work,
// while copying a ready one to the screen costs next to nothing.
class SizedPictures
{
public:
    // `picture` smoothed into exactly `devicePixels`: the same pixels the
    // painter's smoothing gives when it draws `picture` into that size.
    QPixmap sized(const QPixmap &picture, QSize devicePixels);
    qint64 keptPixels() const { return m_keptPixels; }

    // Room for the two faces in every size of the usual wobbles on a
    // 1080-line screen (24 MB); beyond it a size is smoothed anew each time.
    static constexpr qint64 roomPixels = 6'000'000;

private:
    using Key = QPair<qint64, quint64>; // the picture's cache key, its width and height
    void noteShown(qint64 pictureKey);
    bool makeRoom(qint64 pixels);

    QHash<Key, QPixmap> m_kept;
    qint64 m_keptPixels = 0;
    std::array<qint64, 2> m_recent{}; // the pictures shown last, newest first
};
