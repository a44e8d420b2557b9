// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once
// The voices of the background tune. Each adds one note or hit into `out`
// starting at `start` seconds; a note that rings past the end of the buffer
// rings on over its start, as the tune loops.

#include "wave.h"

// A bright attack that fades, with overtones that fade faster.
void addMusicBox(Samples &out, double start, double hold, double hz, double amp);
// A soft flute: slow attack, breath of vibrato once the note has settled.
void addFlute(Samples &out, double start, double hold, double hz, double amp);
// A round bass: the first odd harmonics of a triangle wave, slowly fading.
void addBass(Samples &out, double start, double hold, double hz, double amp);

// Drums. Noise comes from a fixed generator, so every build writes the same bytes.
void addKick(Samples &out, double start, double amp);
void addSnare(Samples &out, double start, double amp);
void addHat(Samples &out, double start, double amp);
