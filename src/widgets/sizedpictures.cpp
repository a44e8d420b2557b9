// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "widgets/sizedpictures.h"

#include <QPainter>

namespace {

QPixmap smoothedInto(const QPixmap &picture, QSize devicePixels)
{
    QPixmap sized(devicePixels);
    if (picture.hasAlphaChannel())
        sized.fill(Qt::transparent);
    QPainter painter(&sized);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(sized.rect(), picture);
    return sized;
}

} // namespace

QPixmap SizedPictures::sized(const QPixmap &picture, QSize devicePixels)
{
    if (picture.isNull() || devicePixels.isEmpty() || picture.size() == devicePixels)
        return picture;
    noteShown(picture.cacheKey());
    const Key key{picture.cacheKey(), (quint64(devicePixels.width()) << 32) | quint64(devicePixels.height())};
    if (const auto found = m_kept.constFind(key); found != m_kept.cend())
        return *found;
    QPixmap result = smoothedInto(picture, devicePixels);
    const qint64 pixels = qint64(devicePixels.width()) * devicePixels.height();
    if (makeRoom(pixels)) {
        m_kept.insert(key, result);
        m_keptPixels += pixels;
    }
    return result;
}

void SizedPictures::noteShown(qint64 pictureKey)
{
    if (m_recent[0] != pictureKey) {
        m_recent[1] = m_recent[0];
        m_recent[0] = pictureKey;
    }
}

bool SizedPictures::makeRoom(qint64 pixels)
{
    if (m_keptPixels + pixels <= roomPixels)
        return true;
    // Sizes of pictures no longer shown go first. Those of the two shown now
    // stay: the wobble comes back to them in turn, and dropping the oldest
    // for the newest would keep none of them long enough to be used again.
    for (auto it = m_kept.begin(); it != m_kept.end();) {
        if (it.key().first == m_recent[0] || it.key().first == m_recent[1]) {
            ++it;
            continue;
        }
        m_keptPixels -= qint64(it->width()) * it->height();
        it = m_kept.erase(it);
    }
    return m_keptPixels + pixels <= roomPixels;
}
