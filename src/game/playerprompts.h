// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// What a scene asks the player in a box of its own: the view answers it.
class PlayerPrompts
{
public:
    virtual ~PlayerPrompts() = default;
    // A name the save can hold, or empty when the player cancelled or typed
    // one it cannot.
    virtual QString askName(const QString &prompt, const QString &title) = 0;
    // Yes or no; the game goes on exactly as it was on either answer.
    virtual bool confirm(const QString &question) = 0;
};
