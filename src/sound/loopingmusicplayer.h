// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QString>

class LoopingPcmDevice;
class QAudioSink;

// The game's music on the desktop: the whole wave file is read
// into memory and a QAudioSink on the default output pulls it from a
// LoopingPcmDevice, so the tune starts over with no gap at all. (Qt's media
// player cannot: on GStreamer it ignores its loop count, and starting it
// again at the end leaves a silence of a good tenth of a second.) A stop
// corks the stream, which keeps the place to the sample.
class LoopingMusicPlayer final : public QObject
{
public:
    explicit LoopingMusicPlayer(QObject *parent = nullptr)
        : QObject(parent)
    {
    }
    ~LoopingMusicPlayer() override;

    // Takes the file as the music, paused at its start, in place of any
    // earlier one; false, and no music, when the file is missing or cannot be
    // played.
    bool load(const QString &path);
    void unload();
    // Plays on from where the music was paused; playing music plays on.
    void play();
    // Stops the music and keeps its place.
    void pause();

private:
    LoopingPcmDevice *m_loop = nullptr;
    QAudioSink *m_sink = nullptr;
};
