// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The alien's own sentences, said on the message line.

#include "core/fom.h"

void Fom::SpeakSentence()
{
    Lbl->setCaption(m_model->composeSentence());
}

void Fom::TimSay_Timer()
{
    if (m_model->wantsToAsk())
        StartScene(SceneKind::Announcement);
    else
        SpeakSentence();
}
