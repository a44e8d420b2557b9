// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The recovery copy: while a game is under way, the game keeps a copy of it
// in a folder of its own beside the save slot, so that a crash or a killed
// program costs at most the last game day. A normal close removes it; the
// next start after an abnormal end offers to play on from it.

#include "core/fom.h"
#include "core/texts.h"
#include "persistence/saveslot.h"
#include "persistence/slotstore.h"
#include "platform/stderrlog.h"

using texts::u8;

QString Fom::RecoveryPath() const
{
    return SavePath + QStringLiteral("recovery/");
}

void Fom::KeepRecoveryCopy()
{
    if (!m_saveFolderProblem.isEmpty() || !GameInProgress())
        return;
    // At most one write every cool-down: a day that passes sooner is written
    // when the cool-down ends, with whatever has happened by then.
    if (RecoveryCooldown->isActive()) {
        m_recoveryDue = true;
        return;
    }
    WriteRecoveryCopy();
}

void Fom::RecoveryCooldown_Timer()
{
    if (m_recoveryDue && GameInProgress())
        WriteRecoveryCopy();
}

void Fom::WriteRecoveryCopy()
{
    m_recoveryDue = false;
    m_recoveryOwned = true;
    RecoveryCooldown->start();
    const auto bytes = encodeSlot(CurrentSlot());
    SlotStore store(m_files, RecoveryPath());
    if (bytes && store.save(*bytes))
        return;
    // Play goes on regardless; one line says the copy is not being kept.
    if (!m_recoveryWarned)
        warnOnStderr(QStringLiteral("no recovery copy: ") + (bytes ? store.lastError() : QStringLiteral("no cp932 form")));
    m_recoveryWarned = true;
}

void Fom::DropRecoveryCopy()
{
    m_recoveryDue = false;
    RecoveryCooldown->stop();
    // A copy that this run neither wrote nor played on waits for its
    // question at start-up.
    if (m_recoveryOwned)
        SlotStore(m_files, RecoveryPath()).erase();
    m_recoveryOwned = false;
}

void Fom::OfferRecovery()
{
    if (!m_saveFolderProblem.isEmpty())
        return;
    SlotStore store(m_files, RecoveryPath());
    if (!store.hasSlot())
        return;
    const bool resume = m_dialogs.ask(u8("前回は正しく終了しませんでした。つづきから遊びますか？"), QString(), true);
    const auto bytes = resume ? store.load() : std::nullopt;
    const DecodedSlot decoded = bytes ? decodeSlot(*bytes) : DecodedSlot{};
    if (decoded.slot) {
        m_recoveryOwned = true;
        return ApplySlot(*decoded.slot);
    }
    // A copy that cannot be played on is no use on any later start either.
    if (resume)
        ShowFileError(bytes ? decoded.error : store.lastError());
    store.erase();
}
