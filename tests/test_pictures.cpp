// Pictures are made larger than the window shows them and shrunk on screen:
// the shrinking must average, or fine lines break up into noise.

#include "platform/sizedpictures.h"
#include "platform/widgets.h"

#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTest>

namespace {

// A colour ramp, so that every pixel of a smoothed copy depends on the sampling.
QPixmap rampPicture(QColor colour, bool seeThrough)
{
    QImage image(253, 253, seeThrough ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            colour.setAlpha(seeThrough ? (x + y) % 256 : 255);
            image.setPixelColor(x, y, colour.darker(100 + (x * 7 + y * 3) % 200));
        }
    }
    return QPixmap::fromImage(image);
}

QImage painterSmoothed(const QPixmap &picture, QSize size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(image.rect(), picture);
    return image;
}

} // namespace

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

    // The alien at each size of its wobble looks just as the painter's
    // smoothing draws it, whichever face was sized before, and a size shown
    // again comes from the store.
    void sizedPictureIsTheSmoothedPicture_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<bool>("seeThrough");
        QTest::newRow("narrower") << QSize(150, 253) << false;
        QTest::newRow("lower") << QSize(253, 40) << false;
        QTest::newRow("smaller both ways, see-through") << QSize(200, 180) << true;
    }
    void sizedPictureIsTheSmoothedPicture()
    {
        QFETCH(QSize, size);
        QFETCH(bool, seeThrough);
        SizedPictures store;
        const QPixmap faces[] = {rampPicture(Qt::red, seeThrough), rampPicture(Qt::blue, seeThrough)};
        qint64 firstKeys[2] = {};
        for (int round = 0; round < 2; ++round) {
            for (int face = 0; face < 2; ++face) {
                const QPixmap sized = store.sized(faces[face], size);
                QCOMPARE(sized.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied),
                         painterSmoothed(faces[face], size));
                if (round == 0)
                    firstKeys[face] = sized.cacheKey();
                else
                    QCOMPARE(sized.cacheKey(), firstKeys[face]);
            }
        }
    }

    // Once the store is full, the sizes of faces no longer shown make room.
    void sizedPicturesStayWithinTheirRoom()
    {
        SizedPictures store;
        const QSize third(2000, SizedPictures::roomPixels / 3 / 2000);
        for (int face = 0; face < 5; ++face) {
            QPixmap picture(100, 100);
            picture.fill(QColor(40 * face, 0, 0));
            const qint64 kept = store.sized(picture, third).cacheKey();
            QCOMPARE(store.sized(picture, third).cacheKey(), kept);
            QVERIFY(store.keptPixels() <= SizedPictures::roomPixels);
        }
    }

    // A see-through picture shows what lies below it; an opaque one hides it.
    void pictureCoversWhatLiesBelowUnlessSeeThrough_data()
    {
        QTest::addColumn<bool>("seeThrough");
        QTest::addColumn<QColor>("shown");
        QTest::newRow("opaque") << false << QColor(Qt::blue);
        QTest::newRow("see-through") << true << QColor(Qt::red);
    }
    void pictureCoversWhatLiesBelowUnlessSeeThrough()
    {
        QFETCH(bool, seeThrough);
        QFETCH(QColor, shown);
        QWidget frame;
        frame.resize(100, 100);
        frame.setAutoFillBackground(true);
        QPalette palette = frame.palette();
        palette.setColor(QPalette::Window, Qt::red);
        frame.setPalette(palette);
        auto *control = new ImageControl(ImageControl::Kind::Picture, &frame);
        control->setGeometry(10, 10, 80, 80);
        QPixmap picture(80, 80);
        picture.fill(seeThrough ? QColor(Qt::transparent) : QColor(Qt::blue));
        control->setPicture(picture);

        // What the window really shows: the screen copy of its back buffer.
        frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frame));
        QTest::qWait(20);
        const QImage rendered = frame.screen()->grabWindow(frame.winId()).toImage();
        QCOMPARE(rendered.pixelColor(50, 50), shown);
    }
};

QTEST_MAIN(TestPictures)
#include "test_pictures.moc"
