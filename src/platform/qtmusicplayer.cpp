// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "platform/qtmusicplayer.h"

#include <QUrl>

QtMusicPlayer::QtMusicPlayer(QObject *parent)
    : QObject(parent)
{
    m_player->setAudioOutput(m_output);
}

void QtMusicPlayer::setFile(const QString &path)
{
    m_source = path.isEmpty() ? QUrl() : QUrl::fromLocalFile(path);
    m_startAt = 0;
    m_player->setSource(m_source);
}

void QtMusicPlayer::play()
{
    // After the end, a fresh load rather than a restart of the old pipeline.
    if (m_player->mediaStatus() == QMediaPlayer::EndOfMedia) {
        m_player->setSource(QUrl());
        m_player->setSource(m_source);
        if (m_startAt > 0)
            m_player->setPosition(m_startAt);
        m_startAt = 0;
    }
    m_player->play();
}

void QtMusicPlayer::setPosition(qint64 milliseconds)
{
    // A seek at the end of the file waits for the fresh load in play().
    if (m_player->mediaStatus() == QMediaPlayer::EndOfMedia)
        m_startAt = milliseconds;
    else
        m_player->setPosition(milliseconds);
}
