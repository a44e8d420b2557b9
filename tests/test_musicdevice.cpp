// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The music device's command strings, run against a player that behaves as
// Qt's GStreamer player does (stop() rewinds, the end of the file leaves it
// stopped, an undecodable file reports InvalidMedia).

#include "platform/musicdevice.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

class FakePlayer final : public MusicPlayer
{
public:
    void setFile(const QString &path) override
    {
        file = QFileInfo(path).fileName();
        playState = QMediaPlayer::StoppedState;
        mediaStatus = path.isEmpty() ? QMediaPlayer::NoMedia
                    : file == QLatin1String("broken.wav") ? QMediaPlayer::InvalidMedia : QMediaPlayer::LoadedMedia;
        position = 0;
    }
    void play() override
    {
        if (mediaStatus == QMediaPlayer::EndOfMedia)
            position = 0;
        if (mediaStatus != QMediaPlayer::InvalidMedia)
            mediaStatus = QMediaPlayer::BufferedMedia;
        playState = QMediaPlayer::PlayingState; // even for an invalid file
    }
    void pause() override { playState = QMediaPlayer::PausedState; }
    void stop() override { playState = QMediaPlayer::StoppedState; position = 0; }
    void setPosition(qint64 milliseconds) override { position = milliseconds; }
    QMediaPlayer::PlaybackState state() const override { return playState; }
    QMediaPlayer::MediaStatus status() const override { return mediaStatus; }

    // One second of music, if it plays.
    void advance() { position += playState == QMediaPlayer::PlayingState ? 1000 : 0; }
    void reachEnd() { playState = QMediaPlayer::StoppedState; mediaStatus = QMediaPlayer::EndOfMedia; position = 24000; }

    QString file;
    qint64 position = 0;
    QMediaPlayer::PlaybackState playState = QMediaPlayer::StoppedState;
    QMediaPlayer::MediaStatus mediaStatus = QMediaPlayer::NoMedia;
};

// Steps are commands split at "|", with "open", "play" and "status" short for
// the usual three, or "~advance" (one second of music) and "~end" (the file
// has played to its end). Each command's outcome is "-" for a failure, its
// reply for a status query, else "ok"; then the file open and the position.
struct Script { QString steps, outcomes, file; qint64 position; };

} // namespace

class TestMusicDevice : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void commands_data()
    {
        QTest::addColumn<Script>("script");
        const auto row = [](const char *name, Script script) { QTest::newRow(name) << script; };
        row("start-up", {"close MIDI notify|open|play|status", "- ok ok playing", "bgm.wav", 0});
        row("stop keeps the position", {"open|play|~advance|~advance|stop MIDI notify|status|play|status",
            "ok ok ok stopped ok playing", "bgm.wav", 2000});
        row("the end reads stopped, the loop starts over",
            {"open|play|~advance|~end|status|seek MIDI to start|play MIDI from 0|status", "ok ok stopped ok ok playing",
            "bgm.wav", 0});
        row("open closes the device of that name", {"open|play|~advance|open \"%1other.wav\" alias MIDI|status",
            "ok ok ok stopped", "other.wav", 0});
        row("open closes it even when the new file is missing", {"open|play|open \"%1missing.wav\" alias MIDI|status",
            "ok ok - -", "", 0});
        row("a missing file fails every command", {"open \"%1missing.wav\" alias MIDI|play|status|stop MIDI notify|"
            "seek MIDI to start|play MIDI from 0|close MIDI notify", "- - - - - - -", "", 0});
        row("an undecodable file plays nothing", {"open \"%1broken.wav\" alias MIDI|play|status|close MIDI notify|status",
            "ok - - ok -", "", 0});
        row("other names and commands are ignored", {"open|play|~advance|close WAVE notify|stop WAVE|pause MIDI|"
            "status MIDI length|play MIDI from soon|seek MIDI to end|open \"%1other.wav\" alias WAVE||status",
            "ok ok - - - - - - - - playing", "bgm.wav", 1000});
        row("words in any letter case", {"OPEN \"%1bgm.wav\" ALIAS midi|Play Midi Notify|~advance|STOP midi|Status MIDI Mode",
            "ok ok ok stopped", "bgm.wav", 1000});
        row("a quoted path keeps its spaces", {"open \"%1my tune.wav\" alias MIDI|play|status", "ok ok playing",
            "my tune.wav", 0});
        row("seek to start rewinds", {"open|play|~advance|~advance|seek MIDI to start|play", "ok ok ok ok", "bgm.wav", 0});
        row("seek stops where it lands; play from; no negatives",
            {"open|play|seek MIDI to 5000|status|play MIDI from 3000|~advance|seek MIDI to -1|play MIDI from -5",
            "ok ok ok stopped ok - -", "bgm.wav", 4000});
        row("close lets go of the file", {"open|play|close MIDI notify|status|play", "ok ok ok - -", "", 0});
    }
    void commands()
    {
        QFETCH(Script, script);
        const auto [steps, outcomes, file, position] = script;
        QTemporaryDir folder;
        for (const char *name : {"bgm.wav", "other.wav", "broken.wav", "my tune.wav"})
            QVERIFY(QFile(folder.filePath(QLatin1String(name))).open(QIODevice::WriteOnly));
        const QMap<QString, QString> shorthand{{"open", "open \"%1bgm.wav\" alias MIDI"},
                                               {"play", "play MIDI notify"}, {"status", "status MIDI mode"}};
        FakePlayer player;
        MusicDevice device(player);
        QStringList results;
        for (const QString &step : steps.split(u'|')) {
            if (step == QLatin1String("~advance")) {
                player.advance();
            } else if (step == QLatin1String("~end")) {
                player.reachEnd();
            } else {
                QString reply = QStringLiteral("junk");
                const bool ok = device.execute(shorthand.value(step, step).arg(folder.path() + u'/'), &reply);
                if (!ok)
                    QCOMPARE(reply, QString()); // a failed query leaves a blank reply
                results << (!ok ? QStringLiteral("-") : reply.isEmpty() ? QStringLiteral("ok") : reply);
            }
        }
        QCOMPARE(results.join(u' '), outcomes);
        QCOMPARE(player.file, file);
        QCOMPARE(player.position, position);
    }
};

QTEST_GUILESS_MAIN(TestMusicDevice)
#include "test_musicdevice.moc"
