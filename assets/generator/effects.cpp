// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Short sound effects, plus the writer for all sounds of the game.

#include "assetgen.h"
#include "music.h"
#include "wave.h"

#include <cmath>
#include <functional>

namespace {

// Renders a tone whose pitch and loudness follow curves over time; the phase
// is accumulated so sweeps stay smooth.
Samples sweep(double seconds, const std::function<double(double)> &hz, const std::function<double(double)> &gain,
              double overtone = 0)
{
    Samples out = silence(seconds);
    double phase = 0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        out[i] = gain(t) * (std::sin(phase) + overtone * std::sin(2 * phase));
        phase += 2 * M_PI * hz(t) / kSampleRate;
    }
    return out;
}

// The alien's question: a short rise, a breath, then a higher "iin?".
Samples questionChirp()
{
    const double len = 0.4;
    auto hz = [](double t) {
        if (t < 0.13)
            return 520 + 460 * std::sin(t / 0.13 * M_PI / 2);
        const double u = (t - 0.13) / 0.27;
        return 900 + 800 * u * u + 25 * std::sin(2 * M_PI * 14 * t);
    };
    auto gain = [len](double t) {
        const double breath = (t - 0.14) / 0.025;  // a soft dip between the two syllables
        return edgeEnvelope(t, len, 0.01, 0.08) * (1 - 0.35 * std::exp(-breath * breath));
    };
    Samples out = sweep(len, hz, gain, 0.25);
    normalise(out, -6);
    return out;
}

// A bell-like partial set that rings and fades.
void addBell(Samples &out, double start, double hz, double amp)
{
    const std::size_t first = std::size_t(start * kSampleRate);
    const double length = timeOf(out.size() - first);
    for (std::size_t i = first; i < out.size(); ++i) {
        const double t = timeOf(i - first);
        const double tone = std::sin(2 * M_PI * hz * t) + 0.3 * std::exp(-t * 20) * std::sin(2 * M_PI * 2.76 * hz * t);
        out[i] += amp * tone * std::exp(-t * 11) * edgeEnvelope(t, length, 0.003, 0.03);
    }
}

Samples teachChime()
{
    Samples out = silence(0.3);
    addBell(out, 0, midiToHz(84), 0.7);    // C6
    addBell(out, 0.09, midiToHz(91), 0.8); // G6
    normalise(out, -6);
    return out;
}

// A pop that drops in pitch, then a few glints of sparkle.
Samples itemPop()
{
    const double len = 0.3;
    Samples out = sweep(len, [](double t) { return 180 + 620 * std::exp(-t * 60); },
                        [len](double t) { return std::exp(-t * 45) * edgeEnvelope(t, len, 0.002, 0.02); });
    const double glints[][2] = {{0.05, 2637}, {0.09, 3520}, {0.13, 3136}, {0.17, 4186}, {0.21, 3951}};
    for (const auto &g : glints)
        addBell(out, g[0], g[1], 0.28 * (1.2 - g[0] * 3));
    normalise(out, -6);
    return out;
}

// "Pyuu": a long slide down with a little wobble, as the words fall out.
Samples forgetSlide()
{
    const double len = 0.45;
    auto hz = [len](double t) {
        const double wobble = 1 + 0.03 * std::sin(2 * M_PI * 7 * t);
        return 1500 * std::pow(250.0 / 1500, t / len) * wobble;
    };
    Samples out = sweep(len, hz, [len](double t) { return edgeEnvelope(t, len, 0.01, 0.15); }, 0.2);
    normalise(out, -6);
    return out;
}

// A key tick: very short and quiet so typing is not tiring.
Samples keyTick()
{
    const double len = 0.04;
    Samples out = sweep(len, [](double) { return 1800.0; },
                        [len](double t) { return std::exp(-t * 180) * edgeEnvelope(t, len, 0.001, 0.01); }, 0.3);
    normalise(out, -14);
    return out;
}

}  // namespace

void writeSounds(const QString &dir)
{
    writeWav(backgroundMusic(), dir, "bgm.wav");
    writeWav(questionChirp(), dir, "se0.wav");
    writeWav(teachChime(), dir, "se1.wav");
    writeWav(itemPop(), dir, "se2.wav");
    writeWav(forgetSlide(), dir, "se3.wav");
    writeWav(keyTick(), dir, "se4.wav");
}
