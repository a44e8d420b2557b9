// The command strings the game sends to the music device: at start-up and
// from the loop timer, whatever the device answers.

#include "testgame.h"

#include <QTest>

class TestSound : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startUpOpensThenPlaysTheMusic()
    {
        TestGame game;
        QVERIFY(game.start());
        game.sound.commands.removeAll(QStringLiteral("status MIDI mode"));
        const QString open = QStringLiteral("open \"%1bgm.wav\" alias MIDI").arg(game.folder.path());
        QCOMPARE(game.sound.commands, (QStringList{"close MIDI notify", open, "play MIDI notify"}));
        QVERIFY(game.fom->TimBGM->isActive());
    }

    void loopRestartsOnlyAStoppedTune_data()
    {
        QTest::addColumn<QString>("reply");
        QTest::addColumn<bool>("bgm");
        QTest::addColumn<bool>("restarts");
        QTest::newRow("ended") << "stopped" << true << true;
        QTest::newRow("upper case") << "STOPPED" << true << true;
        QTest::newRow("mixed case, padded") << "Stopped        " << true << true;
        QTest::newRow("playing") << "playing" << true << false;
        QTest::newRow("paused") << "paused" << true << false;
        QTest::newRow("no device: blank") << "" << true << false;
        QTest::newRow("too short") << "stop" << true << false;
        QTest::newRow("BGM unchecked") << "stopped" << false << false;
    }
    void loopRestartsOnlyAStoppedTune()
    {
        QFETCH(QString, reply);
        QFETCH(bool, bgm);
        QFETCH(bool, restarts);
        TestGame game;
        QVERIFY(game.start());
        if (!bgm)
            game.fom->menu2_Click(3);
        game.sound.commands.clear();
        game.sound.statusReply = reply;
        game.fom->TimBGM_Timer();
        QStringList expected{"status MIDI mode"};
        if (restarts)
            expected << "seek MIDI to start" << "play MIDI from 0";
        QCOMPARE(game.sound.commands, expected);
    }
};

QTEST_MAIN(TestSound)
#include "test_sound.moc"
