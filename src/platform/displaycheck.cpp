// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "platform/displaycheck.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStringList>

#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

// True when something listens on the local socket; `abstract` names one in
// Linux's abstract namespace. Never waits: a busy server still answers.
bool answers(const QByteArray &socketPath, bool abstract = false)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0;
    if (socketPath.isEmpty() || offset + std::size_t(socketPath.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path + offset, socketPath.constData(), std::size_t(socketPath.size()));
    // A file's name ends in NUL; an abstract one is exactly its bytes.
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + offset + std::size_t(socketPath.size()) + (abstract ? 0 : 1));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return false;
    const bool answered = ::connect(fd, reinterpret_cast<const sockaddr *>(&address), length) == 0 || errno == EAGAIN;
    ::close(fd);
    return answered;
}

// Empty when the X display answers, or lies on another machine (Qt finds
// out); otherwise why it cannot be used.
QString xProblem()
{
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty())
        return QStringLiteral("DISPLAY is not set");
    const qsizetype colon = display.lastIndexOf(':');
    const QByteArray host = display.left(qMax<qsizetype>(colon, 0));
    if (colon < 0 || !(host.isEmpty() || host == "unix"))
        return QString();
    const QByteArray socket = "/tmp/.X11-unix/X" + display.mid(colon + 1).split('.').first();
    if (answers(socket) || answers(socket, true))
        return QString();
    return QStringLiteral("the X display \"%1\" does not answer").arg(QString::fromLocal8Bit(display));
}

bool waylandPluginInstalled()
{
    QStringList folders = qEnvironmentVariable("QT_PLUGIN_PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    folders << QLibraryInfo::path(QLibraryInfo::PluginsPath);
    for (const QString &folder : folders) {
        if (!QDir(folder + QStringLiteral("/platforms")).entryList({QStringLiteral("libqwayland-*.so")}).isEmpty())
            return true;
    }
    return false;
}

// As xProblem, for Wayland. Only a platform chosen as Wayland falls back on
// the usual socket name.
QString waylandProblem(bool chosen)
{
    QByteArray name = qgetenv("WAYLAND_DISPLAY");
    if (name.isEmpty() && !chosen)
        return QStringLiteral("WAYLAND_DISPLAY is not set");
    if (name.isEmpty())
        name = "wayland-0";
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!name.startsWith('/') && runtime.isEmpty())
        return QStringLiteral("XDG_RUNTIME_DIR, where the Wayland display lies, is not set");
    const QByteArray socket = name.startsWith('/') ? name : runtime + '/' + name;
    if (!answers(socket))
        return QStringLiteral("the Wayland display %1 is gone").arg(QString::fromLocal8Bit(socket));
    if (!waylandPluginInstalled())
        return QStringLiteral("Qt's Wayland support (qt6-wayland) is not installed");
    return QString();
}

// The platforms asked for by -platform or QT_QPA_PLATFORM, as Qt reads them.
QByteArray chosenPlatforms(int argc, char *argv[])
{
    QByteArray chosen = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            chosen = argv[i + 1];
    }
    return chosen;
}

// Empty when one of the chosen platforms can show the window.
QStringList problemsOfChosen(const QByteArray &chosen)
{
    QStringList problems;
    for (const QByteArray &entry : chosen.split(';')) {
        const QByteArray name = entry.split(':').first().trimmed();
        const QString problem = name == "xcb"               ? xProblem()
                                : name.startsWith("wayland") ? waylandProblem(true)
                                                             : QString();
        if (problem.isEmpty())
            return {};
        problems << problem;
    }
    return problems;
}

} // namespace

DisplayCheck checkDisplay(const QByteArray &chosen)
{
    if (!chosen.isEmpty())
        return {QByteArray(), problemsOfChosen(chosen)};
    const QString x = xProblem(), wayland = waylandProblem(false);
    if (x.isEmpty() != wayland.isEmpty())
        return {x.isEmpty() ? "xcb" : "wayland", {}};
    return {QByteArray(), x.isEmpty() ? QStringList() : QStringList{x, wayland}};
}

bool prepareDisplay(int argc, char *argv[])
{
    const QByteArray chosen = chosenPlatforms(argc, argv);
    const DisplayCheck check = checkDisplay(chosen);
    if (!check.platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", check.platform);
    if (check.problems.isEmpty())
        return true;
    const QString platform = chosen.isEmpty() ? QString() : QStringLiteral(" (platform %1)").arg(QString::fromLocal8Bit(chosen));
    std::fprintf(stderr,
                 "mokemoke: no display for the window%s: %s; start the game in a desktop session, where DISPLAY or "
                 "WAYLAND_DISPLAY names a running display\n",
                 qPrintable(platform), qPrintable(check.problems.join(QStringLiteral(", "))));
    return false;
}
