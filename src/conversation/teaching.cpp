// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Teaching words: the entry, the word classes, the three word lists and the
// buttons that teach and make the alien forget.

#include "core/fom.h"
#include "platform/listbox.h"
#include "platform/pictures.h"

namespace {
const QColor classColors[3] = {Qt::red, Qt::green, Qt::blue};
} // namespace

void Fom::TeachWord()
{
    const int overwriteRow = Chk->isChecked() ? listbox::selected(Lst[m_model->wordClass()]) : -1;
    m_model->teach(Txt->text(), overwriteRow);
}

void Fom::Opt_Click(int index)
{
    ShowWordClass(index);
    m_model->setWordClass(index);
}

void Fom::ShowWordClass(int wordClass)
{
    Txt->setForeColor(classColors[qBound(0, wordClass, 2)]);
    Opt[wordClass]->setChecked(true);
}

void Fom::Lst_Click(int index)
{
    Opt_Click(index);
}

void Fom::ADD_Click()
{
    PlaySe(2);
    TeachWord();
    Txt->setText(QString());
    SetFocusToTxt();
}

void Fom::ADD_MouseDown()
{
    ADD->setPicture(loadPicture(AppPath + QStringLiteral("osieru2.bmp")));
    ADD->setAppearance(1);
}

void Fom::ADD_MouseUp()
{
    ADD->setPicture(loadPicture(AppPath + QStringLiteral("osieru.bmp")));
    ADD->setAppearance(0);
}

bool Fom::Txt_KeyDown(Qt::Key key, Qt::KeyboardModifiers modifiers)
{
    const bool freePlay = m_model->inFreePlay();
    if (modifiers == Qt::ShiftModifier) {
        // Shift with an arrow picks the word class.
        const int kind = key == Qt::Key_Left ? 0 : key == Qt::Key_Up ? 1 : key == Qt::Key_Right ? 2 : -1;
        if (kind >= 0) {
            Opt_Click(kind);
            // A word waiting through a scene is kept for free play.
            if (freePlay)
                Txt->setText(QString());
        }
    } else if ((key == Qt::Key_Y || key == Qt::Key_Left) && !freePlay) {
        // During a scene the answer keys answer as clicks on the message area do.
        AnswerScene(1);
    } else if ((key == Qt::Key_N || key == Qt::Key_Right) && !freePlay) {
        AnswerScene(2);
    } else if (key == Qt::Key_Return || key == Qt::Key_Down) {
        if (freePlay)
            ADD_Click();
        else
            m_model->continueScene(); // the next step, with the answer last given
    } else {
        PlaySe(5);
    }
    SetFocusToTxt();
    // During a scene no key edits the entry, not even the one that ends it.
    return !freePlay;
}

void Fom::ComLstQra_MouseDown(int index)
{
    const int k = index;
    m_model->forget(k);
    LoadImgPicture(QStringLiteral("did.bmp"));
    ComLstQra[k]->setPicture(loadPicture(AppPath + QStringLiteral("comb%1.bmp").arg(k)));
    ComLstQra[k]->setAppearance(1);
    PlaySe(4);
}

void Fom::ComLstQra_MouseUp(int index)
{
    ShowImgPicture(FacePicture(m_model->face() + FaceFrame - 1));
    ComLstQra[index]->setPicture(loadPicture(AppPath + QStringLiteral("coma%1.bmp").arg(index)));
    ComLstQra[index]->setAppearance(0);
}
