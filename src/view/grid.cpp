// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "view/grid.h"

#include <cmath>

GridMetrics computeGrid(int screenHeightPixels, double dotsPerInch)
{
    const double twipsPerPixel = 1440.0 / dotsPerInch;
    GridMetrics grid;
    // Twips are counted in 64 bits: on very tall screens 16 units overflow 16 bits.
    const auto screenTwips = roundHalfEven(screenHeightPixels * twipsPerPixel);
    grid.unitTwips = roundHalfEven(static_cast<double>(screenTwips) / 18.0);
    grid.windowWidthTwips = 12 * grid.unitTwips;
    grid.windowHeightTwips = 16 * grid.unitTwips;
    grid.windowWidthPixels = static_cast<int>(roundHalfEven(static_cast<double>(grid.windowWidthTwips) / twipsPerPixel));
    grid.windowHeightPixels = static_cast<int>(roundHalfEven(static_cast<double>(grid.windowHeightTwips) / twipsPerPixel));
    grid.baseFontPoints = static_cast<int>(grid.windowWidthTwips / 700) + 5;
    return grid;
}
