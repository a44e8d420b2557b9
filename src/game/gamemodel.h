// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include "game/gameclocks.h"
#include "game/gamestate.h"
#include "game/playerprompts.h"
#include "game/randomsource.h"

#include <QObject>

struct SaveSlot;

// The game itself, without a window: it keeps the state, takes the player's
// commands, applies the rules and tells through its signals what changed.
class GameModel final : public QObject
{
    Q_OBJECT
public:
    // Without prompts every name is cancelled and every confirmation declined.
    explicit GameModel(RandomSource &random, QObject *parent = nullptr);
    GameModel(RandomSource &random, PlayerPrompts &prompts, QObject *parent = nullptr);

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
    // a row (>= 0). False when the alien already knows it, and says so.
    bool teach(const QString &word, int overwriteRow);
    // The six words every alien knows from the start.
    void learnFirstWords();
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
    // From the opening until the farewell's ending is told; the title, a
    // replay and the preview already end in a new game.
    bool gameInProgress() const;
    // A new game: words and seen endings carry over, the rest starts afresh.
    void startNewGame();

    // ---- Playing the scenes (game/sceneflow.cpp and the scene files) ----
    // The player's answer to a question or a scene's yes/no: a left click
    // or a yes key is Yes, any other click or key No.
    enum class Answer { Yes, No };
    // Locks the play controls and plays the scene's first step.
    void startScene(SceneKind kind, int number = 0);
    // The title, as the window first shows.
    void showTitle() { startScene(SceneKind::Title); }
    // A click on the message line or an answer key: the scene's next step
    // with this answer; in free play the alien speaks.
    void answerScene(Answer answer);
    // Enter during a scene: the next step with the answer last given.
    void continueScene() { playSceneStep(); }
    // A press on the message line already picks the answer Enter would give.
    void pressAnswer(Answer answer) { m_lastAnswer = answer; }
    // A click on the alien answers a question waiting for it; in free play
    // it makes the alien ask one.
    void alienClicked(Answer answer);
    // Replays an ending from the gallery; a game in progress is ended only
    // once the player confirms.
    void replayEnding(int ending);
    // The preview of a face (0 calm, 1..4 a mood) and a motion; -1 keeps
    // the alien's own.
    void previewFaceAndMotion(int face, int motion);
    // After a load: the title again, or free play from the loaded state.
    void resumeAfterLoad();
    // What a scene has last said on the message line.
    const QString &message() const { return m_message; }
    bool sceneLocked() const { return m_sceneLocked; }
    bool alienMoving() const { return m_alienMoving; }
    bool questionHintShown() const { return m_questionHint; }

    // ---- Clocks: time enters the game only here ----
    ClockSetting clock(GameClock which) const { return m_clocks[static_cast<int>(which)]; }
    // One tick of a running clock.
    void clockElapsed(GameClock which);

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
    // What a scene shows and plays.
    void messageChanged(const QString &text);
    void scenePictureShown(const QString &fileName); // a picture of the scene's own
    void faceShown();                                // the alien's face, first frame
    void alienMotionChanged(bool running);           // the wobble and face flip
    void questionHintChanged(bool shown);
    void tintCleared();
    void effectWanted(int number);
    // Play controls locked (a scene) or given back (free play); told at
    // each scene start even when already locked.
    void sceneLockChanged(bool locked);
    // A clock was set; told at each start, even of a running clock, which
    // then starts its interval over.
    void clockSet(GameClock which, ClockSetting setting);
    void promptBlinked();
    // For the recovery copy: a day passed, or the game in progress is over.
    void dayPassed();
    void gameEnded();

private:
    void updateFace();
    void insertWord(int wordClass, int row, const QString &word);
    void removeWord(int wordClass, int row);
    void setMoney(qint32 money);

    void advanceDay();
    // The question's wait: counted from the announcement, it moves the
    // moods once the alien asks, which draws the question.
    void startQuestionWait() { m_state.questionWait = 0; }
    void tickQuestionWait();
    int endQuestionWait();
    // In free play, the alien sometimes asks instead of speaking.
    bool wantsToAsk();
    // The moods that the answer to the current question moves.
    void answer(bool yes);
    void setScene(SceneKind kind, int number = 0);
    void setSceneStep(int step) { m_state.scene.step = step; }

    // Scene scripts, one step per call.
    void playSceneStep();
    void endScene();
    void playTitle();
    void playOpening();
    void playAnnouncement();
    void playQuestion();
    void playReport();
    void playFarewell();
    void playEnding();
    void playPreview();
    void speak();
    void passDay();
    void say(const QString &text);
    void showScenePicture(const QString &fileName);
    void setAlienMoving(bool running);
    void setQuestionHint(bool shown);
    void setClockRunning(GameClock which, bool running);
    void setClockInterval(GameClock which, int intervalMs);

    RandomSource &m_random;
    PlayerPrompts &m_prompts;
    GameState m_state;
    // What the player sees of the scene; not part of a saved game.
    QString m_message;
    bool m_sceneLocked = false;
    bool m_alienMoving = true;
    bool m_questionHint = false;
    Answer m_lastAnswer = Answer::No;
    int m_previewFace = -1;
    int m_previewMotion = -1;
    std::array<ClockSetting, gameClockCount> m_clocks{{
        {100, false},   // prompt blink: only during scenes
        {3000, true},   // speech
        {3000, true},   // question wait
        {10000, true},  // day
    }};
};
