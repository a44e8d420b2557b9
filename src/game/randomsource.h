// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

// The game's one source of chance: the game uses a clock-seeded generator,
// the tests script every draw.
class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // Each call is a fresh uniform draw in [0, 1).
    virtual double next() = 0;
};

// Int(r x n): a uniform whole number 0 .. n-1.
int drawInt(RandomSource &random, int n);
