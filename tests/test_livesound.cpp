// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The game's own sound on a real sound server: a private PulseAudio whose
// only output is a null sink (see scripts/with_null_sink.sh). Everything the
// sink plays is recorded from its monitor, so the test hears whether the
// music and the effects really came out, and when they fell silent.

#include "platform/desktopsound.h"
#include "testgame.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <algorithm>

namespace {

constexpr int kSilent = 16;   // the null sink plays exact zeros when nothing sounds
constexpr int kLoud = 4000;   // the tones are written at half scale

// How many samples the sink played louder than `level` over the next
// `milliseconds`, while the game's timers keep running. The monitor delivers
// nothing at all while no stream is open: that is silence too.
qsizetype louderThan(int level, int milliseconds)
{
    QProcess recorder;
    recorder.start(QStringLiteral("parec"),
                   QStringLiteral("-d dummy.monitor --format=s16le --channels=1 --rate=22050 --latency-msec=20").split(u' '));
    if (!recorder.waitForStarted())
        return -1;
    QTest::qWait(milliseconds);
    recorder.terminate();
    recorder.waitForFinished();
    const QByteArray raw = recorder.readAllStandardOutput();
    const auto *samples = reinterpret_cast<const qint16 *>(raw.constData());
    return std::count_if(samples, samples + raw.size() / 2, [level](qint16 s) { return std::abs(int(s)) > level; });
}

bool silentFor(int milliseconds) { return louderThan(kSilent, milliseconds) == 0; }

// Whether sound comes out within `milliseconds`: a busy machine may take a
// few seconds to start a fresh audio stream.
bool heardWithin(int milliseconds)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds) {
        if (louderThan(kLoud, 400) > 0)
            return true;
    }
    return false;
}

bool writeTone(const QString &path, double seconds, int hz)
{
    const QStringList args = QStringLiteral("-n -r 22050 -c 1 -b 16").split(u' ') << path
        << QStringLiteral("synth %1 sine %2 vol 0.5").arg(seconds).arg(hz).split(u' ');
    return QProcess::execute(QStringLiteral("sox"), args) == 0;
}

} // namespace

class TestLiveSound : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(m_sound.hasOutput(), "no sound server: run this test through scripts/with_null_sink.sh");
        // A one-second tune, so the loop has to start it over within the test.
        QVERIFY(writeTone(m_folder.path() + QStringLiteral("bgm.wav"), 1.0, 440));
        QVERIFY(writeTone(m_folder.path() + QStringLiteral("se0.wav"), 0.3, 880));
        QVERIFY(writeTone(m_folder.path() + QStringLiteral("se1.wav"), 2.0, 660));
        m_fom = std::make_unique<Fom>(Fom::Services{m_random, m_dialogs, m_sound, m_folder.path()});
        QVERIFY(m_fom->Form_Load());
    }

    void musicPlaysAndStartsOverAtItsEnd()
    {
        QVERIFY(heardWithin(10000));
        // One play of the one-second tune is loud for under a second.
        QCOMPARE_GT(louderThan(kLoud, 6000) / 22050.0, 1.8);
    }

    void effectsPlayOnceWithTheMusicOff()
    {
        m_fom->menu2[3]->trigger();
        QTest::qWait(500);
        QVERIFY(silentFor(1500)); // and nothing restarts the music
        m_fom->PlaySe(1);
        QVERIFY(heardWithin(5000));
        QTest::qWait(500);
        QVERIFY(silentFor(500)); // a short effect, played once
        m_fom->PlaySe(2); // two seconds long
        QVERIFY(heardWithin(5000));
        m_fom->PlaySe(1); // cuts it off
        QTest::qWait(700);
        QVERIFY(silentFor(500));
    }

    void musicResumesUntilTheWindowCloses()
    {
        m_fom->menu2[3]->trigger();
        QVERIFY(heardWithin(5000));
        m_fom->close();
        QTest::qWait(300);
        QVERIFY(silentFor(800));
    }

private:
    ScriptedRandom m_random;
    ScriptedDialogs m_dialogs;
    DesktopSoundBackend m_sound;
    PictureFolder m_folder;
    std::unique_ptr<Fom> m_fom;
};

QTEST_MAIN(TestLiveSound)
#include "test_livesound.moc"
