#pragma once

#include "platform/multimedia.h"

#include <QObject>

#include <memory>

class EffectPlayer;
class MusicDevice;

// The game's sound on the desktop: the music device's command strings run on
// the looping music player, the effects on Qt sound effects. Nothing here
// blocks the event loop. Without any audio output (no sound server) it says
// so once on stderr and then behaves as a device that cannot be opened:
// every command fails and nothing plays.
class DesktopSoundBackend final : public SoundBackend
{
public:
    // Needs the application object: it asks the system for audio outputs.
    DesktopSoundBackend();
    ~DesktopSoundBackend() override;

    void sendCommand(const QString &command) override;
    void playWave(const QString &path) override;
    bool hasOutput() const { return m_music != nullptr; }

private:
    QObject m_players; // parent of the Qt players
    EffectPlayer *m_effects = nullptr;
    std::unique_ptr<MusicDevice> m_music;
};
