// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "widgets/pictures.h"

#include <QImageReader>

QPixmap loadPicture(const QString &path)
{
    QImageReader reader(path);
    QImage image = reader.read();
    // Handed over, not copied: the face pictures are large.
    return image.isNull() ? QPixmap() : QPixmap::fromImage(std::move(image));
}

QPixmap fitPicture(const QPixmap &picture, QSize devicePixels)
{
    if (picture.isNull() || devicePixels.isEmpty() || picture.size() == devicePixels)
        return picture;
    return picture.scaled(devicePixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}
