// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once
// The looping background tune (bgm.wav).

#include "wave.h"

Samples backgroundMusic();
