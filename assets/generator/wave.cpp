// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "wave.h"

#include "canvas.h"

#include <QDir>
#include <QSaveFile>

#include <algorithm>
#include <cmath>
#include <cstdint>

Samples silence(double seconds) { return Samples(std::size_t(std::lround(seconds * kSampleRate)), 0.0); }

double midiToHz(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

double edgeEnvelope(double t, double length, double attack, double release)
{
    if (t <= 0 || t >= length)
        return 0;
    double gain = 1;
    if (t < attack)
        gain *= 0.5 - 0.5 * std::cos(M_PI * t / attack);
    if (length - t < release)
        gain *= 0.5 - 0.5 * std::cos(M_PI * (length - t) / release);
    return gain;
}

void normalise(Samples &samples, double peakDb)
{
    double peak = 0;
    for (double s : samples)
        peak = std::max(peak, std::abs(s));
    if (peak == 0)
        return;
    const double gain = std::pow(10.0, peakDb / 20) / peak;
    for (double &s : samples)
        s *= gain;
}

namespace {

void put16(QByteArray &out, int value)
{
    out.append(char(value & 0xff));
    out.append(char((value >> 8) & 0xff));
}

void put32(QByteArray &out, uint32_t value)
{
    put16(out, int(value & 0xffff));
    put16(out, int(value >> 16));
}

}  // namespace

void writeWav(const Samples &samples, const QString &dir, const QString &name)
{
    const uint32_t dataBytes = uint32_t(samples.size() * 2);
    QByteArray out;
    out.reserve(int(44 + dataBytes));
    out.append("RIFF");
    put32(out, 36 + dataBytes);
    out.append("WAVEfmt ");
    put32(out, 16);              // fmt chunk size
    put16(out, 1);               // PCM
    put16(out, 1);               // mono
    put32(out, kSampleRate);
    put32(out, kSampleRate * 2); // bytes per second
    put16(out, 2);               // bytes per frame
    put16(out, 16);              // bits per sample
    out.append("data");
    put32(out, dataBytes);
    for (double s : samples)
        put16(out, int(std::lround(std::clamp(s, -1.0, 1.0) * 32767)));

    const QString path = QDir(dir).filePath(name);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit())
        throw AssetError("cannot write " + path.toStdString());
}
