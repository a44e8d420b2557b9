// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// One picture for each of the eight endings, titled small at the bottom.
// Scenes stay above y = 168; the caption band covers the rest.

#include "alien.h"
#include "assetgen.h"
#include "canvas.h"
#include "props.h"

#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>

namespace {

const QRectF kBox(0, 0, 192, 192);

void paintGround(QPainter &p, qreal top, QColor colour)
{
    QPainterPath ground(QPointF(0, 192));
    ground.lineTo(0, top + 4);
    ground.cubicTo(QPointF(60, top - 6), QPointF(130, top + 8), QPointF(192, top - 2));
    ground.lineTo(192, 192);
    p.fillPath(ground, colour);
}

void paintDaySky(QPainter &p)
{
    paintSky(p, kBox, QColor(110, 180, 250), QColor(210, 238, 255));
}

// 親愛関係: its friends come to visit the player's house under a 親愛 flag.
void paintFriendship(QPainter &p)
{
    paintDaySky(p);
    paintUfo(p, QPointF(44, 30), 48);
    paintGround(p, 136, QColor(120, 200, 110));
    paintHouse(p, QRectF(124, 100, 52, 40), QColor(250, 236, 200), QColor(210, 80, 70));
    paintHuman(p, QPointF(112, 166), 42, QColor(90, 150, 230));
    paintFlag(p, QPointF(60, 162), 64, Qt::white, QString::fromUtf8("親愛"));
    paintAlienStanding(p, QPointF(22, 162), 34, Mood::Ease);
    paintAlienStanding(p, QPointF(52, 166), 42, Mood::Joy);
    paintAlienStanding(p, QPointF(84, 164), 36, Mood::Joy, 1);
    paintHeart(p, QPointF(100, 70), 7, QColor(255, 110, 150));
    paintHeart(p, QPointF(116, 52), 5, QColor(255, 150, 180));
}

// 人間下僕: a fleet of saucers rings the Earth.
void paintHumansServe(QPainter &p)
{
    paintSky(p, kBox, QColor(30, 4, 12), QColor(70, 10, 30));
    paintStars(p, kBox, 50, 51);
    const QPointF earth(96, 86);
    QRadialGradient threat(earth, 90);
    threat.setColorAt(0, QColor(255, 40, 40, 90));
    threat.setColorAt(1, QColor(255, 40, 40, 0));
    p.fillRect(kBox, threat);
    paintEarth(p, earth, 40);
    for (int i = 0; i < 8; ++i) {
        const qreal a = i * M_PI / 4 + M_PI / 8;
        const QPointF at = earth + QPointF(std::cos(a) * 74, std::sin(a) * 60);
        p.setPen(QPen(QColor(255, 90, 90, 110), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at, earth + (at - earth) * 0.6);
        paintUfo(p, at, 30);
    }
}

// 愚痴関係: it sits in the player's room and grumbles all night.
void paintGrumbling(QPainter &p)
{
    p.fillRect(QRectF(0, 0, 192, 120), QColor(236, 218, 178));
    p.fillRect(QRectF(0, 120, 192, 72), QColor(196, 178, 110));
    p.setPen(QPen(QColor(160, 140, 80), 1.5));
    for (int x = 0; x < 192; x += 32)
        p.drawLine(QPointF(x, 120), QPointF(x + 20, 192));
    p.setPen(QPen(QColor(120, 90, 60), 3));  // window onto the night
    p.setBrush(QColor(20, 24, 60));
    p.drawRect(QRectF(14, 16, 52, 44));
    paintMoon(p, QPointF(30, 30), 7, QColor(20, 24, 60));
    p.setPen(QPen(QColor(90, 60, 40), 2));  // low table with a cup
    p.setBrush(QColor(150, 96, 60));
    p.drawRect(QRectF(138, 136, 6, 26));
    p.drawRect(QRectF(176, 136, 6, 26));
    p.drawEllipse(QPointF(160, 134), 34, 9);
    p.setBrush(QColor(120, 170, 140));
    p.drawRoundedRect(QRectF(150, 114, 16, 18), 3, 3);
    paintAlienStanding(p, QPointF(72, 166), 96, Mood::Sulky);
    paintBubble(p, QRectF(112, 22, 70, 46), QPointF(116, 76), QString::fromUtf8("…"));
}

// 友好関係: both sides trade gifts and stars.
void paintTrade(QPainter &p)
{
    paintDaySky(p);
    paintUfo(p, QPointF(40, 28), 44);
    paintGround(p, 132, QColor(140, 210, 120));
    paintAlienStanding(p, QPointF(44, 164), 66, Mood::Joy);
    paintHuman(p, QPointF(150, 166), 66, QColor(240, 160, 80));
    const QPen arrow(QColor(80, 80, 140), 2.5, Qt::DashLine, Qt::RoundCap);
    QPainterPath over(QPointF(70, 96));
    over.quadTo(QPointF(96, 64), QPointF(124, 92));
    QPainterPath under(QPointF(124, 128));
    under.quadTo(QPointF(96, 154), QPointF(70, 128));
    p.strokePath(over, arrow);
    p.strokePath(under, arrow);
    paintStarShape(p, QPointF(98, 74), 11, QColor(255, 220, 80));
    paintGiftBox(p, QRectF(86, 130, 22, 18), QColor(255, 150, 170), QColor(250, 240, 120));
}

// すれ違い: a wall stands between them and the alien heads home alone.
void paintMissed(QPainter &p)
{
    paintSky(p, kBox, QColor(70, 50, 120), QColor(250, 160, 110));
    paintGround(p, 150, QColor(90, 80, 100));
    paintBeam(p, QPointF(30, 40), 10, 30, 120, QColor(255, 240, 170));
    paintUfo(p, QPointF(30, 36), 38);
    p.setPen(QPen(QColor(90, 50, 40), 1.5));
    for (int row = 0; row < 12; ++row) {  // bricks
        const qreal y = 50 + row * 10, shift = (row % 2) * 7;
        for (qreal x = 84 - shift; x < 108; x += 14) {
            const QRectF brick = QRectF(x, y, 14, 10).intersected(QRectF(84, 50, 24, 120));
            p.setBrush(QColor(180, 96, 70));
            p.drawRect(brick);
        }
    }
    paintHuman(p, QPointF(148, 166), 60, QColor(110, 130, 170));
    paintAlienStanding(p, QPointF(44, 166), 44, Mood::Sorrow);
    paintHeart(p, QPointF(96, 28), 14, QColor(230, 80, 100));
    p.setPen(QPen(QColor(70, 50, 120), 3));  // the heart is cracked
    p.drawPolyline(QPolygonF({QPointF(96, 21), QPointF(91, 28), QPointF(100, 33), QPointF(95, 41)}));
}

void paintBlast(QPainter &p, QPointF at, qreal size)
{
    paintStarShape(p, at, size, QColor(255, 160, 40));
    paintStarShape(p, at, size * 0.55, QColor(255, 250, 170));
}

// Glowing fault lines running from the laser hits across the Earth.
QPainterPath cracks()
{
    QPainterPath c;
    c.addPolygon(QPolygonF({QPointF(60, 108), QPointF(72, 124), QPointF(66, 138), QPointF(84, 150), QPointF(80, 168)}));
    c.addPolygon(QPolygonF({QPointF(120, 96), QPointF(112, 114), QPointF(126, 126), QPointF(118, 146),
                            QPointF(134, 162)}));
    c.addPolygon(QPolygonF({QPointF(72, 124), QPointF(92, 122)}));
    return c;
}

// 宇宙戦争: lasers rain down and the Earth cracks.
void paintWar(QPainter &p)
{
    paintSky(p, kBox, QColor(20, 0, 10), QColor(90, 20, 20));
    paintStars(p, kBox, 40, 77);
    const QPointF earth(96, 146);
    paintEarth(p, earth, 58);
    p.strokePath(cracks(), QPen(QColor(255, 130, 30), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF ufos[] = {QPointF(36, 28), QPointF(96, 18), QPointF(156, 30)};
    const QPointF hits[] = {QPointF(60, 108), QPointF(96, 92), QPointF(120, 96)};
    for (int i = 0; i < 3; ++i) {
        p.setPen(QPen(QColor(255, 60, 60, 120), 7, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(ufos[i], hits[i]);
        p.setPen(QPen(QColor(255, 220, 220), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(ufos[i], hits[i]);
        paintUfo(p, ufos[i], 40);
        paintBlast(p, hits[i], 11);
    }
}

// 二度と来ない: the sky stays empty; only the player keeps watching.
void paintNeverAgain(QPainter &p)
{
    paintSky(p, kBox, QColor(4, 6, 26), QColor(30, 40, 80));
    paintStars(p, kBox, 120, 66);
    p.setPen(QPen(QColor(255, 255, 230, 180), 1.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(150, 30), QPointF(118, 50));  // a shooting star, not a UFO
    paintSparkle(p, QPointF(150, 30), 4, QColor(255, 255, 230));
    QPainterPath hill(QPointF(0, 192));
    hill.lineTo(0, 160);
    hill.cubicTo(QPointF(60, 140), QPointF(120, 140), QPointF(192, 164));
    hill.lineTo(192, 192);
    p.fillPath(hill, QColor(14, 18, 36));
    paintHuman(p, QPointF(96, 158), 34, QColor(60, 70, 110), true);
}

// 宇宙人下僕: a row of aliens carries boxes for a watching human.
void paintAliensServe(QPainter &p)
{
    paintSky(p, kBox, QColor(160, 160, 180), QColor(210, 205, 210));
    paintGround(p, 150, QColor(140, 136, 130));
    p.fillRect(QRectF(0, 158, 150, 6), QColor(80, 76, 76));  // the conveyor
    for (int i = 0; i < 4; ++i) {
        const QPointF feet(22 + i * 36.0, 160);
        paintAlienStanding(p, feet, 40, Mood::Joy, i % 2);
        paintGiftBox(p, QRectF(feet.x() - 12, feet.y() - 42, 24, 17), QColor(200, 160, 110), QColor(160, 120, 80));
        paintDrop(p, feet + QPointF(15, -28), 3.5);  // hard work, even if they smile
    }
    p.fillRect(QRectF(152, 148, 40, 20), QColor(110, 100, 100));  // overseer's stand
    paintHuman(p, QPointF(172, 150), 56, QColor(60, 60, 70));
    p.setPen(QPen(QColor(50, 50, 60), 1.5));
    p.setBrush(QColor(240, 240, 230));
    p.drawRect(QRectF(150, 112, 12, 16));  // clipboard
}

using Painter = void (*)(QPainter &);

struct Ending {
    Painter paint;
    const char *title;
};

const Ending kEndings[] = {
    {paintFriendship, "親愛関係"}, {paintHumansServe, "人間下僕"}, {paintGrumbling, "愚痴関係"},
    {paintTrade, "友好関係"},      {paintMissed, "すれ違い"},       {paintWar, "宇宙戦争"},
    {paintNeverAgain, "二度と来ない"}, {paintAliensServe, "宇宙人下僕"},
};

}  // namespace

void writeEndings(const QString &dir)
{
    for (int i = 0; i < 8; ++i) {
        QImage image = newBoxPicture();
        QPainter p(&image);
        paintInDesignUnits(p);
        kEndings[i].paint(p);
        paintCaption(p, kBox, QString::fromUtf8(kEndings[i].title));
        p.end();
        saveBmp(image, dir, QString("end%1.bmp").arg(i));
    }
}
