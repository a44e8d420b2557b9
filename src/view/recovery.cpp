// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The recovery copy: while a game is under way, the game keeps a copy of it
// in a folder of its own beside the save slot, so that a crash or a killed
// program costs at most the last game day. A normal close removes it; the
// next start after an abnormal end offers to play on from it.

#include "view/gamewindow.h"
#include "game/texts.h"
#include "slot/saveslot.h"
#include "slot/slotstore.h"
#include "platform/fileops.h"
#include "platform/stderrlog.h"

using texts::u8;

namespace {

// The recovery copy only has to outlive the program, not the machine: its
// files go to the system without waiting for the disk, which makes a write
// several times cheaper. Should the power fail half way, the copy reads back
// damaged, is refused, and only the copy is lost, never the player's slot.
class UnflushedFiles final : public FileOps
{
public:
    explicit UnflushedFiles(FileOps &files)
        : m_files(files)
    {
    }
    Entry entry(const QString &path) override { return m_files.entry(path); }
    std::optional<QStringList> names(const QString &folder) override { return m_files.names(folder); }
    std::optional<QByteArray> read(const QString &path, qint64 limit) override { return m_files.read(path, limit); }
    bool write(const QString &path, const QByteArray &bytes) override { return m_files.write(path, bytes); }
    bool sync(const QString &) override { return true; }
    bool syncFolder(const QString &) override { return true; }
    bool rename(const QString &from, const QString &to) override { return m_files.rename(from, to); }
    bool remove(const QString &path) override { return m_files.remove(path); }
    bool makeFolder(const QString &folder) override { return m_files.makeFolder(folder); }
    QString lastError() const override { return m_files.lastError(); }

private:
    FileOps &m_files;
};

} // namespace

QString GameWindow::recoveryPath() const
{
    return savePath + QStringLiteral("recovery/");
}

void GameWindow::keepRecoveryCopy()
{
    if (!m_saveFolderProblem.isEmpty() || !gameInProgress())
        return;
    // At most one write every cool-down: a day that passes sooner is written
    // when the cool-down ends, with whatever has happened by then.
    if (recoveryPause->isActive()) {
        m_recoveryDue = true;
        return;
    }
    writeRecoveryCopy();
}

void GameWindow::recoveryPauseElapsed()
{
    if (m_recoveryDue && gameInProgress())
        writeRecoveryCopy();
}

void GameWindow::writeRecoveryCopy()
{
    m_recoveryDue = false;
    m_recoveryOwned = true;
    recoveryPause->start();
    const auto bytes = encodeSlot(currentSlot());
    UnflushedFiles files(m_files);
    SlotStore store(files, recoveryPath());
    if (bytes && store.save(*bytes, SlotStore::SameFiles::Keep))
        return;
    // Play goes on regardless; one line says the copy is not being kept.
    if (!m_recoveryWarned)
        warnOnStderr(QStringLiteral("no recovery copy: ") + (bytes ? store.lastError() : QStringLiteral("no cp932 form")));
    m_recoveryWarned = true;
}

void GameWindow::dropRecoveryCopy()
{
    m_recoveryDue = false;
    recoveryPause->stop();
    // A copy that this run neither wrote nor played on waits for its
    // question at start-up.
    if (m_recoveryOwned)
        SlotStore(m_files, recoveryPath()).erase();
    m_recoveryOwned = false;
}

void GameWindow::offerRecovery()
{
    if (!m_saveFolderProblem.isEmpty())
        return;
    SlotStore store(m_files, recoveryPath());
    if (!store.hasSlot())
        return;
    const bool resume = m_dialogs.ask(u8("前回は正しく終了しませんでした。つづきから遊びますか？"), QString(), true);
    const auto bytes = resume ? store.load() : std::nullopt;
    const DecodedSlot decoded = bytes ? decodeSlot(*bytes) : DecodedSlot{};
    if (decoded.slot) {
        m_recoveryOwned = true;
        return applySlot(*decoded.slot);
    }
    // A copy that cannot be played on is no use on any later start either.
    if (resume)
        showFileError(bytes ? decoded.error : store.lastError());
    store.erase();
}
