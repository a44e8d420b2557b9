// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Teaching words: the entry, the word classes, the three word lists and the
// buttons that teach and make the alien forget.

#include "view/gamewindow.h"
#include "widgets/listbox.h"
#include "widgets/pictures.h"

namespace {
constexpr Qt::GlobalColor classColors[3] = {Qt::red, Qt::green, Qt::blue};
} // namespace

void GameWindow::teachTypedWord()
{
    const int overwriteRow = overwriteCheck->isChecked() ? listbox::selected(wordLists[m_model->wordClass()]) : -1;
    m_model->teach(wordEntry->text(), overwriteRow);
}

void GameWindow::chooseWordClass(int index)
{
    showWordClass(index);
    m_model->setWordClass(index);
}

void GameWindow::showWordClass(int wordClass)
{
    wordEntry->setForeColor(classColors[qBound(0, wordClass, 2)]);
    wordClassOptions[wordClass]->setChecked(true);
}

void GameWindow::wordListClicked(int index)
{
    chooseWordClass(index);
}

void GameWindow::teachClicked()
{
    playEffect(2);
    teachTypedWord();
    wordEntry->setText(QString());
    focusEntry();
}

void GameWindow::teachPressed()
{
    teachButton->setPicture(loadPicture(appPath + QStringLiteral("osieru2.bmp")));
    teachButton->setAppearance(1);
}

void GameWindow::teachReleased()
{
    teachButton->setPicture(loadPicture(appPath + QStringLiteral("osieru.bmp")));
    teachButton->setAppearance(0);
}

bool GameWindow::entryKeyPressed(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    const bool freePlay = m_model->inFreePlay();
    if (modifiers == Qt::ShiftModifier) {
        // Shift with an arrow picks the word class.
        const int kind = key == Qt::Key_Left ? 0 : key == Qt::Key_Up ? 1 : key == Qt::Key_Right ? 2 : -1;
        if (kind >= 0) {
            chooseWordClass(kind);
            // A word waiting through a scene is kept for free play.
            if (freePlay)
                wordEntry->setText(QString());
        }
    } else if ((key == Qt::Key_Y || key == Qt::Key_Left) && !freePlay) {
        // During a scene the answer keys answer as clicks on the message area do.
        m_model->answerScene(GameModel::Answer::Yes);
    } else if ((key == Qt::Key_N || key == Qt::Key_Right) && !freePlay) {
        m_model->answerScene(GameModel::Answer::No);
    } else if (key == Qt::Key_Return || key == Qt::Key_Down) {
        if (freePlay)
            teachClicked();
        else
            m_model->continueScene(); // the next step, with the answer last given
    } else {
        playEffect(5);
    }
    focusEntry();
    // During a scene no key edits the entry, not even the one that ends it.
    return !freePlay;
}

void GameWindow::forgetPressed(int index)
{
    const int k = index;
    m_model->forget(k);
    loadAlienPicture(QStringLiteral("did.bmp"));
    forgetButtons[k]->setPicture(loadPicture(appPath + QStringLiteral("comb%1.bmp").arg(k)));
    forgetButtons[k]->setAppearance(1);
    playEffect(4);
}

void GameWindow::forgetReleased(int index)
{
    showAlienPicture(facePicture(m_model->face() + faceFrame - 1));
    forgetButtons[index]->setPicture(loadPicture(appPath + QStringLiteral("coma%1.bmp").arg(index)));
    forgetButtons[index]->setAppearance(0);
}
