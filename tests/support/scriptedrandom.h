// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game/randomsource.h"

#include <QList>

// Draws come from a script; once it runs dry every draw is `fallback`.
class ScriptedRandom final : public RandomSource
{
public:
    double next() override { return m_queue.isEmpty() ? fallback : m_queue.takeFirst(); }
    void script(const QList<double> &draws) { m_queue = draws; }
    int remaining() const { return static_cast<int>(m_queue.size()); }
    double fallback = 0.0;

private:
    QList<double> m_queue;
};
