// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once
// Shared painting tools for every picture the game loads.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

#include <cstdint>
#include <stdexcept>

// Thrown when a file cannot be produced; main() reports it and fails the build.
struct AssetError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Pictures are painted on an opaque canvas and saved as 24-bit BMP.
QImage newCanvas(int width, int height, QColor fill = Qt::black);

// The pictures of the alien's box are designed on a 192-unit square and
// rendered at 720 pixels, the size the box reaches on a 2160-pixel-high
// screen: the game only ever shrinks them, so they stay sharp.
inline constexpr qreal kDesignSize = 192;
inline constexpr int kPictureSize = 720;
inline const QRectF kDesignBox(0, 0, kDesignSize, kDesignSize);
QImage newBoxPicture();
// Lets `p` draw on a box picture in design units, antialiased.
void paintInDesignUnits(QPainter &p);
void saveBmp(const QImage &image, const QString &dir, const QString &name);

// Every label and caption uses IPA P Mincho; without it the labels would be boxes.
void requireGameFont();
QFont gameFont(int pixelSize);
void drawOutlinedText(QPainter &p, const QString &text, QPointF centre, const QFont &font,
                      const QBrush &fill, QColor outline, qreal outlineWidth);

// Tiny fixed generator: stars must land on the same spots every build.
class Rng {
public:
    explicit Rng(uint32_t seed) : state(seed ? seed : 1u) {}
    double next();  // [0, 1)
    double range(double lo, double hi) { return lo + (hi - lo) * next(); }

private:
    uint32_t state;
};

void paintSky(QPainter &p, const QRectF &area, QColor top, QColor bottom);
void paintStars(QPainter &p, const QRectF &area, int count, uint32_t seed);
// A dark space backdrop with a soft coloured glow, used behind the alien.
void paintSpace(QPainter &p, const QRectF &area, QColor glow, uint32_t seed);
// The small title band at the bottom of each ending picture.
void paintCaption(QPainter &p, const QRectF &area, const QString &title);
