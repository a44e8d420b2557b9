// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Teaching words: the entry, the word classes, the three word lists and the
// buttons that teach and make the alien forget.

#include "core/fom.h"
#include "core/texts.h"
#include "platform/listbox.h"
#include "platform/pictures.h"

namespace {

constexpr int wordListCapacity = 5000;
constexpr int classColors[3] = {255, 65280, 16711680}; // red, green, blue

// Pay is a 16-bit field: a busy month stops adding at its top.
qint16 addPay(qint16 pay, int amount)
{
    return static_cast<qint16>(qMin(32767, pay + amount));
}

} // namespace

void Fom::TeachWord()
{
    const int k = WordKind;
    const QString word = Txt->text();
    // The scan runs one past the last word, which reads as empty: an empty
    // entry is always "known".
    for (int i = 0; i <= WordCount[k]; ++i) {
        if (listbox::text(Lst[k], i) == word) {
            Lbl->setCaption(texts::u8("もう、その言葉は知ってる"));
            return;
        }
    }

    const int selected = listbox::selected(Lst[k]);
    if (Chk->isChecked() && selected >= 0) {
        Pay = addPay(Pay, drawInt(m_random, 100) + 50);
        listbox::remove(Lst[k], selected);
        listbox::insert(Lst[k], selected, word);
    } else {
        Pay = addPay(Pay, drawInt(m_random, 100) + 100);
        const int slot = WordSlot[k];
        // A full list wraps around and replaces its oldest taught word.
        if (!listbox::text(Lst[k], slot).isEmpty())
            listbox::remove(Lst[k], slot);
        listbox::insert(Lst[k], slot, word);
        WordSlot[k] = static_cast<qint16>(slot + 1 >= wordListCapacity ? 2 : slot + 1);
        if (WordCount[k] < wordListCapacity)
            ++WordCount[k];
    }
    AddMood(k, 2 * m_random.next());
}

void Fom::Opt_Click(int index)
{
    Txt->setForeColor(classColors[qBound(0, index, 2)]);
    Opt[index]->setChecked(true);
    WordKind = static_cast<qint16>(index);
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

bool Fom::Txt_KeyDown(int keyCode, int shift)
{
    constexpr int enter = 13, left = 37, up = 38, right = 39, down = 40, keyY = 89, keyN = 78;
    const bool freePlay = SceneMode == QLatin1String("tyu");
    if (shift == 1) {
        // Shift with an arrow picks the word class.
        const int kind = keyCode == left ? 0 : keyCode == up ? 1 : keyCode == right ? 2 : -1;
        if (kind >= 0) {
            Opt_Click(kind);
            // A word waiting through a scene is kept for free play.
            if (freePlay)
                Txt->setText(QString());
        }
    } else if ((keyCode == keyY || keyCode == left) && !freePlay) {
        // During a scene the answer keys are clicks on the message area.
        ClickLbl(1);
    } else if ((keyCode == keyN || keyCode == right) && !freePlay) {
        ClickLbl(2);
    } else if (keyCode == enter || keyCode == down) {
        if (freePlay)
            ADD_Click();
        else
            Lbl_Click();
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
    for (int i = listbox::count(Lst[k]) - 1; i >= 2; --i)
        listbox::remove(Lst[k], i);
    WordSlot[k] = 2;
    WordCount[k] = 2;
    LoadImgPicture(QStringLiteral("did.bmp"));
    ComLstQra[k]->setPicture(loadPicture(AppPath + QStringLiteral("comb%1.bmp").arg(k)));
    ComLstQra[k]->setAppearance(1);
    PlaySe(4);
}

void Fom::ComLstQra_MouseUp(int index)
{
    ShowImgPicture(FacePicture(Face + FaceFrame - 1));
    ComLstQra[index]->setPicture(loadPicture(AppPath + QStringLiteral("coma%1.bmp").arg(index)));
    ComLstQra[index]->setAppearance(0);
}
