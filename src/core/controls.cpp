// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The window's controls, menus and timers as the game design lists them,
// with their captions, tooltips, colours and first states.

#include "core/fom.h"
#include "game/listmodels.h"
#include "game/texts.h"
#include "platform/cp932.h"
#include "platform/listbox.h"
#include "platform/listrows.h"
#include "platform/onblackstyle.h"

#include <QMenuBar>
#include <QScrollBar>

using texts::u8;

namespace {

const QColor white = Qt::white;

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

void Fom::CreateControls()
{
    m_client = new QWidget(this);
    setCentralWidget(m_client);

    // Created back to front: the prompt lies behind the message area so that
    // a click on it reaches the message area.
    ShpCli = makeLabel(m_client, QStringLiteral("Click ME!"), white, QString(), QStringLiteral("ShpCli"));
    ShpCli->setAttribute(Qt::WA_TransparentForMouseEvents);
    ShpCli->setAlignment(Qt::AlignCenter);
    ShpCli->setWordWrap(true); // "Click" over "ME!": the cell is one unit wide

    Pic = new PictureBox(m_client);
    Pic->setObjectName(QStringLiteral("Pic"));
    Pic->setToolTip(u8("宇宙人です。押すと喋ります。"));
    Pic->setAccessibleName(u8("宇宙人"));
    Img = new ImageControl(ImageControl::Kind::Picture, Pic);
    Img->setObjectName(QStringLiteral("Img"));
    Img->setAccessibleName(u8("宇宙人")); // its tooltip is the picture box's
    Shp = new TintShape(Pic);
    Shp->setObjectName(QStringLiteral("Shp"));
    LblQstKazari = makeLabel(Pic, QString(), white, QString(), QStringLiteral("LblQstKazari"));
    LblQstKazari->setAttribute(Qt::WA_TransparentForMouseEvents);

    LblHi = makeLabel(m_client, QString(), white, u8("経過日数"), QStringLiteral("LblHi"));
    LblHiKazari = makeLabel(m_client, u8("日"), white, u8("経過日数"), QStringLiteral("LblHiKazari"));
    LblMoney = makeLabel(m_client, QString(), white, u8("所持金"), QStringLiteral("LblMoney"));
    LblMoneyKazari = makeLabel(m_client, u8("円"), white, u8("所持金"), QStringLiteral("LblMoneyKazari"));
    LblHi->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LblMoney->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    LblItem = makeLabel(m_client, QString(), QColor(128, 128, 255), u8("アイテムの説明"), QStringLiteral("LblItem"));

    LstItem = makeList(m_client, white, QStringLiteral("LstItem"),
                       new GameListModel(*m_model, GameListModel::Source::BoxItems, this));
    LstItem->setAccessibleName(u8("転送箱"));
    LstItemMoney = makeList(m_client, white, QStringLiteral("LstItemMoney"),
                            new GameListModel(*m_model, GameListModel::Source::BoxPrices, this));
    LstItemMoney->setAccessibleName(u8("値段"));
    ComItem = new ImageControl(ImageControl::Kind::Button, m_client);
    ComItem->setObjectName(QStringLiteral("ComItem"));
    ComItem->setToolTip(u8("アイテムを使用します"));
    ComItem->setAccessibleName(u8("つかう"));

    Lbl = makeLabel(m_client, QStringLiteral("Lbl"), white, u8("宇宙人が喋ってます"), QStringLiteral("Lbl"));
    Lbl->setWordWrap(true);
    Lbl->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Txt = new KeyLineEdit(m_client);
    Txt->setObjectName(QStringLiteral("Txt"));
    Txt->setText(QStringLiteral("Txt"));
    Txt->setToolTip(u8("宇宙人に教える言葉を入力します。ｓｈｉｆｔで教えられます。"));
    Txt->setAccessibleName(u8("教える言葉"));
    paintOnBlack(Txt, QColor(255, 0, 0), QPalette::Text, QPalette::Base);
    {
        // The frame is drawn from the window colour: keep it visible on black.
        QPalette palette = Txt->palette();
        palette.setColor(QPalette::Window, QColor(160, 160, 160));
        Txt->setPalette(palette);
    }
    Txt->setForeColor(QColor(255, 0, 0));
    Txt->setMaxLength(10);
    Txt->setValidator(new Cp932Validator(Txt));

    const char *optCaptions[3] = {"名詞", "動詞", "形容詞"};
    const char *optTips[3] = {"言葉の属性です。物とか人の名前です。", "言葉の属性です。", "言葉の属性"};
    const QColor optColors[3] = {QColor(255, 192, 192), QColor(192, 255, 192), QColor(192, 192, 255)};
    for (int i = 0; i < 3; ++i) {
        Opt[i] = new QRadioButton(u8(optCaptions[i]), m_client);
        Opt[i]->setObjectName(QStringLiteral("Opt%1").arg(i));
        Opt[i]->setToolTip(u8(optTips[i]));
        paintOnBlack(Opt[i], optColors[i], QPalette::WindowText, QPalette::Window);
        Opt[i]->setStyle(OnBlackStyle::instance());
    }
    Chk = new QCheckBox(u8("上書き"), m_client);
    Chk->setObjectName(QStringLiteral("Chk"));
    Chk->setToolTip(u8("言葉を上書きして覚えさせます"));
    paintOnBlack(Chk, white, QPalette::WindowText, QPalette::Window);
    Chk->setStyle(OnBlackStyle::instance());

    ADD = new ImageControl(ImageControl::Kind::Button, m_client);
    ADD->setObjectName(QStringLiteral("ADD"));
    ADD->setToolTip(u8("宇宙人に言葉を教えます。"));
    ADD->setAccessibleName(u8("おしえる"));

    const QColor lstColors[3] = {QColor(255, 128, 128), QColor(128, 255, 128), QColor(128, 128, 255)};
    for (int i = 0; i < 3; ++i) {
        Lst[i] = makeList(m_client, lstColors[i], QStringLiteral("Lst%1").arg(i),
                          new GameListModel(*m_model, GameListModel::Source(i), this));
        Lst[i]->setAccessibleName(u8(optCaptions[i]));
        ComLstQra[i] = new ImageControl(ImageControl::Kind::Button, m_client);
        ComLstQra[i]->setObjectName(QStringLiteral("ComLstQra%1").arg(i));
        ComLstQra[i]->setToolTip(u8("言葉を忘れさせます"));
        ComLstQra[i]->setAccessibleName(u8("わすれる（%1）").arg(u8(optCaptions[i])));
        ComLstQra[i]->setVisible(false); // shown once its picture is loaded
    }

    // Only the entry, the options, the lists and the check box take the
    // keyboard, and the last four only by Tab: a click on them leaves typing
    // in the entry, whose keys are the game's keyboard.
    const std::array<QWidget *, 9> tabOnly{Opt[0], Opt[1], Opt[2], Chk,
                                           Lst[0], Lst[1], Lst[2], LstItem, LstItemMoney};
    for (QWidget *control : tabOnly)
        control->setFocusPolicy(Qt::TabFocus);
    setTabOrder(Txt, Opt[0]);
    setTabOrder(Opt[0], Opt[1]);
    setTabOrder(Opt[1], Opt[2]);
    setTabOrder(Opt[2], Lst[0]);
    setTabOrder(Lst[0], Lst[1]);
    setTabOrder(Lst[1], Lst[2]);
    setTabOrder(Lst[2], Chk);
    setTabOrder(Chk, LstItem);
    setTabOrder(LstItem, LstItemMoney);

    // Front to back inside the picture box: hint, tint, alien.
    LblQstKazari->raise();
    Lbl->raise();
}

void Fom::CreateMenus()
{
    menuA = menuBar()->addMenu(u8("めにゅー"));
    const char *fileItems[5] = {"Save", "Load", "-", "Help", "Ver"};
    for (int i = 0; i < 5; ++i) {
        menu1[i] = i == 2 ? menuA->addSeparator() : menuA->addAction(u8(fileItems[i]));
        connect(menu1[i], &QAction::triggered, this, [this, i] { menu1_Click(i); });
    }

    menuA2 = menuBar()->addMenu(u8("おぷしょん"));
    const char *optionItems[5] = {"宇宙人からのアタック", "はっやータイム～", "オートセーブ", "BGM", "SE"};
    for (int i = 0; i < 5; ++i) {
        menu2[i] = menuA2->addAction(u8(optionItems[i]));
        menu2[i]->setCheckable(true);
        menu2[i]->setChecked(m_model->option(static_cast<Option>(i)));
        // The handler toggles the mark itself; a triggered item must not
        // toggle it first.
        connect(menu2[i], &QAction::triggered, this, [this, i] {
            menu2[i]->setChecked(!menu2[i]->isChecked());
            menu2_Click(i);
        });
    }

    menuAEnding = menuBar()->addMenu(u8("えんでぃんぐ"));
    for (int k = 0; k < 8; ++k) {
        menuEnding[k] = menuAEnding->addAction(u8(texts::endingTitles[k]));
        menuEnding[k]->setEnabled(false);
        connect(menuEnding[k], &QAction::triggered, this, [this, k] { menuEnding_Click(k); });
    }

    menuSpecl = menuBar()->addMenu(u8("すぺしゃる"));
    menuSpecl->menuAction()->setEnabled(false);
    menuSpecl1[0] = menuSpecl->addMenu(u8("かたち"));
    menuSpecl1[1] = menuSpecl->addMenu(u8("うごき"));
    const char *faceItems[5] = {"無", "喜", "怒", "哀", "楽"};
    for (int i = 0; i < 5; ++i) {
        menuSpecl2[i] = menuSpecl1[0]->addAction(u8(faceItems[i]));
        menuSpecl2[i]->setCheckable(true);
        menuSpecl2[i]->setChecked(i == 0);
        connect(menuSpecl2[i], &QAction::triggered, this, [this, i] { menuSpecl2_Click(i); });
    }
    const char *motionItems[3] = {"横動き～", "縦動き～", "全部もむもむ～"};
    for (int j = 0; j < 3; ++j) {
        menuSpecl3[j] = menuSpecl1[1]->addAction(u8(motionItems[j]));
        menuSpecl3[j]->setCheckable(true);
        menuSpecl3[j]->setChecked(j == 0);
        connect(menuSpecl3[j], &QAction::triggered, this, [this, j] { menuSpecl3_Click(j); });
    }
}

void Fom::CreateTimers()
{
    auto makeTimer = [this](int interval, bool running, void (Fom::*handler)()) {
        auto *timer = new QTimer(this);
        timer->setInterval(interval);
        connect(timer, &QTimer::timeout, this, handler);
        if (running)
            timer->start();
        return timer;
    };
    Tim = makeTimer(50, true, &Fom::Tim_Timer);
    Tim2 = makeTimer(100, true, &Fom::Tim2_Timer);
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
    TimShpCli = makeGameClock(GameClock::PromptBlink);
    TimSay = makeGameClock(GameClock::Speech);
    TimQst = makeGameClock(GameClock::QuestionWait);
    TimDay = makeGameClock(GameClock::Day);
    RecoveryCooldown = makeTimer(10000, false, &Fom::RecoveryCooldown_Timer);
    RecoveryCooldown->setSingleShot(true);
}

void Fom::ConnectHandlers()
{
    auto *picRelay = new MouseRelay(Pic);
    connect(picRelay, &MouseRelay::clicked, this, &Fom::Pic_Click);
    auto *imgRelay = new MouseRelay(Img);
    connect(imgRelay, &MouseRelay::mouseDown, this, &Fom::Img_MouseDown);
    connect(imgRelay, &MouseRelay::mouseUp, this, &Fom::Img_MouseUp);
    connect(imgRelay, &MouseRelay::clicked, this, &Fom::Img_Click);
    auto *lblRelay = new MouseRelay(Lbl);
    connect(lblRelay, &MouseRelay::mouseDown, this, &Fom::Lbl_MouseDown);
    connect(lblRelay, &MouseRelay::mouseUp, this, &Fom::Lbl_MouseUp);
    connect(lblRelay, &MouseRelay::clicked, this, &Fom::AnswerScene);

    // Picture buttons: press feedback on any button, the click on the left one.
    auto *addRelay = new MouseRelay(ADD);
    connect(addRelay, &MouseRelay::mouseDown, this, [this] { ADD_MouseDown(); });
    connect(addRelay, &MouseRelay::mouseUp, this, [this] { ADD_MouseUp(); });
    connect(addRelay, &MouseRelay::clicked, this, [this](int button) {
        if (button == 1)
            ADD_Click();
    });
    auto *itemRelay = new MouseRelay(ComItem);
    connect(itemRelay, &MouseRelay::mouseDown, this, [this] { ComItem_MouseDown(); });
    connect(itemRelay, &MouseRelay::mouseUp, this, [this] { ComItem_MouseUp(); });
    connect(itemRelay, &MouseRelay::clicked, this, [this](int button) {
        if (button == 1)
            ComItem_Click();
    });
    for (int i = 0; i < 3; ++i) {
        auto *relay = new MouseRelay(ComLstQra[i]);
        connect(relay, &MouseRelay::mouseDown, this, [this, i] { ComLstQra_MouseDown(i); });
        connect(relay, &MouseRelay::mouseUp, this, [this, i] { ComLstQra_MouseUp(i); });
        connect(Opt[i], &QRadioButton::clicked, this, [this, i] {
            Opt_Click(i);
            SetFocusToTxt();
        });
        listbox::onChoice(Lst[i], [this, i] { Lst_Click(i); });
        // The empty part below the words picks the class too.
        listbox::onViewClick(Lst[i], [this, i] {
            Lst_Click(i);
            SetFocusToTxt();
        });
    }
    listbox::onChoice(LstItem, [this] { LstItem_Click(); });
    listbox::onChoice(LstItemMoney, [this] { LstItemMoney_Click(); });
    // The hint label hears of every item leaving the box, whoever removes
    // it. Made before the box, the label also goes before it when the
    // window closes, and the box's last clearing has no one left to tell.
    const auto clearHint = [this] { ClearHintOfGoneItem(); };
    connect(LstItem->model(), &QAbstractItemModel::rowsRemoved, LblItem, clearHint);
    connect(LstItem->model(), &QAbstractItemModel::modelReset, LblItem, clearHint);
    // A price always stands beside its item.
    listrows::scrollTogether(LstItem, LstItemMoney);
    // A control reached by Tab gives the keyboard back once it is clicked.
    connect(Chk, &QCheckBox::clicked, this, &Fom::SetFocusToTxt);
    for (QListView *list : {Lst[0], Lst[1], Lst[2], LstItem, LstItemMoney})
        connect(list, &QAbstractItemView::clicked, this, &Fom::SetFocusToTxt);
    Txt->setKeyHandler([this](Qt::Key key, Qt::KeyboardModifiers modifiers) { return Txt_KeyDown(key, modifiers); });
}
