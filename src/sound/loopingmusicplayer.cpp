// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "sound/loopingmusicplayer.h"

#include "sound/loopingpcm.h"
#include "sound/pcmwave.h"

#include <QAudioDevice> // QMediaDevices needs it complete on Qt 6.4
#include <QAudioSink>
#include <QMediaDevices>

LoopingMusicPlayer::~LoopingMusicPlayer()
{
    unload();
}

bool LoopingMusicPlayer::load(const QString &path)
{
    unload();
    auto wave = readPcmWave(path);
    if (!wave)
        return false;
    m_loop = new LoopingPcmDevice(std::move(wave->frames), this);
    m_sink = new QAudioSink(QMediaDevices::defaultAudioOutput(), wave->format, this);
    return true;
}

void LoopingMusicPlayer::unload()
{
    if (m_sink)
        m_sink->stop();
    delete m_sink;
    delete m_loop;
    m_sink = nullptr;
    m_loop = nullptr;
}

void LoopingMusicPlayer::play()
{
    if (!m_sink)
        return;
    if (m_sink->state() == QAudio::SuspendedState)
        m_sink->resume();
    else if (m_sink->state() == QAudio::StoppedState)
        m_sink->start(m_loop);
}

void LoopingMusicPlayer::pause()
{
    if (m_sink && (m_sink->state() == QAudio::ActiveState || m_sink->state() == QAudio::IdleState))
        m_sink->suspend();
}
