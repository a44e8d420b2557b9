// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include "persistence/saveslot.h"

#include <QStringList>

class FileOps;

// The save slot on disk. A save replaces all six files or none: it writes
// them under temporary names first, then records its intent in a small
// journal before it moves them into place. Whatever stops it, an error or
// the process being killed between any two file operations, the slot reads
// back as the old save or as the new one, never a mix: the next save or load
// finishes (or undoes) what the journal says, and clears leftovers.
class SlotStore
{
public:
    SlotStore(FileOps &files, QString folder);

    bool save(const SlotBytes &bytes);
    // The six files as stored; nothing when one is missing or unreadable.
    std::optional<SlotBytes> load();
    // Finishes or undoes an interrupted save and removes its leftovers.
    bool recover();

    // No file of the slot is ever larger than this (5001 long words at most).
    static constexpr qint64 fileSizeLimit = qint64(64) * 1024 * 1024;

private:
    QString path(int file, const char *suffix = "") const;
    QString journalPath() const;
    bool writeJournal(const QString &state, const QList<int> &backedUp);
    bool writeTemporaries(const SlotBytes &bytes);
    bool moveIntoPlace(const QList<int> &backedUp);
    bool rollBack(const QList<int> &backedUp);
    bool finishForward();
    bool undo(const QList<int> &backedUp);
    void removeLeftovers();

    FileOps &m_files;
    QString m_folder;
};
