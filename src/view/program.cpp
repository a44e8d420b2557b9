// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "view/program.h"

#include "view/gamewindow.h"
#include "sound/desktopsound.h"
#include "platform/dialogs.h"
#include "platform/gamefolders.h"
#include "platform/random.h"
#include "platform/translation.h"

#include <QApplication>

int playGame(const GameFolders &folders)
{
    installQtJapanese(); // without it the dialogs keep Qt's English buttons
    ClockSeededRandom random;
    WidgetDialogs dialogs;
    DesktopSound sound; // sets itself up once the window is on screen
    GameWindow window({random, dialogs, sound, folders.appPath, folders.savePath, nullptr, folders.saveProblem});
    dialogs.setParent(&window);
    if (!window.startUp()) {
        // No partial start: say which file is missing and stop.
        dialogs.setParent(nullptr);
        dialogs.message(window.startupError);
        return 1;
    }
    window.show();
    return QApplication::exec();
}
