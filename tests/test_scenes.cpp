// The scene lock, the title scene, the opening and the clicks that drive them.

#include "platform/listbox.h"
#include "testgame.h"

#include <QTest>

using texts::u8;

class TestScenes : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestGame> game;
    Fom *fom = nullptr;

    // During a scene the word and item controls are off, the clocks stop
    // and the click prompt blinks; Save is off except on the title.
    void expectLocked(bool locked, bool saveEnabled)
    {
        QList<bool> enabled;
        for (QWidget *control : std::initializer_list<QWidget *>{fom->Lst[0], fom->Lst[1], fom->Lst[2], fom->ComLstQra[0],
                                                                 fom->ComLstQra[1], fom->ComLstQra[2], fom->LstItem,
                                                                 fom->LstItemMoney, fom->ADD, fom->ComItem})
            enabled << control->isEnabled();
        QCOMPARE(enabled, QList<bool>(10, !locked));
        QCOMPARE((QList<bool>{fom->menu1[0]->isEnabled(), fom->TimSay->isActive(), fom->TimDay->isActive(),
                              fom->TimShpCli->isActive(), fom->ShpCli->isVisibleTo(fom)}),
                 (QList<bool>{saveEnabled, !locked, !locked, locked, locked}));
    }

private Q_SLOTS:
    void init() { game = std::make_unique<TestGame>(); QVERIFY(game->start()); fom = game->fom.get(); }

    void startUpShowsTheTitle()
    {
        QCOMPARE(fom->SceneMode, QStringLiteral("stop"));
        QCOMPARE(game->shownPicture(), QStringLiteral("stt.bmp"));
        QCOMPARE(fom->TimDay->interval(), 10000);
        expectLocked(true, true);
        // The click prompt blinks red and green.
        fom->TimShpCli_Timer();
        const int first = fom->ShpCli->foreColor();
        fom->TimShpCli_Timer();
        QCOMPARE(QSet<int>({first, fom->ShpCli->foreColor()}), QSet<int>({255, 65280}));
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
        QCOMPARE(int(fom->WordCount[0]), 3);
        for (int step = 3; step <= 10; ++step)
            game->click();
        QCOMPARE(fom->Lbl->caption(), u8("いっとくけど、エールはただじゃないからね"));
        expectLocked(true, false);
        game->click();
        QCOMPARE(fom->SceneMode, QStringLiteral("tyu"));
        expectLocked(false, true);
        QVERIFY(fom->Tim->isActive() && fom->Tim2->isActive());
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
        game->playIntoFreePlay();
        fom->StartScene(scene);
        while (fom->SceneMode != QLatin1String("tyu"))
            game->click();
        QCOMPARE(fom->Lbl->caption(), u8("切ないももじろが大好きだったのです"));
        game->click(); // a click in free play leaves the prompt hidden
        QVERIFY(!fom->ShpCli->isVisibleTo(fom));
    }

    void sceneLockAndUnlock()
    {
        game->playIntoFreePlay();
        fom->StartScene(QStringLiteral("situ"));
        QCOMPARE(fom->SceneStep, qint16(1)); // step 0 ran at once
        fom->StartScene(QStringLiteral("nothing"));
        expectLocked(true, false);
        game->click(); // an unknown mode ignores clicks
        QCOMPARE(fom->SceneStep, qint16(0));
    }

    void clicksOnTheAlienAndTheMessageArea()
    {
        // During a scene the alien ignores clicks, and so does the frame that
        // the wobbling picture leaves bare.
        QTest::mouseClick(fom->Img, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        fom->MoveImg(20, 0, 60, 100);
        QTest::mouseClick(fom->Pic, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QCOMPARE(fom->SceneMode, QStringLiteral("stop"));
        game->playIntoFreePlay();
        fom->MoveImg(20, 0, 60, 100);
        QTest::mouseClick(fom->Pic, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
        QCOMPARE(fom->SceneMode, QStringLiteral("situ"));
        fom->EndScene();
        QTest::mouseClick(fom->Img, Qt::LeftButton, Qt::NoModifier, QPoint(3, 3));
        QCOMPARE(fom->SceneMode, QStringLiteral("situ"));
        // A right press shows the red mark and hides the prompt until the release.
        QTest::mousePress(fom->Lbl, Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
        QCOMPARE(fom->LblButton, 2);
        QCOMPARE(fom->Shp->backColor(), 255);
        QVERIFY(fom->Shp->isVisibleTo(fom) && !fom->ShpCli->isVisibleTo(fom));
        QTest::mouseRelease(fom->Lbl, Qt::RightButton, Qt::NoModifier, QPoint(3, 3));
        QVERIFY(!fom->Shp->isVisibleTo(fom) && fom->ShpCli->isVisibleTo(fom));
    }

    void titleResetKeepsWords()
    {
        game->playIntoFreePlay();
        fom->Txt->setText(QStringLiteral("word"));
        fom->ADD_Click();
        fom->Money = 5;
        fom->Mood = {9, 9, 9, 9};
        fom->Day = 40;
        fom->BoxCount = 7;
        fom->StartScene(QStringLiteral("stop"));
        // Money, day, pay, items and the box's refill place start afresh.
        QCOMPARE((QList<int>{fom->Money, fom->Day, fom->Pay, fom->LstItem->count(), fom->BoxCount}),
                 (QList<int>{1000, 0, 0, 0, 0}));
        QCOMPARE(fom->Mood, (std::array<qint16, 4>{0, 0, 0, 0}));
        QVERIFY(game->words(1).contains(QStringLiteral("word")));
    }
};

QTEST_MAIN(TestScenes)
#include "test_scenes.moc"
