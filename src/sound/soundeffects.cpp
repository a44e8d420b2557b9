// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Sound effects and the option menu.

#include "core/fom.h"

void Fom::PlaySe(int number)
{
    if (number > 0 && !menu2[4]->isChecked())
        return;
    m_sound.playEffect(AppPath + QStringLiteral("se%1.wav").arg(number - 1));
}

void Fom::menu2_Click(int index)
{
    if (menu2[index]->isChecked()) {
        menu2[index]->setChecked(false);
        if (index == 1)
            TimDay->setInterval(10000);
        if (index == 3)
            m_sound.stopMusic();
    } else {
        menu2[index]->setChecked(true);
        if (index == 1)
            TimDay->setInterval(1000);
        if (index == 3)
            m_sound.playMusic();
    }
}
