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
        fom.WordCount = {static_cast<qint16>(words - 12), 5, 7}; // every list counts
        fom.Day = 99;
        fom.TimDay_Timer();
        while (fom.SceneStep != 14)
            game->click();
    }

private Q_SLOTS:
    void init()
    {
        game = TestGame::inFreePlay({u8("たけし"), u8("ぽち")});
        QVERIFY(game);
    }

    void verdicts_data()
    {
        QTest::addColumn<Moods>("moods");
        QTest::addColumn<QStringList>("verdicts"); // joy, anger, sorrow, ease
        QTest::newRow("70 50 30 29") << Moods{70, 50, 30, 29}
                                     << QStringList{u8("とても　よかった"), u8("それなりに　いかりも　わいたけど"),
                                                    u8("さみしかったです"), u8("いごこち　わるい　です")};
        QTest::newRow("-500 70 50 30") << Moods{-500, 70, 50, 30}
                                       << QStringList{u8("よくなかった"), u8("それなりに　むっとしたり　したけど"),
                                                      u8("なみだが　でそうだったです"), u8("それなりで　した")};
        QTest::newRow("30 29 70 50") << Moods{30, 29, 70, 50}
                                     << QStringList{u8("ふつうでした"), u8("ちっとも　きにさわらなかったけど"),
                                                    u8("かなしいこと　だらけでした"),
                                                    u8("ちょっと　きんしんかん　わき　ます")};
        QTest::newRow("50 30 -500 69") << Moods{50, 30, -500, 69}
                                       << QStringList{u8("それなりに　よかった"), u8("それなりに　いらいら　したけど"),
                                                      u8("あったかかったです"), u8("ちょっと　きんしんかん　わき　ます")};
        QTest::newRow("69 49 29 70") << Moods{69, 49, 29, 70}
                                     << QStringList{u8("それなりに　よかった"), u8("それなりに　いらいら　したけど"),
                                                    u8("あったかかったです"), u8("わたしたちと　とても　ちかい")};
    }
    void verdicts()
    {
        QFETCH(Moods, moods);
        QFETCH(QStringList, verdicts);
        Fom &fom = *game->fom;
        fom.Mood = moods;
        fom.Day = 99;
        fom.TimDay_Timer();
        const QStringList expected{
            u8("そろそろ　おわかれのじかんが　やってきました"),
            u8("いままで　ありがとうございます"),
            u8("あなたと　すごせて\r\n") + verdicts[0] + u8("\r\nです"),
            verdicts[1],
            u8("それでも\r\n") + verdicts[2],
            u8("この　ちきゅうという　ほしは\r\n") + verdicts[3],
            u8("また、あえるひを　たのしみに　しています"),
            u8("さようなら"),
            u8("ありがとう"),
            u8("や、"),
            u8("無事に　宇宙人を　追い出せたようだね"),
        };
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(fom.Lbl->caption(), expected[i]);
            if (i == 9) { // the official stands still in front of the alien
                QCOMPARE(game->shownPicture(), QStringLiteral("erai.bmp"));
                QVERIFY(!fom.Tim->isActive() && !fom.Tim2->isActive());
            }
            game->click(); // after the last, step 11 jumps to 13
        }
        QCOMPARE(fom.Lbl->caption(), u8("たけし君には、感謝しているよ。\r\nありがとう"));
        QCOMPARE(fom.SceneStep, qint16(13));
        game->click();
        QCOMPARE(fom.Lbl->caption(), u8("明日、この結果がどうでるか・・・楽しみだね"));
    }

    // Each ending replayed from the gallery: its first and last message (both
    // names in place) and how many messages lead back to the title.
    void endingsToTheirEnd_data()
    {
        QTest::addColumn<int>("ending");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("messages");
        QTest::newRow("0") << 0 << u8("翌日・・・") << u8("（たけしの家は後に\r\n宇宙人の観光名所として知られることになる・・・）") << 5;
        QTest::newRow("1") << 1 << u8("翌日、ぽちたちは沢山の宇宙船で地球を取り囲んだ") << u8("一年と半年後・・・\r\n地球は奴隷となるために屈服した") << 5;
        QTest::newRow("2") << 2 << u8("翌日はナンの音沙汰もなかった\r\nそして、数日後、")
                           << u8("それ以来ぽちとたけしの交流は続いている\r\n愚痴を言うためだけに、\r\n時折ぽちは地球に降り立っていく") << 5;
        QTest::newRow("3") << 3 << u8("交易をシマショウ\r\nそういってきたのはぽちだった")
                           << u8("ぽちとたけしの交流の証に、\r\nすばらしい物物が\r\n次々と日常に溢れていくのだから・・・") << 5;
        QTest::newRow("4") << 4 << u8("ぽちは翌日・・・再びやってきた") << u8("そしてもう、ぽちが現れることは二度となかった") << 5;
        QTest::newRow("5") << 5 << u8("翌日・・・\r\n早速ぽち達、宇宙人は地球に攻撃を開始した") << u8("そして・・・\r\n地球は崩壊した・・・") << 4;
        QTest::newRow("6") << 6 << u8("翌日・・・待てども待てどもぽちは帰ってこなかった") << u8("（たけしのせい？）") << 4;
        QTest::newRow("7") << 7 << u8("翌日・・・\r\nぽちは仲間を従えてやってきた") << u8("一抹の寂しさを\r\n拭いきれないのであった・・・") << 5;
    }
    void endingsToTheirEnd()
    {
        QFETCH(int, ending);
        QFETCH(QString, first);
        QFETCH(QString, last);
        QFETCH(int, messages);
        Fom &fom = *game->fom;
        fom.menuEnding[ending]->setEnabled(true);
        fom.MoveImg(5, 0, 90, 100);
        fom.menuEnding[ending]->trigger();
        QCOMPARE(fom.SceneMode, u8(texts::endingTitles[ending]));
        QVERIFY(!fom.Tim->isActive() && !fom.Tim2->isActive());
        QCOMPARE(fom.ImgRect.left, 0.0f);
        QCOMPARE(fom.ImgRect.width, 100.0f);
        QCOMPARE(fom.Lbl->caption(), first);
        QCOMPARE(game->shownPicture(), QStringLiteral("end%1.bmp").arg(ending));
        for (int i = 1; i < messages; ++i)
            game->click();
        QCOMPARE(fom.Lbl->caption(), last);
        QCOMPARE(fom.SceneStep, qint16(5));
        game->click();
        QCOMPARE(fom.SceneMode, QStringLiteral("stop"));
        QCOMPARE(game->shownPicture(), QStringLiteral("stt.bmp"));
        QCOMPARE(game->words(0).mid(0, 2), (QStringList{u8("たけし"), u8("ぽち")}));
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
        QCOMPARE(fom.Lbl->caption(), QStringLiteral("Ending NO.「") + title + QStringLiteral("」"));
        QCOMPARE(game->shownPicture(), QStringLiteral("end.bmp"));
        QVERIFY(fom.menuEnding[ending]->isEnabled());
        QVERIFY(!fom.menuSpecl->menuAction()->isEnabled());
        QVERIFY(!fom.ADD->isEnabled()); // still locked
    }

    // The special menu opens once endings 0..6 have been seen; the eighth is not needed.
    void specialMenuUnlock_data()
    {
        QTest::addColumn<QList<int>>("seen");
        QTest::addColumn<Moods>("moods"); // with 100 words: joy gives 0, a tie gives 3
        QTest::addColumn<bool>("opens");
        QTest::newRow("0 completes 0..6") << QList<int>{1, 2, 3, 4, 5, 6} << Moods{200, 0, 0, 0} << true;
        QTest::newRow("6 still missing") << QList<int>{0, 1, 2, 4, 5, 7} << Moods{0, 0, 0, 0} << false;
    }
    void specialMenuUnlock()
    {
        QFETCH(QList<int>, seen);
        QFETCH(Moods, moods);
        QFETCH(bool, opens);
        Fom &fom = *game->fom;
        for (int k : seen)
            fom.menuEnding[k]->setEnabled(true);
        reachFarewell(moods, 100);
        game->click();
        QCOMPARE(fom.menuSpecl->menuAction()->isEnabled(), opens);
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
        fom.Mood = {40, 0, 0, 0};
        fom.menuEnding[2]->trigger();
        QCOMPARE(fom.SceneMode, u8("愚痴関係"));
        while (fom.SceneMode != QLatin1String("stop"))
            game->click();
        QCOMPARE(fom.Money, 1000);
        QCOMPARE(int(fom.Day), 0);
        QCOMPARE(fom.Mood, (Moods{0, 0, 0, 0}));
    }

    void preview_data()
    {
        QTest::addColumn<int>("faceItem");
        QTest::addColumn<int>("motionItem");
        QTest::newRow("無, 横") << 0 << 0;
        QTest::newRow("喜, 縦") << 1 << 1;
        QTest::newRow("怒, 全部") << 2 << 2;
        QTest::newRow("哀, 全部") << 3 << 2;
        QTest::newRow("楽, 縦") << 4 << 1;
    }
    void preview()
    {
        QFETCH(int, faceItem);
        QFETCH(int, motionItem);
        Fom &fom = *game->fom;
        fom.menuSpecl->menuAction()->setEnabled(true);
        fom.menuSpecl2[faceItem]->trigger(); // either item starts the preview
        QCOMPARE(fom.SceneMode, QStringLiteral("ugoki"));
        game->click(); // back to the title, which stops the alien
        QCOMPARE(fom.SceneMode, QStringLiteral("stop"));
        fom.MoveImg(9, 9, 80, 80);
        fom.Face = 8;
        fom.Lbl->setCaption(QString());
        fom.menuSpecl3[motionItem]->trigger();
        fom.menuSpecl3[motionItem]->trigger(); // the checked item stays checked and the preview restarts
        QCOMPARE(fom.SceneMode, QStringLiteral("ugoki"));
        QCOMPARE(fom.Lbl->caption(), u8("宇宙人の動き～★"));
        QCOMPARE(int(fom.Face), 2 * faceItem);
        QCOMPARE(int(fom.MoveKind), motionItem);
        QCOMPARE(fom.ImgRect.left, 0.0f);
        QCOMPARE(fom.ImgRect.height, 100.0f);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(fom.menuSpecl2[i]->isChecked(), i == faceItem);
        for (int j = 0; j < 3; ++j)
            QCOMPARE(fom.menuSpecl3[j]->isChecked(), j == motionItem);
        QCOMPARE(game->shownPicture(), QStringLiteral("%1.bmp").arg(2 * faceItem));
        QVERIFY(fom.Tim->isActive() && fom.Tim2->isActive());
        fom.Tim2_Timer();
        QCOMPARE(game->shownPicture(), QStringLiteral("%1.bmp").arg(2 * faceItem + 1));
        game->click();
        QCOMPARE(fom.SceneMode, QStringLiteral("stop"));
    }
};

QTEST_MAIN(TestEndings)
#include "test_endings.moc"
