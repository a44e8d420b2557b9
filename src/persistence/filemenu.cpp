// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The File menu: save, load, help and version.
//
// A file that cannot be written or read, or a slot that is damaged, shows
// one message and leaves the running game exactly as it was: nothing the
// player has taught or earned is ever thrown away for a file's sake.

#include "core/fom.h"
#include "game/texts.h"
#include "persistence/helppages.h"
#include "persistence/saveslot.h"
#include "persistence/slotstore.h"
#include "platform/cp932.h"
#include "platform/fileops.h"
#include "platform/stderrlog.h"

#ifndef GAME_HOMEPAGE
#define GAME_HOMEPAGE ""
#endif

using texts::u8;

void Fom::menu1_Click(int index)
{
    switch (index) {
    case 0:
        LastSaveSucceeded = SaveGame();
        break;
    case 1:
        LoadGame();
        break;
    case 3:
        ShowHelp();
        break;
    case 4:
        m_dialogs.message(VersionText());
        break;
    default:
        break;
    }
}

void Fom::ShowFileError(const QString &reason)
{
    warnOnStderr(reason);
    m_dialogs.failure(u8("ファイル処理が正常に起動しませんでした"), reason);
}

SaveSlot Fom::CurrentSlot() const
{
    return m_model->toSlot();
}

bool Fom::SaveGame()
{
    const QString failure = WriteSlot();
    if (!failure.isEmpty())
        ShowFileError(failure);
    return failure.isEmpty();
}

QString Fom::WriteSlot()
{
    if (!m_saveFolderProblem.isEmpty())
        return m_saveFolderProblem;
    const auto bytes = encodeSlot(CurrentSlot());
    if (!bytes)
        return QStringLiteral("a word or item has no cp932 form");
    SlotStore store(m_files, SavePath);
    return store.save(*bytes) ? QString() : store.lastError();
}

void Fom::LoadGame()
{
    if (!m_saveFolderProblem.isEmpty())
        return ShowFileError(m_saveFolderProblem);
    // Everything is read and checked before anything of the game changes.
    SlotStore store(m_files, SavePath);
    const auto bytes = store.load();
    if (!bytes && !store.hasSlot()) {
        m_dialogs.message(u8("セーブデータがありません"));
        return;
    }
    if (!bytes)
        return ShowFileError(store.lastError());
    const DecodedSlot decoded = decodeSlot(*bytes);
    if (!decoded.slot)
        return ShowFileError(decoded.error);
    ApplySlot(*decoded.slot);
}

void Fom::ApplySlot(const SaveSlot &slot)
{
    // The model tells the lists, labels, menus and options what changed.
    m_model->loadSlot(slot);
    Opt_Click(m_model->wordClass());
    m_model->resumeAfterLoad();
}

void Fom::ShowHelp()
{
    const auto bytes = m_files.read(AppPath + QStringLiteral("help.txt"), SlotStore::fileSizeLimit);
    if (!bytes)
        return ShowFileError(QStringLiteral("help.txt: cannot be read"));
    const auto text = cp932::decode(*bytes);
    if (!text)
        return ShowFileError(QStringLiteral("help.txt: not cp932 text"));
    const QStringList pages = helpPages(*text);
    for (int i = 0; i < pages.size(); ++i) {
        if (!m_dialogs.helpPage(pages[i], i + 1, static_cast<int>(pages.size())))
            break;
    }
}

QString Fom::VersionText()
{
    QString text = QStringLiteral("Ver1.50") + texts::crlf + u8("みみ in The ぽたん舎");
    const QString homepage = QStringLiteral(GAME_HOMEPAGE);
    if (!homepage.isEmpty())
        text += texts::crlf + homepage;
    return text;
}
