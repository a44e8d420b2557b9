// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// A save replaces the whole slot or nothing, whatever fails and wherever the
// program is killed.

#include "persistence/slotstore.h"
#include "testgame.h"

#include <QDir>
#include <QTest>

namespace {

SlotBytes slotNamed(const QByteArray &tag)
{
    SlotBytes bytes;
    for (int i = 0; i < slotfiles::count; ++i)
        bytes[i] = tag + "-" + QByteArray::number(i) + "\r\n";
    return bytes;
}

const SlotBytes oldSlot = slotNamed("old");
const SlotBytes newSlot = slotNamed("new");

// What the slot reads as with nothing failing; "mix" for anything else.
QString slotOnDisk(const QString &folder)
{
    DiskFileOps disk;
    const auto bytes = SlotStore(disk, folder).load();
    return !bytes ? "none" : *bytes == oldSlot ? "old" : *bytes == newSlot ? "new" : "mix";
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

// The six files, which their names already list in name order.
const QStringList slotFileNames(std::begin(slotfiles::names), std::end(slotfiles::names));

} // namespace

class TestSlotStore : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyFailingOperationKeepsOneWholeSave_data()
    {
        QTest::addColumn<int>("failAt");
        QTest::addColumn<bool>("killed");
        // Every operation that a clean save of the new slot over the old takes.
        QTemporaryDir dir;
        FaultyFileOps files;
        SlotStore store(files, dir.path());
        store.save(oldSlot);
        files.failAt(0);
        store.save(newSlot);
        QVERIFY(files.operations() >= 20);
        for (int n = 1; n <= files.operations(); ++n) {
            QTest::addRow("operation %d fails", n) << n << false;
            QTest::addRow("killed before operation %d", n) << n << true;
        }
    }
    void everyFailingOperationKeepsOneWholeSave()
    {
        QFETCH(int, failAt);
        QFETCH(bool, killed);
        QTemporaryDir dir;
        FaultyFileOps files;
        SlotStore store(files, dir.path());
        QVERIFY(store.save(oldSlot));
        files.failAt(failAt, killed ? FaultyFileOps::StopFromThere : FaultyFileOps::FailOne);
        const bool saved = store.save(newSlot);
        // A save that reports success really is on disk; one that reports
        // failure left the old one, or, killed after its last step, the new.
        const QString found = slotOnDisk(dir.path());
        QVERIFY2(found == (saved ? "new" : "old") || (killed && found == QLatin1String("new")), qPrintable(found));
        QCOMPARE(filesIn(dir.path()), slotFileNames); // the load cleared every leftover
    }

    // The folder is made when first needed. A new file that cannot be
    // written, or not flushed to the disk before the journal makes it count,
    // fails the save.
    void firstSave_data()
    {
        QTest::addColumn<QString>("failing");
        QTest::addColumn<QString>("found");
        QTest::newRow("saved") << QString() << "new";
        QTest::newRow("write fails") << QStringLiteral("write kotoba1.dat.new") << "none";
        QTest::newRow("flush fails") << QStringLiteral("sync str.dat.new") << "none";
    }
    void firstSave()
    {
        QFETCH(QString, failing);
        QFETCH(QString, found);
        QTemporaryDir dir;
        const QString folder = dir.path() + QStringLiteral("/a/b");
        FaultyFileOps files;
        files.failOn(failing);
        QCOMPARE(SlotStore(files, folder).save(newSlot), failing.isEmpty());
        QCOMPARE(slotOnDisk(folder), found);
        QCOMPARE(filesIn(folder), failing.isEmpty() ? slotFileNames : QStringList());
    }

    // Killed while undoing a save whose move failed: the next load finishes
    // the undo and finds the old save.
    void rollbackJournalPutsTheOldSaveBack()
    {
        QTemporaryDir dir;
        DiskFileOps disk;
        QVERIFY(SlotStore(disk, dir.path()).save(oldSlot));
        QStringList journal{QStringLiteral("rollback")};
        for (int i = 0; i < slotfiles::count; ++i) {
            const QString file = dir.path() + QLatin1Char('/') + QLatin1String(slotfiles::names[i]);
            journal << QLatin1String(slotfiles::names[i]);
            if (i < 2) // these two had moved in when the move failed
                QVERIFY(disk.rename(file, file + QStringLiteral(".old")) && disk.write(file, newSlot[i]));
        }
        QVERIFY(disk.write(dir.path() + QStringLiteral("/save.journal"), journal.join(QLatin1Char('\n')).toLatin1()));
        QCOMPARE(slotOnDisk(dir.path()), QStringLiteral("old"));
        QCOMPARE(filesIn(dir.path()), slotFileNames);
    }

    // A file gone, or grown past the limit, leaves no slot.
    void missingOrOversizedFileIsNoSlot()
    {
        for (qint64 size : {qint64(-1), SlotStore::fileSizeLimit + 1}) {
            QTemporaryDir dir;
            DiskFileOps disk;
            QVERIFY(SlotStore(disk, dir.path()).save(oldSlot));
            QFile file(dir.path() + QStringLiteral("/lstmoney.dat"));
            QVERIFY(size < 0 ? file.remove() : file.resize(size));
            QCOMPARE(slotOnDisk(dir.path()), QStringLiteral("none"));
        }
    }
};

QTEST_GUILESS_MAIN(TestSlotStore)
#include "test_slotstore.moc"
