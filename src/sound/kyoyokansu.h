// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

class SoundBackend;

// The music and wave procedures shared by the whole game. The music device is
// known by the alias "MIDI" (only a label: the file is a wave file).
namespace 共用関数 {

// The backend that carries the commands; the window sets it at construction.
void SetBackend(SoundBackend *backend);
// Lets go of `backend` if it is still the one in use.
void ReleaseBackend(SoundBackend *backend);

void OpenMidi(const QString &path);
void PlayMidi();
void StopMidi();
void CloseMidi();
void CloseWave();
void PlayWave(const QString &path);

// True while the music is meant to be playing; the loop timer reads it.
bool MidiPlaying();
// Asks the device for its mode ("stopped", "playing", ...).
QString MidiMode();
// Starts the music over from its beginning.
void RestartMidi();

} // namespace 共用関数
