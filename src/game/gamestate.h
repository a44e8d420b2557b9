// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QStringList>

#include <array>

// What is going on: free play or one of the scripted scenes.
enum class SceneKind : quint8 {
    NotStarted,   // before the window first shows
    FreePlay,
    Title,        // the title, which starts a new game
    Opening,
    Announcement, // "a question is coming"
    Question,     // number: which of the questions
    Report,       // the monthly report
    Farewell,     // day 100
    Ending,       // number: which ending is told
    Preview,      // the special menu's face and motion viewer
};

struct Scene
{
    SceneKind kind = SceneKind::NotStarted;
    int number = 0; // the question or the ending; 0 for every other kind
    int step = 0;   // how far its script has come
    bool operator==(const Scene &) const = default;
};

// The alien's four moods, in the order of every table of the game.
enum Mood { Joy, Anger, Sorrow, Ease };
inline constexpr int moodCount = 4;

// The word classes, in the order of the three lists.
enum WordClass { Noun, Verb, Adjective };
inline constexpr int wordClassCount = 3;

// The option menu's items, in its order.
enum class Option { AlienQuestions, FastDays, Autosave, Music, SoundEffects };
inline constexpr int optionCount = 5;

inline constexpr int endingCount = 8;

// The whole state of a game, as a value: the model keeps one and changes it
// only by its rules.
struct GameState
{
    std::array<qint16, moodCount> moods{};
    qint16 face = 0;   // 0 calm, else 2 + 2 x the strongest mood
    qint16 motion = 0; // 0 sideways, 1 up and down, 2 both
    // Each class's words. A list may hold fewer rows than its count says
    // (a row past the end reads as empty) after a slot of an earlier version.
    std::array<QStringList, wordClassCount> words;
    std::array<qint16, wordClassCount> wordCount{};
    std::array<qint16, wordClassCount> writeSlot{}; // where the next taught word goes
    qint16 wordClass = Noun;                        // the class being taught
    qint16 pay = 0;                                 // earned this month, paid at the report
    qint32 money = 0;
    qint16 day = 0;
    QStringList boxItems;       // the transfer box, top to bottom
    QStringList boxPrices;      // beside each item, as shown
    qint16 boxRefillPlace = 0;  // where the next arrival goes
    std::array<bool, endingCount> endingSeen{};
    std::array<bool, optionCount> options{true, false, false, true, true};
    Scene scene;
    qint16 questionWait = 0; // ticks the alien has waited to ask

    bool operator==(const GameState &) const = default;
};
