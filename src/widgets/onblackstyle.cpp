// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "widgets/onblackstyle.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QStyleOption>

namespace {

const QColor grooveColor(48, 48, 48);
const QColor handleColor(176, 176, 176);
const QColor arrowBoxColor(88, 88, 88);

// The colour of an empty mark: the control's own colour, half as bright.
QColor dimmed(const QColor &colour)
{
    return QColor(colour.red() / 2, colour.green() / 2, colour.blue() / 2);
}

QRectF markSquare(const QRect &rect)
{
    const qreal side = qMin(rect.width(), rect.height()) - 1;
    return QRectF(rect.left() + (rect.width() - 1 - side) / 2.0, rect.top() + (rect.height() - 1 - side) / 2.0, side,
                  side);
}

void drawRadioMark(const QStyleOption *option, QPainter *painter)
{
    const QColor colour = option->palette.color(QPalette::WindowText);
    const QRectF ring = markSquare(option->rect);
    const qreal pen = qMax<qreal>(1.0, ring.width() / 10);
    painter->setPen(QPen(option->state & QStyle::State_On ? colour : dimmed(colour), pen));
    painter->setBrush(Qt::NoBrush);
    painter->drawEllipse(ring.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2));
    if (option->state & QStyle::State_On) {
        const qreal inset = ring.width() / 4;
        painter->setPen(Qt::NoPen);
        painter->setBrush(colour);
        painter->drawEllipse(ring.adjusted(inset, inset, -inset, -inset));
    }
}

void drawCheckMark(const QStyleOption *option, QPainter *painter)
{
    const QColor colour = option->palette.color(QPalette::WindowText);
    const QRectF box = markSquare(option->rect);
    const qreal pen = qMax<qreal>(1.0, box.width() / 10);
    painter->setPen(QPen(option->state & QStyle::State_On ? colour : dimmed(colour), pen));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(box.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2));
    if (option->state & QStyle::State_On) {
        const qreal w = box.width(), h = box.height();
        QPainterPath tick;
        tick.moveTo(box.left() + 0.2 * w, box.top() + 0.5 * h);
        tick.lineTo(box.left() + 0.42 * w, box.top() + 0.75 * h);
        tick.lineTo(box.left() + 0.8 * w, box.top() + 0.22 * h);
        painter->setPen(QPen(colour, 2.2 * pen, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter->drawPath(tick);
    }
}

void drawArrow(QPainter *painter, const QRect &box, bool up)
{
    painter->fillRect(box, arrowBoxColor);
    const QRectF r = QRectF(box).adjusted(box.width() * 0.25, box.height() * 0.3, -box.width() * 0.25,
                                          -box.height() * 0.3);
    QPolygonF triangle;
    if (up)
        triangle << QPointF(r.center().x(), r.top()) << r.bottomLeft() << r.bottomRight();
    else
        triangle << r.topLeft() << r.topRight() << QPointF(r.center().x(), r.bottom());
    painter->setPen(Qt::NoPen);
    painter->setBrush(handleColor);
    painter->drawPolygon(triangle);
}

} // namespace

QStyle *OnBlackStyle::instance()
{
    static QPointer<OnBlackStyle> style;
    if (!style) {
        style = new OnBlackStyle;
        style->setParent(qApp);
    }
    return style;
}

int OnBlackStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
        // As tall as the caption's capitals, at every screen size.
        if (widget)
            return qMax(QProxyStyle::pixelMetric(metric, option, widget), widget->fontMetrics().ascent());
        break;
    default:
        break;
    }
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void OnBlackStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    switch (element) {
    case PE_IndicatorRadioButton:
        drawRadioMark(option, painter);
        break;
    case PE_IndicatorCheckBox:
        drawCheckMark(option, painter);
        break;
    default:
        painter->restore();
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    painter->restore();
}

void OnBlackStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                                      const QWidget *widget) const
{
    if (control == CC_ScrollBar)
        drawScrollBar(option, painter, widget);
    else
        QProxyStyle::drawComplexControl(control, option, painter, widget);
}

void OnBlackStyle::drawScrollBar(const QStyleOptionComplex *option, QPainter *painter, const QWidget *widget) const
{
    painter->fillRect(option->rect, grooveColor);
    const auto *slider = qstyleoption_cast<const QStyleOptionSlider *>(option);
    const bool vertical = slider && slider->orientation == Qt::Vertical;
    const QRect handle = proxy()->subControlRect(CC_ScrollBar, option, SC_ScrollBarSlider, widget);
    if (handle.isValid() && (option->state & State_Enabled))
        painter->fillRect(handle.adjusted(1, 1, -1, -1), handleColor);
    if (vertical) {
        drawArrow(painter, proxy()->subControlRect(CC_ScrollBar, option, SC_ScrollBarSubLine, widget), true);
        drawArrow(painter, proxy()->subControlRect(CC_ScrollBar, option, SC_ScrollBarAddLine, widget), false);
    }
}
