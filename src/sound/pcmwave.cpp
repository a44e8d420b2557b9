// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "sound/pcmwave.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>

namespace {

constexpr quint16 kPcmTag = 1;
constexpr qsizetype kChunkHeader = 8;

quint16 le16(const QByteArray &bytes, qsizetype at) { return qFromLittleEndian<quint16>(bytes.constData() + at); }
quint32 le32(const QByteArray &bytes, qsizetype at) { return qFromLittleEndian<quint32>(bytes.constData() + at); }

std::optional<QAudioFormat::SampleFormat> sampleFormatOf(int bits)
{
    switch (bits) {
    case 8: return QAudioFormat::UInt8;
    case 16: return QAudioFormat::Int16;
    case 32: return QAudioFormat::Int32;
    default: return std::nullopt;
    }
}

// The "fmt " chunk's body as a format, when it is plain integer PCM.
std::optional<QAudioFormat> formatIn(const QByteArray &file, qsizetype at, qsizetype size)
{
    if (size < 16 || le16(file, at) != kPcmTag)
        return std::nullopt;
    const int channels = le16(file, at + 2), bits = le16(file, at + 14);
    const quint32 rate = le32(file, at + 4);
    const auto sampleFormat = sampleFormatOf(bits);
    if (!sampleFormat || channels < 1 || channels > 8 || rate < 1000 || rate > 384000
        || le16(file, at + 12) != channels * bits / 8)
        return std::nullopt;
    QAudioFormat format;
    format.setSampleRate(int(rate));
    format.setChannelCount(channels);
    format.setSampleFormat(*sampleFormat);
    return format;
}

} // namespace

std::optional<PcmWave> parsePcmWave(const QByteArray &file)
{
    if (file.size() < 12 || !file.startsWith("RIFF") || file.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::optional<QAudioFormat> format;
    // Chunks follow one another, each padded to an even length; the format
    // comes before the data.
    for (qsizetype at = 12; at + kChunkHeader <= file.size();) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype body = at + kChunkHeader, size = le32(file, at + 4);
        const qsizetype present = std::min(size, file.size() - body);
        if (id == "fmt ") {
            format = formatIn(file, body, present);
            if (!format)
                return std::nullopt;
        } else if (id == "data") {
            if (!format)
                return std::nullopt;
            const qsizetype frameBytes = format->bytesPerFrame();
            const qsizetype whole = present - present % frameBytes;
            if (whole == 0)
                return std::nullopt;
            return PcmWave{*format, file.mid(body, whole)};
        }
        at = body + size + size % 2;
    }
    return std::nullopt;
}

std::optional<PcmWave> readPcmWave(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return parsePcmWave(file.readAll());
}
