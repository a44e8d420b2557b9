// The farewell, the choice of the ending, the gallery and the special menu.

#include "testgame.h"

#include <QTest>

using texts::u8;

using Moods = std::array<qint16, 4>;

class TestEndings : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestGame> game;

    // Day 100 with these moods and words; stops with the farewell's step 14 next.
    void reachFarewell(Moods moods, int words)
    {
        Fom &fom = *game->fom;
        fom.Mood = moods;
        fom.WordCount = {static_cast<qint16>(words - 4), 2, 2};
        fom.Day = 99;
        fom.TimDay_Timer();
        while (fom.SceneStep != 14)
            game->click();
    }

private Q_SLOTS:
    void init()
    {
        game = std::make_unique<TestGame>();
        QVERIFY(game->start());
        game->dialogs.answers = {u8("たけし"), u8("ぽち")};
        game->playIntoFreePlay();
    }

    void verdicts_data()
    {
        QTest::addColumn<int>("mood");
        QTest::addColumn<QStringList>("captions");
        QTest::newRow("70") << 70
                            << QStringList{u8("あなたと　すごせて\r\nとても　よかった\r\nです"),
                                           u8("それなりに　むっとしたり　したけど"),
                                           u8("それでも\r\nかなしいこと　だらけでした"),
                                           u8("この　ちきゅうという　ほしは\r\nわたしたちと　とても　ちかい")};
        QTest::newRow("50") << 50
                            << QStringList{u8("あなたと　すごせて\r\nそれなりに　よかった\r\nです"),
                                           u8("それなりに　いかりも　わいたけど"),
                                           u8("それでも\r\nなみだが　でそうだったです"),
                                           u8("この　ちきゅうという　ほしは\r\nちょっと　きんしんかん　わき　ます")};
        QTest::newRow("30") << 30
                            << QStringList{u8("あなたと　すごせて\r\nふつうでした\r\nです"),
                                           u8("それなりに　いらいら　したけど"), u8("それでも\r\nさみしかったです"),
                                           u8("この　ちきゅうという　ほしは\r\nそれなりで　した")};
        QTest::newRow("-500") << -500
                              << QStringList{u8("あなたと　すごせて\r\nよくなかった\r\nです"),
                                             u8("ちっとも　きにさわらなかったけど"),
                                             u8("それでも\r\nあったかかったです"),
                                             u8("この　ちきゅうという　ほしは\r\nいごこち　わるい　です")};
    }
    void verdicts()
    {
        QFETCH(int, mood);
        QFETCH(QStringList, captions);
        Fom &fom = *game->fom;
        const auto m = static_cast<qint16>(mood);
        fom.Mood = {m, m, m, m};
        fom.Day = 99;
        fom.TimDay_Timer();
        QCOMPARE(fom.Lbl->caption(), u8("そろそろ　おわかれのじかんが　やってきました"));
        game->click();
        for (const QString &caption : captions) {
            game->click();
            QCOMPARE(fom.Lbl->caption(), caption);
        }
    }

    void officialThanksThePlayer()
    {
        Fom &fom = *game->fom;
        fom.Day = 99;
        fom.TimDay_Timer();
        for (int i = 0; i < 9; ++i)
            game->click();
        QCOMPARE(game->shownPicture(), QStringLiteral("erai.bmp"));
        QVERIFY(!fom.Tim->isActive() && !fom.Tim2->isActive());
        game->click();
        game->click(); // step 11 jumps to 13
        QCOMPARE(fom.Lbl->caption(), u8("たけし君には、感謝しているよ。\r\nありがとう"));
        QCOMPARE(fom.SceneStep, qint16(13));
    }

    void choice_data()
    {
        QTest::addColumn<Moods>("moods");
        QTest::addColumn<int>("words");
        QTest::addColumn<double>("draw"); // T = 30 + Int(draw x 20)
        QTest::addColumn<int>("ending");
        QTest::newRow("all equal, enough words") << Moods{0, 0, 0, 0} << 50 << 0.99 << 3;
        QTest::newRow("all equal, too few") << Moods{0, 0, 0, 0} << 29 << 0.0 << 7;
        QTest::newRow("joy ties anger") << Moods{100, 100, 0, 0} << 60 << 0.5 << 1;
        QTest::newRow("joy with 50 words") << Moods{90, 0, 0, 0} << 50 << 0.99 << 0;
        QTest::newRow("joy with 29 words") << Moods{90, 0, 0, 0} << 29 << 0.0 << 4;
        QTest::newRow("40 words meet T 40") << Moods{0, 0, 80, 0} << 40 << 0.5 << 2;
        QTest::newRow("40 words miss T 41") << Moods{0, 0, 80, 0} << 40 << 0.55 << 6;
        QTest::newRow("anger, too few") << Moods{0, 10, -5, 3} << 35 << 0.3 << 5;
    }
    void choice()
    {
        QFETCH(Moods, moods);
        QFETCH(int, words);
        QFETCH(double, draw);
        QFETCH(int, ending);
        Fom &fom = *game->fom;
        reachFarewell(moods, words);
        game->random.script({draw});
        game->click();
        const QString title = u8(texts::endingTitles[ending]);
        QCOMPARE(fom.SceneMode, title);
        QCOMPARE(fom.SceneStep, qint16(0));
        QCOMPARE(fom.Lbl->caption(), QStringLiteral("Ending NO.「") + title + QStringLiteral("」"));
        QCOMPARE(game->shownPicture(), QStringLiteral("end.bmp"));
        QVERIFY(fom.menuEnding[ending]->isEnabled());
        QVERIFY(!fom.menuSpecl->menuAction()->isEnabled());
        QVERIFY(!fom.ADD->isEnabled()); // still locked
    }

    void specialMenuUnlock()
    {
        Fom &fom = *game->fom;
        for (int k = 1; k <= 6; ++k)
            fom.menuEnding[k]->setEnabled(true);
        // Endings 1..7 seen, 0 not: still closed.
        reachFarewell({0, 0, 0, 0}, 10); // ending 7
        game->click();
        QVERIFY(fom.menuEnding[7]->isEnabled());
        QVERIFY(!fom.menuSpecl->menuAction()->isEnabled());
        // Play ending 7 to its end, then a game that ends in 0.
        while (fom.SceneMode != QLatin1String("stop"))
            game->click();
        fom.menuEnding[7]->setEnabled(false);
        game->playIntoFreePlay();
        reachFarewell({200, 0, 0, 0}, 100);
        game->click();
        QCOMPARE(fom.SceneMode, u8("親愛関係"));
        QVERIFY(fom.menuSpecl->menuAction()->isEnabled()); // 0..6 seen, 7 not needed
    }

    void endingStoryWithNamesEndsOnTheTitle()
    {
        Fom &fom = *game->fom;
        reachFarewell({0, 50, 0, 0}, 20); // anger with too few words: 宇宙戦争
        game->click();
        game->click();
        QCOMPARE(fom.Lbl->caption(), u8("翌日・・・\r\n早速ぽち達、宇宙人は地球に攻撃を開始した"));
        QCOMPARE(game->shownPicture(), QStringLiteral("end5.bmp"));
        game->click();
        QCOMPARE(fom.Lbl->caption(), u8("驚いた人間達は\r\n原因と思われるたけしを処刑したりして\r\n便宜を図ろうとしたが"));
        game->click();
        game->click();
        QCOMPARE(fom.Lbl->caption(), u8("そして・・・\r\n地球は崩壊した・・・"));
        QCOMPARE(fom.SceneStep, qint16(5));
        game->click();
        QCOMPARE(fom.SceneMode, QStringLiteral("stop"));
        QCOMPARE(game->shownPicture(), QStringLiteral("stt.bmp"));
        QCOMPARE(fom.Money, 1000);
        QCOMPARE(int(fom.Day), 0);
        QCOMPARE(game->words(0).mid(0, 2), (QStringList{u8("たけし"), u8("ぽち")}));
    }

    void galleryReplaysDuringAQuestion()
    {
        Fom &fom = *game->fom;
        fom.menuEnding[2]->setEnabled(true);
        fom.StartScene(QStringLiteral("situ"));
        game->random.script({0.2});
        game->click(); // the question is on screen
        QVERIFY(fom.SceneMode.endsWith(QLatin1String("ivent")));
        fom.Day = 44;
        fom.menuEnding[2]->trigger();
        QCOMPARE(fom.SceneMode, u8("愚痴関係"));
        QVERIFY(!fom.Tim->isActive());
        QCOMPARE(fom.Lbl->caption(), u8("翌日はナンの音沙汰もなかった\r\nそして、数日後、"));
        QCOMPARE(game->shownPicture(), QStringLiteral("end2.bmp"));
        for (int i = 0; i < 4; ++i)
            game->click();
        QCOMPARE(fom.Lbl->caption(), u8("それ以来ぽちとたけしの交流は続いている\r\n愚痴を言うためだけに、\r\n時折ぽちは地球に降り立っていく"));
        game->click();
        QCOMPARE(fom.SceneMode, QStringLiteral("stop"));
        QCOMPARE(int(fom.Day), 0);
    }

    void previewShowsTheChosenFaceAndMotion()
    {
        Fom &fom = *game->fom;
        fom.menuSpecl->menuAction()->setEnabled(true);
        fom.menuSpecl3[2]->trigger();
        fom.menuSpecl2[3]->trigger(); // 哀
        for (int i = 0; i < 5; ++i)
            QCOMPARE(fom.menuSpecl2[i]->isChecked(), i == 3);
        QCOMPARE(fom.SceneMode, QStringLiteral("ugoki"));
        QCOMPARE(int(fom.Face), 6);
        QCOMPARE(int(fom.MoveKind), 2);
        QCOMPARE(fom.Lbl->caption(), u8("宇宙人の動き～★"));
        QCOMPARE(game->shownPicture(), QStringLiteral("6.bmp"));
        QVERIFY(fom.Tim->isActive() && fom.Tim2->isActive());
        fom.Tim2_Timer();
        QCOMPARE(game->shownPicture(), QStringLiteral("7.bmp"));
        fom.menuSpecl2[3]->trigger(); // the checked item stays checked
        QVERIFY(fom.menuSpecl2[3]->isChecked());
        QCOMPARE(fom.SceneStep, qint16(1));
        game->click();
        QCOMPARE(fom.SceneMode, QStringLiteral("stop"));
        QCOMPARE(game->shownPicture(), QStringLiteral("stt.bmp"));
    }
};

QTEST_MAIN(TestEndings)
#include "test_endings.moc"
