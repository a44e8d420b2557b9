// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "sound/effectplayer.h"

#include <QFileInfo>
#include <QUrl>

void EffectPlayer::play(const QString &path)
{
    // Separate effects would mix: the previous one stops first.
    if (m_current)
        m_current->stop();
    m_current = effectFor(path);
    if (m_current)
        m_current->play();
}

QSoundEffect *EffectPlayer::effectFor(const QString &path)
{
    if (QSoundEffect *known = m_effects.value(path))
        return known;
    if (!QFileInfo(path).isFile())
        return nullptr; // looked up again next time: the file may appear
    auto *effect = new QSoundEffect(this);
    effect->setSource(QUrl::fromLocalFile(path));
    m_effects.insert(path, effect);
    return effect;
}
