// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

// The alien's questions: what it asks, what it replies, and how each answer
// moves its moods.
struct Question
{
    const char *text;
    const char *yesReply;
    const char *noReply;
    int yes[4]; // joy, anger, sorrow, ease
    int no[4];
};

inline constexpr int questionCount = 21;

const Question &question(int number);
