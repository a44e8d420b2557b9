// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "platform/fileops.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <dirent.h>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace {

QByteArray native(const QString &path)
{
    return QFile::encodeName(path);
}

QString notAFile(mode_t mode)
{
    const char *what = S_ISDIR(mode)    ? "a folder"
                       : S_ISLNK(mode)  ? "a symbolic link"
                       : S_ISFIFO(mode) ? "a named pipe"
                       : S_ISSOCK(mode) ? "a socket"
                                        : "a device";
    return QStringLiteral("is %1, not a file").arg(QLatin1String(what));
}

// Retries a system call that a signal interrupted.
template<typename Call>
auto retried(Call call)
{
    auto result = call();
    while (result < 0 && errno == EINTR)
        result = call();
    return result;
}

// Never blocking: a pipe slipped in since the look cannot hold the game.
int openFile(const QString &path, int flags)
{
    return retried([&] { return ::open(native(path).constData(), flags | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC, 0666); });
}

// Closes the descriptor on every way out.
struct OpenFile
{
    int fd;
    ~OpenFile()
    {
        if (fd >= 0)
            ::close(fd);
    }
    int release() { return std::exchange(fd, -1); }
};

} // namespace

bool DiskFileOps::fail(const QString &path, const QString &reason)
{
    m_error = path + QStringLiteral(": ") + reason;
    return false;
}

bool DiskFileOps::failWithErrno(const QString &path)
{
    const int error = errno;
    return fail(path, qt_error_string(error));
}

FileOps::Entry DiskFileOps::entry(const QString &path)
{
    struct stat status;
    if (::lstat(native(path).constData(), &status) != 0) {
        if (errno == ENOENT || errno == ENOTDIR)
            return Entry::Missing;
        failWithErrno(path); // not even its kind can be known
        return Entry::Other;
    }
    if (S_ISREG(status.st_mode))
        return Entry::File;
    fail(path, notAFile(status.st_mode));
    return Entry::Other;
}

std::optional<QStringList> DiskFileOps::names(const QString &folder)
{
    DIR *listing = ::opendir(native(folder).constData());
    if (!listing)
        return std::nullopt;
    QStringList found;
    while (const dirent *item = ::readdir(listing))
        found << QFile::decodeName(item->d_name);
    ::closedir(listing);
    return found;
}

bool DiskFileOps::fileOrMissing(const QString &path)
{
    return entry(path) != Entry::Other;
}

std::optional<QByteArray> DiskFileOps::read(const QString &path, qint64 limit)
{
    if (!fileOrMissing(path))
        return std::nullopt;
    OpenFile file{openFile(path, O_RDONLY)};
    struct stat status;
    if (file.fd < 0 || ::fstat(file.fd, &status) != 0)
        return failWithErrno(path), std::nullopt;
    if (!S_ISREG(status.st_mode))
        return fail(path, notAFile(status.st_mode)), std::nullopt;
    const QString tooLarge = QStringLiteral("larger than %1 bytes").arg(limit);
    if (status.st_size > limit)
        return fail(path, tooLarge), std::nullopt;
    // One byte more than its size, so that the end shows in a single read.
    QByteArray bytes(qMin<qint64>(status.st_size, limit) + 1, Qt::Uninitialized);
    qint64 total = 0;
    for (;;) {
        if (total == bytes.size()) {
            if (total > limit)
                return fail(path, tooLarge), std::nullopt;
            bytes.resize(qMin(limit + 1, 2 * total));
        }
        const auto got = retried([&] { return ::read(file.fd, bytes.data() + total, size_t(bytes.size() - total)); });
        if (got < 0)
            return failWithErrno(path), std::nullopt;
        if (got == 0)
            break;
        total += got;
    }
    bytes.truncate(total);
    return bytes;
}

bool DiskFileOps::write(const QString &path, const QByteArray &bytes)
{
    if (!fileOrMissing(path))
        return false;
    OpenFile file{openFile(path, O_WRONLY | O_CREAT)};
    struct stat status;
    if (file.fd < 0 || ::fstat(file.fd, &status) != 0)
        return failWithErrno(path);
    // Emptied only once it is known to be a file.
    if (!S_ISREG(status.st_mode))
        return fail(path, notAFile(status.st_mode));
    if (retried([&] { return ::ftruncate(file.fd, 0); }) != 0)
        return failWithErrno(path);
    for (qsizetype done = 0; done < bytes.size();) {
        const char *rest = bytes.constData() + done;
        const auto written = retried([&] { return ::write(file.fd, rest, size_t(bytes.size() - done)); });
        if (written < 0)
            return failWithErrno(path);
        done += written;
    }
    // Some file systems report a full disk only when the file is closed.
    return ::close(file.release()) == 0 || failWithErrno(path);
}

bool DiskFileOps::sync(const QString &path)
{
    OpenFile file{openFile(path, O_RDONLY)};
    if (file.fd < 0 || retried([&] { return ::fsync(file.fd); }) != 0)
        return failWithErrno(path);
    return true;
}

bool DiskFileOps::syncFolder(const QString &folder)
{
    OpenFile file{retried([&] { return ::open(native(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); })};
    if (file.fd < 0 || retried([&] { return ::fsync(file.fd); }) != 0)
        return failWithErrno(folder);
    return true;
}

bool DiskFileOps::rename(const QString &from, const QString &to)
{
    const Entry source = entry(from);
    if (source == Entry::Missing)
        return fail(from, qt_error_string(ENOENT));
    if (source == Entry::Other || !fileOrMissing(to))
        return false;
    if (std::rename(native(from).constData(), native(to).constData()) != 0)
        return failWithErrno(to);
    return true;
}

bool DiskFileOps::remove(const QString &path)
{
    const Entry found = entry(path);
    if (found != Entry::File)
        return found == Entry::Missing;
    return ::unlink(native(path).constData()) == 0 || errno == ENOENT || failWithErrno(path);
}

bool DiskFileOps::makeFolder(const QString &folder)
{
    // Each folder on the way, from the top; a symbolic link to a folder counts.
    const QString target = QDir::cleanPath(folder);
    qsizetype end = 0;
    while (end < target.size()) {
        end = target.indexOf(u'/', end + 1);
        if (end < 0)
            end = target.size();
        const QString part = target.left(end);
        struct stat status;
        if (::stat(native(part).constData(), &status) == 0) {
            if (!S_ISDIR(status.st_mode))
                return fail(part, QStringLiteral("is not a folder"));
        } else if (errno != ENOENT || (::mkdir(native(part).constData(), 0777) != 0 && errno != EEXIST)) {
            return failWithErrno(part);
        }
    }
    return true;
}
