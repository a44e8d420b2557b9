// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game/playerprompts.h"
#include "platform/services.h"

// The scenes' questions to the player, asked in the game's own boxes.
class BoxPrompts final : public PlayerPrompts
{
public:
    explicit BoxPrompts(Dialogs &boxes) : m_boxes(boxes) {}
    QString askName(const QString &prompt, const QString &title) override;
    bool confirm(const QString &question) override;

private:
    Dialogs &m_boxes;
};
