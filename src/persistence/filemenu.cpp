// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The File menu: save, load, help and version.
//
// A file that cannot be written or read, or a slot that is damaged, shows
// one message and leaves the running game exactly as it was: nothing the
// player has taught or earned is ever thrown away for a file's sake.

#include "core/fom.h"
#include "core/texts.h"
#include "persistence/helppages.h"
#include "persistence/saveslot.h"
#include "persistence/slotstore.h"
#include "platform/cp932.h"
#include "platform/fileops.h"
#include "platform/listbox.h"
#include "platform/stderrlog.h"

#ifndef GAME_HOMEPAGE
#define GAME_HOMEPAGE ""
#endif

using texts::u8;

namespace {

QStringList allItems(const QListWidget *list)
{
    QStringList items;
    for (int i = 0; i < listbox::count(list); ++i)
        items << listbox::text(list, i);
    return items;
}

void refill(QListWidget *list, const QStringList &items)
{
    const QSignalBlocker blocker(list);
    list->clear();
    list->addItems(items);
}

} // namespace

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
    SaveSlot slot;
    for (int k = 0; k < 3; ++k) {
        for (int i = 0; i <= WordCount[k]; ++i)
            slot.words[k] << listbox::text(Lst[k], i);
    }
    slot.items = allItems(LstItem);
    slot.prices = allItems(LstItemMoney);
    slot.mood = Mood;
    slot.pay = Pay;
    slot.money = Money;
    slot.day = Day;
    slot.wordCount = WordCount;
    slot.wordSlot = WordSlot;
    slot.boxCount = BoxCount;
    slot.moveKind = MoveKind;
    slot.face = Face;
    slot.wordKind = WordKind;
    for (int i = 0; i < 7; ++i)
        slot.endingSeen[i] = menuEnding[i]->isEnabled();
    for (int i = 0; i < 5; ++i)
        slot.option[i] = menu2[i]->isChecked();
    slot.sceneMode = SceneMode;
    return slot;
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
    // The files end each list with the empty line after its last word; that
    // line is no word and never a row of the list.
    for (int k = 0; k < 3; ++k)
        refill(Lst[k], slot.words[k].mid(0, slot.wordCount[k]));
    refill(LstItem, slot.items);
    refill(LstItemMoney, slot.prices);
    Mood = slot.mood;
    Pay = slot.pay;
    Money = slot.money;
    Day = slot.day;
    WordCount = slot.wordCount;
    WordSlot = slot.wordSlot;
    BoxCount = slot.boxCount;
    MoveKind = slot.moveKind;
    Face = slot.face;
    WordKind = slot.wordKind;
    SceneMode = slot.sceneMode;
    for (int i = 0; i < 7; ++i)
        menuEnding[i]->setEnabled(slot.endingSeen[i]);
    ApplyUnlockRule();
    ApplyLoadedOptions(slot.option);
    Opt_Click(WordKind);
    MoveImg(0, 0, 100, 100);
    SetDay(Day);
    SetMoney(Money);
    // A question interrupted by the load must not leave its answer hint.
    LblQstKazari->setVisible(false);
    if (SceneMode == QLatin1String("stop")) {
        StartScene(SceneMode);
        return;
    }
    Lbl->setCaption(QString());
    ShowImgPicture(FacePicture(Face));
    EndScene();
}

void Fom::ApplyLoadedOptions(const std::array<bool, 5> &option)
{
    for (int i = 0; i < 5; ++i) {
        menu2[i]->setChecked(option[i]);
        if (i == 1)
            TimDay->setInterval(option[i] ? 1000 : 10000);
        if (i == 3 && option[i])
            m_sound.playMusic();
        else if (i == 3)
            m_sound.stopMusic();
    }
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
