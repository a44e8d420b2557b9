// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The endings menu, which replays the endings seen, and the special menu: a
// viewer of the alien's faces and motions, opened once the first seven
// endings have been seen.

#include "view/gamewindow.h"

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

void GameWindow::replayEnding(int index)
{
    m_model->replayEnding(index);
}

void GameWindow::showEndingsSeen()
{
    for (int k = 0; k < endingCount; ++k)
        endingActions[k]->setEnabled(m_model->endingSeen(k));
    specialMenu->menuAction()->setEnabled(m_model->specialUnlocked());
}

void GameWindow::chooseFace(int index)
{
    for (QAction *item : faceActions)
        item->setChecked(false);
    faceActions[index]->setChecked(true);
    m_model->previewFaceAndMotion(chosen(faceActions), chosen(motionActions));
}

void GameWindow::chooseMotion(int index)
{
    for (QAction *item : motionActions)
        item->setChecked(false);
    motionActions[index]->setChecked(true);
    m_model->previewFaceAndMotion(chosen(faceActions), chosen(motionActions));
}
