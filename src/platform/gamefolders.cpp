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

} // namespace

GameFolders resolveGameFolders(const FolderCandidates &candidates)
{
    const QString program = asFolder(candidates.programFolder);
    const QString user = asFolder(candidates.userDataFolder);
    if (!QFileInfo::exists(program + dataMarker))
        return {asFolder(candidates.installedDataFolder), user};
    // A portable copy on a medium the player cannot write still plays and
    // saves: only its slot moves to the player's folder.
    return {program, candidates.programFolderWritable ? program : user};
}

FolderCandidates currentFolderCandidates()
{
    const QString program = QCoreApplication::applicationDirPath();
    return {
        program,
        QDir(program).filePath(QLatin1String(installation::dataFolderFromProgram)),
        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
        QFileInfo(program).isWritable(),
    };
}
