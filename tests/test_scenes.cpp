// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The scene lock, the title scene, the opening, the alien's questions (waiting
// time, answers and their mood changes) and the clicks that drive them.

#include "platform/listbox.h"
#include "testgame.h"

#include <QTest>

using texts::u8;
using Moods = std::array<qint16, 4>;

class TestScenes : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestGame> game;
    Fom *fom = nullptr;

    // During a scene the word and item controls are off, the clocks stop
    // and the click prompt blinks; Save is off with them, on the title too,
    // where no game is under way to save.
    void expectLocked(bool locked)
    {
        QList<bool> enabled;
        for (QWidget *control : std::initializer_list<QWidget *>{fom->Lst[0], fom->Lst[1], fom->Lst[2], fom->ComLstQra[0],
                                                                 fom->ComLstQra[1], fom->ComLstQra[2], fom->LstItem,
                                                                 fom->LstItemMoney, fom->ADD, fom->ComItem})
            enabled << control->isEnabled();
        QCOMPARE(enabled, QList<bool>(10, !locked));
        QCOMPARE((QList<bool>{fom->menu1[0]->isEnabled(), fom->TimSay->isActive(), fom->TimDay->isActive(),
                              fom->TimShpCli->isActive(), fom->ShpCli->isVisibleTo(fom)}),
                 (QList<bool>{!locked, !locked, !locked, locked, locked}));
    }

    // From free play with every mood at 0, announces a question, lets `ticks`
    // question-timer ticks pass and clicks: the question drawn by `draw` is
    // then on screen. The question timer runs from start-up, so the count
    // starts from a stale value.
    void askAfter(int ticks, double draw)
    {
        game->playIntoFreePlay();
        game->edit([](GameState &state) {
            state.moods = {0, 0, 0, 0};
            state.questionWait = 25;
        });
        fom->StartScene(SceneKind::Announcement);
        for (int i = 0; i < ticks; ++i)
            fom->TimQst_Timer();
        game->random.script({draw});
        game->click();
    }

private Q_SLOTS:
    void init() { game = std::make_unique<TestGame>(); QVERIFY(game->start()); fom = game->fom.get(); }

    void startUpShowsTheTitle()
    {
        QCOMPARE(fom->model().scene().kind, SceneKind::Title);
        QCOMPARE(game->shownPicture(), QStringLiteral("stt.bmp"));
        QCOMPARE(fom->TimDay->interval(), 10000);
        expectLocked(true);
        // The click prompt blinks red and green.
        fom->TimShpCli_Timer();
        const QRgb first = fom->ShpCli->foreColor().rgb();
        fom->TimShpCli_Timer();
        QCOMPARE(QSet<QRgb>({first, fom->ShpCli->foreColor().rgb()}), QSet<QRgb>({qRgb(255, 0, 0), qRgb(0, 255, 0)}));
    }

    // The opening, with what the player answers to the two name dialogs.
    void opening_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("names"); // the player's, the alien's
        QTest::newRow("given") << QStringList{u8("たけし"), u8("ぽち")} << QStringList{u8("たけし"), u8("ぽち")};
        QTest::newRow("both cancelled") << QStringList() << QStringList{u8("ももじろ"), u8("もけもけ")};
        QTest::newRow("only the alien's") << QStringList{QString(), u8("ぽち")} << QStringList{u8("ももじろ"), u8("ぽち")};
        QTest::newRow("what a save cannot hold")
            << QStringList{u8("𠮷野"), QStringLiteral("a\r\nb")} << QStringList{u8("ももじろ"), u8("もけもけ")};
    }
    void opening()
    {
        QFETCH(QStringList, answers);
        QFETCH(QStringList, names);
        // A noun taught in an earlier game stays behind the two names.
        fom->Opt_Click(0);
        fom->Txt->setText(u8("ほし"));
        fom->TeachWord();
        game->dialogs.answers = answers;
        for (int step = 0; step <= 2; ++step) // step 2 asks both names
            game->click();
        QCOMPARE(fom->Lbl->caption(), u8("ちょっとの　あいだ、　よろしくね、") + names[0]);
        QCOMPARE(game->words(0), names + QStringList{u8("ほし")});
        QCOMPARE(fom->model().wordCount(0), 3);
        for (int step = 3; step <= 10; ++step)
            game->click();
        QCOMPARE(fom->Lbl->caption(), u8("いっとくけど、エールはただじゃないからね"));
        expectLocked(true);
        game->click();
        QCOMPARE(fom->model().scene().kind, SceneKind::FreePlay);
        expectLocked(false);
        QVERIFY(fom->Tim->isActive() && fom->Tim2->isActive());
    }

    // Every scene that returns to free play ends with the alien saying a
    // sentence at once; all draws 0 give this one.
    void freePlayResumesWithASentence_data()
    {
        QTest::addColumn<SceneKind>("scene");
        QTest::newRow("opening") << SceneKind::Opening;
        QTest::newRow("report") << SceneKind::Report;
        QTest::newRow("question") << SceneKind::Announcement;
    }
    void freePlayResumesWithASentence()
    {
        QFETCH(SceneKind, scene);
        game->playIntoFreePlay();
        fom->StartScene(scene);
        while (fom->model().scene().kind != SceneKind::FreePlay)
            game->click();
        QCOMPARE(fom->Lbl->caption(), u8("切ないももじろが大好きだったのです"));
        QCOMPARE(fom->model().scene().step, int(0)); // no step of the scene ran once more
        game->click(); // a click in free play leaves the prompt hidden
        QVERIFY(!fom->ShpCli->isVisibleTo(fom));
    }

    void sceneLockAndUnlock()
    {
        game->playIntoFreePlay();
        fom->StartScene(SceneKind::Announcement);
        QCOMPARE(fom->model().scene().step, int(1)); // step 0 ran at once
        fom->StartScene(SceneKind::NotStarted);
        expectLocked(true);
        game->click(); // before the game has started, clicks play nothing
        QCOMPARE(fom->model().scene().step, int(0));
    }

    // The answer keys and the clicks on the alien (or on the frame its
    // wobble leaves bare) in each phase, and the message they leave: at a
    // question both answer as the message area would; in other scenes, the
    // reply to an answer included, a key is a click on the message area and
    // the alien is still; in free play the alien asks.
    void keysAndAlienClicks_data()
    {
        QTest::addColumn<QString>("phase");
        QTest::addColumn<QString>("target"); // the entry (a key), the alien or the frame
        QTest::addColumn<int>("code");       // the key or the mouse button
        QTest::addColumn<QString>("caption");
        struct Input { const char *name, *target; int code; bool yes; };
        const Input inputs[] = {{"Y", "entry", Qt::Key_Y, true},          {"Left", "entry", Qt::Key_Left, true},
                                {"N", "entry", Qt::Key_N, false},         {"Right", "entry", Qt::Key_Right, false},
                                {"alien left", "alien", Qt::LeftButton, true},
                                {"alien right", "alien", Qt::RightButton, false},
                                {"alien middle", "alien", Qt::MiddleButton, false},
                                {"frame left", "frame", Qt::LeftButton, true},
                                {"frame right", "frame", Qt::RightButton, false}};
        for (const Input &in : inputs) {
            const bool key = qstrcmp(in.target, "entry") == 0;
            auto row = [&](const char *phase, const char *caption) {
                QTest::addRow("%s: %s", phase, in.name) << phase << in.target << in.code << u8(caption);
            };
            row("question", in.yes ? "っぽ" : "いや～ん");
            row("reply", key ? "切ないももじろが大好きだったのです" : "っぽ"); // a key goes on to free play
            row("announcement", key ? "わたしが　すきですか" : "しつもん　きいて");
            row("title", key ? "うちゅうせんが　ふじちゃくしたの" : "");
            if (!key)
                row("free play", "しつもん　きいて");
        }
    }
    void keysAndAlienClicks()
    {
        QFETCH(QString, phase);
        QFETCH(QString, target);
        QFETCH(int, code);
        QFETCH(QString, caption);
        if (phase != QLatin1String("title")) {
            game->playIntoFreePlay();
            if (phase != QLatin1String("free play"))
                fom->StartScene(SceneKind::Announcement);
            game->random.script({0.4}); // question 8 when one is drawn
            const int clicks = phase == QLatin1String("question") ? 1 : phase == QLatin1String("reply") ? 2 : 0;
            for (int i = 0; i < clicks; ++i)
                game->click();
        }
        const auto button = Qt::MouseButton(code);
        if (target == QLatin1String("entry")) {
            QTest::keyClick(fom->Txt, Qt::Key(code));
        } else if (target == QLatin1String("alien")) {
            QTest::mouseClick(fom->Img, button, Qt::NoModifier, QPoint(3, 3));
        } else {
            fom->MoveImg(20, 0, 60, 100);
            QTest::mouseClick(fom->Pic, button, Qt::NoModifier, QPoint(2, 2));
        }
        QCOMPARE(fom->Lbl->caption(), caption);
    }

    void pressMarksTheMessageArea()
    {
        game->playIntoFreePlay();
        fom->StartScene(SceneKind::Announcement);
        // A right press shows the red mark and hides the prompt until the release.
        QTest::mousePress(fom->Lbl, Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
        QCOMPARE(fom->LblButton, 2);
        QCOMPARE(fom->Shp->backColor(), QColor(Qt::red));
        QVERIFY(fom->Shp->isVisibleTo(fom) && !fom->ShpCli->isVisibleTo(fom));
        QTest::mouseRelease(fom->Lbl, Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
        QVERIFY(!fom->Shp->isVisibleTo(fom) && fom->ShpCli->isVisibleTo(fom));
    }

    void titleResetKeepsWords()
    {
        game->playIntoFreePlay();
        fom->Txt->setText(QStringLiteral("word"));
        fom->ADD_Click();
        game->edit([](GameState &state) {
            state.money = 5;
            state.moods = {9, 9, 9, 9};
            state.day = 40;
            state.boxRefillPlace = 7;
        });
        fom->StartScene(SceneKind::Title);
        // Money, day, pay, items and the box's refill place start afresh.
        const GameState &state = fom->model().state();
        QCOMPARE((QList<int>{state.money, state.day, state.pay, listbox::count(fom->LstItem), state.boxRefillPlace}),
                 (QList<int>{1000, 0, 0, 0, 0}));
        QCOMPARE(state.moods, (Moods{0, 0, 0, 0}));
        QVERIFY(game->words(1).contains(QStringLiteral("word")));
    }

    // The click after the wait draws and asks the question; the next click
    // answers it: its reply shows and the moods move.
    void questionAskedAndAnswered()
    {
        askAfter(0, 8.5 / 21.0);
        QCOMPARE(fom->Lbl->caption(), u8("わたしが　すきですか"));
        QVERIFY(fom->LblQstKazari->isVisibleTo(fom) && !fom->TimQst->isActive());
        game->edit([](GameState &state) { state.moods = {100, 100, 100, 100}; });
        game->click(4); // a middle click is no
        QCOMPARE(fom->Lbl->caption(), u8("いや～ん"));
        QVERIFY(!fom->LblQstKazari->isVisibleTo(fom));
        QCOMPARE(fom->model().state().moods, (Moods{80, 120, 120, 120}));
    }
};

QTEST_MAIN(TestScenes)
#include "test_scenes.moc"
