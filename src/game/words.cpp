// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The alien's words: teaching, overwriting and forgetting them, and the
// broken sentences it makes of them.

#include "game/gamemodel.h"

#include "game/texts.h"

using texts::u8;

namespace {

constexpr int wordListCapacity = 5000;
constexpr int keptWords = 2; // the names and the first words are never forgotten

// Pay is a 16-bit field: a busy month stops adding at its top.
qint16 addPay(qint16 pay, int amount)
{
    return static_cast<qint16>(qMin(32767, pay + amount));
}

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

QString GameModel::word(int wordClass, int row) const
{
    return m_state.words[wordClass].value(row);
}

int GameModel::totalWords() const
{
    return m_state.wordCount[Noun] + m_state.wordCount[Verb] + m_state.wordCount[Adjective];
}

void GameModel::setWordClass(int wordClass)
{
    m_state.wordClass = static_cast<qint16>(wordClass);
}

void GameModel::insertWord(int wordClass, int row, const QString &word)
{
    QStringList &words = m_state.words[wordClass];
    row = qBound(0, row, static_cast<int>(words.size()));
    words.insert(row, word);
    Q_EMIT wordInserted(wordClass, row);
}

void GameModel::removeWord(int wordClass, int row)
{
    QStringList &words = m_state.words[wordClass];
    if (row < 0 || row >= words.size())
        return;
    words.removeAt(row);
    Q_EMIT wordRemoved(wordClass, row);
}

void GameModel::replaceWord(int wordClass, int row, const QString &word)
{
    removeWord(wordClass, row);
    insertWord(wordClass, row, word);
}

bool GameModel::teach(const QString &word, int overwriteRow)
{
    const int k = m_state.wordClass;
    // The scan runs one past the last word, which reads as empty: an empty
    // entry is always "known".
    for (int i = 0; i <= m_state.wordCount[k]; ++i) {
        if (this->word(k, i) == word) {
            say(texts::u8("もう、その言葉は知ってる"));
            return false;
        }
    }
    if (overwriteRow >= 0) {
        m_state.pay = addPay(m_state.pay, drawInt(m_random, 100) + 50);
        replaceWord(k, overwriteRow, word);
    } else {
        m_state.pay = addPay(m_state.pay, drawInt(m_random, 100) + 100);
        const int slot = m_state.writeSlot[k];
        // A full list wraps around and replaces its oldest taught word.
        if (!this->word(k, slot).isEmpty())
            removeWord(k, slot);
        insertWord(k, slot, word);
        m_state.writeSlot[k] = static_cast<qint16>(slot + 1 >= wordListCapacity ? keptWords : slot + 1);
        if (m_state.wordCount[k] < wordListCapacity)
            ++m_state.wordCount[k];
    }
    addMood(k, 2 * m_random.next());
    return true;
}

void GameModel::learnFirstWords()
{
    for (int k = 0; k < wordClassCount; ++k) {
        setWordClass(k);
        for (const char *word : texts::initialWords[k])
            teach(texts::u8(word), -1);
    }
}

void GameModel::forget(int wordClass)
{
    for (int i = static_cast<int>(m_state.words[wordClass].size()) - 1; i >= keptWords; --i)
        removeWord(wordClass, i);
    m_state.writeSlot[wordClass] = keptWords;
    m_state.wordCount[wordClass] = keptWords;
}

QString GameModel::composeSentence()
{
    auto randomWord = [this](int k) { return word(k, drawInt(m_random, m_state.wordCount[k])); };
    auto particle = [this] { return u8(texts::joshi[drawInt(m_random, 5)]); };
    auto ending = [this] { return u8(texts::gobi[drawInt(m_random, 9)]); };
    QString part[5];
    switch (drawInt(m_random, 4)) {
    case 0: {
        part[0] = randomWord(Adjective);
        if (drawInt(m_random, 100) >= 90)
            part[0].clear();
        part[1] = randomWord(Noun);
        part[2] = particle();
        part[3] = randomWord(Verb);
        part[4] = ending();
        // Without an ending the sentence ends in a noun half of the time.
        const int y = drawInt(m_random, 100);
        if (part[4].isEmpty() && y >= 50)
            part[3] = randomWord(Noun);
        break;
    }
    case 1:
        part[0] = randomWord(Adjective);
        part[1] = tailFor(drawInt(m_random, 100), "な", "ね", "なんちゃって");
        break;
    case 2:
        part[0] = randomWord(Verb);
        part[1] = tailFor(drawInt(m_random, 100), "したいなぁ", "するんだぁ", "しちゃいそう");
        break;
    default:
        part[0] = randomWord(Noun);
        part[1] = particle();
        part[2] = randomWord(Adjective);
        part[3] = ending();
        break;
    }
    return part[0] + part[1] + part[2] + part[3] + part[4];
}
