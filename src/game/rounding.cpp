// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "game/rounding.h"

#include <cmath>

std::int64_t roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    auto whole = static_cast<std::int64_t>(floor);
    if (fraction > 0.5 || (fraction == 0.5 && (whole % 2 != 0)))
        ++whole;
    return whole;
}
