// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// The save slot as a value: everything the six files hold, apart from the
// window. The window's Save and Load only copy between this and its controls.
struct SaveSlot
{
    std::array<QStringList, 3> words; // each list as stored, its trailing empty row included
    QStringList items;                // the transfer box, first to last
    QStringList prices;               // beside each item, as shown
    std::array<qint16, 4> mood{};
    qint16 pay = 0;
    qint32 money = 0;
    qint16 day = 0;
    std::array<qint16, 3> wordCount{};
    std::array<qint16, 3> wordSlot{};
    qint16 boxCount = 0;
    qint16 moveKind = 0;
    qint16 face = 0;
    qint16 wordKind = 0;
    std::array<bool, 7> endingSeen{};
    std::array<bool, 5> option{};
    QString sceneMode;

    bool operator==(const SaveSlot &) const = default;
};

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
