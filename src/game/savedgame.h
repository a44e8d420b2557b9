// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>

#include <array>

// A saved game as a value: everything the save slot's six files hold. The
// game builds one and is handed one (slotmapping.cpp); slot/ turns it
// into the files' bytes and back.
struct SaveSlot
{
    std::array<QStringList, 3> words; // each list as stored, its trailing empty row included
    QStringList items;                // the transfer box, first to last
    QStringList prices;               // beside each item, as shown
    std::array<qint16, 4> mood{};
    qint16 pay = 0;
    qint32 money = 0;
    qint16 day = 0;
    std::array<qint16, 3> wordCount{};
    std::array<qint16, 3> wordSlot{};
    qint16 boxCount = 0;
    qint16 moveKind = 0;
    qint16 face = 0;
    qint16 wordKind = 0;
    std::array<bool, 7> endingSeen{};
    std::array<bool, 5> option{};
    QString sceneMode;

    bool operator==(const SaveSlot &) const = default;
};

// Whether a saved game may name its scene so: the texts of the scenes
// that a save, the autosave on close included, can keep.
bool isSceneMode(const QString &mode);
