// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QLibraryInfo>
#include <QString>

// Qt's own standard dialogs (the buttons of the message and name boxes) speak
// Japanese, whatever the desktop's language, once Qt's Japanese translation
// is loaded from `folder`. Returns false, and changes nothing, when the
// translation is not there: the game then runs with Qt's English buttons.
bool installQtJapanese(const QString &folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath));
