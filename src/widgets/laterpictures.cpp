// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "widgets/laterpictures.h"
#include "widgets/pictures.h"

#include <QImageReader>

QString LaterPictures::check(const QStringList &paths)
{
    m_entries.clear();
    m_failedPath.clear();
    for (const QString &path : paths) {
        QImageReader reader(path);
        if (!reader.canRead() || !reader.size().isValid())
            return path;
        m_entries.push_back({path, QPixmap(), false});
    }
    return QString();
}

const QPixmap &LaterPictures::at(int index)
{
    static const QPixmap none;
    if (index < 0 || index >= int(m_entries.size()))
        return none;
    Entry &entry = m_entries[std::size_t(index)];
    if (!entry.decoded)
        decode(entry);
    return entry.picture;
}

bool LaterPictures::decodeNext()
{
    for (Entry &entry : m_entries) {
        if (!entry.decoded) {
            decode(entry);
            return true;
        }
    }
    return false;
}

void LaterPictures::decode(Entry &entry)
{
    entry.picture = loadPicture(entry.path);
    entry.decoded = true;
    if (entry.picture.isNull() && m_failedPath.isEmpty())
        m_failedPath = entry.path;
}
