// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game/rounding.h"

#include <cstdint>

// The window is sized from the screen: one grid unit is an 18th of the screen
// height, the window is 12 x 16 units, and the fonts grow with it.
struct GridMetrics
{
    std::int64_t unitTwips = 0;
    std::int64_t windowWidthTwips = 0;
    std::int64_t windowHeightTwips = 0;
    int windowWidthPixels = 0;
    int windowHeightPixels = 0;
    int baseFontPoints = 0;
};


// `screenHeightPixels` at `dotsPerInch`; 1440 twips make an inch.
GridMetrics computeGrid(int screenHeightPixels, double dotsPerInch);
