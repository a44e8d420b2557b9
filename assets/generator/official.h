// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once
// The government official (偉い人) who made the player the go-between.

#include <QImage>

QImage officialPicture();
