// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// The file operations the save slot is made of. Each call is one operation
// that may fail on its own, so the tests can fail the n-th one, or stop all
// of them from some point on, as a killed process would.
//
// Only regular files are read, written, renamed or removed: a folder, named
// pipe, socket, device or symbolic link under a file's name is refused at
// once, never opened, followed or replaced.
class FileOps
{
public:
    enum class Entry { Missing, File, Other };

    virtual ~FileOps() = default;
    // What lies at `path`, a symbolic link not followed. A question, not an
    // operation: it changes nothing and is never failed. For `Other`,
    // lastError() says what it is.
    virtual Entry entry(const QString &path) = 0;
    bool exists(const QString &path) { return entry(path) != Entry::Missing; }
    // The names in `folder`, of whatever kind; nothing when it cannot be
    // listed. A question like entry(): one look instead of one per name.
    virtual std::optional<QStringList> names(const QString &folder) = 0;
    // The whole file; nothing when it cannot be read or is larger than `limit`.
    virtual std::optional<QByteArray> read(const QString &path, qint64 limit) = 0;
    // Creates or truncates the file and writes all of `bytes`.
    virtual bool write(const QString &path, const QByteArray &bytes) = 0;
    // Flushes the file's contents to the disk.
    virtual bool sync(const QString &path) = 0;
    // Flushes the folder's entries (new names, renames) to the disk.
    virtual bool syncFolder(const QString &folder) = 0;
    // Replaces `to` (absent or a file) by the file `from` in one step.
    virtual bool rename(const QString &from, const QString &to) = 0;
    // True when no file is left at `path` afterwards (or none was there).
    virtual bool remove(const QString &path) = 0;
    virtual bool makeFolder(const QString &folder) = 0;

    // After an operation failed: one line naming the path and what is wrong,
    // in the system's words where it has them ("...: No space left on device").
    virtual QString lastError() const = 0;
};

// The real disk.
class DiskFileOps final : public FileOps
{
public:
    Entry entry(const QString &path) override;
    std::optional<QStringList> names(const QString &folder) override;
    std::optional<QByteArray> read(const QString &path, qint64 limit) override;
    bool write(const QString &path, const QByteArray &bytes) override;
    bool sync(const QString &path) override;
    bool syncFolder(const QString &folder) override;
    bool rename(const QString &from, const QString &to) override;
    bool remove(const QString &path) override;
    bool makeFolder(const QString &folder) override;
    QString lastError() const override { return m_error; }

private:
    bool fail(const QString &path, const QString &reason);
    bool failWithErrno(const QString &path);
    // False, with the reason, when something other than a file lies at `path`.
    bool fileOrMissing(const QString &path);
    QString m_error;
};
