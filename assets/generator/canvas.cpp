// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "canvas.h"

#include <QDir>
#include <QFontDatabase>
#include <QPainterPath>
#include <QRadialGradient>

namespace {
const char *const kFontFamily = "IPAPMincho";
}

QImage newCanvas(int width, int height, QColor fill)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

QImage newBoxPicture()
{
    return newCanvas(kPictureSize, kPictureSize);
}

void paintInDesignUnits(QPainter &p)
{
    p.scale(kPictureSize / kDesignSize, kPictureSize / kDesignSize);
    p.setRenderHint(QPainter::Antialiasing);
}

void saveBmp(const QImage &image, const QString &dir, const QString &name)
{
    QImage out = image.convertToFormat(QImage::Format_RGB888);
    // A fixed resolution keeps the header bytes the same on every machine.
    out.setDotsPerMeterX(3780);
    out.setDotsPerMeterY(3780);
    const QString path = QDir(dir).filePath(name);
    if (!out.save(path, "BMP"))
        throw AssetError("cannot write " + path.toStdString());
}

void requireGameFont()
{
    if (!QFontDatabase::families().contains(kFontFamily))
        throw AssetError("font IPAPMincho not found (install fonts-ipafont-mincho)");
}

QFont gameFont(int pixelSize)
{
    QFont font(kFontFamily);
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

void drawOutlinedText(QPainter &p, const QString &text, QPointF centre, const QFont &font,
                      const QBrush &fill, QColor outline, qreal outlineWidth)
{
    QPainterPath path;
    path.addText(0, 0, font, text);
    // Centre on the ink, not the font box, so short labels sit in the middle.
    path.translate(centre - path.boundingRect().center());
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (outlineWidth > 0)
        p.strokePath(path, QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, fill);
    p.restore();
}

double Rng::next()
{
    // xorshift32: plenty for scattering stars.
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return (state >> 8) / double(1u << 24);
}

void paintSky(QPainter &p, const QRectF &area, QColor top, QColor bottom)
{
    QLinearGradient sky(area.topLeft(), area.bottomLeft());
    sky.setColorAt(0, top);
    sky.setColorAt(1, bottom);
    p.fillRect(area, sky);
}

void paintStars(QPainter &p, const QRectF &area, int count, uint32_t seed)
{
    Rng rng(seed);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(area.left() + rng.next() * area.width(), area.top() + rng.next() * area.height());
        const double shine = rng.next();
        const int tint = int(rng.range(-40, 40));
        QColor star(225 + tint / 2, 225, 225 - tint / 2, int(70 + shine * 185));
        p.setBrush(star);
        p.drawEllipse(at, 0.5 + shine * 1.0, 0.5 + shine * 1.0);
        if (shine > 0.93) {  // a few bright ones twinkle with a small cross
            p.setPen(QPen(star, 0.8));
            p.drawLine(at - QPointF(3.5, 0), at + QPointF(3.5, 0));
            p.drawLine(at - QPointF(0, 3.5), at + QPointF(0, 3.5));
            p.setPen(Qt::NoPen);
        }
    }
    p.restore();
}

void paintSpace(QPainter &p, const QRectF &area, QColor glow, uint32_t seed)
{
    p.fillRect(area, QColor(4, 3, 14));
    paintStars(p, area, 45, seed);
    QRadialGradient halo(area.center() + QPointF(0, 10), area.width() * 0.55);
    glow.setAlpha(70);
    halo.setColorAt(0, glow);
    glow.setAlpha(0);
    halo.setColorAt(1, glow);
    p.fillRect(area, halo);
}

void paintCaption(QPainter &p, const QRectF &area, const QString &title)
{
    const QRectF band(area.left(), area.bottom() - 24, area.width(), 24);
    p.fillRect(band, QColor(0, 0, 0, 190));
    drawOutlinedText(p, title, band.center(), gameFont(16), QColor(255, 246, 210), QColor(0, 0, 0), 2.5);
}
