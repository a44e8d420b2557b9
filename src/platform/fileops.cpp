// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "platform/fileops.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

bool syncPath(const QString &path, int flags)
{
    const int fd = ::open(native(path).constData(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    return ::close(fd) == 0 && synced;
}

} // namespace

bool DiskFileOps::exists(const QString &path)
{
    return QFileInfo::exists(path);
}

std::optional<QByteArray> DiskFileOps::read(const QString &path, qint64 limit)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > limit)
        return std::nullopt;
    QByteArray bytes = file.read(limit + 1);
    if (file.error() != QFile::NoError || bytes.size() > limit)
        return std::nullopt;
    return bytes;
}

bool DiskFileOps::write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    return written && file.error() == QFile::NoError;
}

bool DiskFileOps::sync(const QString &path)
{
    return syncPath(path, O_RDONLY);
}

bool DiskFileOps::syncFolder(const QString &folder)
{
    return syncPath(folder, O_RDONLY | O_DIRECTORY);
}

bool DiskFileOps::rename(const QString &from, const QString &to)
{
    return std::rename(native(from).constData(), native(to).constData()) == 0;
}

bool DiskFileOps::remove(const QString &path)
{
    return ::unlink(native(path).constData()) == 0 || errno == ENOENT;
}

bool DiskFileOps::makeFolder(const QString &folder)
{
    return QDir().mkpath(folder);
}
