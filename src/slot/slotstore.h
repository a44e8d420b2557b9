// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include "slot/saveslot.h"

#include <QStringList>

class FileOps;

// The save slot on disk. A save replaces all six files or none: it writes
// them under temporary names first, then records its intent in a small
// journal before it moves them into place. Whatever stops it, an error or
// the process being killed between any two file operations, the slot reads
// back as the old save or as the new one, never a mix: the next save or load
// finishes (or undoes) what the journal says, and clears leftovers.
//
// Nothing found in the folder jams it for good: a journal that makes no
// sense means no save was under way; a helper name taken by something that
// cannot be removed makes the save use another set of names; and what lies
// under one of the six names, when it is not a file, is refused at once and
// never replaced, followed or opened.
class SlotStore
{
public:
    // `folder` must be an absolute path: the slot never lands in whatever
    // folder the game happened to be started from.
    SlotStore(FileOps &files, QString folder);

    // What a save does with a file that already holds its new bytes.
    enum class SameFiles { Rewrite, Keep };
    // Keeping them makes a save that changes one file cost one file's work.
    bool save(const SlotBytes &bytes, SameFiles same = SameFiles::Rewrite);
    // The six files as stored; nothing when one is missing or unreadable.
    std::optional<SlotBytes> load();
    // Finishes or undoes an interrupted save and removes its leftovers.
    bool recover();
    // Removes the slot, leftovers and all; true when nothing of it is left.
    bool erase();
    // False when there is no saved game at all: none of the six files, and
    // no journal that would finish a save. Changes nothing on disk.
    bool hasSlot();
    // After save(), load() or recover() failed: one line naming the file and
    // what is wrong with it, or the system's reason.
    QString lastError() const { return m_error; }

    // No file of the slot is ever larger than this (5001 long words at most).
    static constexpr qint64 fileSizeLimit = qint64(64) * 1024 * 1024;
    // How many sets of temporary names a save can choose from.
    static constexpr int nameSets = 3;

private:
    struct Journal
    {
        enum State { None, Commit, Rollback, Unreadable } state = None;
        QList<int> backedUp;
    };

    QString path(int file) const;
    QString newPath(int file, int set) const;
    QString oldPath(int file, int set) const;
    QString journalPath(int set) const;
    QStringList helperPaths(int set) const;
    // Those of `paths` that are taken, seen in one listing of the folder.
    QStringList taken(const QStringList &paths);
    bool holds(int file, const QByteArray &bytes);
    bool folderUsable();
    bool slotNamesHoldFiles();
    int freeNameSet();
    Journal readJournal(int set);
    bool writeJournal(int set, const QString &state, const QList<int> &backedUp);
    bool writeTemporaries(int set, const SlotBytes &bytes, const QList<int> &replaced);
    bool moveIntoPlace(int set, const QList<int> &backedUp, const QList<int> &replaced);
    bool rollBack(int set, const QList<int> &backedUp);
    bool finishForward(int set);
    bool undo(int set, const QList<int> &backedUp);
    void removeLeftovers(int set);
    bool keepError();

    FileOps &m_files;
    QString m_folder;
    bool m_folderAbsolute = false;
    QString m_error;
};
