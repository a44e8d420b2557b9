// Pictures are made larger than the window shows them and shrunk on screen:
// the shrinking must average, or fine lines break up into noise.

#include "platform/widgets.h"

#include <QImage>
#include <QPainter>
#include <QTest>

class TestPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shrunkPictureAveragesFineLines_data()
    {
        QTest::addColumn<int>("side");
        QTest::addColumn<qreal>("scaleFactor");
        QTest::newRow("a third, as on a 768-pixel screen") << 240 << 1.0;
        QTest::newRow("uneven shrink") << 173 << 1.0;
        QTest::newRow("HiDPI, twice the pixels") << 120 << 2.0;
    }
    void shrunkPictureAveragesFineLines()
    {
        QFETCH(int, side);
        QFETCH(qreal, scaleFactor);
        // One-pixel black and white stripes: shrunk, they are an even grey.
        QImage stripes(720, 720, QImage::Format_RGB32);
        stripes.fill(Qt::black);
        QPainter painter(&stripes);
        for (int x = 0; x < stripes.width(); x += 2)
            painter.fillRect(x, 0, 1, stripes.height(), Qt::white);
        painter.end();
        ImageControl control(ImageControl::Kind::Picture, nullptr);
        control.resize(side, side);
        control.setPicture(QPixmap::fromImage(stripes));

        QImage shown(QSize(side, side) * scaleFactor, QImage::Format_RGB32);
        shown.setDevicePixelRatio(scaleFactor);
        control.render(&shown);
        int darkest = 255, lightest = 0;
        for (int y = 2; y < shown.height() - 2; ++y) {
            for (int x = 2; x < shown.width() - 2; ++x) {
                const int grey = qGray(shown.pixel(x, y));
                darkest = qMin(darkest, grey);
                lightest = qMax(lightest, grey);
            }
        }
        // Averaging leaves greys (a 3:1 shrink gives 85 and 170); sampling leaves black and white.
        QVERIFY2(darkest > 60 && lightest < 195, qPrintable(QStringLiteral("grey from %1 to %2").arg(darkest).arg(lightest)));
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
