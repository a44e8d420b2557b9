#pragma once

#include "platform/musicdevice.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QObject>

// The music device's player on the desktop: a QMediaPlayer on the default
// audio output.
class QtMusicPlayer final : public QObject, public MusicPlayer
{
public:
    explicit QtMusicPlayer(QObject *parent = nullptr);

    void setFile(const QString &path) override;
    void play() override { m_player->play(); }
    void pause() override { m_player->pause(); }
    void stop() override { m_player->stop(); }
    void setPosition(qint64 milliseconds) override { m_player->setPosition(milliseconds); }
    QMediaPlayer::PlaybackState state() const override { return m_player->playbackState(); }
    QMediaPlayer::MediaStatus status() const override { return m_player->mediaStatus(); }

private:
    QAudioOutput *m_output = new QAudioOutput(this);
    QMediaPlayer *m_player = new QMediaPlayer(this);
};
