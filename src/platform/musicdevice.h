// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>

// What the music device needs of a player: the looping player in the game,
// a scripted stand-in in the tests. The music plays round and round by
// itself until it is paused.
class MusicPlayer
{
public:
    virtual ~MusicPlayer() = default;
    // Takes the file as the music, paused at its start, in place of any
    // earlier one; false, and no music, when the file is missing or cannot be
    // played.
    virtual bool load(const QString &path) = 0;
    virtual void unload() = 0;
    // Plays on from where the music was paused; playing music plays on.
    virtual void play() = 0;
    // Stops the music and keeps its place.
    virtual void pause() = 0;
};

// The game's one music device, driven by the command strings of the desktop's
// command-string multimedia service:
//   open "path" alias NAME     (closes an earlier device of that name first)
//   play NAME                  (from where it stopped; the tune loops by itself)
//   stop NAME                  (keeps the position)
//   close NAME
// Every command may end with "notify" or "wait"; there is no window to
// notify and nothing ever waits. A command it does not know, a name that is
// not open, or a file that is missing or cannot be played makes the command
// fail, as the service does.
class MusicDevice
{
public:
    explicit MusicDevice(MusicPlayer &player)
        : m_player(player)
    {
    }

    // Runs one command; false when it failed.
    bool execute(const QString &command);

private:
    bool open(const QStringList &words);
    // The device named by the word after the verb, when it is open.
    bool addresses(const QStringList &words) const;
    void release();

    MusicPlayer &m_player;
    QString m_alias; // the open device's name; empty while closed
};
