// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Sound effects and the option menu.

#include "view/gamewindow.h"

void GameWindow::playEffect(int number)
{
    if (number > 0 && !m_model->option(Option::SoundEffects))
        return;
    m_sound.playEffect(appPath + QStringLiteral("se%1.wav").arg(number - 1));
}

void GameWindow::optionChosen(int index)
{
    const auto option = static_cast<Option>(index);
    m_model->setOption(option, !m_model->option(option));
}

// Shows an option's mark and does what it asks for at once.
void GameWindow::applyOption(Option which, bool on)
{
    optionActions[static_cast<int>(which)]->setChecked(on);
    if (which == Option::Music && on)
        m_sound.playMusic();
    else if (which == Option::Music)
        m_sound.stopMusic();
}
