// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Pictures shown in the alien's box between moods: the title, the moment
// it is made to forget words, and the UFO taking off before an ending.

#include "alien.h"
#include "assetgen.h"
#include "canvas.h"
#include "official.h"
#include "props.h"

#include <QFontMetricsF>
#include <QPainterPath>

namespace {

const QColor kTitleInk(52, 20, 86);

// One line of the title, each letter tilted and bounced so it looks playful.
void paintTitleLine(QPainter &p, const QString &line, qreal y, int colourShift)
{
    static const QColor colours[] = {QColor(255, 150, 190), QColor(255, 230, 110), QColor(150, 240, 170),
                                     QColor(140, 210, 255), QColor(210, 170, 255)};
    static const qreal tilts[] = {-9, 6, -4, 8, -6};
    static const qreal bounce[] = {0, -4, 2, -3, 1};
    const QFont font = gameFont(38);
    const QFontMetricsF metrics(font);
    const qreal step = metrics.horizontalAdvance(QChar(0x3042)) * 0.9;
    qreal x = 96 - step * (line.size() - 1) / 2.0;
    for (int i = 0; i < line.size(); ++i, x += step) {
        const QColor colour = colours[(i + colourShift) % 5];
        QLinearGradient fill(QPointF(0, -16), QPointF(0, 16));
        fill.setColorAt(0, colour.lighter(130));
        fill.setColorAt(1, colour);
        p.save();
        p.translate(x, y + bounce[i % 5]);
        p.rotate(tilts[(i + colourShift) % 5]);
        drawOutlinedText(p, line.mid(i, 1), QPointF(2, 3), font, QColor(0, 0, 0, 150), QColor(0, 0, 0, 150), 7);
        drawOutlinedText(p, line.mid(i, 1), QPointF(0, 0), font, fill, kTitleInk, 7);
        drawOutlinedText(p, line.mid(i, 1), QPointF(0, 0), font, fill, colour, 1.6);  // fatten Mincho strokes
        p.restore();
    }
}

QImage titlePicture()
{
    QImage image = newBoxPicture();
    QPainter p(&image);
    paintInDesignUnits(p);
    paintSky(p, kDesignBox, QColor(10, 8, 42), QColor(62, 32, 104));
    paintStars(p, kDesignBox, 80, 7);
    paintMoon(p, QPointF(26, 24), 11, QColor(12, 9, 45));
    // a tiny planet to land on
    QRadialGradient soil(QPointF(96, 180), 120);
    soil.setColorAt(0, QColor(150, 120, 200));
    soil.setColorAt(1, QColor(70, 50, 120));
    p.setPen(QPen(QColor(40, 24, 70), 2));
    p.setBrush(soil);
    p.drawEllipse(QPointF(96, 268), 160, 92);
    paintBeam(p, QPointF(150, 44), 16, 46, 128, QColor(255, 240, 150));
    paintUfo(p, QPointF(150, 38), 58);
    paintAlienStanding(p, QPointF(152, 182), 38, Mood::Joy);
    paintAlienStanding(p, QPointF(34, 184), 30, Mood::Ease);
    paintTitleLine(p, QString::fromUtf8("もけもけ～"), 84, 0);
    paintTitleLine(p, QString::fromUtf8("ゆらぐも～"), 126, 2);
    return image;
}

void paintQuestionMark(QPainter &p, QPointF at, int size, qreal tilt)
{
    p.save();
    p.translate(at);
    p.rotate(tilt);
    const QString mark = QString::fromUtf8("？");
    const QColor yellow(255, 235, 110);
    drawOutlinedText(p, mark, QPointF(0, 0), gameFont(size), yellow, QColor(60, 30, 90), 5);
    drawOutlinedText(p, mark, QPointF(0, 0), gameFont(size), yellow, yellow, 1.5);
    p.restore();
}

QImage dazedPicture()
{
    QImage image = newBoxPicture();
    QPainter p(&image);
    paintInDesignUnits(p);
    paintSpace(p, kDesignBox, QColor(190, 150, 255), 99);
    paintAlienAt(p, QPointF(96, 104), 168, Mood::Dazed);
    // little stars circling its head
    p.setPen(QPen(QColor(255, 255, 200, 120), 1.5, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(96, 36), 52, 11);
    paintStarShape(p, QPointF(46, 38), 7, QColor(255, 230, 110));
    paintStarShape(p, QPointF(120, 46), 6, QColor(255, 230, 110));
    paintStarShape(p, QPointF(140, 27), 5, QColor(255, 230, 110));
    paintQuestionMark(p, QPointF(26, 72), 34, -18);
    paintQuestionMark(p, QPointF(168, 64), 40, 14);
    paintQuestionMark(p, QPointF(176, 130), 24, 24);
    return image;
}

// The UFO leaves a curling trail of light as it climbs away from the town.
QImage farewellPicture()
{
    QImage image = newBoxPicture();
    QPainter p(&image);
    paintInDesignUnits(p);
    paintSky(p, kDesignBox, QColor(6, 8, 36), QColor(44, 46, 110));
    paintStars(p, kDesignBox, 90, 31);
    paintMoon(p, QPointF(36, 34), 13, QColor(10, 12, 44));

    QPainterPath trail(QPointF(62, 168));
    trail.cubicTo(QPointF(40, 120), QPointF(130, 130), QPointF(110, 90));
    trail.cubicTo(QPointF(96, 62), QPointF(140, 48), QPointF(150, 40));
    p.strokePath(trail, QPen(QColor(255, 240, 160, 60), 9, Qt::SolidLine, Qt::RoundCap));
    p.strokePath(trail, QPen(QColor(255, 250, 220, 200), 2, Qt::DotLine, Qt::RoundCap));
    paintSparkle(p, QPointF(52, 140), 5, QColor(255, 250, 200));
    paintSparkle(p, QPointF(112, 100), 6, QColor(255, 250, 200));
    paintSparkle(p, QPointF(128, 56), 4, QColor(255, 250, 200));
    p.save();
    p.translate(152, 38);
    p.rotate(-18);
    paintUfo(p, QPointF(0, 0), 34, true);
    p.restore();

    QPainterPath hills(QPointF(0, 192));
    hills.lineTo(0, 166);
    hills.cubicTo(QPointF(50, 150), QPointF(110, 178), QPointF(192, 160));
    hills.lineTo(192, 192);
    p.fillPath(hills, QColor(16, 18, 40));
    paintHouse(p, QRectF(126, 152, 36, 26), QColor(40, 40, 70), QColor(70, 40, 60));
    paintHuman(p, QPointF(84, 178), 26, QColor(90, 110, 170));
    return image;
}

}  // namespace

void writeScenes(const QString &dir)
{
    saveBmp(titlePicture(), dir, "stt.bmp");
    saveBmp(officialPicture(), dir, "erai.bmp");
    saveBmp(dazedPicture(), dir, "did.bmp");
    saveBmp(farewellPicture(), dir, "end.bmp");
}
