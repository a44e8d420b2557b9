// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include "core/boxprompts.h"
#include "core/heldclocks.h"
#include "game/gamemodel.h"
#include "platform/laterpictures.h"
#include "platform/services.h"
#include "platform/soundoutput.h"
#include "platform/widgets.h"

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
// keys, clicks and menus into its commands. The handlers keep the names of
// the game design (control, underscore, event), so a behaviour is easy to
// find: start-up, layout and the scenes the model plays in core/, words and
// items in conversation/, sound and options in sound/.
//
// The controls are public on purpose: the tests drive the handlers and read
// the controls exactly as the window does.
class Fom final : public QMainWindow
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

    explicit Fom(const Services &services, QWidget *parent = nullptr);
    ~Fom() override;

    // ---- Life cycle (core/startup.cpp) ----
    // False when a face or button picture cannot be read; `StartupError` then
    // names the file and the window must not be shown. A face is only
    // decoded once the window is up: one whose pixels prove unreadable then
    // stops the game with the same message.
    bool Form_Load();
    void Form_Activate();
    // False when the player chose to go back to the game after all.
    bool Form_Unload();
    QString StartupError;

    // The game shown; the window holds no game state of its own.
    GameModel &model() { return *m_model; }
    const GameModel &model() const { return *m_model; }

    // ---- Animation and clicks (core/animation.cpp) ----
    void Tim_Timer();
    void Tim2_Timer();
    void TimShpCli_Timer();
    void Img_MouseDown(int button, int shift, int x, int y);
    void Img_MouseUp(int button, int shift, int x, int y);
    // `button` as in Lbl_MouseDown: during a question it is the answer.
    void Img_Click(int button);
    void Pic_Click(int button);
    void Lbl_MouseDown(int button, int shift, int x, int y);
    void Lbl_MouseUp(int button, int shift, int x, int y);
    // The message area's command, from a click or an answer key alike: the
    // scene's next step, taking `button` as the answer (1 yes, else no).
    void AnswerScene(int button);
    static GameModel::Answer AnswerOf(int button);

    // ---- Special menu (core/facemenu.cpp) ----
    void menuSpecl2_Click(int index);
    void menuSpecl3_Click(int index);

    // ---- Teaching words (conversation/teaching.cpp) ----
    void TeachWord();
    void Opt_Click(int index);
    void Lst_Click(int index);
    void ADD_Click();
    void ADD_MouseDown();
    void ADD_MouseUp();
    // True when the key was an answer during a scene: it never reaches the entry.
    bool Txt_KeyDown(Qt::Key key, Qt::KeyboardModifiers modifiers);
    void ComLstQra_MouseDown(int index);
    void ComLstQra_MouseUp(int index);

    // ---- Items and the transfer box (conversation/items.cpp) ----
    void ShowItemHint();
    void LstItem_Click();
    void LstItemMoney_Click();
    void ComItem_Click();
    void ComItem_MouseDown();
    void ComItem_MouseUp();

    // ---- Scenes: the model plays them, the window shows them (core/showscenes.cpp) ----
    void menuEnding_Click(int index);
    bool GameInProgress() const { return m_model->gameInProgress(); }

    // ---- Sound and options (sound/) ----
    void PlaySe(int number);
    void menu2_Click(int index);

    // ---- The recovery copy (persistence/recovery.cpp) ----
    // Called as each game day passes.
    void KeepRecoveryCopy();
    void RecoveryCooldown_Timer();
    // Removes the copy: the game ended normally.
    void DropRecoveryCopy();
    // At start: play on from a copy that a crash left behind?
    void OfferRecovery();
    QString RecoveryPath() const;

    // ---- File menu (persistence/) ----
    void menu1_Click(int index);
    // Whether the latest save wrote every file; the autosave on close only
    // reports success when it did.
    bool LastSaveSucceeded = false;
    SaveSlot CurrentSlot() const;
    static QString VersionText();

    // ---- Where the game lives, and what the view alone keeps ----
    QString AppPath;
    QString SavePath; // the save slot's folder, ending in '/'
    qint16 FaceFrame = 0;
    qint16 MoveStep = 0;

    // Where the alien picture `Img` stands inside `Pic`, in Pic's 100 x 100
    // units (single precision, like the motion arithmetic).
    struct ImgPlace
    {
        float left = 0, top = 0, width = 100, height = 100;
    } ImgRect;
    void MoveImg(float left, float top, float width, float height);

    // ---- Controls ----
    PictureBox *Pic = nullptr;
    ImageControl *Img = nullptr;
    TintShape *Shp = nullptr;
    CaptionLabel *LblQstKazari = nullptr;
    CaptionLabel *LblHi = nullptr;
    CaptionLabel *LblHiKazari = nullptr;
    CaptionLabel *LblMoney = nullptr;
    CaptionLabel *LblMoneyKazari = nullptr;
    CaptionLabel *LblItem = nullptr;
    QListView *LstItem = nullptr;
    QListView *LstItemMoney = nullptr;
    ImageControl *ComItem = nullptr;
    CaptionLabel *Lbl = nullptr;
    CaptionLabel *ShpCli = nullptr;
    KeyLineEdit *Txt = nullptr;
    std::array<QRadioButton *, 3> Opt{};
    QCheckBox *Chk = nullptr;
    ImageControl *ADD = nullptr;
    std::array<QListView *, 3> Lst{};
    std::array<ImageControl *, 3> ComLstQra{};
    // Face picture `n` (0 to 9: two frames for each of the five faces),
    // decoded now if it has not been yet; null for any other `n`.
    const QPixmap &FacePicture(int n) { return m_faces.at(n); }

    QMenu *menuA = nullptr;
    std::array<QAction *, 5> menu1{};
    QMenu *menuA2 = nullptr;
    std::array<QAction *, 5> menu2{};
    QMenu *menuAEnding = nullptr;
    std::array<QAction *, 8> menuEnding{};
    QMenu *menuSpecl = nullptr;
    std::array<QMenu *, 2> menuSpecl1{};
    std::array<QAction *, 5> menuSpecl2{};
    std::array<QAction *, 3> menuSpecl3{};

    QTimer *Tim = nullptr;
    QTimer *Tim2 = nullptr;
    QTimer *TimShpCli = nullptr;
    QTimer *TimSay = nullptr;
    QTimer *TimQst = nullptr;
    QTimer *TimDay = nullptr;
    QTimer *RecoveryCooldown = nullptr; // 10 s between writes of the recovery copy

    // ---- Window layout (core/layout.cpp) ----
    // Lays the window out on its 12 x 16 grid for a screen of this height.
    void LayOut(int screenHeightPixels, double dotsPerInch);
    int BaseFontSize = 0;
    QRectF GridRect(QWidget *control) const;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void CreateControls();
    void CreateMenus();
    void CreateTimers();
    void ConnectHandlers();
    void StopAllTimers();
    void TeachInitialWords();
    // Opens the music and plays it; the tune loops by itself.
    void StartMusic();
    void SetEntryText(const QString &text);
    void SetFocusToTxt();
    void ShowImgPicture(const QPixmap &picture);
    // Decodes the face pictures one per pass of the event loop once the
    // window is on screen; one that proves unreadable stops the game.
    void DecodeFacesInTurn();
    void StopForUnreadablePicture(const QString &path);
    void LoadImgPicture(const QString &fileName);
    void ClearHintOfGoneItem();
    void ShowEndingsSeen();
    void ApplyOption(Option which, bool on);
    void ConnectModel();
    void ConnectScenes();
    // The entry's colour and the chosen option tell the class being taught.
    void ShowWordClass(int wordClass);
    void LockPlayControls(bool locked);
    void ApplyClock(GameClock which, ClockSetting setting);
    QTimer *ClockTimer(GameClock which) const;

    // The File menu's work (persistence/).
    bool SaveGame();
    // Writes the slot: empty when it was written, else why not.
    QString WriteSlot();
    void LoadGame();
    void ApplySlot(const SaveSlot &slot);
    void ShowHelp();
    // The one message of every file failure; `reason` says which file and
    // what is wrong, in the box's details and on stderr.
    void ShowFileError(const QString &reason);

    void PlaceOnGrid(QWidget *control, double left, double top, double width, double height, int fontDelta);

    // The game's clocks: everything that moves the game on by itself (not the
    // music's poll).
    QList<QTimer *> GameClocks() const;

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
    void WriteRecoveryCopy();
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
