// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "platform/random.h"

#include <chrono>

ClockSeededRandom::ClockSeededRandom()
    : m_engine(static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()))
{
}

double ClockSeededRandom::next()
{
    // 53 random bits scaled by 2^-53: never reaches 1.
    return static_cast<double>(m_engine() >> 11) * 0x1.0p-53;
}
