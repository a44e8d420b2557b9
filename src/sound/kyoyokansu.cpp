// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "sound/kyoyokansu.h"

#include "platform/multimedia.h"

namespace 共用関数 {

namespace {
SoundBackend *backend = nullptr;
bool midiPlaying = false;

void send(const QString &command, QString *reply = nullptr)
{
    // Results of the device are never checked: a missing device just stays silent.
    if (backend)
        backend->sendCommand(command, reply);
    else if (reply)
        reply->clear();
}
} // namespace

void SetBackend(SoundBackend *soundBackend)
{
    backend = soundBackend;
    midiPlaying = false;
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
    midiPlaying = true;
    send(QStringLiteral("play MIDI notify"));
}

void StopMidi()
{
    midiPlaying = false;
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

bool MidiPlaying()
{
    return midiPlaying;
}

QString MidiMode()
{
    QString reply;
    send(QStringLiteral("status MIDI mode"), &reply);
    return reply;
}

void RestartMidi()
{
    send(QStringLiteral("seek MIDI to start"));
    send(QStringLiteral("play MIDI from 0"));
}

} // namespace 共用関数
