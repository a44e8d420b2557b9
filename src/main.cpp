// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "view/program.h"
#include "platform/desktopidentity.h"
#include "platform/displaycheck.h"
#include "platform/gamefolders.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    if (!prepareDisplay(argc, argv))
        return 1;
    QApplication app(argc, argv);
    introduceToDesktop();
    return playGame(resolveGameFolders(currentFolderCandidates()));
}
