// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The sound effects and the options menu: "SE", fast time and the music,
// with the command strings the game sends to the music device.

#include "testgame.h"

#include <QTest>

// The music device's answer to the loop timer's status query, whether "BGM"
// is checked, and whether the tune then starts over.
struct Loop { QString reply; bool music = true, restarts = true; };

class TestOptions : public QObject
{
    Q_OBJECT
    std::unique_ptr<TestGame> game;

    // Does what the player does to hear sound effect `number`.
    void causeEffect(int number)
    {
        Fom &fom = *game->fom;
        switch (number) {
        case 1: return fom.StartScene(QStringLiteral("situ")); // the question chime
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
        game->sound.waves.clear();
        causeEffect(number);
        const QString file = game->folder.path() + QStringLiteral("se%1.wav").arg(number - 1);
        QCOMPARE(game->sound.waves, effectsOn ? QStringList{file} : QStringList());
        QVERIFY(fom.TimBGM->isActive()); // the music plays on
    }

    // Start-up opens the tune and plays it; the loop timer restarts it once it
    // has played to its end, unless "BGM" is unchecked; switched on again, the
    // music plays at once.
    void musicLoop_data()
    {
        QTest::addColumn<Loop>("loop");
        QTest::newRow("ended") << Loop{"stopped"};
        QTest::newRow("mixed case, padded") << Loop{"Stopped        "};
        QTest::newRow("playing") << Loop{"playing", true, false};
        QTest::newRow("no device: blank") << Loop{"", true, false};
        QTest::newRow("too short") << Loop{"stop", true, false};
        QTest::newRow("BGM unchecked") << Loop{"stopped", false, false};
    }
    void musicLoop()
    {
        QFETCH(Loop, loop);
        const auto [reply, music, restarts] = loop;
        Fom &fom = *game->fom;
        const QString open = QStringLiteral("open \"%1bgm.wav\" alias MIDI").arg(game->folder.path());
        QCOMPARE(game->sound.commands, (QStringList{"close MIDI notify", open, "play MIDI notify"}));
        if (!music)
            fom.menu2[3]->trigger();
        QCOMPARE(fom.TimBGM->isActive(), music);
        game->sound.commands.clear();
        game->sound.statusReply = reply;
        fom.TimBGM_Timer();
        QStringList expected{"status MIDI mode"};
        if (restarts)
            expected << "seek MIDI to start" << "play MIDI from 0";
        QCOMPARE(game->sound.commands, expected);
        fom.menu2[3]->trigger();
        QCOMPARE(fom.TimBGM->isActive(), !music);
        QCOMPARE(game->sound.commands.last(), music ? "stop MIDI notify" : "play MIDI notify");
    }

    void fastTimeOption()
    {
        Fom &fom = *game->fom;
        fom.menu2[1]->trigger();
        QVERIFY(fom.TimDay->interval() == 1000 && fom.TimDay->isActive());
        fom.menu2[1]->trigger();
        QCOMPARE(fom.TimDay->interval(), 10000);
        // During a scene the clock stays stopped whatever its speed.
        fom.StartScene(QStringLiteral("situ"));
        fom.menu2[1]->trigger();
        QVERIFY(!fom.TimDay->isActive() && fom.TimDay->interval() == 1000);
    }
};

QTEST_MAIN(TestOptions)
#include "test_options.moc"
