// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The file operations the save slot is made of. Each call is one operation
// that may fail on its own, so the tests can fail the n-th one, or stop all
// of them from some point on, as a killed process would.
class FileOps
{
public:
    virtual ~FileOps() = default;
    // A question, not an operation: it changes nothing and is never failed.
    virtual bool exists(const QString &path) = 0;
    // The whole file; nothing when it cannot be read or is larger than `limit`.
    virtual std::optional<QByteArray> read(const QString &path, qint64 limit) = 0;
    // Creates or truncates the file and writes all of `bytes`.
    virtual bool write(const QString &path, const QByteArray &bytes) = 0;
    // Flushes the file's contents to the disk.
    virtual bool sync(const QString &path) = 0;
    // Flushes the folder's entries (new names, renames) to the disk.
    virtual bool syncFolder(const QString &folder) = 0;
    // Replaces `to` by `from` in one step.
    virtual bool rename(const QString &from, const QString &to) = 0;
    // True when the file is gone afterwards (or was never there).
    virtual bool remove(const QString &path) = 0;
    virtual bool makeFolder(const QString &folder) = 0;
};

// The real disk.
class DiskFileOps final : public FileOps
{
public:
    bool exists(const QString &path) override;
    std::optional<QByteArray> read(const QString &path, qint64 limit) override;
    bool write(const QString &path, const QByteArray &bytes) override;
    bool sync(const QString &path) override;
    bool syncFolder(const QString &folder) override;
    bool rename(const QString &from, const QString &to) override;
    bool remove(const QString &path) override;
    bool makeFolder(const QString &folder) override;
};
