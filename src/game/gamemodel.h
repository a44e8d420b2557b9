// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game/gamestate.h"
#include "game/randomsource.h"

#include <QObject>

struct SaveSlot;

// The game itself, without a window: it keeps the state, takes the player's
// commands, applies the rules and tells through its signals what changed.
class GameModel final : public QObject
{
    Q_OBJECT
public:
    explicit GameModel(RandomSource &random, QObject *parent = nullptr);

    const GameState &state() const { return m_state; }
    // Puts a whole state in place at once and tells that the lists, money,
    // day and endings changed; the options are only applied by loadSlot().
    void restore(const GameState &state);

    // ---- Moods, face and motion ----
    int mood(Mood which) const { return m_state.moods[which]; }
    // Adds to one mood, kept within -500 .. 500, and updates the face.
    void addMood(int which, double delta);
    int face() const { return m_state.face; }
    int motion() const { return m_state.motion; }
    // The preview shows a face and motion of the player's choice.
    void showFaceAndMotion(int face, int motion);

    // ---- Words ----
    // The word at a row of a class's list; a row past the end reads as empty.
    QString word(int wordClass, int row) const;
    int wordCount(int wordClass) const { return m_state.wordCount[wordClass]; }
    int totalWords() const;
    int wordClass() const { return m_state.wordClass; }
    void setWordClass(int wordClass);
    // Teaches a word of the current class, over `overwriteRow` when that is
    // a row (>= 0). False when the alien already knows it.
    bool teach(const QString &word, int overwriteRow);
    // Forgets all but the first two words of a class.
    void forget(int wordClass);
    // Puts a word at a row, as the names are.
    void replaceWord(int wordClass, int row, const QString &word);
    QString playerName() const { return word(Noun, 0); }
    QString alienName() const { return word(Noun, 1); }
    // A sentence of the alien's own, from the words it knows.
    QString composeSentence();

    // ---- Money, pay and days ----
    qint32 money() const { return m_state.money; }
    int pay() const { return m_state.pay; }
    // The report hands the month's pay over.
    void payMonth();
    int day() const { return m_state.day; }
    void advanceDay();

    // ---- The transfer box ----
    int boxSize() const { return static_cast<int>(m_state.boxItems.size()); }
    QString item(int row) const;
    QString price(int row) const;
    static QString hintFor(const QString &item);
    // One new item arrives.
    void refillBox();
    // The official sends two to six items.
    void receiveShipment();
    enum class UseResult { NothingChosen, TooDear, Used };
    // Buys the item at a row (-1: none chosen) and gives it to the alien.
    UseResult useItem(int row);

    // ---- Questions ----
    void startQuestionWait() { m_state.questionWait = 0; }
    void tickQuestionWait();
    // The wait's effect on the moods once the alien asks; draws the question.
    int endQuestionWait();
    // In free play, the alien sometimes asks instead of speaking.
    bool wantsToAsk();
    // The moods that the answer to the current question moves.
    void answer(bool yes);

    // ---- Endings and the special menu ----
    int chooseEnding();
    bool endingSeen(int ending) const { return m_state.endingSeen[ending]; }
    void markEndingSeen(int ending);
    bool specialUnlocked() const;

    // ---- Options ----
    bool option(Option which) const { return m_state.options[static_cast<int>(which)]; }
    void setOption(Option which, bool on);

    // ---- Scenes ----
    const Scene &scene() const { return m_state.scene; }
    bool inFreePlay() const { return m_state.scene.kind == SceneKind::FreePlay; }
    void setScene(SceneKind kind, int number = 0);
    void setSceneStep(int step) { m_state.scene.step = step; }
    // From the opening until the farewell's ending is told; the title, a
    // replay and the preview already end in a new game.
    bool gameInProgress() const;
    // A new game: words and seen endings carry over, the rest starts afresh.
    void startNewGame();

    // ---- The save slot (game/slotmapping.cpp) ----
    SaveSlot toSlot() const;
    void loadSlot(const SaveSlot &slot);

Q_SIGNALS:
    void motionRestarted();
    void wordInserted(int wordClass, int row);
    void wordRemoved(int wordClass, int row);
    void wordsReset(int wordClass);
    void itemInserted(int row);
    void itemRemoved(int row);
    void boxReset();
    void moneyChanged(qint32 money);
    void dayChanged(int day);
    void endingsSeenChanged();
    void optionChanged(Option which, bool on);

private:
    void updateFace();
    void insertWord(int wordClass, int row, const QString &word);
    void removeWord(int wordClass, int row);
    void setMoney(qint32 money);

    RandomSource &m_random;
    GameState m_state;
};
