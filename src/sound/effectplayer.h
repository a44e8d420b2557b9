// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSoundEffect>

// Plays the short wave effects: at once and without waiting, one at a time
// (a new effect cuts off the one still sounding). Each file is decoded once
// and kept, so a key tick does not read the disk.
class EffectPlayer final : public QObject
{
public:
    explicit EffectPlayer(QObject *parent = nullptr)
        : QObject(parent)
    {
    }

    // A missing file plays nothing.
    void play(const QString &path);

private:
    QSoundEffect *effectFor(const QString &path);

    QHash<QString, QSoundEffect *> m_effects;
    QPointer<QSoundEffect> m_current;
};
