// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "sound/kyoyokansu.h"

#include "platform/multimedia.h"

namespace 共用関数 {

namespace {
SoundBackend *backend = nullptr;

void send(const QString &command)
{
    // Results of the device are never checked: a missing device just stays silent.
    if (backend)
        backend->sendCommand(command);
}
} // namespace

void SetBackend(SoundBackend *soundBackend)
{
    backend = soundBackend;
}

void ReleaseBackend(SoundBackend *soundBackend)
{
    if (backend == soundBackend)
        SetBackend(nullptr);
}

void OpenMidi(const QString &path)
{
    send(QStringLiteral("close MIDI notify"));
    send(QStringLiteral("open \"%1\" alias MIDI").arg(path));
}

void PlayMidi()
{
    send(QStringLiteral("play MIDI notify"));
}

void StopMidi()
{
    send(QStringLiteral("stop MIDI notify"));
}

void CloseMidi()
{
    send(QStringLiteral("close MIDI notify"));
}

void CloseWave()
{
    send(QStringLiteral("close WAVE notify"));
}

void PlayWave(const QString &path)
{
    if (backend)
        backend->playWave(path);
}

} // namespace 共用関数
