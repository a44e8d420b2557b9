// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The alien's four moods and the face and motion they give it.

#include "core/fom.h"
#include "core/grid.h"

void Fom::AddMood(int index, double delta)
{
    const double sum = Mood[index] + delta;
    if (sum >= 500)
        Mood[index] = 500;
    else if (sum <= -500)
        Mood[index] = -500;
    else
        Mood[index] = static_cast<qint16>(roundHalfEven(sum));
    UpdateFace();
}

void Fom::UpdateFace()
{
    // Ties go to the higher index, for the strongest and the weakest mood alike.
    int dominant = 0;
    for (int i = 1; i < 4; ++i) {
        if (Mood[i] >= Mood[dominant])
            dominant = i;
    }
    int weakest = 0;
    for (int i = 1; i < 4; ++i) {
        if (Mood[i] <= Mood[weakest])
            weakest = i;
    }
    // A deep low mood stirs the alien as much as a high one.
    const int strength = Mood[dominant] < -Mood[weakest] ? -Mood[weakest] : Mood[dominant];
    Face = static_cast<qint16>(Mood[dominant] < 30 ? 0 : 2 * dominant + 2);

    const qint16 oldMoveKind = MoveKind;
    MoveKind = static_cast<qint16>(strength >= 100 ? 2 : (strength >= 50 ? 1 : 0));
    if (MoveKind != oldMoveKind)
        MoveImg(0, 0, 100, 100); // a new motion starts from rest
}
