#include "platform/pictures.h"

#include <QImageReader>

QPixmap loadPicture(const QString &path)
{
    QImageReader reader(path);
    const QImage image = reader.read();
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}
