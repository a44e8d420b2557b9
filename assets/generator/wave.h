// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once
// Sound buffers and the WAV writer for the game's music and effects.

#include <QString>

#include <vector>

constexpr int kSampleRate = 22050;

using Samples = std::vector<double>;  // mono, nominally -1..1

Samples silence(double seconds);
inline double timeOf(std::size_t index) { return double(index) / kSampleRate; }
double midiToHz(int midi);

// Raised-cosine fade in over `attack` and out over `release` seconds of a `length` long sound.
double edgeEnvelope(double t, double length, double attack, double release);
// Scales so the loudest sample sits at `peakDb` dBFS.
void normalise(Samples &samples, double peakDb);

// 16-bit mono PCM at kSampleRate.
void writeWav(const Samples &samples, const QString &dir, const QString &name);
