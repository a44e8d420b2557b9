// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QProxyStyle>

// The marks of the option buttons and the check box, and the scroll bars of
// the lists, drawn to read on the game's black window whatever the desktop
// style: an empty mark is a dim ring or square in the control's own colour, a
// chosen one is filled or ticked in full colour; marks grow with the text; a
// scroll bar is a bright handle in a dark groove.
class OnBlackStyle final : public QProxyStyle
{
    Q_OBJECT
public:
    // One instance for the whole program, owned by the application.
    static QStyle *instance();

    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *painter,
                            const QWidget *widget = nullptr) const override;

private:
    OnBlackStyle() = default;
    void drawScrollBar(const QStyleOptionComplex *option, QPainter *painter, const QWidget *widget) const;
};
