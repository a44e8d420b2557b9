// The scene lock, the title scene, the opening and the clicks that drive them.

#include "platform/listbox.h"
#include "testgame.h"

#include <QTest>

using texts::u8;

class TestScenes : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestGame> game;

    void expectLocked(bool locked, bool saveEnabled)
    {
        Fom &fom = *game->fom;
        QCOMPARE(fom.menu1[0]->isEnabled(), saveEnabled);
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(fom.Lst[i]->isEnabled(), !locked);
            QCOMPARE(fom.ComLstQra[i]->isEnabled(), !locked);
        }
        QCOMPARE(fom.LstItem->isEnabled(), !locked);
        QCOMPARE(fom.LstItemMoney->isEnabled(), !locked);
        QCOMPARE(fom.ADD->isEnabled(), !locked);
        QCOMPARE(fom.ComItem->isEnabled(), !locked);
        QVERIFY(fom.Txt->isEnabled());
        QCOMPARE(fom.TimSay->isActive(), !locked);
        QCOMPARE(fom.TimDay->isActive(), !locked);
        QCOMPARE(fom.TimShpCli->isActive(), locked);
        QCOMPARE(fom.ShpCli->isVisibleTo(&fom), locked);
    }

private Q_SLOTS:
    void init()
    {
        game = std::make_unique<TestGame>();
        QVERIFY(game->start());
    }

    void startUpShowsTheTitle()
    {
        Fom &fom = *game->fom;
        QCOMPARE(fom.SceneMode, QStringLiteral("stop"));
        QCOMPARE(fom.LblMoney->caption(), QStringLiteral("1000"));
        QCOMPARE(game->shownPicture(), QStringLiteral("stt.bmp"));
        QVERIFY(!fom.Tim->isActive());
        QCOMPARE(fom.windowTitle(), u8("もけもけ～ゆらぐも～"));
        QCOMPARE(fom.TimDay->interval(), 10000);
        expectLocked(true, true); // the title itself allows saving
        // The music starts with the window.
        QVERIFY(game->sound.commands.contains(QStringLiteral("open \"%1bgm.wav\" alias MIDI").arg(game->folder.path())));
        QVERIFY(game->sound.commands.contains(QStringLiteral("play MIDI notify")));
        // The click prompt blinks red and green.
        fom.TimShpCli_Timer();
        const int first = fom.ShpCli->foreColor();
        fom.TimShpCli_Timer();
        QCOMPARE(QSet<int>({first, fom.ShpCli->foreColor()}), QSet<int>({255, 65280}));
    }

    // The opening, with what the player answers to the two name dialogs.
    void opening_data()
    {
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("names"); // the player's, the alien's
        QTest::newRow("given") << QStringList{u8("たけし"), u8("ぽち")} << QStringList{u8("たけし"), u8("ぽち")};
        QTest::newRow("both cancelled") << QStringList() << QStringList{u8("ももじろ"), u8("もけもけ")};
        QTest::newRow("only the alien's") << QStringList{QString(), u8("ぽち")}
                                          << QStringList{u8("ももじろ"), u8("ぽち")};
        QTest::newRow("what a save cannot hold") << QStringList{u8("𠮷野"), QStringLiteral("a\r\nb")}
                                                 << QStringList{u8("ももじろ"), u8("もけもけ")};
    }
    void opening()
    {
        QFETCH(QStringList, answers);
        QFETCH(QStringList, names);
        Fom &fom = *game->fom;
        // A noun taught in an earlier game stays behind the two names.
        fom.Opt_Click(0);
        fom.Txt->setText(u8("ほし"));
        fom.TeachWord();
        game->dialogs.answers = answers;
        game->click();
        QCOMPARE(fom.SceneMode, QStringLiteral("open"));
        QCOMPARE(fom.Lbl->caption(), u8("うちゅうせんが　ふじちゃくしたの"));
        QCOMPARE(game->shownPicture(), QStringLiteral("0.bmp"));
        game->click();
        game->click(); // step 2: both dialogs
        QCOMPARE(game->dialogs.prompts, (QStringList{u8("おなまえを　おしえてね"), u8("もけもけは　なんて　よばれてるんだっけ？")}));
        QCOMPARE(game->dialogs.titles, (QStringList{u8("なまえ　おしえろ"), u8("なまえ　つけろ")}));
        QCOMPARE(fom.Lbl->caption(), u8("ちょっとの　あいだ、　よろしくね、") + names[0]);
        QCOMPARE(game->words(0), names + QStringList{u8("ほし")});
        QCOMPARE(int(fom.WordCount[0]), 3);
        game->click();
        QCOMPARE(game->shownPicture(), QStringLiteral("erai.bmp"));
        QVERIFY(!fom.Tim->isActive());
        for (int step = 4; step <= 10; ++step)
            game->click();
        QCOMPARE(fom.SceneStep, qint16(99));
        QCOMPARE(fom.Lbl->caption(), u8("いっとくけど、エールはただじゃないからね"));
        expectLocked(true, false);
        game->click();
        QCOMPARE(fom.SceneMode, QStringLiteral("tyu"));
        expectLocked(false, true);
        QVERIFY(fom.Tim->isActive() && fom.Tim2->isActive());
        QVERIFY(fom.Txt->hasFocus());
    }

    // Every scene that returns to free play ends with the alien saying a
    // sentence at once; all draws 0 give this one.
    void freePlayResumesWithASentence_data()
    {
        QTest::addColumn<QString>("scene");
        QTest::newRow("opening") << QStringLiteral("open");
        QTest::newRow("report") << QStringLiteral("houkoku");
        QTest::newRow("question") << QStringLiteral("situ");
    }
    void freePlayResumesWithASentence()
    {
        QFETCH(QString, scene);
        Fom &fom = *game->fom;
        game->playIntoFreePlay();
        fom.StartScene(scene);
        while (fom.SceneMode != QLatin1String("tyu"))
            game->click();
        QCOMPARE(fom.Lbl->caption(), u8("切ないももじろが大好きだったのです"));
        QVERIFY(!fom.ShpCli->isVisibleTo(&fom));
        game->click(); // a click in free play leaves the prompt hidden too
        QVERIFY(!fom.ShpCli->isVisibleTo(&fom));
    }

    void sceneLockAndUnlock()
    {
        Fom &fom = *game->fom;
        game->playIntoFreePlay();
        fom.Tim->stop();
        fom.StartScene(QStringLiteral("situ"));
        expectLocked(true, false);
        QCOMPARE(fom.SceneStep, qint16(1)); // step 0 ran at once
        fom.StartScene(QStringLiteral("nothing"));
        expectLocked(true, false);
        QCOMPARE(fom.SceneStep, qint16(0));
        game->click(); // an unknown mode ignores clicks
        QCOMPARE(fom.SceneStep, qint16(0));
        fom.EndScene();
        expectLocked(false, true);
        QVERIFY(fom.Tim->isActive());
    }

    void clicksOnTheAlienAndTheMessageArea()
    {
        Fom &fom = *game->fom;
        // During a scene the alien ignores clicks, and so does the frame that
        // the wobbling picture leaves bare.
        QTest::mouseClick(fom.Img, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        fom.MoveImg(20, 0, 60, 100);
        QTest::mouseClick(fom.Pic, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QCOMPARE(fom.SceneMode, QStringLiteral("stop"));
        game->playIntoFreePlay();
        fom.MoveImg(20, 0, 60, 100);
        QTest::mouseClick(fom.Pic, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QCOMPARE(fom.SceneMode, QStringLiteral("situ"));
        fom.EndScene();

        QTest::mousePress(fom.Img, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        QVERIFY(fom.Shp->isVisibleTo(&fom));
        QCOMPARE(fom.Shp->backColor(), 65280);
        QTest::mouseRelease(fom.Img, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        QVERIFY(!fom.Shp->isVisibleTo(&fom));
        QCOMPARE(fom.SceneMode, QStringLiteral("situ"));

        QTest::mousePress(fom.Lbl, Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
        QCOMPARE(fom.LblButton, 2);
        QCOMPARE(fom.Shp->backColor(), 255);
        QVERIFY(!fom.ShpCli->isVisibleTo(&fom));
        QTest::mouseRelease(fom.Lbl, Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
        QVERIFY(fom.ShpCli->isVisibleTo(&fom));
        QVERIFY(fom.SceneMode.endsWith(QLatin1String("ivent"))); // the right click advanced too
    }

    void lockedButtonsStayInert()
    {
        Fom &fom = *game->fom;
        game->playIntoFreePlay();
        listbox::select(fom.LstItem, 0);
        fom.Txt->setText(QStringLiteral("sora"));
        fom.StartScene(QStringLiteral("situ"));
        const int money = fom.Money;
        const QStringList verbs = game->words(1);
        game->sound.waves.clear();
        QTest::mouseClick(fom.ADD, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        QTest::mouseClick(fom.ComItem, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        QTest::mouseClick(fom.ComLstQra[0], Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        QCOMPARE(fom.Money, money);
        QCOMPARE(fom.LstItem->count(), 2);
        QCOMPARE(game->words(1), verbs);
        QCOMPARE(game->sound.waves, QStringList());
        QCOMPARE(fom.ADD->appearance(), 0);
    }

    void titleResetKeepsWords()
    {
        Fom &fom = *game->fom;
        game->playIntoFreePlay();
        fom.Txt->setText(QStringLiteral("word"));
        fom.ADD_Click();
        fom.Money = 5;
        fom.Pay = 300;
        fom.Mood = {9, 9, 9, 9};
        fom.Day = 40;
        fom.BoxCount = 7;
        fom.StartScene(QStringLiteral("stop"));
        QCOMPARE(fom.Money, 1000);
        QCOMPARE(int(fom.Day), 0);
        QCOMPARE(int(fom.Pay), 0);
        QCOMPARE(fom.Mood, (std::array<qint16, 4>{0, 0, 0, 0}));
        QCOMPARE(fom.LstItem->count(), 0);
        QCOMPARE(int(fom.BoxCount), 0); // the next gift fills the box from the top
        QVERIFY(game->words(1).contains(QStringLiteral("word")));
    }
};

QTEST_MAIN(TestScenes)
#include "test_scenes.moc"
