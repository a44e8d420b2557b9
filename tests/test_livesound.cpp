// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The game's own sound on a real sound server: a private PulseAudio whose
// only output is a null sink (see scripts/with_null_sink.sh). Everything the
// sink plays is recorded from its monitor, so the test hears whether the
// music and the effects really came out, when they fell silent, and whether
// the tune's repeats join without a gap.

#include "sound/desktopsound.h"
#include "testgame.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <algorithm>

namespace {

constexpr int kRate = 22050;
constexpr int kSilent = 16;   // the null sink plays exact zeros when nothing sounds
constexpr int kLoud = 4000;   // the tones are written at half scale

bool louder(qint16 sample, int level) { return std::abs(int(sample)) > level; }

// Records everything the sink plays, through one stream kept open for the
// whole test: a fresh recorder can take most of a second to connect, and
// would hear nothing meanwhile.
class SinkMonitor
{
public:
    // True once the recording stream is ready and has heard the short
    // `primer` played by another program to its end. The null sink takes the
    // recorder's short latency only from its next block, up to two seconds
    // on; until then what it plays reaches the monitor that much late.
    bool start(const QString &primer)
    {
        m_parec.start(QStringLiteral("parec"), QStringLiteral("-v -d dummy.monitor --format=s16le --channels=1 "
                                                              "--rate=%1 --latency-msec=20").arg(kRate).split(u' '));
        QByteArray log;
        QElapsedTimer clock;
        clock.start();
        while (!log.contains("Stream successfully created") && clock.elapsed() < 10000) {
            QTest::qWait(10);
            log += m_parec.readAllStandardError();
        }
        return log.contains("Stream successfully created")
            && QProcess::startDetached(QStringLiteral("paplay"), {primer}) && untilLoud(5000) >= 0
            && !listen(1000).isEmpty();
    }
    ~SinkMonitor()
    {
        m_parec.terminate();
        m_parec.waitForFinished();
    }

    // What the sink plays over the next `milliseconds`, while the game's
    // timers keep running.
    QList<qint16> listen(int milliseconds)
    {
        take();
        QTest::qWait(milliseconds);
        return take();
    }
    // How long until the sink plays a loud sample: -1 if not within `limit` ms.
    qint64 untilLoud(int limit)
    {
        take();
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < limit) {
            const QList<qint16> heard = take();
            if (std::any_of(heard.begin(), heard.end(), [](qint16 s) { return louder(s, kLoud); }))
                return clock.elapsed();
            QTest::qWait(5);
        }
        return -1;
    }

private:
    // The whole samples recorded since the last call.
    QList<qint16> take()
    {
        QCoreApplication::processEvents();
        m_bytes += m_parec.readAllStandardOutput();
        const qsizetype whole = m_bytes.size() / 2;
        const auto *samples = reinterpret_cast<const qint16 *>(m_bytes.constData());
        QList<qint16> out(samples, samples + whole);
        m_bytes.remove(0, whole * 2);
        return out;
    }
    QProcess m_parec;
    QByteArray m_bytes;
};

// The longest run of silent samples between the first and the last loud
// one, in milliseconds; and how long that stretch lasts.
struct Silences { double longestGap = 0, span = 0; };
Silences silencesIn(const QList<qint16> &heard)
{
    const auto loud = [](qint16 s) { return louder(s, kLoud); };
    const auto first = std::find_if(heard.begin(), heard.end(), loud);
    const auto last = std::find_if(heard.rbegin(), heard.rend(), loud).base();
    qsizetype run = 0, longest = 0;
    for (auto it = first; it < last; ++it) {
        run = louder(*it, kSilent) ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    return {longest * 1000.0 / kRate, first < last ? (last - first) * 1000.0 / kRate : 0};
}

bool writeTone(const QString &path, double seconds, int hz)
{
    const QStringList args = QStringLiteral("-n -r %1 -c 1 -b 16").arg(kRate).split(u' ') << path
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
        // A one-second tune that sounds to its last sample, so any gap
        // between its repeats is the player's.
        QVERIFY(writeTone(m_folder.path() + QStringLiteral("bgm.wav"), 1.0, 440));
        QVERIFY(writeTone(m_folder.path() + QStringLiteral("se0.wav"), 0.3, 880));
        QVERIFY(writeTone(m_folder.path() + QStringLiteral("se1.wav"), 2.0, 660));
        QVERIFY(m_monitor.start(m_folder.path() + QStringLiteral("se0.wav")));
        m_fom = std::make_unique<GameWindow>(GameWindow::Services{m_random, m_dialogs, m_sound, m_folder.path()});
        QVERIFY(m_fom->startUp());
    }

    void musicPlaysWithinASecondOfTheWindow()
    {
        QVERIFY(silent(300)); // nothing before the window
        m_fom->show();
        const qint64 delay = m_monitor.untilLoud(3000);
        QVERIFY2(delay >= 0 && delay <= 1000, qPrintable(QStringLiteral("music heard %1 ms after show").arg(delay)));
    }

    // The one-second tune keeps sounding, three joins and more, with no
    // silence at the joins longer than a zero crossing of its sine.
    void musicLoopsWithoutAGap()
    {
        const Silences silences = silencesIn(m_monitor.listen(3500));
        QCOMPARE_GT(silences.span, 3000.0);
        QCOMPARE_LT(silences.longestGap, 20.0);
    }

    void effectsPlayOnceWithTheMusicOff()
    {
        m_fom->optionActions[3]->trigger();
        QTest::qWait(300);
        QVERIFY(silent(1500)); // and nothing restarts the music
        m_fom->playEffect(1);
        QVERIFY(heardWithin(5000));
        QTest::qWait(500);
        QVERIFY(silent(500)); // a short effect, played once
        m_fom->playEffect(2); // two seconds long
        QVERIFY(heardWithin(5000));
        m_fom->playEffect(1); // cuts it off
        QTest::qWait(700);
        QVERIFY(silent(500));
    }

    void musicResumesUntilTheWindowCloses()
    {
        m_fom->optionActions[3]->trigger();
        QVERIFY(heardWithin(5000));
        m_fom->close();
        QTest::qWait(300);
        QVERIFY(silent(800));
    }

    // A tune that cannot be read silences the one before it and plays
    // nothing; the effects sound on.
    void aMissingTunePlaysNothing()
    {
        m_sound.openMusic(m_folder.path() + QStringLiteral("bgm.wav"));
        m_sound.playMusic();
        QVERIFY(heardWithin(5000));
        m_sound.openMusic(m_folder.path() + QStringLiteral("missing.wav"));
        m_sound.playMusic();
        QTest::qWait(300);
        QVERIFY(silent(800));
        m_sound.playEffect(m_folder.path() + QStringLiteral("se0.wav"));
        QVERIFY(heardWithin(5000));
    }

private:
    // Whether the sink plays only zeros over the next `milliseconds`. Once
    // primed, the monitor delivers them as they are played: a recording
    // that falls short has not heard the whole stretch.
    bool silent(int milliseconds)
    {
        const QList<qint16> heard = m_monitor.listen(milliseconds);
        return heard.size() > milliseconds * kRate / 2000
            && std::none_of(heard.begin(), heard.end(), [](qint16 s) { return louder(s, kSilent); });
    }
    bool heardWithin(int milliseconds) { return m_monitor.untilLoud(milliseconds) >= 0; }

    ScriptedRandom m_random;
    ScriptedDialogs m_dialogs;
    DesktopSound m_sound;
    PictureFolder m_folder;
    SinkMonitor m_monitor;
    std::unique_ptr<GameWindow> m_fom;
};

QTEST_MAIN(TestLiveSound)
#include "test_livesound.moc"
