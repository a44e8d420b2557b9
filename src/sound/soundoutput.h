// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// Where the game's sound goes: one tune that plays round and round, and
// short effects. The window holds one and asks; nothing is answered. A
// missing file or a machine without sound simply plays nothing, and the
// game goes on as if it had sounded.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;
    // Takes the file as the music, paused at its start, in place of any
    // earlier tune (which stops even if this one cannot be played).
    virtual void openMusic(const QString &path) = 0;
    // Plays on from where the music stopped; once playing, the tune starts
    // over by itself each time it ends, without a gap.
    virtual void playMusic() = 0;
    // Stops the music and keeps its place.
    virtual void stopMusic() = 0;
    // Lets go of the music.
    virtual void closeMusic() = 0;
    // Plays a wave file at once, cutting off the effect still sounding.
    virtual void playEffect(const QString &path) = 0;
};
