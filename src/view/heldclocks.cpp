// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "view/heldclocks.h"

HeldClocks::HeldClocks(const QList<QTimer *> &clocks)
{
    for (QTimer *clock : clocks) {
        if (clock->isActive()) {
            m_running << clock;
            clock->stop();
        }
    }
}

HeldClocks::~HeldClocks()
{
    for (QTimer *clock : std::as_const(m_running))
        clock->start();
}

ClockHoldingDialogs::ClockHoldingDialogs(Dialogs &boxes, std::function<QList<QTimer *>()> clocks)
    : m_boxes(boxes)
    , m_clocks(std::move(clocks))
{
}

void ClockHoldingDialogs::message(const QString &text)
{
    const HeldClocks held(m_clocks());
    m_boxes.message(text);
}

void ClockHoldingDialogs::failure(const QString &text, const QString &details)
{
    const HeldClocks held(m_clocks());
    m_boxes.failure(text, details);
}

QString ClockHoldingDialogs::input(const QString &prompt, const QString &title)
{
    const HeldClocks held(m_clocks());
    return m_boxes.input(prompt, title);
}

bool ClockHoldingDialogs::ask(const QString &question, const QString &details, bool yesByDefault)
{
    const HeldClocks held(m_clocks());
    return m_boxes.ask(question, details, yesByDefault);
}

bool ClockHoldingDialogs::helpPage(const QString &text, int number, int count)
{
    const HeldClocks held(m_clocks());
    return m_boxes.helpPage(text, number, count);
}
