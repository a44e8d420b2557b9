// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The special menu: a viewer of the alien's faces and motions, opened once
// the first seven endings have been seen.

#include "core/fom.h"

void Fom::menuSpecl2_Click(int index)
{
    for (QAction *item : menuSpecl2)
        item->setChecked(false);
    menuSpecl2[index]->setChecked(true);
    StartScene(SceneKind::Preview);
}

void Fom::menuSpecl3_Click(int index)
{
    for (QAction *item : menuSpecl3)
        item->setChecked(false);
    menuSpecl3[index]->setChecked(true);
    StartScene(SceneKind::Preview);
}
