// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "platform/gamefolders.h"
#include "platform/installation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// The first picture start-up loads: where it lies, the rest of the data lies.
constexpr QLatin1String dataMarker("0.bmp");

QString asFolder(const QString &path)
{
    QString folder = QDir::cleanPath(path);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

// Qt 6.4 takes a relative XDG_DATA_HOME as it stands and an empty HOME as
// "/": only the part it adds for the application is kept from its answer.
QString applicationDataPart()
{
    const QString generic = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString application = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (application.startsWith(generic))
        return application.mid(generic.size());
    return QLatin1Char('/') + QCoreApplication::applicationName();
}

// Why a variable names no data folder.
QString unusable(const char *name, const QString &value)
{
    const QLatin1String variable(name);
    if (value.isEmpty())
        return variable + (qEnvironmentVariableIsSet(name) ? QStringLiteral(" is empty") : QStringLiteral(" is not set"));
    if (!QDir::isAbsolutePath(value))
        return QStringLiteral("%1 \"%2\" is not an absolute path").arg(variable, value);
    return variable + QStringLiteral(" is the root folder");
}

QString userDataFolder(QString &problem)
{
    const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
    const QString home = qEnvironmentVariable("HOME");
    if (QDir::isAbsolutePath(dataHome))
        return QDir::cleanPath(dataHome) + applicationDataPart();
    if (QDir::isAbsolutePath(home) && QDir::cleanPath(home) != QLatin1String("/"))
        return QDir::cleanPath(home) + QStringLiteral("/.local/share") + applicationDataPart();
    problem = QStringLiteral("no folder for the save: %1, and %2")
                  .arg(unusable("HOME", home), unusable("XDG_DATA_HOME", dataHome));
    return QString();
}

} // namespace

GameFolders resolveGameFolders(const FolderCandidates &candidates)
{
    const QString program = asFolder(candidates.programFolder);
    const bool dataBeside = QFileInfo::exists(program + dataMarker);
    const QString data = dataBeside ? program : asFolder(candidates.installedDataFolder);
    // A portable copy on a medium the player cannot write still plays and
    // saves: only its slot moves to the player's folder.
    if (dataBeside && candidates.programFolderWritable)
        return {data, program, QString()};
    if (candidates.userDataFolder.isEmpty())
        return {data, QString(), candidates.userDataProblem};
    return {data, asFolder(candidates.userDataFolder), QString()};
}

FolderCandidates currentFolderCandidates()
{
    const QString program = QCoreApplication::applicationDirPath();
    QString problem;
    const QString user = userDataFolder(problem);
    return {
        program,
        QDir(program).filePath(QLatin1String(installation::dataFolderFromProgram)),
        user,
        QFileInfo(program).isWritable(),
        problem,
    };
}
