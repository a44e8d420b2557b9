// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "platform/desktopsound.h"

#include "platform/effectplayer.h"
#include "platform/loopingmusicplayer.h"
#include "platform/musicdevice.h"

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

DesktopSoundBackend::DesktopSoundBackend() = default;

DesktopSoundBackend::~DesktopSoundBackend() = default;

bool DesktopSoundBackend::hasOutput()
{
    if (!m_setUp) {
        m_setUp = true;
        if (!audioOutputAvailable()) {
            std::fputs("mokemoke: no audio output found, the game plays without sound\n", stderr);
        } else {
            m_music = std::make_unique<MusicDevice>(*new LoopingMusicPlayer(&m_players));
            m_effects = new EffectPlayer(&m_players);
        }
    }
    return m_music != nullptr;
}

void DesktopSoundBackend::sendCommand(const QString &command)
{
    if (hasOutput())
        m_music->execute(command);
}

void DesktopSoundBackend::playWave(const QString &path)
{
    if (hasOutput())
        m_effects->play(path);
}
