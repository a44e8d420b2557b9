// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include "view/boxprompts.h"
#include "view/heldclocks.h"
#include "game/gamemodel.h"
#include "widgets/laterpictures.h"
#include "platform/services.h"
#include "sound/soundoutput.h"
#include "widgets/widgets.h"

#include <QAction>
#include <QCheckBox>
#include <QListView>
#include <QMainWindow>
#include <QMenu>
#include <QPersistentModelIndex>
#include <QRadioButton>
#include <QTimer>

#include <array>

class FileOps;
struct SaveSlot;

// The game window: it shows the game model (game/) and turns the player's
// keys, clicks and menus into its commands. Each topic has its file here in
// view/: start-up, the controls and their layout, animation, the scenes the
// model plays, teaching, items, the menus, Save and Load, the recovery copy.
//
// The controls are public on purpose: the tests drive the handlers and read
// the controls exactly as the window does.
class GameWindow final : public QMainWindow
{
    Q_OBJECT
public:
    struct Services
    {
        RandomSource &random;
        Dialogs &dialogs;
        SoundOutput &sound;
        QString appPath; // the program folder, ending in '/'
        // Where the save slot lives; empty means beside the program.
        QString savePath = QString();
        // The file operations of the save slot; null means the real disk.
        FileOps *files = nullptr;
        // Why there is no folder to save in (then savePath is empty): Save
        // and Load refuse with it. Empty when there is one.
        QString saveFolderProblem = QString();
    };

    explicit GameWindow(const Services &services, QWidget *parent = nullptr);
    ~GameWindow() override;

    // ---- Life cycle (startup.cpp) ----
    // False when a face or button picture cannot be read; `startupError` then
    // names the file and the window must not be shown. A face is only
    // decoded once the window is up: one whose pixels prove unreadable then
    // stops the game with the same message.
    bool startUp();
    void activate();
    // False when the player chose to go back to the game after all.
    bool closeGame();
    QString startupError;

    // The game shown; the window holds no game state of its own.
    GameModel &model() { return *m_model; }
    const GameModel &model() const { return *m_model; }

    // ---- Animation and clicks (animation.cpp) ----
    void moveAlien();
    void flipFace();
    void blinkPrompt();
    void alienPressed();
    void alienReleased();
    // During a question a click is the answer: left yes, right or middle no.
    void alienClicked(Qt::MouseButton button);
    void frameClicked(Qt::MouseButton button);
    void messagePressed(Qt::MouseButton button);
    void messageReleased();
    static GameModel::Answer answerOf(Qt::MouseButton button);

    // ---- The preview of faces and motions (gallerymenus.cpp) ----
    void chooseFace(int index);
    void chooseMotion(int index);

    // ---- Teaching words (teaching.cpp) ----
    void teachTypedWord();
    void chooseWordClass(int index);
    void wordListClicked(int index);
    void teachClicked();
    void teachPressed();
    void teachReleased();
    // True when the key was an answer during a scene: it never reaches the entry.
    bool entryKeyPressed(Qt::Key key, Qt::KeyboardModifiers modifiers);
    void forgetPressed(int index);
    void forgetReleased(int index);

    // ---- Items and the transfer box (items.cpp) ----
    void showItemHint();
    void itemListClicked();
    void priceListClicked();
    void useClicked();
    void usePressed();
    void useReleased();

    // ---- Scenes: the model plays them, the window shows them (showscenes.cpp) ----
    void replayEnding(int index);
    bool gameInProgress() const { return m_model->gameInProgress(); }

    // ---- Sound and options (soundandoptions.cpp) ----
    void playEffect(int number);
    void optionChosen(int index);

    // ---- The recovery copy (recovery.cpp) ----
    // Called as each game day passes.
    void keepRecoveryCopy();
    void recoveryPauseElapsed();
    // Removes the copy: the game ended normally.
    void dropRecoveryCopy();
    // At start: play on from a copy that a crash left behind?
    void offerRecovery();
    QString recoveryPath() const;

    // ---- File menu (filemenu.cpp) ----
    void gameMenuChosen(int index);
    // Whether the latest save wrote every file; the autosave on close only
    // reports success when it did.
    bool lastSaveSucceeded = false;
    SaveSlot currentSlot() const;
    static QString versionText();

    // ---- Where the game lives, and what the view alone keeps ----
    QString appPath;
    QString savePath; // the save slot's folder, ending in '/'
    qint16 faceFrame = 0;
    qint16 motionStep = 0;

    // Where the alien's picture stands inside its frame, in the frame's
    // 100 x 100 units (single precision, like the motion arithmetic).
    struct AlienPlace
    {
        float left = 0, top = 0, width = 100, height = 100;
    } alienPlace;
    void placeAlien(float left, float top, float width, float height);

    // ---- Controls ----
    PictureBox *alienFrame = nullptr;
    ImageControl *alienPicture = nullptr;
    TintShape *alienTint = nullptr;
    CaptionLabel *questionHint = nullptr;
    CaptionLabel *dayLabel = nullptr;
    CaptionLabel *dayUnit = nullptr;
    CaptionLabel *moneyLabel = nullptr;
    CaptionLabel *moneyUnit = nullptr;
    CaptionLabel *itemHint = nullptr;
    QListView *itemList = nullptr;
    QListView *priceList = nullptr;
    ImageControl *useButton = nullptr;
    CaptionLabel *messageLine = nullptr;
    CaptionLabel *clickPrompt = nullptr;
    KeyLineEdit *wordEntry = nullptr;
    std::array<QRadioButton *, 3> wordClassOptions{};
    QCheckBox *overwriteCheck = nullptr;
    ImageControl *teachButton = nullptr;
    std::array<QListView *, 3> wordLists{};
    std::array<ImageControl *, 3> forgetButtons{};
    // Face picture `n` (0 to 9: two frames for each of the five faces),
    // decoded now if it has not been yet; null for any other `n`.
    const QPixmap &facePicture(int n) { return m_faces.at(n); }

    QMenu *gameMenu = nullptr;
    std::array<QAction *, 5> gameMenuActions{};
    QMenu *optionsMenu = nullptr;
    std::array<QAction *, 5> optionActions{};
    QMenu *endingsMenu = nullptr;
    std::array<QAction *, 8> endingActions{};
    QMenu *specialMenu = nullptr;
    std::array<QMenu *, 2> specialSubmenus{};
    std::array<QAction *, 5> faceActions{};
    std::array<QAction *, 3> motionActions{};

    QTimer *motionClock = nullptr;
    QTimer *faceFlipClock = nullptr;
    QTimer *promptBlinkClock = nullptr;
    QTimer *speechClock = nullptr;
    QTimer *questionClock = nullptr;
    QTimer *dayClock = nullptr;
    QTimer *recoveryPause = nullptr; // 10 s between writes of the recovery copy

    // ---- Window layout (layout.cpp) ----
    // Lays the window out on its 12 x 16 grid for a screen of this height.
    void layOut(int screenHeightPixels, double dotsPerInch);
    int baseFontSize = 0;
    QRectF gridRect(QWidget *control) const;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void createMenus();
    void createClocks();
    void connectHandlers();
    void stopAllClocks();
    void teachInitialWords();
    // Opens the music and plays it; the tune loops by itself.
    void startMusic();
    void setEntryText(const QString &text);
    void focusEntry();
    void showAlienPicture(const QPixmap &picture);
    // Decodes the face pictures one per pass of the event loop once the
    // window is on screen; one that proves unreadable stops the game.
    void decodeFacesInTurn();
    void stopForUnreadablePicture(const QString &path);
    void loadAlienPicture(const QString &fileName);
    void clearHintOfGoneItem();
    void showEndingsSeen();
    void applyOption(Option which, bool on);
    void connectModel();
    void connectScenes();
    // The entry's colour and the chosen option tell the class being taught.
    void showWordClass(int wordClass);
    void lockPlayControls(bool locked);
    void applyClock(GameClock which, ClockSetting setting);
    QTimer *clockTimer(GameClock which) const;

    // The File menu's work (filemenu.cpp).
    bool saveGame();
    // Writes the slot: empty when it was written, else why not.
    QString saveToSlot();
    void loadGame();
    void applySlot(const SaveSlot &slot);
    void showHelp();
    // The one message of every file failure; `reason` says which file and
    // what is wrong, in the box's details and on stderr.
    void showFileError(const QString &reason);

    void placeOnGrid(QWidget *control, double left, double top, double width, double height, int fontDelta);

    // The game's clocks: everything that moves the game on by itself (not the
    // music's poll).
    QList<QTimer *> gameClocks() const;

    GameModel *m_model = nullptr;
    ClockHoldingDialogs m_holdingDialogs; // every box of the game holds its clocks
    Dialogs &m_dialogs;
    BoxPrompts m_prompts{m_dialogs}; // the scenes' questions, in the game's boxes
    SoundOutput &m_sound;
    FileOps &m_files;
    QString m_saveFolderProblem;
    bool m_recoveryDue = false;    // a day passed during the cool-down
    bool m_recoveryWarned = false; // stderr has said the copy fails
    bool m_recoveryOwned = false;  // the copy on disk is this run's game
    void writeRecoveryCopy();
    bool m_activated = false;
    bool m_unloaded = false;
    struct GridEntry
    {
        QWidget *control;
        QRectF rect;
        int fontDelta;
        bool hasFont;
    };
    QList<GridEntry> m_grid;
    LaterPictures m_faces; // none is in the first frame
    QPersistentModelIndex m_hintItem; // the item of the box whose hint shows
    QWidget *m_client = nullptr;
};
