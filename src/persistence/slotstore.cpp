// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Saving the slot all at once.
//
// Names used beside the six files: "<file>.new" holds the new save until it
// is moved into place, "<file>.old" the old one while the move runs, and
// "save.journal" says which way an interrupted move must go: "commit" (the
// new save is complete, move it in) or "rollback" (put the old save back).
// Its other lines name the files that had an old version.

#include "persistence/slotstore.h"

#include "platform/fileops.h"

namespace {
const char *const newSuffix = ".new";
const char *const oldSuffix = ".old";
constexpr QLatin1String commitState("commit");
constexpr QLatin1String rollbackState("rollback");
} // namespace

SlotStore::SlotStore(FileOps &files, QString folder)
    : m_files(files)
    , m_folder(std::move(folder))
{
    if (!m_folder.endsWith(QLatin1Char('/')))
        m_folder += QLatin1Char('/');
}

QString SlotStore::path(int file, const char *suffix) const
{
    return m_folder + QLatin1String(slotfiles::names[file]) + QLatin1String(suffix);
}

QString SlotStore::journalPath() const
{
    return m_folder + QStringLiteral("save.journal");
}

bool SlotStore::save(const SlotBytes &bytes)
{
    if (!m_files.makeFolder(m_folder) || !recover())
        return false;
    if (!writeTemporaries(bytes)) {
        removeLeftovers();
        return false;
    }
    QList<int> backedUp;
    for (int i = 0; i < slotfiles::count; ++i) {
        if (m_files.exists(path(i)))
            backedUp << i;
    }
    // From here on the new save counts: the journal lets a killed save be
    // finished by the next load.
    if (!writeJournal(commitState, backedUp)) {
        // A journal that did get written would finish this save later; the
        // temporaries may only go with it.
        if (m_files.remove(journalPath()))
            removeLeftovers();
        return false;
    }
    if (!moveIntoPlace(backedUp)) {
        rollBack(backedUp);
        return false;
    }
    m_files.syncFolder(m_folder);
    if (m_files.remove(journalPath()))
        removeLeftovers();
    return true;
}

bool SlotStore::writeTemporaries(const SlotBytes &bytes)
{
    // Their names reach the disk with the journal's, in the same folder.
    for (int i = 0; i < slotfiles::count; ++i) {
        if (!m_files.write(path(i, newSuffix), bytes[i]) || !m_files.sync(path(i, newSuffix)))
            return false;
    }
    return true;
}

bool SlotStore::writeJournal(const QString &state, const QList<int> &backedUp)
{
    QStringList lines{state};
    for (int i : backedUp)
        lines << QLatin1String(slotfiles::names[i]);
    const QString temporary = journalPath() + QLatin1String(newSuffix);
    return m_files.write(temporary, lines.join(QLatin1Char('\n')).toLatin1()) && m_files.sync(temporary)
        && m_files.rename(temporary, journalPath()) && m_files.syncFolder(m_folder);
}

bool SlotStore::moveIntoPlace(const QList<int> &backedUp)
{
    for (int i = 0; i < slotfiles::count; ++i) {
        if (backedUp.contains(i) && !m_files.rename(path(i), path(i, oldSuffix)))
            return false;
        if (!m_files.rename(path(i, newSuffix), path(i)))
            return false;
    }
    return true;
}

bool SlotStore::rollBack(const QList<int> &backedUp)
{
    // Unless the journal can be turned round, the next load finishes the
    // save instead: still one whole save, the new one.
    return writeJournal(rollbackState, backedUp) && undo(backedUp);
}

bool SlotStore::undo(const QList<int> &backedUp)
{
    for (int i = 0; i < slotfiles::count; ++i) {
        if (!backedUp.contains(i)) {
            // The file is new with this save.
            if (!m_files.remove(path(i)))
                return false;
        } else if (m_files.exists(path(i, oldSuffix)) && !m_files.rename(path(i, oldSuffix), path(i))) {
            return false;
        }
    }
    if (!m_files.syncFolder(m_folder) || !m_files.remove(journalPath()))
        return false;
    removeLeftovers();
    return true;
}

bool SlotStore::finishForward()
{
    for (int i = 0; i < slotfiles::count; ++i) {
        if (m_files.exists(path(i, newSuffix)) && !m_files.rename(path(i, newSuffix), path(i)))
            return false;
    }
    if (!m_files.syncFolder(m_folder) || !m_files.remove(journalPath()))
        return false;
    removeLeftovers();
    return true;
}

bool SlotStore::recover()
{
    if (!m_files.exists(journalPath())) {
        removeLeftovers();
        return true;
    }
    const auto journal = m_files.read(journalPath(), 4096);
    if (!journal)
        return false;
    const QStringList lines = QString::fromLatin1(*journal).split(QLatin1Char('\n'));
    QList<int> backedUp;
    for (int i = 0; i < slotfiles::count; ++i) {
        if (lines.contains(QLatin1String(slotfiles::names[i])))
            backedUp << i;
    }
    if (lines.first() == commitState)
        return finishForward();
    if (lines.first() == rollbackState)
        return undo(backedUp);
    return false;
}

void SlotStore::removeLeftovers()
{
    // Only ever called with no journal in force: these belong to no save.
    for (int i = 0; i < slotfiles::count; ++i) {
        m_files.remove(path(i, newSuffix));
        m_files.remove(path(i, oldSuffix));
    }
    m_files.remove(journalPath() + QLatin1String(newSuffix));
}

std::optional<SlotBytes> SlotStore::load()
{
    if (!recover())
        return std::nullopt;
    SlotBytes bytes;
    for (int i = 0; i < slotfiles::count; ++i) {
        auto content = m_files.read(path(i), fileSizeLimit);
        if (!content)
            return std::nullopt;
        bytes[i] = std::move(*content);
    }
    return bytes;
}
