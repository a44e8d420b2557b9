// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Whole games, title to ending, replayed from their scripts: everything the
// player sees and hears must match the recorded transcript line for line.
// MOKEMOKE_RECORD_TRANSCRIPTS=1 writes the transcripts anew instead.

#include "transcript.h"

#include <QDir>
#include <QFile>
#include <QTest>

class TestTranscripts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void game_data()
    {
        QTest::addColumn<QString>("path");
        const QDir folder(QStringLiteral(TRANSCRIPT_DIR));
        for (const QString &name : folder.entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(name)) << folder.filePath(name);
    }
    void game()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList recorded = QString::fromUtf8(file.readAll()).split(u'\n');
        file.close();
        QString error;
        QStringList played = transcript::replay(recorded, &error);
        played << QString(); // the file ends with a line break
        if (qEnvironmentVariableIntValue("MOKEMOKE_RECORD_TRANSCRIPTS")) {
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(played.join(u'\n').toUtf8());
            QVERIFY2(error.isEmpty(), qPrintable(error));
            return;
        }
        QString step;
        for (int i = 0; i < qMax(recorded.size(), played.size()); ++i) {
            const QString want = recorded.value(i, QStringLiteral("(end)")), got = played.value(i, QStringLiteral("(end)"));
            if (want.startsWith(u'>') || want.startsWith(u'~'))
                step = want;
            if (want != got)
                QFAIL(qPrintable(QStringLiteral("line %1, at \"%2\":\n  recorded: %3\n  played:   %4").arg(i + 1).arg(step, want, got)));
        }
        QVERIFY2(error.isEmpty(), qPrintable(error));
    }
};

QTEST_MAIN(TestTranscripts)
#include "test_transcripts.moc"
