// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Flat button faces; the game draws the border itself. Each pressed face
// swaps to darker colours and nudges the label down-right by 2 px.

#include "assetgen.h"
#include "canvas.h"

namespace {

struct ButtonColours {
    QColor face;
    QColor label;
};

const QPointF kPressShift(2, 2);
// Faces are designed 256 x 64 units (64 x 256 standing) and rendered at the
// 480 x 120 pixels a four-unit button reaches on a 2160-pixel-high screen.
constexpr qreal kButtonScale = 480.0 / 256;

QImage newButtonCanvas(int designWidth, int designHeight, QColor face)
{
    return newCanvas(qRound(designWidth * kButtonScale), qRound(designHeight * kButtonScale), face);
}

void paintLabel(QPainter &p, const QString &text, QPointF centre, int size, QColor colour)
{
    // Mincho strokes are thin; a stroke in the label colour makes them bold enough.
    drawOutlinedText(p, text, centre, gameFont(size), colour, colour, size / 22.0);
}

QImage wideButton(const QString &label, ButtonColours colours, bool pressed)
{
    QImage image = newButtonCanvas(256, 64, colours.face);
    QPainter p(&image);
    p.scale(kButtonScale, kButtonScale);
    const QPointF centre = QPointF(128, 32) + (pressed ? kPressShift : QPointF());
    paintLabel(p, label, centre, 42, colours.label);
    return image;
}

// The tall button reads top to bottom, one character under the other.
QImage tallButton(const QString &label, ButtonColours colours, bool pressed)
{
    QImage image = newButtonCanvas(64, 256, colours.face);
    QPainter p(&image);
    p.scale(kButtonScale, kButtonScale);
    const qreal step = 70;
    const qreal firstY = 128 - step * (label.size() - 1) / 2.0;
    for (int i = 0; i < label.size(); ++i) {
        const QPointF centre = QPointF(32, firstY + i * step) + (pressed ? kPressShift : QPointF());
        paintLabel(p, label.mid(i, 1), centre, 46, colours.label);
    }
    return image;
}

// The forget buttons take the colour of the word list above them.
void writeForgetButtons(const QString &dir)
{
    const QColor listColours[] = {QColor(255, 128, 128), QColor(128, 255, 128), QColor(128, 128, 255)};
    const QString label = QString::fromUtf8("わすれる");
    for (int i = 0; i < 3; ++i) {
        const QColor list = listColours[i];
        const QColor dark(list.red() / 7, list.green() / 7, list.blue() / 7);
        saveBmp(wideButton(label, {dark, list}, false), dir, QString("coma%1.bmp").arg(i));
        saveBmp(wideButton(label, {list, dark}, true), dir, QString("comb%1.bmp").arg(i));
    }
}

}  // namespace

void writeButtons(const QString &dir)
{
    const QString teach = QString::fromUtf8("おしえる");
    saveBmp(wideButton(teach, {QColor(255, 214, 120), QColor(96, 48, 20)}, false), dir, "osieru.bmp");
    saveBmp(wideButton(teach, {QColor(150, 96, 40), QColor(255, 236, 190)}, true), dir, "osieru2.bmp");
    const QString use = QString::fromUtf8("つかう");
    saveBmp(tallButton(use, {QColor(150, 230, 180), QColor(20, 84, 50)}, false), dir, "siyou.bmp");
    saveBmp(tallButton(use, {QColor(40, 110, 70), QColor(200, 255, 220)}, true), dir, "siyou2.bmp");
    writeForgetButtons(dir);
}
