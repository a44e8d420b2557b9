// The background tune: eight bars of a C pentatonic melody on a music box
// over a soft triangle bass, 24 s long. Every note dies away before the
// end of the buffer, so the loop restarts from silence without a click.

#include "music.h"

#include <cmath>

namespace {

constexpr double kEighth = 0.375;  // 80 beats per minute
constexpr int kBars = 8;
constexpr double kLength = kBars * 8 * kEighth;

struct Note {
    int midi;     // 0 = rest
    int eighths;
};

const Note kMelody[] = {
    {76, 2}, {79, 2}, {81, 1}, {79, 1}, {76, 2},  // C
    {72, 2}, {74, 2}, {76, 4},                    // Am
    {69, 2}, {72, 2}, {74, 1}, {72, 1}, {69, 2},  // F
    {67, 2}, {69, 1}, {72, 1}, {74, 4},           // G
    {76, 2}, {79, 2}, {84, 2}, {81, 2},           // C
    {79, 2}, {76, 1}, {79, 1}, {81, 4},           // Am
    {79, 2}, {76, 2}, {74, 2}, {76, 1}, {74, 1},  // F G
    {72, 4}, {0, 4},                              // C, then rest before the loop
};

// One chord per half bar: C C Am Am F F G G C C Am Am F G C (rest).
struct Chord {
    int root;   // 0 = rest
    int third;  // semitones above the root: 4 major, 3 minor
};
const Chord kChords[kBars * 2] = {{48, 4}, {48, 4}, {45, 3}, {45, 3}, {41, 4}, {41, 4}, {43, 4}, {43, 4},
                                  {48, 4}, {48, 4}, {45, 3}, {45, 3}, {41, 4}, {43, 4}, {48, 4}, {0, 0}};

// Music box: a bright attack that fades, with overtones that fade faster.
void addMusicBox(Samples &out, double start, double hold, double hz, double amp)
{
    const double length = std::min(hold + 0.6, kLength - start - 0.01);
    const std::size_t first = std::size_t(start * kSampleRate);
    for (std::size_t i = 0; i < std::size_t(length * kSampleRate); ++i) {
        const double t = timeOf(i);
        const double tone = std::sin(2 * M_PI * hz * t) + 0.3 * std::exp(-t * 6) * std::sin(4 * M_PI * hz * t) +
                            0.1 * std::exp(-t * 10) * std::sin(6 * M_PI * hz * t);
        out[first + i] += amp * tone * std::exp(-t * 2.6) * edgeEnvelope(t, length, 0.004, 0.05);
    }
}

// Soft bass: the first odd harmonics of a triangle wave, slowly fading.
void addBass(Samples &out, double start, double hold, double hz, double amp)
{
    const double length = std::min(hold + 0.2, kLength - start - 0.01);
    const std::size_t first = std::size_t(start * kSampleRate);
    for (std::size_t i = 0; i < std::size_t(length * kSampleRate); ++i) {
        const double t = timeOf(i), w = 2 * M_PI * hz * t;
        const double tone = std::sin(w) - std::sin(3 * w) / 9 + std::sin(5 * w) / 25;
        out[first + i] += amp * tone * std::exp(-t * 0.9) * edgeEnvelope(t, length, 0.03, 0.15);
    }
}

void addMelody(Samples &out)
{
    double at = 0;
    for (const Note &note : kMelody) {
        if (note.midi)
            addMusicBox(out, at, note.eighths * kEighth, midiToHz(note.midi), 0.5);
        at += note.eighths * kEighth;
    }
}

void addAccompaniment(Samples &out)
{
    for (int half = 0; half < kBars * 2; ++half) {
        const int root = kChords[half].root;
        if (!root)
            continue;
        const double start = half * 4 * kEighth;
        const bool lastBar = half >= kBars * 2 - 2;
        addBass(out, start, (lastBar ? 6 : 2) * kEighth, midiToHz(root), 0.35);
        if (lastBar)
            continue;
        addBass(out, start + 2 * kEighth, 2 * kEighth, midiToHz(root + 7), 0.25);
        // light chord tones on the off-beats fill the space softly
        addMusicBox(out, start + kEighth, kEighth, midiToHz(root + 12 + kChords[half].third), 0.12);
        addMusicBox(out, start + 3 * kEighth, kEighth, midiToHz(root + 19), 0.12);
    }
}

}  // namespace

Samples backgroundMusic()
{
    Samples out = silence(kLength);
    addMelody(out);
    addAccompaniment(out);
    normalise(out, -10);
    return out;
}
