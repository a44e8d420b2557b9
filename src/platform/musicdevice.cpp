// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "platform/musicdevice.h"

#include <utility>

namespace {

// Splits a command into words; a double-quoted path is one word, quotes removed.
QStringList splitCommand(QStringView command)
{
    QStringList words;
    QString word;
    bool quoted = false, inWord = false;
    for (const QChar c : command) {
        if (c == u'"') {
            quoted = !quoted;
            inWord = true;
        } else if (c.isSpace() && !quoted) {
            if (inWord)
                words << std::exchange(word, QString());
            inWord = false;
        } else {
            word += c;
            inWord = true;
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

} // namespace

bool MusicDevice::execute(const QString &command)
{
    const QStringList words = withoutFlags(splitCommand(command));
    if (words.size() < 2)
        return false;
    const QString &verb = words[0];
    if (is(verb, "open"))
        return open(words);
    if (words.size() != 2 || !addresses(words))
        return false;
    if (is(verb, "play"))
        m_player.play();
    else if (is(verb, "stop"))
        m_player.pause();
    else if (is(verb, "close"))
        release();
    else
        return false;
    return true;
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
    if (!m_player.load(words[1]))
        return false;
    m_alias = alias;
    return true;
}

bool MusicDevice::addresses(const QStringList &words) const
{
    return !m_alias.isEmpty() && m_alias.compare(words[1], Qt::CaseInsensitive) == 0;
}

void MusicDevice::release()
{
    m_player.unload();
    m_alias.clear();
}
