// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/musicdevice.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QObject>
#include <QUrl>

// The music device's player on the desktop: a QMediaPlayer on the default
// audio output. Qt 6.4's GStreamer pipeline now and then stalls for good
// when it is sought and started again after the end of the file; this
// player loads the file afresh instead (see play()).
class QtMusicPlayer final : public QObject, public MusicPlayer
{
public:
    explicit QtMusicPlayer(QObject *parent = nullptr);

    void setFile(const QString &path) override;
    void play() override;
    void pause() override { m_player->pause(); }
    void stop() override { m_player->stop(); }
    void setPosition(qint64 milliseconds) override;
    QMediaPlayer::PlaybackState state() const override { return m_player->playbackState(); }
    QMediaPlayer::MediaStatus status() const override { return m_player->mediaStatus(); }

private:
    QUrl m_source;
    qint64 m_startAt = 0; // where to start after the end of the file
    QAudioOutput *m_output = new QAudioOutput(this);
    QMediaPlayer *m_player = new QMediaPlayer(this);
};
