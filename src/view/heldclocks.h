// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/services.h"

#include <QList>
#include <QTimer>

#include <functional>

// While a box of the game is open the game stands still: no day passes, the
// alien neither speaks nor asks, no scene moves on behind the box.
class HeldClocks
{
public:
    // Stops those of `clocks` that run.
    explicit HeldClocks(const QList<QTimer *> &clocks);
    // Starts again those that ran, unless the hold was kept.
    ~HeldClocks();
    HeldClocks(const HeldClocks &) = delete;
    HeldClocks &operator=(const HeldClocks &) = delete;
    // The game is over: nothing starts again.
    void keep() { m_running.clear(); }

private:
    QList<QTimer *> m_running;
};

// The game's boxes, each of which holds the game's clocks while it is open.
class ClockHoldingDialogs final : public Dialogs
{
public:
    ClockHoldingDialogs(Dialogs &boxes, std::function<QList<QTimer *>()> clocks);
    void message(const QString &text) override;
    void failure(const QString &text, const QString &details) override;
    QString input(const QString &prompt, const QString &title) override;
    bool ask(const QString &question, const QString &details, bool yesByDefault) override;
    bool helpPage(const QString &text, int number, int count) override;

private:
    Dialogs &m_boxes;
    std::function<QList<QTimer *>()> m_clocks;
};
