#pragma once
// The looping background tune (bgm.wav).

#include "wave.h"

Samples backgroundMusic();
