// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <cstdint>

// Rounds to the nearest whole number, an exact half to the even one.
std::int64_t roundHalfEven(double value);
