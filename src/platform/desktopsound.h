// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/multimedia.h"

#include <QObject>

#include <memory>

class EffectPlayer;
class MusicDevice;

// The game's sound on the desktop: the music device's command strings run on
// the looping music player, the effects on Qt sound effects. Making one
// costs nothing: it sets itself up at its first command or effect, since
// asking for the sound server can take a while and the window comes first.
// Without any audio output (no sound server) it then says so once on stderr
// and behaves as a device that cannot be opened: every command fails and
// nothing plays.
class DesktopSoundBackend final : public SoundBackend
{
public:
    DesktopSoundBackend();
    ~DesktopSoundBackend() override;

    void sendCommand(const QString &command) override;
    void playWave(const QString &path) override;
    // Sets the sound up if it is not yet, and tells whether it found an output.
    bool hasOutput();

private:
    QObject m_players; // parent of the Qt players
    bool m_setUp = false;
    EffectPlayer *m_effects = nullptr;
    std::unique_ptr<MusicDevice> m_music;
};
