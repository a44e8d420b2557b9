// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "instruments.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// Renders `voice(t)` for `length` seconds from `start`, shaped by a fade in
// over `attack` and out over `release`. What rings past the end of the
// buffer goes on from its start, where the looping tune comes round again.
template<typename Voice>
void render(Samples &out, double start, double length, double attack, double release, Voice voice)
{
    const std::size_t first = std::size_t(start * kSampleRate);
    const std::size_t count = std::min(std::size_t(length * kSampleRate), out.size());
    for (std::size_t i = 0; i < count; ++i) {
        const double t = timeOf(i);
        out[(first + i) % out.size()] += voice(t) * edgeEnvelope(t, length, attack, release);
    }
}

// A small linear congruential generator: white noise in -1..1.
class Noise
{
public:
    explicit Noise(uint32_t seed) : m_state(seed) {}
    double next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return double(m_state >> 8) / double(1u << 23) - 1.0;
    }

private:
    uint32_t m_state;
};

uint32_t seedFor(double start) { return uint32_t(start * 1000) * 2654435761u + 1; }

}  // namespace

void addMusicBox(Samples &out, double start, double hold, double hz, double amp)
{
    render(out, start, hold + 0.6, 0.004, 0.05, [=](double t) {
        const double tone = std::sin(2 * M_PI * hz * t) + 0.3 * std::exp(-t * 6) * std::sin(4 * M_PI * hz * t) +
                            0.1 * std::exp(-t * 10) * std::sin(6 * M_PI * hz * t);
        return amp * tone * std::exp(-t * 2.6);
    });
}

void addFlute(Samples &out, double start, double hold, double hz, double amp)
{
    render(out, start, hold + 0.08, 0.05, 0.12, [=](double t) {
        const double vibrato = 1 + 0.004 * std::min(1.0, t * 3) * std::sin(2 * M_PI * 5 * t);
        const double phase = 2 * M_PI * hz * vibrato * t;
        return amp * (std::sin(phase) + 0.15 * std::sin(2 * phase) + 0.05 * std::sin(3 * phase));
    });
}

void addBass(Samples &out, double start, double hold, double hz, double amp)
{
    render(out, start, hold + 0.2, 0.03, 0.15, [=](double t) {
        const double w = 2 * M_PI * hz * t;
        return amp * (std::sin(w) - std::sin(3 * w) / 9 + std::sin(5 * w) / 25) * std::exp(-t * 0.9);
    });
}

void addKick(Samples &out, double start, double amp)
{
    // The pitch falls from 120 Hz to 45 Hz; the phase is its integral.
    render(out, start, 0.25, 0.002, 0.05, [=](double t) {
        const double phase = 2 * M_PI * (45 * t + 75 * (1 - std::exp(-t * 30)) / 30);
        return amp * std::sin(phase) * std::exp(-t * 14);
    });
}

void addSnare(Samples &out, double start, double amp)
{
    Noise noise(seedFor(start));
    render(out, start, 0.18, 0.001, 0.04, [=](double t) mutable {
        return amp * (0.7 * noise.next() * std::exp(-t * 22) + 0.4 * std::sin(2 * M_PI * 190 * t) * std::exp(-t * 30));
    });
}

void addHat(Samples &out, double start, double amp)
{
    // The difference of two noise samples keeps only the hiss.
    Noise noise(seedFor(start));
    double previous = 0;
    render(out, start, 0.05, 0.001, 0.02, [=](double t) mutable {
        const double now = noise.next(), hiss = now - previous;
        previous = now;
        return amp * hiss * std::exp(-t * 70);
    });
}
