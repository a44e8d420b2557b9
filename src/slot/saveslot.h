// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game/savedgame.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The six files of the slot, in the order they are written.
namespace slotfiles {
inline constexpr int count = 6;
inline constexpr const char *names[count] = {
    "kotoba0.dat", "kotoba1.dat", "kotoba2.dat", "lst.dat", "lstmoney.dat", "str.dat",
};
enum Index { Kotoba0, Kotoba1, Kotoba2, Items, Prices, Str };
} // namespace slotfiles

using SlotBytes = std::array<QByteArray, slotfiles::count>;

// Turns a slot into the bytes of its six files: cp932 text, every line ended
// by CR LF. Nothing when a text has no cp932 form.
std::optional<SlotBytes> encodeSlot(const SaveSlot &slot);

// Reads the six files back, refusing anything the game could never have
// written. On failure `error` says what is wrong and where.
struct DecodedSlot
{
    std::optional<SaveSlot> slot;
    QString error;
};
DecodedSlot decodeSlot(const SlotBytes &files);
