#pragma once

#include <QPixmap>
#include <QString>

// Loads a bitmap file beside the program; a null pixmap when it cannot be read.
QPixmap loadPicture(const QString &path);
