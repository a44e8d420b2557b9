// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The day clock and what it brings: the monthly report, the farewell on day
// 100, the choice of the ending, the gallery (and the question before a
// replay ends a game) and the special menu.

#include "platform/listbox.h"
#include "testgame.h"

#include <QTest>

using texts::u8;

using Moods = std::array<qint16, 4>;
// An ending's story: its last message and how many messages it has.
struct Story { int ending; const char *last; int messages; };
// The scene a replay is chosen in, whether the player is asked first, and the answer.
struct Replay { SceneKind scene; bool asks = true, yes = true; };
// How the farewell ends (T = 30 + Int(draw x 20) words being enough) after
// the endings `seen` before.
struct Choice { Moods moods; int words; double draw; int ending; QList<int> seen = {}; bool opensSpecialMenu = false; };

class TestEndings : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestGame> game;
    Fom *fom = nullptr;
    QStringList said;

    // The day after `day`, with `words` words over the three lists.
    void passDay(int day, int words)
    {
        game->edit([&](GameState &state) {
            state.wordCount = {static_cast<qint16>(words - 12), 5, 7}; // every list counts
            state.day = static_cast<qint16>(day);
        });
        fom->TimDay_Timer();
    }
    // Clicks on while `going` holds (20 clicks at most), with what was said
    // in `said`; the official stands still in front of the alien.
    void clickWhile(const std::function<bool()> &going)
    {
        said.clear();
        for (int i = 0; i < 20 && going(); ++i) {
            said << fom->Lbl->caption();
            if (said.last() == u8("や、")) {
                QCOMPARE(game->shownPicture(), QStringLiteral("erai.bmp"));
                QVERIFY(!fom->Tim->isActive() && !fom->Tim2->isActive());
            }
            game->click();
        }
    }
    // Day 100 with these moods and words; stops with the farewell's step 14
    // next, with what was said until then in `said`.
    void reachFarewell(Moods moods, int words)
    {
        game->edit([&](GameState &state) { state.moods = moods; });
        passDay(99, words);
        clickWhile([this] { return fom->model().scene().step != 14; });
        said << fom->Lbl->caption();
    }

private Q_SLOTS:
    void init() { game = TestGame::inFreePlay({u8("たけし"), u8("ぽち")}); QVERIFY(game); fom = game->fom.get(); }

    void dayTransitions_data()
    {
        QTest::addColumn<int>("before");
        QTest::addColumn<SceneKind>("scene");
        QTest::newRow("day 30 reports") << 29 << SceneKind::Report;
        QTest::newRow("day 99") << 98 << SceneKind::FreePlay;
        QTest::newRow("day 100 says goodbye") << 99 << SceneKind::Farewell;
    }
    void dayTransitions()
    {
        QFETCH(int, before);
        QFETCH(SceneKind, scene);
        passDay(before, 50);
        QCOMPARE(fom->LblHi->caption(), QString::number(before + 1));
        QCOMPARE(fom->model().scene().kind, scene);
    }

    // The official's comment goes by the words of all three lists.
    void officialSendsItemsAndComments_data()
    {
        QTest::addColumn<int>("words");
        QTest::addColumn<QString>("comment");
        QTest::newRow("29 words") << 29 << u8("無口だね～");
        QTest::newRow("30 words") << 30 << u8("まぁまぁ喋るようになったね");
        QTest::newRow("50 words") << 50 << u8("割と喋るようになったね");
        QTest::newRow("100 words") << 100 << u8("随分と饒舌になったね");
    }
    void officialSendsItemsAndComments()
    {
        QFETCH(int, words);
        QFETCH(QString, comment);
        game->edit([](GameState &state) {
            state.pay = 350;
            state.money = 1200;
        });
        const int itemsBefore = listbox::count(fom->LstItem);
        game->random.script({words < 50 ? 0.99 : 0.0}); // n = 5: six items, or n = 1: two
        passDay(59, words);
        clickWhile([this] { return fom->model().scene().kind == SceneKind::Report; });
        QCOMPARE(said, (QStringList{u8("いつも　ありがとう"), u8("これ・・・おれい・・・\r\n350円だけだけど・・"),
                                    u8("また・・・よろしくね・・・"), u8("や、"),
                                    u8("どうだい？\r\n今月もエールを送っておいたよ\r\nいや、御礼は要らないぞ"),
                                    u8("しかし彼は、\r\n") + comment, u8("ま、これからも　がんばって")}));
        // The money shown, the month's pay and the items.
        QCOMPARE((QList<int>{fom->LblMoney->caption().toInt(), fom->model().pay(), listbox::count(fom->LstItem)}),
                 (QList<int>{1550, 0, itemsBefore + (words < 50 ? 6 : 2)}));
    }

    // The alien's verdict on joy, anger, sorrow and ease, then the official.
    void verdicts_data()
    {
        QTest::addColumn<Moods>("moods");
        QTest::addColumn<QStringList>("verdicts");
        auto row = [](Moods moods, const char *joy, const char *anger, const char *sorrow, const char *ease) {
            QTest::addRow("%d %d %d %d", moods[0], moods[1], moods[2], moods[3])
                << moods << QStringList{u8(joy), u8(anger), u8(sorrow), u8(ease)};
        };
        row({70, 50, 30, 29}, "とても　よかった", "それなりに　いかりも　わいたけど", "さみしかったです", "いごこち　わるい　です");
        row({-500, 70, 50, 30}, "よくなかった", "それなりに　むっとしたり　したけど", "なみだが　でそうだったです", "それなりで　した");
        row({30, 29, 70, 50}, "ふつうでした", "ちっとも　きにさわらなかったけど", "かなしいこと　だらけでした",
            "ちょっと　きんしんかん　わき　ます");
        row({69, 49, -500, 70}, "それなりに　よかった", "それなりに　いらいら　したけど", "あったかかったです",
            "わたしたちと　とても　ちかい");
    }
    void verdicts()
    {
        QFETCH(Moods, moods);
        QFETCH(QStringList, verdicts);
        reachFarewell(moods, 50);
        QCOMPARE(said.mid(2, 4), (QStringList{u8("あなたと　すごせて\r\n") + verdicts[0] + u8("\r\nです"), verdicts[1],
                                              u8("それでも\r\n") + verdicts[2],
                                              u8("この　ちきゅうという　ほしは\r\n") + verdicts[3]}));
        // The thanks skip the official's step 12.
        QCOMPARE(said.mid(9), (QStringList{u8("や、"), u8("無事に　宇宙人を　追い出せたようだね"),
                                           u8("たけし君には、感謝しているよ。\r\nありがとう"),
                                           u8("明日、この結果がどうでるか・・・楽しみだね")}));
    }

    // Each ending replayed from the gallery: its last message (with a name
    // where the story has one) and how many messages lead back to the title.
    void endingsToTheirEnd_data()
    {
        QTest::addColumn<Story>("story");
        QTest::newRow("0") << Story{0, "（たけしの家は後に\r\n宇宙人の観光名所として知られることになる・・・）", 5};
        QTest::newRow("2") << Story{2, "それ以来ぽちとたけしの交流は続いている\r\n愚痴を言うためだけに、\r\n時折ぽちは地球に降り立っていく", 5};
        QTest::newRow("4") << Story{4, "そしてもう、ぽちが現れることは二度となかった", 5};
        QTest::newRow("5") << Story{5, "そして・・・\r\n地球は崩壊した・・・", 4};
        QTest::newRow("6") << Story{6, "（たけしのせい？）", 4};
        QTest::newRow("7") << Story{7, "一抹の寂しさを\r\n拭いきれないのであった・・・", 5};
    }
    void endingsToTheirEnd()
    {
        QFETCH(Story, story);
        fom->menuEnding[story.ending]->setEnabled(true);
        fom->MoveImg(5, 0, 90, 100);
        fom->menuEnding[story.ending]->trigger();
        // The alien stops where it rests, and the story's picture shows at once.
        QVERIFY(!fom->Tim->isActive() && !fom->Tim2->isActive());
        QCOMPARE(fom->ImgRect.left, 0.0f);
        QCOMPARE(game->shownPicture(), QStringLiteral("end%1.bmp").arg(story.ending));
        for (int i = 1; i < story.messages; ++i)
            game->click();
        QCOMPARE(fom->Lbl->caption(), u8(story.last));
        game->click();
        QCOMPARE(fom->model().scene().kind, SceneKind::Title);
    }

    // A replay asks first during a game only; a refusal leaves the game as it was.
    void replayAsksOnlyDuringAGame_data()
    {
        QTest::addColumn<Replay>("replay");
        QTest::newRow("free play") << Replay{SceneKind::FreePlay};
        QTest::newRow("question") << Replay{SceneKind::Announcement};
        QTest::newRow("farewell") << Replay{SceneKind::Farewell};
        QTest::newRow("title") << Replay{SceneKind::Title, false};
        QTest::newRow("another replay") << Replay{SceneKind::Ending, false};
        QTest::newRow("preview") << Replay{SceneKind::Preview, false};
        QTest::newRow("free play, refused") << Replay{SceneKind::FreePlay, true, false};
        QTest::newRow("question, refused") << Replay{SceneKind::Announcement, true, false};
    }
    void replayAsksOnlyDuringAGame()
    {
        QFETCH(Replay, replay);
        const auto [scene, asks, yes] = replay;
        game->edit([](GameState &state) { state.endingSeen[5] = true; });
        fom->MoveImg(5, 0, 90, 100);
        if (scene != SceneKind::FreePlay)
            fom->StartScene(scene); // a replay of ending 0 when an ending
        if (scene == SceneKind::Announcement) {
            game->random.script({0.4}); // question 8
            game->click();
        }
        game->edit([](GameState &state) {
            state.day = 44;
            state.money = 777;
            state.moods = {12, -3, 40, 7};
        });
        // Everything a replay would reset or replace: the slot holds the
        // words, items, moods, money, day and scene.
        const auto snapshot = [this] {
            return std::tuple{fom->CurrentSlot(), fom->model().scene().step, fom->Lbl->caption(), fom->ImgRect.left,
                              fom->Tim->isActive(), fom->TimSay->isActive(), fom->TimDay->isActive()};
        };
        const auto before = snapshot();
        game->dialogs.replies = {yes};
        fom->menuEnding[5]->trigger();
        QCOMPARE(game->dialogs.questions.size(), asks ? 1 : 0);
        QVERIFY(yes || snapshot() == before);
        if (!yes)
            return;
        QCOMPARE(fom->model().scene(), (Scene{SceneKind::Ending, 5, 1}));
        QCOMPARE(fom->Lbl->caption(), u8("翌日・・・\r\n早速ぽち達、宇宙人は地球に攻撃を開始した"));
    }

    // The farewell's last step tells the ending chosen, and the menus show it seen.
    void choice_data()
    {
        QTest::addColumn<Choice>("choice");
        QTest::newRow("anger, too few") << Choice{{0, 10, -5, 3}, 35, 0.3, 5};
        QTest::newRow("0 completes 0..6") << Choice{{200, 0, 0, 0}, 100, 0.0, 0, {1, 2, 3, 4, 5, 6}, true};
    }
    void choice()
    {
        QFETCH(Choice, choice);
        game->edit([&](GameState &state) {
            for (int k : choice.seen)
                state.endingSeen[k] = true;
        });
        reachFarewell(choice.moods, choice.words);
        game->random.script({choice.draw});
        game->click();
        const QString title = u8(texts::endingTitles[choice.ending]);
        QCOMPARE(fom->Lbl->caption(), QStringLiteral("Ending NO.「") + title + QStringLiteral("」"));
        QVERIFY(fom->menuEnding[choice.ending]->isEnabled());
        QCOMPARE(fom->menuSpecl->menuAction()->isEnabled(), choice.opensSpecialMenu);
    }

    // The special menu's preview: a face item and a motion item both start it.
    void preview_data()
    {
        QTest::addColumn<int>("faceItem");
        QTest::addColumn<int>("motionItem");
        QTest::newRow("無, 横") << 0 << 0;
        QTest::newRow("喜, 縦") << 1 << 1;
        QTest::newRow("怒, 全部") << 2 << 2;
    }
    void preview()
    {
        QFETCH(int, faceItem);
        QFETCH(int, motionItem);
        game->edit([](GameState &state) { state.endingSeen = {true, true, true, true, true, true, true, false}; });
        fom->menuSpecl2[faceItem]->trigger();
        game->click(); // back to the title, which stops the alien
        QCOMPARE(fom->model().scene().kind, SceneKind::Title);
        fom->menuSpecl3[motionItem]->trigger();
        fom->menuSpecl3[motionItem]->trigger(); // the checked item stays checked and the preview restarts
        QCOMPARE(fom->model().scene().kind, SceneKind::Preview);
        QCOMPARE((QList<int>{fom->model().face(), fom->model().motion()}), (QList<int>{2 * faceItem, motionItem}));
        auto isChecked = [](QAction *item) { return item->isChecked(); };
        QCOMPARE(int(std::count_if(fom->menuSpecl2.begin(), fom->menuSpecl2.end(), isChecked)), 1);
        QVERIFY(fom->menuSpecl2[faceItem]->isChecked() && fom->menuSpecl3[motionItem]->isChecked());
        QVERIFY(fom->Tim->isActive() && fom->Tim2->isActive());
        fom->Tim2_Timer();
        QCOMPARE(game->shownPicture(), QStringLiteral("%1.bmp").arg(2 * faceItem + 1));
    }
};

QTEST_MAIN(TestEndings)
#include "test_endings.moc"
