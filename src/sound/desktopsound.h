// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include "sound/soundoutput.h"

#include <QObject>

class EffectPlayer;
class LoopingMusicPlayer;

// The game's sound on the desktop: the music on the looping music player,
// the effects on Qt sound effects. Making one costs nothing: it sets itself
// up at its first request, since asking for the sound server can take a
// while and the window comes first.
// Without any audio output (no sound server) it then says so once on stderr
// and plays nothing.
class DesktopSound final : public SoundOutput
{
public:
    void openMusic(const QString &path) override;
    void playMusic() override;
    void stopMusic() override;
    void closeMusic() override;
    void playEffect(const QString &path) override;
    // Sets the sound up if it is not yet, and tells whether it found an output.
    bool hasOutput();

private:
    QObject m_players; // parent of the Qt players
    bool m_setUp = false;
    LoopingMusicPlayer *m_music = nullptr;
    EffectPlayer *m_effects = nullptr;
};
