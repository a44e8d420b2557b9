// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "sound/desktopsound.h"

#include "sound/effectplayer.h"
#include "sound/loopingmusicplayer.h"

#include <QAudioDevice> // QMediaDevices needs it complete on Qt 6.4
#include <QMediaDevices>

#include <cstdio>

namespace {

void dropMessage(QtMsgType, const QMessageLogContext &, const QString &)
{
}

// Asks for the audio outputs while muting what the audio layers print when
// there is no sound server: the game reports that itself, in one line.
bool audioOutputAvailable()
{
    const QtMessageHandler previous = qInstallMessageHandler(dropMessage);
    const bool available = !QMediaDevices::audioOutputs().isEmpty();
    qInstallMessageHandler(previous);
    return available;
}

} // namespace

bool DesktopSound::hasOutput()
{
    if (!m_setUp) {
        m_setUp = true;
        if (!audioOutputAvailable()) {
            std::fputs("mokemoke: no audio output found, the game plays without sound\n", stderr);
        } else {
            m_music = new LoopingMusicPlayer(&m_players);
            m_effects = new EffectPlayer(&m_players);
        }
    }
    return m_music != nullptr;
}

void DesktopSound::openMusic(const QString &path)
{
    if (hasOutput())
        m_music->load(path);
}

void DesktopSound::playMusic()
{
    if (hasOutput())
        m_music->play();
}

void DesktopSound::stopMusic()
{
    if (hasOutput())
        m_music->pause();
}

void DesktopSound::closeMusic()
{
    if (hasOutput())
        m_music->unload();
}

void DesktopSound::playEffect(const QString &path)
{
    if (hasOutput())
        m_effects->play(path);
}
