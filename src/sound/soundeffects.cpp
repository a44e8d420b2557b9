// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Sound effects and the option menu.

#include "core/fom.h"
#include "sound/kyoyokansu.h"

void Fom::PlaySe(int number)
{
    if (number > 0 && !m_model->option(Option::SoundEffects))
        return;
    共用関数::PlayWave(AppPath + QStringLiteral("se%1.wav").arg(number - 1));
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
    if (which == Option::FastDays)
        TimDay->setInterval(on ? 1000 : 10000);
    if (which == Option::Music && on)
        共用関数::PlayMidi();
    else if (which == Option::Music)
        共用関数::StopMidi();
}
