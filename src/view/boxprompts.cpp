// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "view/boxprompts.h"

#include "platform/cp932.h"

QString BoxPrompts::askName(const QString &prompt, const QString &title)
{
    const QString name = m_boxes.input(prompt, title);
    // The dialog already refuses what a save file cannot hold; this guards
    // every other way in.
    return cp932::canHold(name) ? name : QString();
}

bool BoxPrompts::confirm(const QString &question)
{
    return m_boxes.ask(question, QString(), false);
}
