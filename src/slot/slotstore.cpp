// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Saving the slot all at once.
//
// Names used beside the six files: "<file>.new" holds the new save until it
// is moved into place, "<file>.old" the old one while the move runs, and
// "save.journal" says which way an interrupted move must go: "commit" (the
// new save is complete, move it in) or "rollback" (put the old save back).
// Its other lines name the files that had an old version. When one of these
// names is taken by something that cannot be removed, a save uses the next
// set: ".new1", ".old1", "save.journal1", and so on.

#include "slot/slotstore.h"

#include "platform/fileops.h"

#include <QDir>

namespace {
constexpr QLatin1String commitState("commit");
constexpr QLatin1String rollbackState("rollback");

QString setTag(int set)
{
    return set == 0 ? QString() : QString::number(set);
}

int fileNamed(const QByteArray &name)
{
    for (int i = 0; i < slotfiles::count; ++i) {
        if (name == slotfiles::names[i])
            return i;
    }
    return -1;
}
} // namespace

SlotStore::SlotStore(FileOps &files, QString folder)
    : m_files(files)
    , m_folder(std::move(folder))
    , m_folderAbsolute(QDir::isAbsolutePath(m_folder))
{
    if (!m_folder.endsWith(QLatin1Char('/')))
        m_folder += QLatin1Char('/');
}

QString SlotStore::path(int file) const
{
    return m_folder + QLatin1String(slotfiles::names[file]);
}

QString SlotStore::newPath(int file, int set) const
{
    return path(file) + QStringLiteral(".new") + setTag(set);
}

QString SlotStore::oldPath(int file, int set) const
{
    return path(file) + QStringLiteral(".old") + setTag(set);
}

QString SlotStore::journalPath(int set) const
{
    return m_folder + QStringLiteral("save.journal") + setTag(set);
}

QStringList SlotStore::helperPaths(int set) const
{
    QStringList paths{journalPath(set), journalPath(set) + QStringLiteral(".new")};
    for (int i = 0; i < slotfiles::count; ++i)
        paths << newPath(i, set) << oldPath(i, set);
    return paths;
}

QStringList SlotStore::taken(const QStringList &paths)
{
    const auto listing = m_files.names(m_folder);
    QStringList found;
    for (const QString &path : paths) {
        // A folder that cannot be listed is asked name by name.
        if (listing ? listing->contains(path.mid(m_folder.size())) : m_files.exists(path))
            found << path;
    }
    return found;
}

bool SlotStore::holds(int file, const QByteArray &bytes)
{
    if (m_files.entry(path(file)) != FileOps::Entry::File)
        return false;
    const auto stored = m_files.read(path(file), fileSizeLimit);
    return stored && *stored == bytes;
}

bool SlotStore::keepError()
{
    m_error = m_files.lastError();
    return false;
}

bool SlotStore::folderUsable()
{
    m_error.clear();
    if (!m_folderAbsolute)
        m_error = QStringLiteral("no folder for the save: \"%1\" is not an absolute path").arg(m_folder.chopped(1));
    return m_folderAbsolute;
}

bool SlotStore::save(const SlotBytes &bytes, SameFiles same)
{
    if (!folderUsable())
        return false;
    if (!m_files.makeFolder(m_folder) || !recover())
        return keepError();
    if (!slotNamesHoldFiles())
        return false;
    const int set = freeNameSet();
    if (set < 0)
        return false;
    QList<int> replaced;
    for (int i = 0; i < slotfiles::count; ++i) {
        if (same == SameFiles::Rewrite || !holds(i, bytes[i]))
            replaced << i;
    }
    if (replaced.isEmpty())
        return true;
    if (!writeTemporaries(set, bytes, replaced)) {
        keepError();
        removeLeftovers(set);
        return false;
    }
    // A kept file counts as backed up: with no ".old" of it, undoing the
    // save leaves it where it is.
    QList<int> backedUp;
    for (int i = 0; i < slotfiles::count; ++i) {
        if (m_files.exists(path(i)))
            backedUp << i;
    }
    // From here on the new save counts: the journal lets a killed save be
    // finished by the next load.
    if (!writeJournal(set, commitState, backedUp)) {
        keepError();
        // A journal that did get written would finish this save later; the
        // temporaries may only go with it.
        if (m_files.remove(journalPath(set)))
            removeLeftovers(set);
        return false;
    }
    if (!moveIntoPlace(set, backedUp, replaced)) {
        keepError();
        rollBack(set, backedUp);
        return false;
    }
    m_files.syncFolder(m_folder);
    if (m_files.remove(journalPath(set)))
        removeLeftovers(set);
    return true;
}

bool SlotStore::slotNamesHoldFiles()
{
    for (int i = 0; i < slotfiles::count; ++i) {
        if (m_files.entry(path(i)) == FileOps::Entry::Other)
            return keepError();
    }
    return true;
}

int SlotStore::freeNameSet()
{
    for (int set = 0; set < nameSets; ++set) {
        if (taken(helperPaths(set)).isEmpty())
            return set;
    }
    // Name what holds the first set: the player can remove it.
    for (const QString &path : helperPaths(0)) {
        if (m_files.entry(path) == FileOps::Entry::Other)
            return keepError(), -1;
        if (m_files.exists(path)) {
            m_error = path + QStringLiteral(": left over from an earlier save, and it cannot be removed");
            return -1;
        }
    }
    return -1;
}

bool SlotStore::writeTemporaries(int set, const SlotBytes &bytes, const QList<int> &replaced)
{
    // Their names reach the disk with the journal's, in the same folder.
    for (int i : replaced) {
        if (!m_files.write(newPath(i, set), bytes[i]) || !m_files.sync(newPath(i, set)))
            return false;
    }
    return true;
}

bool SlotStore::writeJournal(int set, const QString &state, const QList<int> &backedUp)
{
    QStringList lines{state};
    for (int i : backedUp)
        lines << QLatin1String(slotfiles::names[i]);
    const QString temporary = journalPath(set) + QStringLiteral(".new");
    return m_files.write(temporary, lines.join(QLatin1Char('\n')).toLatin1()) && m_files.sync(temporary)
        && m_files.rename(temporary, journalPath(set)) && m_files.syncFolder(m_folder);
}

SlotStore::Journal SlotStore::readJournal(int set)
{
    // Anything but a file under the journal's name is no journal.
    if (m_files.entry(journalPath(set)) != FileOps::Entry::File)
        return {};
    // A journal that is there but cannot be read may still be in force.
    const auto bytes = m_files.read(journalPath(set), fileSizeLimit);
    if (!bytes)
        return {Journal::Unreadable, {}};
    const QList<QByteArray> lines = bytes->split('\n');
    Journal journal;
    journal.state = lines.first() == commitState ? Journal::Commit
                    : lines.first() == rollbackState ? Journal::Rollback
                                                  : Journal::None;
    for (qsizetype l = 1; l < lines.size() && journal.state != Journal::None; ++l) {
        const int file = fileNamed(lines[l]);
        // Not what a save writes: no save was under way.
        if (file < 0 || journal.backedUp.contains(file))
            return {};
        journal.backedUp << file;
    }
    return journal;
}

bool SlotStore::moveIntoPlace(int set, const QList<int> &backedUp, const QList<int> &replaced)
{
    for (int i : replaced) {
        if (backedUp.contains(i) && !m_files.rename(path(i), oldPath(i, set)))
            return false;
        if (!m_files.rename(newPath(i, set), path(i)))
            return false;
    }
    return true;
}

bool SlotStore::rollBack(int set, const QList<int> &backedUp)
{
    // Unless the journal can be turned round, the next load finishes the
    // save instead: still one whole save, the new one.
    return writeJournal(set, rollbackState, backedUp) && undo(set, backedUp);
}

bool SlotStore::undo(int set, const QList<int> &backedUp)
{
    for (int i = 0; i < slotfiles::count; ++i) {
        if (!backedUp.contains(i)) {
            // The file is new with this save.
            if (!m_files.remove(path(i)))
                return false;
        } else if (m_files.exists(oldPath(i, set)) && !m_files.rename(oldPath(i, set), path(i))) {
            return false;
        }
    }
    if (!m_files.syncFolder(m_folder) || !m_files.remove(journalPath(set)))
        return false;
    removeLeftovers(set);
    return true;
}

bool SlotStore::finishForward(int set)
{
    for (int i = 0; i < slotfiles::count; ++i) {
        if (m_files.exists(newPath(i, set)) && !m_files.rename(newPath(i, set), path(i)))
            return false;
    }
    if (!m_files.syncFolder(m_folder) || !m_files.remove(journalPath(set)))
        return false;
    removeLeftovers(set);
    return true;
}

bool SlotStore::recover()
{
    for (int set = 0; set < nameSets; ++set) {
        const Journal journal = readJournal(set);
        if (journal.state == Journal::Unreadable || (journal.state == Journal::Commit && !finishForward(set))
            || (journal.state == Journal::Rollback && !undo(set, journal.backedUp)))
            return keepError();
    }
    // No save is under way now: whatever is left of one is a leftover, a
    // journal that made no sense included.
    for (int set = 0; set < nameSets; ++set)
        removeLeftovers(set);
    return true;
}

void SlotStore::removeLeftovers(int set)
{
    // Only ever called with no journal of this set in force: these belong to
    // no save. What cannot be removed keeps this set's names from the next.
    for (const QString &path : taken(helperPaths(set)))
        m_files.remove(path);
}

bool SlotStore::hasSlot()
{
    if (!m_folderAbsolute)
        return false;
    for (int i = 0; i < slotfiles::count; ++i) {
        if (m_files.exists(path(i)))
            return true;
    }
    for (int set = 0; set < nameSets; ++set) {
        const auto state = readJournal(set).state;
        if (state == Journal::Commit || state == Journal::Unreadable)
            return true;
    }
    return false;
}


std::optional<SlotBytes> SlotStore::load()
{
    if (!folderUsable())
        return std::nullopt;
    if (!recover())
        return keepError(), std::nullopt;
    if (!hasSlot()) {
        m_error = m_folder + QStringLiteral(": no saved game");
        return std::nullopt;
    }
    SlotBytes bytes;
    for (int i = 0; i < slotfiles::count; ++i) {
        auto content = m_files.read(path(i), fileSizeLimit);
        if (!content)
            return keepError(), std::nullopt;
        bytes[i] = std::move(*content);
    }
    return bytes;
}

bool SlotStore::erase()
{
    if (!folderUsable() || !recover())
        return false;
    bool erased = true;
    for (int i = 0; i < slotfiles::count; ++i) {
        if (m_files.entry(path(i)) == FileOps::Entry::File)
            erased = m_files.remove(path(i)) && erased;
    }
    return erased;
}
