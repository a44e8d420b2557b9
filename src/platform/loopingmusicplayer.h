// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/musicdevice.h"

#include <QObject>

class LoopingPcmDevice;
class QAudioSink;

// The music device's player on the desktop: the whole wave file is read
// into memory and a QAudioSink on the default output pulls it from a
// LoopingPcmDevice, so the tune starts over with no gap at all. (Qt's media
// player cannot: on GStreamer it ignores its loop count, and starting it
// again at the end leaves a silence of a good tenth of a second.) A stop
// corks the stream, which keeps the place to the sample.
class LoopingMusicPlayer final : public QObject, public MusicPlayer
{
public:
    explicit LoopingMusicPlayer(QObject *parent = nullptr)
        : QObject(parent)
    {
    }
    ~LoopingMusicPlayer() override;

    bool load(const QString &path) override;
    void unload() override;
    void play() override;
    void pause() override;

private:
    LoopingPcmDevice *m_loop = nullptr;
    QAudioSink *m_sink = nullptr;
};
