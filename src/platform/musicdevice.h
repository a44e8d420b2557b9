// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QMediaPlayer>
#include <QString>
#include <QStringList>

// What the music device needs of a media player: a QMediaPlayer in the game,
// a scripted stand-in in the tests. It behaves as Qt's GStreamer player
// does: stop() rewinds to 0, the end of the file leaves it stopped with
// EndOfMedia, and a file it cannot decode reports InvalidMedia while its
// state may still read "playing".
class MusicPlayer
{
public:
    virtual ~MusicPlayer() = default;
    // An empty path lets go of the current file.
    virtual void setFile(const QString &path) = 0;
    virtual void play() = 0;
    virtual void pause() = 0;
    virtual void stop() = 0;
    virtual void setPosition(qint64 milliseconds) = 0;
    virtual QMediaPlayer::PlaybackState state() const = 0;
    virtual QMediaPlayer::MediaStatus status() const = 0;
};

// The game's one music device, driven by the command strings of the desktop's
// command-string multimedia service:
//   open "path" alias NAME     (closes an earlier device of that name first)
//   play NAME [from MS]        (from the current position unless told)
//   stop NAME                  (keeps the position)
//   seek NAME to start|MS
//   status NAME mode           (replies "playing" or "stopped")
//   close NAME
// Every command may end with "notify" or "wait"; there is no window to
// notify and nothing ever waits. A command it does not know, a name that is
// not open, or a file that is missing or cannot be decoded makes the command
// fail with a blank reply, as the service does.
class MusicDevice
{
public:
    explicit MusicDevice(MusicPlayer &player)
        : m_player(player)
    {
    }

    // Runs one command; false when it failed.
    bool execute(const QString &command, QString *reply = nullptr);

private:
    // The command's words without its trailing flags.
    QStringList wordsOf(const QString &command);
    bool open(const QStringList &words);
    bool play(const QStringList &words);
    bool stop(const QStringList &words);
    bool seek(const QStringList &words);
    bool status(const QStringList &words, QString *reply);
    bool close(const QStringList &words);
    // The device named by the word after the verb, when it is open and usable.
    bool addresses(const QStringList &words) const;
    void release();

    MusicPlayer &m_player;
    QString m_alias; // the open device's name; empty while closed
    QString m_lastCommand;
    QStringList m_lastWords;
};
