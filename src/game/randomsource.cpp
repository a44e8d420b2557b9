// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "game/randomsource.h"

int drawInt(RandomSource &random, int n)
{
    if (n <= 0)
        return 0;
    const int value = static_cast<int>(random.next() * n);
    // A scripted or badly behaved source must still give an index inside the range.
    return value < 0 ? 0 : (value >= n ? n - 1 : value);
}
