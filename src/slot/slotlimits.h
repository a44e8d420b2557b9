// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtGlobal>

#include <initializer_list>
#include <limits>

// What a saved game may hold, field by field: the game never writes anything
// outside these bounds, so a slot that does was damaged or tampered with.
namespace slotlimits {

inline constexpr int moodMin = -500, moodMax = 500;
inline constexpr int payMax = std::numeric_limits<qint16>::max(); // pay saturates
inline constexpr qint64 moneyMax = std::numeric_limits<qint32>::max();
inline constexpr int dayMax = 100;
// Every class keeps its two first words, and holds at most 5000.
inline constexpr int wordCountMin = 2, wordCountMax = 5000;
// Appending cycles through positions 2 to 4999.
inline constexpr int wordSlotMin = 2, wordSlotMax = 4999;
inline constexpr int boxSize = 10;
inline constexpr int priceMax = std::numeric_limits<qint16>::max();
inline constexpr std::initializer_list<int> faces = {0, 2, 4, 6, 8};
inline constexpr int moveKindMax = 2, wordKindMax = 2;


// One numeric field of the status line: its name for error messages and its
// bounds (both inclusive).
struct Field
{
    const char *name;
    qint64 min;
    qint64 max;
};

inline constexpr int fieldCount = 30; // 29 numbers and the quoted scene mode
inline constexpr Field numericFields[fieldCount - 1] = {
    {"Mood(0)", moodMin, moodMax},
    {"Mood(1)", moodMin, moodMax},
    {"Mood(2)", moodMin, moodMax},
    {"Mood(3)", moodMin, moodMax},
    {"Pay", 0, payMax},
    {"Money", 0, moneyMax},
    {"Day", 0, dayMax},
    {"WordCount(0)", wordCountMin, wordCountMax},
    {"WordCount(1)", wordCountMin, wordCountMax},
    {"WordCount(2)", wordCountMin, wordCountMax},
    {"WordSlot(0)", wordSlotMin, wordSlotMax},
    {"WordSlot(1)", wordSlotMin, wordSlotMax},
    {"WordSlot(2)", wordSlotMin, wordSlotMax},
    {"BoxCount", 0, boxSize},
    {"MoveKind", 0, moveKindMax},
    {"Face", 0, 8}, // and even: see faces
    {"WordKind", 0, wordKindMax},
    {"ending 0", 0, 1},
    {"ending 1", 0, 1},
    {"ending 2", 0, 1},
    {"ending 3", 0, 1},
    {"ending 4", 0, 1},
    {"ending 5", 0, 1},
    {"ending 6", 0, 1},
    {"option 0", 0, 1},
    {"option 1", 0, 1},
    {"option 2", 0, 1},
    {"option 3", 0, 1},
    {"option 4", 0, 1},
};

} // namespace slotlimits
