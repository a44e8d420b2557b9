// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Sound effects and the option menu.

#include "core/fom.h"
#include "sound/kyoyokansu.h"

void Fom::PlaySe(int number)
{
    if (number > 0 && !menu2[4]->isChecked())
        return;
    共用関数::PlayWave(AppPath + QStringLiteral("se%1.wav").arg(number - 1));
}

void Fom::menu2_Click(int index)
{
    if (menu2[index]->isChecked()) {
        menu2[index]->setChecked(false);
        if (index == 1)
            TimDay->setInterval(10000);
        if (index == 3)
            共用関数::StopMidi();
    } else {
        menu2[index]->setChecked(true);
        if (index == 1)
            TimDay->setInterval(1000);
        if (index == 3)
            共用関数::PlayMidi();
    }
}
