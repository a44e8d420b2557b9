// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "platform/musicdevice.h"

#include <QFileInfo>

#include <optional>
#include <utility>

namespace {

// Splits a command into words; a double-quoted path is one word, quotes removed.
// The game polls the device every millisecond, so each run of plain
// characters goes into its word at once rather than character by character.
QStringList splitCommand(QStringView command)
{
    QStringList words;
    words.reserve(4);
    QString word;
    bool quoted = false, inWord = false;
    qsizetype i = 0;
    while (i < command.size()) {
        const QChar c = command[i];
        if (c == u'"') {
            quoted = !quoted;
            inWord = true;
            ++i;
        } else if (c.isSpace() && !quoted) {
            if (inWord)
                words << std::exchange(word, QString());
            inWord = false;
            ++i;
        } else {
            qsizetype end = i + 1;
            while (end < command.size() && command[end] != u'"' && (quoted || !command[end].isSpace()))
                ++end;
            word += command.sliced(i, end - i);
            inWord = true;
            i = end;
        }
    }
    if (inWord)
        words << word;
    return words;
}

bool is(const QString &word, const char *keyword)
{
    return word.compare(QLatin1String(keyword), Qt::CaseInsensitive) == 0;
}

// Drops the trailing flags that change nothing here.
QStringList withoutFlags(QStringList words)
{
    while (!words.isEmpty() && (is(words.last(), "notify") || is(words.last(), "wait")))
        words.removeLast();
    return words;
}

std::optional<qint64> millisecondsIn(const QString &word)
{
    bool ok = false;
    const qint64 value = word.toLongLong(&ok);
    return ok && value >= 0 ? std::optional(value) : std::nullopt;
}

} // namespace

bool MusicDevice::execute(const QString &command, QString *reply)
{
    if (reply)
        reply->clear();
    const QStringList words = wordsOf(command);
    if (words.size() < 2)
        return false;
    const QString &verb = words[0];
    if (is(verb, "open"))
        return open(words);
    if (is(verb, "play"))
        return play(words);
    if (is(verb, "stop"))
        return stop(words);
    if (is(verb, "seek"))
        return seek(words);
    if (is(verb, "status"))
        return status(words, reply);
    if (is(verb, "close"))
        return close(words);
    return false;
}

QStringList MusicDevice::wordsOf(const QString &command)
{
    // The game asks for the mode with the same command a thousand times a
    // second; its words are split once and kept.
    if (command != m_lastCommand) {
        m_lastWords = withoutFlags(splitCommand(command));
        m_lastCommand = command;
    }
    return m_lastWords;
}

bool MusicDevice::open(const QStringList &words)
{
    if (words.size() != 4 || !is(words[2], "alias"))
        return false;
    const QString &alias = words[3];
    if (!m_alias.isEmpty()) {
        // Only one device at a time: the same name replaces the old one.
        if (m_alias.compare(alias, Qt::CaseInsensitive) != 0)
            return false;
        release();
    }
    if (!QFileInfo(words[1]).isFile())
        return false;
    m_player.setFile(words[1]);
    m_alias = alias;
    return true;
}

bool MusicDevice::play(const QStringList &words)
{
    if (!addresses(words))
        return false;
    if (words.size() == 4 && is(words[2], "from")) {
        const auto from = millisecondsIn(words[3]);
        if (!from)
            return false;
        m_player.setPosition(*from);
    } else if (words.size() != 2) {
        return false;
    }
    m_player.play();
    return true;
}

bool MusicDevice::stop(const QStringList &words)
{
    if (!addresses(words) || words.size() != 2)
        return false;
    // QMediaPlayer::stop() would rewind; the device keeps its place.
    if (m_player.state() == QMediaPlayer::PlayingState)
        m_player.pause();
    return true;
}

bool MusicDevice::seek(const QStringList &words)
{
    if (!addresses(words) || words.size() != 4 || !is(words[2], "to"))
        return false;
    const auto to = is(words[3], "start") ? std::optional<qint64>(0) : millisecondsIn(words[3]);
    if (!to)
        return false;
    // Seeking stops the device where it lands.
    if (m_player.state() == QMediaPlayer::PlayingState)
        m_player.pause();
    m_player.setPosition(*to);
    return true;
}

bool MusicDevice::status(const QStringList &words, QString *reply)
{
    if (!addresses(words) || words.size() != 3 || !is(words[2], "mode"))
        return false;
    // At the end of the file the player is stopped; after our stop it is paused.
    const bool playing = m_player.state() == QMediaPlayer::PlayingState;
    if (reply)
        *reply = playing ? QStringLiteral("playing") : QStringLiteral("stopped");
    return true;
}

bool MusicDevice::close(const QStringList &words)
{
    if (words.size() != 2 || m_alias.isEmpty() || m_alias.compare(words[1], Qt::CaseInsensitive) != 0)
        return false;
    release();
    return true;
}

bool MusicDevice::addresses(const QStringList &words) const
{
    return !m_alias.isEmpty() && m_alias.compare(words[1], Qt::CaseInsensitive) == 0
        && m_player.status() != QMediaPlayer::InvalidMedia;
}

void MusicDevice::release()
{
    m_player.stop();
    m_player.setFile(QString());
    m_alias.clear();
}
