// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// Stands in for the desktop's multimedia services: a command-string music
// device and a one-shot wave player. The music module and the sound effects
// talk only to this interface.
class SoundBackend
{
public:
    virtual ~SoundBackend() = default;
    // Sends one music-device command ("open ...", "play MIDI notify", ...).
    // A command that asks for a status writes its reply into `reply`.
    virtual void sendCommand(const QString &command, QString *reply) = 0;
    // Plays a wave file at once, cutting off the previous one; a missing
    // file plays nothing.
    virtual void playWave(const QString &path) = 0;
};

// A backend that plays nothing: every command is accepted and status
// queries answer with a blank reply, exactly as a device that could not be
// opened does. The game itself uses DesktopSoundBackend.
class SilentSoundBackend final : public SoundBackend
{
public:
    void sendCommand(const QString &command, QString *reply) override;
    void playWave(const QString &path) override;
};
