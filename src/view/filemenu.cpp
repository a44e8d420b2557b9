// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The File menu: save, load, help and version.
//
// A file that cannot be written or read, or a slot that is damaged, shows
// one message and leaves the running game exactly as it was: nothing the
// player has taught or earned is ever thrown away for a file's sake.

#include "view/gamewindow.h"
#include "game/texts.h"
#include "view/helppages.h"
#include "slot/saveslot.h"
#include "slot/slotstore.h"
#include "platform/cp932.h"
#include "platform/fileops.h"
#include "platform/stderrlog.h"

#ifndef GAME_HOMEPAGE
#define GAME_HOMEPAGE ""
#endif

using texts::u8;

void GameWindow::gameMenuChosen(int index)
{
    switch (index) {
    case 0:
        lastSaveSucceeded = saveGame();
        break;
    case 1:
        loadGame();
        break;
    case 3:
        showHelp();
        break;
    case 4:
        m_dialogs.message(versionText());
        break;
    default:
        break;
    }
}

void GameWindow::showFileError(const QString &reason)
{
    warnOnStderr(reason);
    m_dialogs.failure(u8("ファイル処理が正常に起動しませんでした"), reason);
}

SaveSlot GameWindow::currentSlot() const
{
    return m_model->toSlot();
}

bool GameWindow::saveGame()
{
    const QString failure = saveToSlot();
    if (!failure.isEmpty())
        showFileError(failure);
    return failure.isEmpty();
}

QString GameWindow::saveToSlot()
{
    if (!m_saveFolderProblem.isEmpty())
        return m_saveFolderProblem;
    const auto bytes = encodeSlot(currentSlot());
    if (!bytes)
        return QStringLiteral("a word or item has no cp932 form");
    SlotStore store(m_files, savePath);
    return store.save(*bytes) ? QString() : store.lastError();
}

void GameWindow::loadGame()
{
    if (!m_saveFolderProblem.isEmpty())
        return showFileError(m_saveFolderProblem);
    // Everything is read and checked before anything of the game changes.
    SlotStore store(m_files, savePath);
    const auto bytes = store.load();
    if (!bytes && !store.hasSlot()) {
        m_dialogs.message(u8("セーブデータがありません"));
        return;
    }
    if (!bytes)
        return showFileError(store.lastError());
    const DecodedSlot decoded = decodeSlot(*bytes);
    if (!decoded.slot)
        return showFileError(decoded.error);
    applySlot(*decoded.slot);
}

void GameWindow::applySlot(const SaveSlot &slot)
{
    // The model tells the lists, labels, menus and options what changed.
    m_model->loadSlot(slot);
    chooseWordClass(m_model->wordClass());
    m_model->resumeAfterLoad();
}

void GameWindow::showHelp()
{
    const auto bytes = m_files.read(appPath + QStringLiteral("help.txt"), SlotStore::fileSizeLimit);
    if (!bytes)
        return showFileError(QStringLiteral("help.txt: cannot be read"));
    const auto text = cp932::decode(*bytes);
    if (!text)
        return showFileError(QStringLiteral("help.txt: not cp932 text"));
    const QStringList pages = helpPages(*text);
    for (int i = 0; i < pages.size(); ++i) {
        if (!m_dialogs.helpPage(pages[i], i + 1, static_cast<int>(pages.size())))
            break;
    }
}

QString GameWindow::versionText()
{
    QString text = QStringLiteral("Ver1.50") + texts::crlf + u8("みみ in The ぽたん舎");
    const QString homepage = QStringLiteral(GAME_HOMEPAGE);
    if (!homepage.isEmpty())
        text += texts::crlf + homepage;
    return text;
}
