// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game/randomsource.h"

#include <QList>

#include <functional>

// Draws come from a script; once it runs dry, from `source` if there is one,
// else every draw is `fallback`.
class ScriptedRandom final : public RandomSource
{
public:
    double next() override { return !m_queue.isEmpty() ? m_queue.takeFirst() : source ? source() : fallback; }
    void script(const QList<double> &draws) { m_queue = draws; }
    int remaining() const { return static_cast<int>(m_queue.size()); }
    double fallback = 0.0;
    std::function<double()> source;

private:
    QList<double> m_queue;
};
