// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "platform/desktopidentity.h"
#include "platform/installation.h"

#include <QGuiApplication>
#include <QIcon>

void introduceToDesktop()
{
    const QString id = QLatin1String(installation::appId);
    // No organisation: the player's data folder is then ~/.local/share/<id>/.
    QCoreApplication::setOrganizationName(QString());
    QCoreApplication::setApplicationName(id);
    QGuiApplication::setDesktopFileName(id);

    // The launcher's own icons, compiled into the program.
    QIcon icon;
    for (int size : {48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/%2.png").arg(size).arg(id));
    QGuiApplication::setWindowIcon(icon);
}
