// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game/randomsource.h"

#include <QString>

// The seams between the game and the outside world. The game itself uses the
// real implementations; the tests script them.

// Modal dialogs. Each blocks until the player answers.
class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // A box with only an OK button, captioned with the game's title.
    virtual void message(const QString &text) = 0;
    // The same box for something that went wrong: `details`, the reason in
    // plain words, stays folded away until the player asks for it.
    virtual void failure(const QString &text, const QString &details) = 0;
    // A text prompt; returns the empty string when the player cancels.
    virtual QString input(const QString &prompt, const QString &title) = 0;
    // A yes/no question captioned with the game's title; true for yes. Only
    // a choice that may throw a game away asks one: every other box keeps its
    // single OK button. Enter gives the answer that keeps the game: no,
    // unless `yesByDefault`. `details` as for failure(); none when empty.
    virtual bool ask(const QString &question, const QString &details, bool yesByDefault) = 0;
    // One page of the help, numbered from 1 of `count`: true to go on to the
    // next, false when the player closes the help there.
    virtual bool helpPage(const QString &text, int number, int count) = 0;
};

