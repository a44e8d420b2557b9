// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The window's controls, menus and timers as the game design lists them,
// with their captions, tooltips, colours and first states.

#include "view/gamewindow.h"
#include "game/listmodels.h"
#include "game/texts.h"
#include "platform/cp932.h"
#include "widgets/listbox.h"
#include "widgets/listrows.h"
#include "widgets/onblackstyle.h"

#include <QMenuBar>
#include <QScrollBar>

using texts::u8;

namespace {

constexpr Qt::GlobalColor white = Qt::white;

void paintOnBlack(QWidget *control, const QColor &foreColor, QPalette::ColorRole textRole, QPalette::ColorRole backRole)
{
    QPalette palette = control->palette();
    palette.setColor(textRole, foreColor);
    palette.setColor(QPalette::ButtonText, foreColor);
    palette.setColor(backRole, Qt::black);
    palette.setColor(QPalette::Button, Qt::black); // buttons fill with this role
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

QListView *makeList(QWidget *parent, const QColor &foreColor, const QString &name, QAbstractItemModel *rows)
{
    auto *list = new QListView(parent);
    listbox::show(list, rows);
    list->setObjectName(name);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    listrows::useFixedRows(list);
    paintOnBlack(list, foreColor, QPalette::Text, QPalette::Base);
    list->verticalScrollBar()->setStyle(OnBlackStyle::instance());
    return list;
}

CaptionLabel *makeLabel(QWidget *parent, const QString &caption, const QColor &foreColor, const QString &tip,
                        const QString &name)
{
    auto *label = new CaptionLabel(caption, parent);
    label->setObjectName(name);
    label->setForeColor(foreColor);
    label->setToolTip(tip);
    return label;
}

} // namespace

void GameWindow::createControls()
{
    m_client = new QWidget(this);
    setCentralWidget(m_client);

    // Created back to front: the prompt lies behind the message area so that
    // a click on it reaches the message area.
    clickPrompt = makeLabel(m_client, QStringLiteral("Click ME!"), white, QString(), QStringLiteral("clickPrompt"));
    clickPrompt->setAttribute(Qt::WA_TransparentForMouseEvents);
    clickPrompt->setAlignment(Qt::AlignCenter);
    clickPrompt->setWordWrap(true); // "Click" over "ME!": the cell is one unit wide

    alienFrame = new PictureBox(m_client);
    alienFrame->setObjectName(QStringLiteral("alienFrame"));
    alienFrame->setToolTip(u8("宇宙人です。押すと喋ります。"));
    alienFrame->setAccessibleName(u8("宇宙人"));
    alienPicture = new ImageControl(ImageControl::Kind::Picture, alienFrame);
    alienPicture->setObjectName(QStringLiteral("alienPicture"));
    alienPicture->setAccessibleName(u8("宇宙人")); // its tooltip is the picture box's
    alienTint = new TintShape(alienFrame);
    alienTint->setObjectName(QStringLiteral("alienTint"));
    questionHint = makeLabel(alienFrame, QString(), white, QString(), QStringLiteral("questionHint"));
    questionHint->setAttribute(Qt::WA_TransparentForMouseEvents);

    dayLabel = makeLabel(m_client, QString(), white, u8("経過日数"), QStringLiteral("dayLabel"));
    dayUnit = makeLabel(m_client, u8("日"), white, u8("経過日数"), QStringLiteral("dayUnit"));
    moneyLabel = makeLabel(m_client, QString(), white, u8("所持金"), QStringLiteral("moneyLabel"));
    moneyUnit = makeLabel(m_client, u8("円"), white, u8("所持金"), QStringLiteral("moneyUnit"));
    dayLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    moneyLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    itemHint = makeLabel(m_client, QString(), QColor(128, 128, 255), u8("アイテムの説明"), QStringLiteral("itemHint"));

    itemList = makeList(m_client, white, QStringLiteral("itemList"),
                       new GameListModel(*m_model, GameListModel::Source::BoxItems, this));
    itemList->setAccessibleName(u8("転送箱"));
    priceList = makeList(m_client, white, QStringLiteral("priceList"),
                            new GameListModel(*m_model, GameListModel::Source::BoxPrices, this));
    priceList->setAccessibleName(u8("値段"));
    useButton = new ImageControl(ImageControl::Kind::Button, m_client);
    useButton->setObjectName(QStringLiteral("useButton"));
    useButton->setToolTip(u8("アイテムを使用します"));
    useButton->setAccessibleName(u8("つかう"));

    messageLine = makeLabel(m_client, QString(), white, u8("宇宙人が喋ってます"), QStringLiteral("messageLine"));
    messageLine->setWordWrap(true);
    messageLine->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    wordEntry = new KeyLineEdit(m_client);
    wordEntry->setObjectName(QStringLiteral("wordEntry"));
    wordEntry->setText(QString());
    wordEntry->setToolTip(u8("宇宙人に教える言葉を入力します。ｓｈｉｆｔで教えられます。"));
    wordEntry->setAccessibleName(u8("教える言葉"));
    paintOnBlack(wordEntry, QColor(255, 0, 0), QPalette::Text, QPalette::Base);
    {
        // The frame is drawn from the window colour: keep it visible on black.
        QPalette palette = wordEntry->palette();
        palette.setColor(QPalette::Window, QColor(160, 160, 160));
        wordEntry->setPalette(palette);
    }
    wordEntry->setForeColor(QColor(255, 0, 0));
    wordEntry->setMaxLength(10);
    wordEntry->setValidator(new Cp932Validator(wordEntry));

    const char *optCaptions[3] = {"名詞", "動詞", "形容詞"};
    const char *optTips[3] = {"言葉の属性です。物とか人の名前です。", "言葉の属性です。", "言葉の属性"};
    const QColor optColors[3] = {QColor(255, 192, 192), QColor(192, 255, 192), QColor(192, 192, 255)};
    for (int i = 0; i < 3; ++i) {
        wordClassOptions[i] = new QRadioButton(u8(optCaptions[i]), m_client);
        wordClassOptions[i]->setObjectName(QStringLiteral("wordClassOption%1").arg(i));
        wordClassOptions[i]->setToolTip(u8(optTips[i]));
        paintOnBlack(wordClassOptions[i], optColors[i], QPalette::WindowText, QPalette::Window);
        wordClassOptions[i]->setStyle(OnBlackStyle::instance());
    }
    overwriteCheck = new QCheckBox(u8("上書き"), m_client);
    overwriteCheck->setObjectName(QStringLiteral("overwriteCheck"));
    overwriteCheck->setToolTip(u8("言葉を上書きして覚えさせます"));
    paintOnBlack(overwriteCheck, white, QPalette::WindowText, QPalette::Window);
    overwriteCheck->setStyle(OnBlackStyle::instance());

    teachButton = new ImageControl(ImageControl::Kind::Button, m_client);
    teachButton->setObjectName(QStringLiteral("teachButton"));
    teachButton->setToolTip(u8("宇宙人に言葉を教えます。"));
    teachButton->setAccessibleName(u8("おしえる"));

    const QColor lstColors[3] = {QColor(255, 128, 128), QColor(128, 255, 128), QColor(128, 128, 255)};
    for (int i = 0; i < 3; ++i) {
        wordLists[i] = makeList(m_client, lstColors[i], QStringLiteral("wordList%1").arg(i),
                          new GameListModel(*m_model, GameListModel::Source(i), this));
        wordLists[i]->setAccessibleName(u8(optCaptions[i]));
        forgetButtons[i] = new ImageControl(ImageControl::Kind::Button, m_client);
        forgetButtons[i]->setObjectName(QStringLiteral("forgetButton%1").arg(i));
        forgetButtons[i]->setToolTip(u8("言葉を忘れさせます"));
        forgetButtons[i]->setAccessibleName(u8("わすれる（%1）").arg(u8(optCaptions[i])));
        forgetButtons[i]->setVisible(false); // shown once its picture is loaded
    }

    // Only the entry, the options, the lists and the check box take the
    // keyboard, and the last four only by Tab: a click on them leaves typing
    // in the entry, whose keys are the game's keyboard.
    const std::array<QWidget *, 9> tabOnly{wordClassOptions[0], wordClassOptions[1], wordClassOptions[2], overwriteCheck,
                                           wordLists[0], wordLists[1], wordLists[2], itemList, priceList};
    for (QWidget *control : tabOnly)
        control->setFocusPolicy(Qt::TabFocus);
    setTabOrder(wordEntry, wordClassOptions[0]);
    setTabOrder(wordClassOptions[0], wordClassOptions[1]);
    setTabOrder(wordClassOptions[1], wordClassOptions[2]);
    setTabOrder(wordClassOptions[2], wordLists[0]);
    setTabOrder(wordLists[0], wordLists[1]);
    setTabOrder(wordLists[1], wordLists[2]);
    setTabOrder(wordLists[2], overwriteCheck);
    setTabOrder(overwriteCheck, itemList);
    setTabOrder(itemList, priceList);

    // Front to back inside the picture box: hint, tint, alien.
    questionHint->raise();
    messageLine->raise();
}

void GameWindow::createMenus()
{
    gameMenu = menuBar()->addMenu(u8("めにゅー"));
    const char *fileItems[5] = {"Save", "Load", "-", "Help", "Ver"};
    for (int i = 0; i < 5; ++i) {
        gameMenuActions[i] = i == 2 ? gameMenu->addSeparator() : gameMenu->addAction(u8(fileItems[i]));
        connect(gameMenuActions[i], &QAction::triggered, this, [this, i] { gameMenuChosen(i); });
    }

    optionsMenu = menuBar()->addMenu(u8("おぷしょん"));
    const char *optionItems[5] = {"宇宙人からのアタック", "はっやータイム～", "オートセーブ", "BGM", "SE"};
    for (int i = 0; i < 5; ++i) {
        optionActions[i] = optionsMenu->addAction(u8(optionItems[i]));
        optionActions[i]->setCheckable(true);
        optionActions[i]->setChecked(m_model->option(static_cast<Option>(i)));
        // The handler toggles the mark itself; a triggered item must not
        // toggle it first.
        connect(optionActions[i], &QAction::triggered, this, [this, i] {
            optionActions[i]->setChecked(!optionActions[i]->isChecked());
            optionChosen(i);
        });
    }

    endingsMenu = menuBar()->addMenu(u8("えんでぃんぐ"));
    for (int k = 0; k < 8; ++k) {
        endingActions[k] = endingsMenu->addAction(u8(texts::endingTitles[k]));
        endingActions[k]->setEnabled(false);
        connect(endingActions[k], &QAction::triggered, this, [this, k] { replayEnding(k); });
    }

    specialMenu = menuBar()->addMenu(u8("すぺしゃる"));
    specialMenu->menuAction()->setEnabled(false);
    specialSubmenus[0] = specialMenu->addMenu(u8("かたち"));
    specialSubmenus[1] = specialMenu->addMenu(u8("うごき"));
    const char *faceItems[5] = {"無", "喜", "怒", "哀", "楽"};
    for (int i = 0; i < 5; ++i) {
        faceActions[i] = specialSubmenus[0]->addAction(u8(faceItems[i]));
        faceActions[i]->setCheckable(true);
        faceActions[i]->setChecked(i == 0);
        connect(faceActions[i], &QAction::triggered, this, [this, i] { chooseFace(i); });
    }
    const char *motionItems[3] = {"横動き～", "縦動き～", "全部もむもむ～"};
    for (int j = 0; j < 3; ++j) {
        motionActions[j] = specialSubmenus[1]->addAction(u8(motionItems[j]));
        motionActions[j]->setCheckable(true);
        motionActions[j]->setChecked(j == 0);
        connect(motionActions[j], &QAction::triggered, this, [this, j] { chooseMotion(j); });
    }
    // A menu closed with Escape leaves the keyboard with the menu bar, which
    // has no keys of its own here: typing and the answer keys would go
    // nowhere. The entry takes it back once the menu has gone.
    for (QMenu *menu : {gameMenu, optionsMenu, endingsMenu, specialMenu}) {
        connect(menu, &QMenu::aboutToHide, this, [this] {
            QTimer::singleShot(0, this, [this] {
                if (focusWidget() == menuBar())
                    wordEntry->setFocus(Qt::OtherFocusReason);
            });
        });
    }
}

void GameWindow::createClocks()
{
    auto makeTimer = [this](int interval, bool running, void (GameWindow::*handler)()) {
        auto *timer = new QTimer(this);
        timer->setInterval(interval);
        connect(timer, &QTimer::timeout, this, handler);
        if (running)
            timer->start();
        return timer;
    };
    motionClock = makeTimer(50, true, &GameWindow::moveAlien);
    faceFlipClock = makeTimer(100, true, &GameWindow::flipFace);
    // The game's clocks run as the model says; each tick is its to handle.
    auto makeGameClock = [this](GameClock which) {
        auto *timer = new QTimer(this);
        const ClockSetting setting = m_model->clock(which);
        timer->setInterval(setting.intervalMs);
        if (setting.running)
            timer->start();
        connect(timer, &QTimer::timeout, this, [this, which] { m_model->clockElapsed(which); });
        return timer;
    };
    promptBlinkClock = makeGameClock(GameClock::PromptBlink);
    speechClock = makeGameClock(GameClock::Speech);
    questionClock = makeGameClock(GameClock::QuestionWait);
    dayClock = makeGameClock(GameClock::Day);
    recoveryPause = makeTimer(10000, false, &GameWindow::recoveryPauseElapsed);
    recoveryPause->setSingleShot(true);
}

void GameWindow::connectHandlers()
{
    auto *picRelay = new MouseRelay(alienFrame);
    connect(picRelay, &MouseRelay::clicked, this, &GameWindow::frameClicked);
    auto *imgRelay = new MouseRelay(alienPicture);
    connect(imgRelay, &MouseRelay::pressed, this, &GameWindow::alienPressed);
    connect(imgRelay, &MouseRelay::released, this, &GameWindow::alienReleased);
    connect(imgRelay, &MouseRelay::clicked, this, &GameWindow::alienClicked);
    auto *lblRelay = new MouseRelay(messageLine);
    connect(lblRelay, &MouseRelay::pressed, this, &GameWindow::messagePressed);
    connect(lblRelay, &MouseRelay::released, this, &GameWindow::messageReleased);
    connect(lblRelay, &MouseRelay::clicked, this, [this](Qt::MouseButton button) { m_model->answerScene(answerOf(button)); });

    // Picture buttons: press feedback on any button, the click on the left one.
    auto *addRelay = new MouseRelay(teachButton);
    connect(addRelay, &MouseRelay::pressed, this, [this] { teachPressed(); });
    connect(addRelay, &MouseRelay::released, this, [this] { teachReleased(); });
    connect(addRelay, &MouseRelay::clicked, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            teachClicked();
    });
    auto *itemRelay = new MouseRelay(useButton);
    connect(itemRelay, &MouseRelay::pressed, this, [this] { usePressed(); });
    connect(itemRelay, &MouseRelay::released, this, [this] { useReleased(); });
    connect(itemRelay, &MouseRelay::clicked, this, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            useClicked();
    });
    for (int i = 0; i < 3; ++i) {
        auto *relay = new MouseRelay(forgetButtons[i]);
        connect(relay, &MouseRelay::pressed, this, [this, i] { forgetPressed(i); });
        connect(relay, &MouseRelay::released, this, [this, i] { forgetReleased(i); });
        connect(wordClassOptions[i], &QRadioButton::clicked, this, [this, i] {
            chooseWordClass(i);
            focusEntry();
        });
        listbox::onChoice(wordLists[i], [this, i] { wordListClicked(i); });
        // The empty part below the words picks the class too.
        listbox::onViewClick(wordLists[i], [this, i] {
            wordListClicked(i);
            focusEntry();
        });
    }
    listbox::onChoice(itemList, [this] { itemListClicked(); });
    listbox::onChoice(priceList, [this] { priceListClicked(); });
    // The hint label hears of every item leaving the box, whoever removes
    // it. Made before the box, the label also goes before it when the
    // window closes, and the box's last clearing has no one left to tell.
    const auto clearHint = [this] { clearHintOfGoneItem(); };
    connect(itemList->model(), &QAbstractItemModel::rowsRemoved, itemHint, clearHint);
    connect(itemList->model(), &QAbstractItemModel::modelReset, itemHint, clearHint);
    // A price always stands beside its item.
    listrows::scrollTogether(itemList, priceList);
    // A control reached by Tab gives the keyboard back once it is clicked.
    connect(overwriteCheck, &QCheckBox::clicked, this, &GameWindow::focusEntry);
    for (QListView *list : {wordLists[0], wordLists[1], wordLists[2], itemList, priceList})
        connect(list, &QAbstractItemView::clicked, this, &GameWindow::focusEntry);
    wordEntry->setKeyHandler([this](Qt::Key key, Qt::KeyboardModifiers modifiers) { return entryKeyPressed(key, modifiers); });
}
