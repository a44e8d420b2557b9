// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// Stands in for the desktop's multimedia services: a command-string music
// device and a one-shot wave player. The music module and the sound effects
// talk only to this interface. Nothing is answered: a command that fails,
// or a backend without sound, simply plays nothing.
class SoundBackend
{
public:
    virtual ~SoundBackend() = default;
    // Sends one music-device command ("open ...", "play MIDI notify", ...).
    virtual void sendCommand(const QString &command) = 0;
    // Plays a wave file at once, cutting off the previous one; a missing
    // file plays nothing.
    virtual void playWave(const QString &path) = 0;
};
