// The game's own sound on a real sound server: a private PulseAudio whose
// only output is a null sink (see scripts/with_null_sink.sh). Everything the
// sink plays is recorded from its monitor, so the test hears whether the
// music and the effects really came out, and when they fell silent.

#include "platform/desktopsound.h"
#include "testgame.h"

#include <QProcess>
#include <QTest>

#include <cstring>

namespace {

// The loudest sample (16-bit) the sink played over the next `milliseconds`.
// The monitor delivers nothing at all while no stream is open: that is 0.
int loudestPlayed(int milliseconds)
{
    QProcess recorder;
    recorder.start(QStringLiteral("parec"), {QStringLiteral("-d"), QStringLiteral("dummy.monitor"),
                                             QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                                             QStringLiteral("--rate=22050"), QStringLiteral("--latency-msec=20")});
    if (!recorder.waitForStarted())
        return -1;
    QTest::qWait(milliseconds); // the game's timers keep running meanwhile
    recorder.terminate();
    recorder.waitForFinished();
    const QByteArray raw = recorder.readAllStandardOutput();
    int loudest = 0;
    for (qsizetype i = 0; i + 1 < raw.size(); i += 2) {
        qint16 sample;
        std::memcpy(&sample, raw.constData() + i, 2);
        loudest = std::max(loudest, std::abs(int(sample)));
    }
    return loudest;
}

bool writeTone(const QString &path, double seconds, int hz)
{
    return QProcess::execute(QStringLiteral("sox"), {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("22050"),
                                                     QStringLiteral("-c"), QStringLiteral("1"), QStringLiteral("-b"),
                                                     QStringLiteral("16"), path, QStringLiteral("synth"),
                                                     QString::number(seconds), QStringLiteral("sine"),
                                                     QString::number(hz), QStringLiteral("vol"), QStringLiteral("0.5")})
        == 0;
}

constexpr int kSilent = 16;   // the null sink plays exact zeros when nothing sounds
constexpr int kLoud = 4000;   // the tones are written at half scale

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

    void musicPlaysFromStartUp()
    {
        // The first sound takes a second or so to reach a fresh null sink.
        QCOMPARE_GT(loudestPlayed(3000), kLoud);
    }

    void musicStartsOverAtItsEnd()
    {
        QTest::qWait(1200); // past the end of the one-second tune
        QCOMPARE_GT(loudestPlayed(700), kLoud);
    }

    void uncheckingBgmSilencesTheMusic()
    {
        m_fom->menu2[3]->trigger();
        QTest::qWait(200);
        QCOMPARE_LT(loudestPlayed(1500), kSilent); // and nothing restarts it
    }

    void effectPlaysOverSilence()
    {
        m_fom->PlaySe(1);
        QCOMPARE_GT(loudestPlayed(500), kLoud);
        QCOMPARE_LT(loudestPlayed(500), kSilent); // a short effect, played once
    }

    void newEffectCutsOffThePrevious()
    {
        m_fom->PlaySe(2); // two seconds long
        QTest::qWait(150);
        m_fom->PlaySe(1);
        QTest::qWait(500);
        QCOMPARE_LT(loudestPlayed(500), kSilent);
    }

    void checkingBgmResumesTheMusic()
    {
        m_fom->menu2[3]->trigger();
        QCOMPARE_GT(loudestPlayed(500), kLoud);
    }

    void closingTheWindowSilencesEverything()
    {
        m_fom->close();
        QTest::qWait(200);
        QCOMPARE_LT(loudestPlayed(800), kSilent);
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
