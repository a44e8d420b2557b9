// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Sound effects and the option menu.

#include "core/fom.h"

void Fom::PlaySe(int number)
{
    if (number > 0 && !m_model->option(Option::SoundEffects))
        return;
    m_sound.playEffect(AppPath + QStringLiteral("se%1.wav").arg(number - 1));
}

void Fom::menu2_Click(int index)
{
    const auto option = static_cast<Option>(index);
    m_model->setOption(option, !m_model->option(option));
}

// Shows an option's mark and does what it asks for at once.
void Fom::ApplyOption(Option which, bool on)
{
    menu2[static_cast<int>(which)]->setChecked(on);
    if (which == Option::Music && on)
        m_sound.playMusic();
    else if (which == Option::Music)
        m_sound.stopMusic();
}
