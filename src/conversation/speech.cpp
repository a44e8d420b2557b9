// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The alien's own sentences: broken Japanese put together from the words it
// was taught, particles and endings.

#include "core/fom.h"
#include "core/texts.h"
#include "platform/listbox.h"

using texts::u8;

namespace {

// Picks a tail by a draw 0..99: 70-99, 50-69, 30-49, or none below 30.
QString tailFor(int x, const char *high, const char *middle, const char *low)
{
    if (x >= 70)
        return u8(high);
    if (x >= 50)
        return u8(middle);
    if (x >= 30)
        return u8(low);
    return QString();
}

} // namespace

void Fom::SpeakSentence()
{
    auto randomWord = [this](int k) { return listbox::text(Lst[k], drawInt(m_random, WordCount[k])); };
    constexpr int noun = 0, verb = 1, adjective = 2;
    QString part[5];
    switch (drawInt(m_random, 4)) {
    case 0: {
        part[0] = randomWord(adjective);
        if (drawInt(m_random, 100) >= 90)
            part[0].clear();
        part[1] = randomWord(noun);
        part[2] = Joshi[drawInt(m_random, 5)];
        part[3] = randomWord(verb);
        part[4] = Gobi[drawInt(m_random, 9)];
        // Without an ending the sentence ends in a noun half of the time.
        const int y = drawInt(m_random, 100);
        if (part[4].isEmpty() && y >= 50)
            part[3] = randomWord(noun);
        break;
    }
    case 1:
        part[0] = randomWord(adjective);
        part[1] = tailFor(drawInt(m_random, 100), "な", "ね", "なんちゃって");
        break;
    case 2:
        part[0] = randomWord(verb);
        part[1] = tailFor(drawInt(m_random, 100), "したいなぁ", "するんだぁ", "しちゃいそう");
        break;
    default:
        part[0] = randomWord(noun);
        part[1] = Joshi[drawInt(m_random, 5)];
        part[2] = randomWord(adjective);
        part[3] = Gobi[drawInt(m_random, 9)];
        break;
    }
    Lbl->setCaption(part[0] + part[1] + part[2] + part[3] + part[4]);
}

void Fom::TimSay_Timer()
{
    const int x = drawInt(m_random, 100);
    if (menu2[0]->isChecked() && x > 89)
        StartScene(QStringLiteral("situ"));
    else
        SpeakSentence();
}
