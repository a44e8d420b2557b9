// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QPixmap>
#include <QString>
#include <QStringList>

#include <vector>

// Pictures the game cannot do without but does not show in its first frame
// (the alien's faces). Decoding them is most of the start-up's work, so the
// files are only checked up front, by reading their headers, and decoded
// once the window is on screen, one at a time, or at once when a picture is
// asked for before its turn.
class LaterPictures
{
public:
    // Forgets any pictures held and checks `paths`: the first file that is
    // missing or whose header cannot be read, or empty when all can be.
    QString check(const QStringList &paths);
    // Picture `index`, decoded now if it has not been; null when its file
    // turned out unreadable after all, or `index` is out of range.
    const QPixmap &at(int index);
    // Decodes the next picture not yet decoded; false when none was left.
    bool decodeNext();
    // The first file whose body could not be decoded, or empty.
    QString failedPath() const { return m_failedPath; }

private:
    struct Entry
    {
        QString path;
        QPixmap picture;
        bool decoded = false;
    };
    void decode(Entry &entry);

    std::vector<Entry> m_entries;
    QString m_failedPath;
};
