// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The game's icon: the alien of the face pictures, cheering, on a clear
// background. One vector drawing gives the scalable SVG and every PNG size,
// each painted at its own size rather than shrunk from a bigger one.

#include "alien.h"
#include "assetgen.h"
#include "canvas.h"

#include <QDir>
#include <QSvgGenerator>

namespace {

void paintIcon(QPainter &p, qreal size)
{
    p.scale(size / kDesignSize, size / kDesignSize);
    p.setRenderHint(QPainter::Antialiasing);
    paintAlien(p, Mood::Joy, 0);
}

QString themeFolder(const QString &dir, const QString &size)
{
    const QString folder = QDir(dir).filePath("hicolor/" + size + "/apps");
    if (!QDir().mkpath(folder))
        throw AssetError("cannot create " + folder.toStdString());
    return folder;
}

void writeSvgIcon(const QString &dir, const QString &name)
{
    const QString path = QDir(themeFolder(dir, "scalable")).filePath(name + ".svg");
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(int(kDesignSize), int(kDesignSize)));
    svg.setViewBox(kDesignBox);
    svg.setTitle(QString::fromUtf8("もけもけ～ゆらぐも～"));
    QPainter p;
    if (!p.begin(&svg))
        throw AssetError("cannot write " + path.toStdString());
    paintIcon(p, kDesignSize);
    p.end();
}

void writePngIcon(const QString &dir, const QString &name, int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paintIcon(p, size);
    p.end();
    const QString folder = themeFolder(dir, QString("%1x%1").arg(size));
    const QString path = QDir(folder).filePath(name + ".png");
    if (!image.save(path, "PNG"))
        throw AssetError("cannot write " + path.toStdString());
}

}  // namespace

void writeIcons(const QString &dir, const QString &name)
{
    writeSvgIcon(dir, name);
    for (int size : {48, 64, 128, 256})
        writePngIcon(dir, name, size);
}
