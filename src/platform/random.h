// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/services.h"

#include <random>

// The game's generator, seeded from the clock once at start-up.
class ClockSeededRandom final : public RandomSource
{
public:
    ClockSeededRandom();
    double next() override;

private:
    std::mt19937_64 m_engine;
};
