// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "alien.h"
#include "alien_parts.h"
#include "assetgen.h"
#include "canvas.h"

#include <QPainterPath>
#include <QRadialGradient>

namespace {

// How the body is held in one animation frame. Both frames keep the feet
// on the same spot so the flip reads as a wiggle, not a jump.
struct Pose {
    qreal squash = 0;     // top sinks and sides widen by this much
    QPointF tip{96, 24};  // antenna tip
    QPointF bend{96, 40}; // antenna curve control
    qreal arm = 35;       // degrees below horizontal; negative = raised
    qreal shake = 0;      // sideways tremble (anger)
    bool fists = false;
};

Pose poseFor(Mood mood, int frame)
{
    const bool b = frame != 0;
    Pose pose;
    switch (mood) {
    case Mood::Neutral:
        pose.tip = {b ? 103.0 : 89.0, 24};
        pose.arm = b ? 42 : 32;
        pose.squash = b ? 1.5 : 0;
        break;
    case Mood::Joy:
        pose.tip = {b ? 106.0 : 86.0, 21};
        pose.arm = b ? -68 : -40;
        pose.squash = b ? 3 : 0;
        break;
    case Mood::Anger:
        pose.tip = {b ? 100.0 : 92.0, 24};
        pose.arm = b ? -30 : -12;
        pose.shake = b ? 1.5 : -1.5;
        pose.fists = true;
        break;
    case Mood::Sorrow:
        pose.tip = {b ? 125.0 : 122.0, b ? 50.0 : 46.0};
        pose.bend = {104, 26};
        pose.arm = b ? 78 : 70;
        pose.squash = b ? 1.5 : 0;
        break;
    case Mood::Ease:
        pose.tip = {b ? 101.0 : 91.0, 25};
        pose.arm = b ? 30 : 22;
        pose.squash = b ? 1 : 0;
        break;
    case Mood::Dazed:
        pose.tip = {b ? 110.0 : 82.0, 28};
        pose.arm = b ? 15 : 55;
        break;
    case Mood::Sulky:
        pose.tip = {b ? 100.0 : 95.0, 30};
        pose.arm = 55;
        break;
    }
    return pose;
}

QPainterPath bodyPath(qreal squash)
{
    const qreal top = 60 + squash, half = 66 + squash, base = 172;
    QPainterPath body;
    body.moveTo(96, top);
    body.cubicTo(96 + half * 0.68, top, 96 + half, 100, 96 + half, 134);
    body.cubicTo(96 + half, 165, 96 + half * 0.55, base, 96, base);
    body.cubicTo(96 - half * 0.55, base, 96 - half, 165, 96 - half, 134);
    body.cubicTo(96 - half, 100, 96 - half * 0.68, top, 96, top);
    return body;
}

QPen outlinePen(const Look &look, qreal width = 3.5)
{
    return QPen(look.outline, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void paintArm(QPainter &p, const Look &look, const Pose &pose, int side)
{
    p.save();
    p.translate(96 + side * 58, 128);
    p.scale(side, 1);  // the left arm is the right one mirrored
    p.rotate(pose.arm);
    p.setPen(outlinePen(look));
    p.setBrush(look.body);
    p.drawRoundedRect(QRectF(-6, -7, 34, 14), 7, 7);
    if (pose.fists)
        p.drawEllipse(QPointF(29, 0), 9, 9);
    p.restore();
}

void paintFeet(QPainter &p, const Look &look)
{
    p.setPen(outlinePen(look));
    p.setBrush(look.body.darker(112));
    p.drawEllipse(QPointF(68, 170), 17, 9);
    p.drawEllipse(QPointF(124, 170), 17, 9);
}

void paintBody(QPainter &p, const Look &look, const Pose &pose)
{
    p.setPen(outlinePen(look));
    p.setBrush(look.skin);
    p.drawPath(bodyPath(pose.squash));
    // A glossy spot on the head makes it look soft like a rice cake.
    p.save();
    p.translate(66, 82 + pose.squash);
    p.rotate(-35);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 120));
    p.drawEllipse(QPointF(0, 0), 14, 6);
    p.restore();
}

void paintAntenna(QPainter &p, const Look &look, const Pose &pose)
{
    const QPointF root(96, 62 + pose.squash);
    QPainterPath stalk(root);
    stalk.quadTo(pose.bend, pose.tip);
    p.strokePath(stalk, outlinePen(look, 4));
    p.setPen(outlinePen(look, 3));
    p.setBrush(look.body.darker(110));
    p.drawEllipse(root, 7, 4);

    QColor halo = look.glow;
    QRadialGradient shine(pose.tip, 17);
    halo.setAlpha(170);
    shine.setColorAt(0, halo);
    halo.setAlpha(0);
    shine.setColorAt(1, halo);
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(pose.tip, 17, 17);

    QRadialGradient ball(pose.tip - QPointF(2, 2), 8);
    ball.setColorAt(0, Qt::white);
    ball.setColorAt(1, look.glow);
    p.setPen(outlinePen(look, 2.5));
    p.setBrush(ball);
    p.drawEllipse(pose.tip, 7, 7);
}

}  // namespace

Look lookFor(Mood mood)
{
    Look look;
    switch (mood) {
    case Mood::Neutral: look = {QColor(200, 188, 255), QColor(84, 62, 150), QColor(255, 236, 130), {}}; break;
    case Mood::Joy:     look = {QColor(255, 190, 150), QColor(168, 76, 60), QColor(255, 150, 200), {}}; break;
    case Mood::Anger:   look = {QColor(255, 120, 112), QColor(140, 20, 30), QColor(255, 90, 40), {}}; break;
    case Mood::Sorrow:  look = {QColor(148, 180, 255), QColor(40, 64, 150), QColor(170, 220, 255), {}}; break;
    case Mood::Ease:    look = {QColor(160, 236, 180), QColor(40, 120, 70), QColor(220, 255, 140), {}}; break;
    case Mood::Dazed:   look = {QColor(206, 192, 232), QColor(96, 76, 140), QColor(255, 255, 180), {}}; break;
    case Mood::Sulky:   look = {QColor(184, 172, 214), QColor(78, 64, 120), QColor(200, 190, 160), {}}; break;
    }
    QRadialGradient skin(QPointF(74, 88), 120);
    skin.setColorAt(0, look.body.lighter(118));
    skin.setColorAt(0.5, look.body);
    skin.setColorAt(1, look.body.darker(125));
    look.skin = QBrush(skin);
    return look;
}

void paintAlien(QPainter &p, Mood mood, int frame)
{
    const Look look = lookFor(mood);
    const Pose pose = poseFor(mood, frame);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(pose.shake, 0);
    paintArm(p, look, pose, -1);
    paintArm(p, look, pose, 1);
    paintFeet(p, look);
    paintBody(p, look, pose);
    paintAntenna(p, look, pose);
    paintEyes(p, mood, frame, look);
    paintMouth(p, mood, frame);
    paintMoodMarks(p, mood, frame);
    p.restore();
}

void paintAlienAt(QPainter &p, QPointF centre, qreal size, Mood mood, int frame)
{
    p.save();
    p.translate(centre);
    p.scale(size / 192, size / 192);
    p.translate(-96, -96);
    paintAlien(p, mood, frame);
    p.restore();
}

void paintAlienStanding(QPainter &p, QPointF feet, qreal size, Mood mood, int frame)
{
    // The feet rest 83 units below the middle of the 192 box.
    paintAlienAt(p, feet - QPointF(0, size * 83 / 192), size, mood, frame);
}

void writeFaces(const QString &dir)
{
    // Picture pairs 0/1, 2/3, ... are the two frames of each mood.
    const Mood moods[] = {Mood::Neutral, Mood::Joy, Mood::Anger, Mood::Sorrow, Mood::Ease};
    for (int i = 0; i < 5; ++i) {
        for (int frame = 0; frame < 2; ++frame) {
            QImage image = newBoxPicture();
            QPainter p(&image);
            paintInDesignUnits(p);
            paintSpace(p, kDesignBox, lookFor(moods[i]).body, 1234 + i);
            paintAlien(p, moods[i], frame);
            p.end();
            saveBmp(image, dir, QString::number(i * 2 + frame) + ".bmp");
        }
    }
}
