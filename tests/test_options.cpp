// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The sound effects and the options menu: "SE", fast time and the music,
// with the requests the game makes of its sound.

#include "testgame.h"

#include <QTest>

class TestOptions : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestGame> game;

    // Does what the player does to hear sound effect `number`.
    void causeEffect(int number)
    {
        Fom &fom = *game->fom;
        switch (number) {
        case 1: return fom.model().startScene(SceneKind::Announcement); // the question chime
        case 2: return fom.ADD_Click();
        case 3: return fom.ComItem_Click();
        case 4: return fom.ComLstQra_MouseDown(0);
        default: return QTest::keyClick(fom.Txt, Qt::Key_A);
        }
    }

private Q_SLOTS:
    void init()
    {
        game = TestGame::inFreePlay();
        QVERIFY(game);
    }

    void effects_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<bool>("effectsOn");
        const char *names[] = {"question", "teach", "use item", "forget", "ordinary key"};
        for (int number = 1; number <= 5; ++number) {
            QTest::addRow("%s", names[number - 1]) << number << true;
            QTest::addRow("%s, SE off", names[number - 1]) << number << false;
        }
    }
    void effects()
    {
        QFETCH(int, number);
        QFETCH(bool, effectsOn);
        Fom &fom = *game->fom;
        if (!effectsOn)
            fom.menu2[4]->trigger();
        game->sound.requests.clear();
        causeEffect(number);
        const QString effect = QStringLiteral("effect %1se%2.wav").arg(game->folder.path()).arg(number - 1);
        // Nothing else: the music plays on.
        QCOMPARE(game->sound.requests, effectsOn ? QStringList{effect} : QStringList());
    }

    // "BGM" stops the music and keeps its place; checked again, it plays on.
    void musicOption()
    {
        Fom &fom = *game->fom;
        game->sound.requests.clear();
        fom.menu2[3]->trigger();
        QVERIFY(!fom.menu2[3]->isChecked());
        fom.menu2[3]->trigger();
        QVERIFY(fom.menu2[3]->isChecked());
        QCOMPARE(game->sound.requests, (QStringList{"music stop", "music play"}));
    }

    void fastTimeOption()
    {
        Fom &fom = *game->fom;
        fom.menu2[1]->trigger();
        QVERIFY(fom.TimDay->interval() == 1000 && fom.TimDay->isActive());
        fom.menu2[1]->trigger();
        QCOMPARE(fom.TimDay->interval(), 10000);
        // During a scene the clock stays stopped whatever its speed.
        fom.model().startScene(SceneKind::Announcement);
        fom.menu2[1]->trigger();
        QVERIFY(!fom.TimDay->isActive() && fom.TimDay->interval() == 1000);
    }
};

QTEST_MAIN(TestOptions)
#include "test_options.moc"
