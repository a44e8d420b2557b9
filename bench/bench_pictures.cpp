// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Times the shrinking of a 720-pixel picture to the sizes the alien's box
// takes on common screens. The face timer swaps pictures ten times a second,
// and each new picture is shrunk once, so one shrink must stay well inside
// 100 ms. Prints one line per figure.

#include "widgets/pictures.h"

#include <QGuiApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <cstdio>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QImage image(720, 720, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x * y) % 256));
    }
    const QPixmap picture = QPixmap::fromImage(image);
    // The box on 768-, 1080-, 1440- and 2160-pixel-high screens.
    for (int side : {256, 360, 480, 720}) {
        constexpr int repeats = 200;
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < repeats; ++i)
            fitPicture(picture, QSize(side, side - i % 2)); // never the same size twice in a row
        std::printf("%-44s %10.1f us\n", qPrintable(QStringLiteral("shrink a 720 picture to %1 px").arg(side)),
                    timer.nsecsElapsed() / 1000.0 / repeats);
    }
    return 0;
}
