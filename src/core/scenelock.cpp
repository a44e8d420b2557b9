// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Entering a scene locks the play controls; leaving it gives them back.

#include "core/fom.h"

void Fom::StartScene(SceneKind kind, int number)
{
    m_model->setScene(kind, number);
    menu1[0]->setEnabled(false);
    for (int i = 0; i < 3; ++i) {
        Lst[i]->setEnabled(false);
        ComLstQra[i]->setEnabled(false);
    }
    LstItem->setEnabled(false);
    LstItemMoney->setEnabled(false);
    Txt->setEnabled(true);
    // The keys drive the scene; a word being typed waits in the entry.
    Txt->setHeld(true);
    SetFocusToTxt();
    TimSay->stop();
    TimDay->stop();
    ADD->setEnabled(false);
    TimShpCli->start();
    ShpCli->setVisible(true);
    Opt_Click(m_model->wordClass());
    ComItem->setEnabled(false);
    Ivent();
}

void Fom::EndScene()
{
    Tim->start();
    Tim2->start();
    menu1[0]->setEnabled(true);
    for (int i = 0; i < 3; ++i) {
        Lst[i]->setEnabled(true);
        ComLstQra[i]->setEnabled(true);
    }
    LstItem->setEnabled(true);
    LstItemMoney->setEnabled(true);
    m_model->setScene(SceneKind::FreePlay);
    Txt->setEnabled(true);
    Txt->setHeld(false);
    TimSay->start();
    TimDay->start();
    ADD->setEnabled(true);
    TimShpCli->stop();
    ShpCli->setVisible(false);
    ComItem->setEnabled(true);
    Ivent();
    SetFocusToTxt();
}

void Fom::SetFocusToTxt()
{
    // The window may not be showing yet; the focus then simply stays unset.
    if (Txt->isEnabled())
        Txt->setFocus(Qt::OtherFocusReason);
}
