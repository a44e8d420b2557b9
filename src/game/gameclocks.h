// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

// The clocks that move the game on by itself. The model decides when each
// runs and how fast; the view only measures the time and reports each tick.
enum class GameClock {
    PromptBlink,  // "Click ME!" blinks while a scene waits for its click
    Speech,       // the alien speaks, or asks, in free play
    QuestionWait, // how long the alien has waited to ask
    Day,          // a game day passes in free play
};
inline constexpr int gameClockCount = 4;

struct ClockSetting
{
    int intervalMs = 0;
    bool running = false;
    bool operator==(const ClockSetting &) const = default;
};
