// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The background tune, "Yuragumo": 55 bars in C at 120 beats a minute,
// 110 s, in seven sections of eight bars (the last of seven) that each change
// the melody, the bass and the drums:
//   intro   music-box arpeggios over long bass notes, no drums
//   A       the theme on the music box, bass on one and three, a light beat
//   A'      the theme on the flute with a music-box counter line, walking bass, backbeat
//   B       a minor-key flute song, bouncing octave bass, shaker sixteenths
//   C       a quiet breakdown: bell arpeggios over a held bass
//   A''     the theme on the music box with the flute a third below, full beat
//   outro   the theme slows and settles on C, and the tune comes round again
// The game plays it round and round. It starts softly, and the notes still
// ringing at its end ring on over its start, so the join has no gap and no click.

#include "instruments.h"
#include "music.h"

#include <array>
#include <vector>

namespace {

constexpr double kEighth = 0.25;  // 120 beats per minute
constexpr int kBarEighths = 8;
constexpr double kBar = kBarEighths * kEighth;
constexpr int kSectionBars = 8;

struct Note {
    int midi;     // 0 = rest
    int eighths;
};
using Line = std::vector<Note>;

// Chord of one bar: root (MIDI) and whether its third is minor.
struct Chord {
    int root;
    bool minor = false;
};
using Chords = std::vector<Chord>;  // one a bar

constexpr Chord C{48}, Dm{50, true}, Em{52, true}, F{41}, G{43}, Am{45, true};

// Drums of one bar in sixteenths: 'x' hits, '.' rests.
struct Beat {
    const char *kick;
    const char *snare;
    const char *hat;
};
const Beat kNoDrums{"................", "................", "................"};
const Beat kLight{"x.......x.......", "................", "..x...x...x...x."};
const Beat kBackbeat{"x.....x.x.......", "....x.......x...", "x.x.x.x.x.x.x.x."};
const Beat kShaker{"x.......x..x....", "....x.......x...", "xxxxxxxxxxxxxxxx"};
const Beat kFill{"x.....x.x.......", "....x.....x.xxxx", "x.x.x.x.x......."};

// Bass of one bar in eighths: 'R' root, 'F' fifth, 'O' octave start a note
// that lasts through the following '-'; '.' is silence.
struct Section {
    Chords chords;
    const char *bass;
    Beat beat;
    bool fillAtEnd = false;
};

const Chords kThemeChords{C, G, Am, Em, F, C, F, G};
const Line kTheme{
    {76, 2}, {79, 2}, {81, 1}, {79, 1}, {76, 2},  // C
    {74, 2}, {71, 2}, {74, 4},                    // G
    {72, 2}, {76, 2}, {81, 2}, {79, 2},           // Am
    {79, 4}, {76, 4},                             // Em
    {77, 2}, {81, 2}, {84, 2}, {81, 2},           // F
    {79, 2}, {76, 1}, {74, 1}, {72, 4},           // C
    {69, 2}, {72, 2}, {74, 2}, {77, 2},           // F
    {76, 2}, {74, 6},                             // G
};
const Line kSong{
    {69, 3}, {72, 1}, {76, 4},  // Am
    {77, 3}, {76, 1}, {72, 4},  // F
    {76, 2}, {79, 2}, {84, 4},  // C
    {83, 4}, {74, 4},           // G
    {84, 3}, {83, 1}, {81, 4},  // Am
    {81, 2}, {79, 2}, {77, 4},  // F
    {77, 2}, {76, 2}, {74, 2}, {77, 2},  // Dm
    {79, 6}, {0, 2},            // G
};
const Line kSettling{
    {81, 4}, {79, 4}, {77, 4}, {74, 4}, {76, 8}, {72, 8},
    {69, 4}, {72, 4}, {71, 4}, {74, 4}, {72, 8},
};

double hzOf(int midi) { return midiToHz(midi); }

// Chord tones from the root upwards, `octave` octaves up: root, third, fifth, octave.
std::array<int, 4> chordTones(Chord chord, int octave)
{
    const int root = chord.root + 12 * octave;
    return {root, root + (chord.minor ? 3 : 4), root + 7, root + 12};
}

// The note of the C major scale two steps below `midi` (itself on the scale).
int thirdBelow(int midi)
{
    static constexpr int kScale[] = {0, 2, 4, 5, 7, 9, 11};
    const int octave = midi / 12, pitch = midi % 12;
    int degree = 0;
    while (kScale[degree] != pitch)
        ++degree;
    return degree >= 2 ? octave * 12 + kScale[degree - 2] : (octave - 1) * 12 + kScale[degree + 5];
}

void addLine(Samples &out, double at, const Line &line, bool harmony, double amp, bool flute)
{
    for (const Note &note : line) {
        if (note.midi) {
            const double hold = note.eighths * kEighth, hz = hzOf(harmony ? thirdBelow(note.midi) : note.midi);
            flute ? addFlute(out, at, hold, hz, amp) : addMusicBox(out, at, hold, hz, amp);
        }
        at += note.eighths * kEighth;
    }
}

void addBassBar(Samples &out, double at, Chord chord, const char *pattern)
{
    for (int i = 0; i < kBarEighths; ++i) {
        const char step = pattern[i];
        if (step != 'R' && step != 'F' && step != 'O')
            continue;
        int length = 1;
        while (i + length < kBarEighths && pattern[i + length] == '-')
            ++length;
        const int midi = chord.root + (step == 'F' ? 7 : step == 'O' ? 12 : 0);
        addBass(out, at + i * kEighth, length * kEighth, hzOf(midi), step == 'R' ? 0.35 : 0.28);
    }
}

void addBeatBar(Samples &out, double at, const Beat &beat)
{
    const double sixteenth = kEighth / 2;
    for (int i = 0; i < 16; ++i) {
        const double t = at + i * sixteenth;
        if (beat.kick[i] == 'x')
            addKick(out, t, 0.55);
        if (beat.snare[i] == 'x')
            addSnare(out, t, 0.22);
        if (beat.hat[i] == 'x')
            addHat(out, t, i % 4 == 0 ? 0.16 : 0.1);  // accents on the beat
    }
}

// Music-box eighths up and down the chord, as accompaniment or on their own.
void addArpeggioBar(Samples &out, double at, Chord chord, int octave, double amp)
{
    const auto tones = chordTones(chord, octave);
    const int order[kBarEighths] = {0, 1, 2, 3, 2, 1, 2, 1};
    for (int i = 0; i < kBarEighths; ++i)
        addMusicBox(out, at + i * kEighth, kEighth, hzOf(tones[order[i]]), amp);
}

void addSection(Samples &out, double at, const Section &section)
{
    const int bars = int(section.chords.size());
    for (int bar = 0; bar < bars; ++bar) {
        const double barStart = at + bar * kBar;
        addBassBar(out, barStart, section.chords[bar], section.bass);
        const bool fill = section.fillAtEnd && bar == bars - 1;
        addBeatBar(out, barStart, fill ? kFill : section.beat);
    }
}

// Melodies, counter lines and arpeggios over the plain sections.
void addVoices(Samples &out, const std::array<double, 7> &starts)
{
    const double intro = starts[0], a1 = starts[1], a2 = starts[2], b = starts[3], c = starts[4], a3 = starts[5],
                 outro = starts[6];
    const Chords introChords{C, Am, F, G, C, Am, F, G};
    const Chords breakdown{F, G, Em, Am, F, G, C, C};
    for (int bar = 0; bar < kSectionBars; ++bar) {
        addArpeggioBar(out, intro + bar * kBar, introChords[bar], 2, bar < 2 ? 0.12 + 0.04 * bar : 0.2);
        addArpeggioBar(out, a2 + bar * kBar, kThemeChords[bar], 2, 0.1);
        addArpeggioBar(out, c + bar * kBar, breakdown[bar], 3, 0.18);
    }
    addLine(out, a1, kTheme, false, 0.5, false);
    addLine(out, a2, kTheme, false, 0.32, true);
    addLine(out, b, kSong, false, 0.34, true);
    addLine(out, a3, kTheme, false, 0.5, false);
    addLine(out, a3, kTheme, true, 0.16, true);  // soft harmony a third below
    addLine(out, outro, kSettling, false, 0.4, false);
}

}  // namespace

Samples backgroundMusic()
{
    const std::array<Section, 7> sections{{
        {{C, Am, F, G, C, Am, F, G}, "R-------", kNoDrums},
        {kThemeChords, "R---F---", kLight},
        {kThemeChords, "R-R-F-O-", kBackbeat, true},
        {{Am, F, C, G, Am, F, Dm, G}, "R--OR-O-", kShaker, true},
        {{F, G, Em, Am, F, G, C, C}, "R-------", kNoDrums},
        {kThemeChords, "R-F-R-O-", kBackbeat, true},
        {{F, G, C, Am, F, G, C}, "R-------", kNoDrums},
    }};
    std::array<double, 7> starts{};
    double end = 0;
    for (std::size_t i = 0; i < starts.size(); ++i) {
        starts[i] = end;
        end += double(sections[i].chords.size()) * kBar;
    }

    Samples out = silence(end);
    for (std::size_t i = 0; i < sections.size(); ++i)
        addSection(out, starts[i], sections[i]);
    addVoices(out, starts);
    normalise(out, -10);
    return out;
}
