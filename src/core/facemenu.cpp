// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The endings menu, which replays the endings seen, and the special menu: a
// viewer of the alien's faces and motions, opened once the first seven
// endings have been seen.

#include "core/fom.h"

#include <algorithm>

namespace {

// The checked item of a menu whose items exclude each other; -1 if none.
template<typename Items>
int chosen(const Items &items)
{
    const auto found = std::ranges::find_if(items, [](const QAction *item) { return item->isChecked(); });
    return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

} // namespace

void Fom::menuEnding_Click(int index)
{
    m_model->replayEnding(index);
}

void Fom::ShowEndingsSeen()
{
    for (int k = 0; k < endingCount; ++k)
        menuEnding[k]->setEnabled(m_model->endingSeen(k));
    menuSpecl->menuAction()->setEnabled(m_model->specialUnlocked());
}

void Fom::menuSpecl2_Click(int index)
{
    for (QAction *item : menuSpecl2)
        item->setChecked(false);
    menuSpecl2[index]->setChecked(true);
    m_model->previewFaceAndMotion(chosen(menuSpecl2), chosen(menuSpecl3));
}

void Fom::menuSpecl3_Click(int index)
{
    for (QAction *item : menuSpecl3)
        item->setChecked(false);
    menuSpecl3[index]->setChecked(true);
    m_model->previewFaceAndMotion(chosen(menuSpecl2), chosen(menuSpecl3));
}
