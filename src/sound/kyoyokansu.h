// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

class SoundBackend;

// The music and wave procedures shared by the whole game. The music device is
// known by the alias "MIDI" (only a label: the file is a wave file); once
// playing, the tune starts over by itself each time it ends.
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

} // namespace 共用関数
