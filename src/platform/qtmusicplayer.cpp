#include "platform/qtmusicplayer.h"

#include <QUrl>

QtMusicPlayer::QtMusicPlayer(QObject *parent)
    : QObject(parent)
{
    m_player->setAudioOutput(m_output);
}

void QtMusicPlayer::setFile(const QString &path)
{
    m_player->setSource(path.isEmpty() ? QUrl() : QUrl::fromLocalFile(path));
}
