// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The pieces of the looping music player that need no sound server:
// reading wave files, and the loop that joins the tune's end to its start.

#include "sound/loopingpcm.h"
#include "sound/pcmwave.h"

#include <QTest>
#include <QtEndian>

namespace {

// A RIFF WAVE file: "fmt " with these fields (tag, channels, rate, block
// align, bits), then `data`; `extra` goes between the two chunks.
QByteArray wave(QList<int> fmt, const QByteArray &data, const QByteArray &extra = {})
{
    const auto le = [](quint32 value, int bytes) {
        QByteArray out(bytes, '\0');
        bytes == 2 ? qToLittleEndian<quint16>(quint16(value), out.data()) : qToLittleEndian<quint32>(value, out.data());
        return out;
    };
    QByteArray body = "WAVEfmt " + le(16, 4) + le(fmt[0], 2) + le(fmt[1], 2) + le(fmt[2], 4)
                    + le(fmt[2] * fmt[3], 4) + le(fmt[3], 2) + le(fmt[4], 2) + extra + "data" + le(data.size(), 4) + data;
    return "RIFF" + le(body.size(), 4) + body;
}

} // namespace

class TestMusic : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // The music is our own PCM; anything a plain PCM reader cannot play is
    // refused, so that the game plays no music instead of noise.
    void readsWaves_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("read"); // "rate channels format frame-bytes", or "-"
        const QByteArray four("\x01\x02\x03\x04", 4);
        QTest::newRow("the game's own") << wave({1, 1, 22050, 2, 16}, four) << "22050 1 Int16 4";
        QTest::newRow("stereo") << wave({1, 2, 44100, 4, 16}, four) << "44100 2 Int16 4";
        QTest::newRow("8-bit") << wave({1, 1, 8000, 1, 8}, four) << "8000 1 UInt8 4";
        QTest::newRow("32-bit") << wave({1, 1, 8000, 4, 32}, four) << "8000 1 Int32 4";
        QTest::newRow("a chunk of odd length before the data")
            << wave({1, 1, 22050, 2, 16}, four, QByteArray("LIST\x03\0\0\0abc\0", 12)) << "22050 1 Int16 4";
        QTest::newRow("half a frame at the end") << wave({1, 1, 22050, 2, 16}, four + 'x') << "22050 1 Int16 4";
        QTest::newRow("cut short") << wave({1, 1, 22050, 2, 16}, four).chopped(1) << "22050 1 Int16 2";
        QTest::newRow("no whole frame") << wave({1, 2, 22050, 4, 16}, four.left(3)) << "-";
        QTest::newRow("compressed") << wave({2, 1, 22050, 2, 16}, four) << "-";
        QTest::newRow("24-bit") << wave({1, 1, 22050, 3, 24}, four) << "-";
        QTest::newRow("block size that lies") << wave({1, 2, 22050, 2, 16}, four) << "-";
        QTest::newRow("not a wave") << QByteArray("RIFF\4\0\0\0AVI ", 12) + four << "-";
        QTest::newRow("empty") << QByteArray() << "-";
    }
    void readsWaves()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, read);
        const auto pcm = parsePcmWave(file);
        QString got = QStringLiteral("-");
        if (pcm) {
            const char *formats[] = {"Unknown", "UInt8", "Int16", "Int32", "Float"};
            got = QStringLiteral("%1 %2 %3 %4").arg(pcm->format.sampleRate()).arg(pcm->format.channelCount())
                      .arg(formats[pcm->format.sampleFormat()]).arg(pcm->frames.size());
            QVERIFY(QByteArray("\x01\x02\x03\x04", 4).startsWith(pcm->frames));
        }
        QCOMPARE(got, read);
    }

    // Reads of any size join the end to the start: reading the tune in
    // pieces gives the tune over and over, not a byte missing or added.
    void loopsWithoutAGap_data()
    {
        QTest::addColumn<int>("piece");
        for (int piece : {1, 3, 10, 11, 25})
            QTest::addRow("pieces of %d", piece) << piece;
    }
    void loopsWithoutAGap()
    {
        QFETCH(int, piece);
        const QByteArray tune("abcdefghij");
        LoopingPcmDevice loop(tune);
        QByteArray heard;
        while (heard.size() < 40)
            heard += loop.read(piece);
        QCOMPARE(heard.left(40), tune.repeated(4));
        QCOMPARE(loop.loopPosition(), heard.size() % tune.size());
        QVERIFY(!loop.atEnd());
        QVERIFY(LoopingPcmDevice(QByteArray()).read(4).isEmpty()); // no sound: no endless silence
    }
};

QTEST_GUILESS_MAIN(TestMusic)
#include "test_music.moc"
