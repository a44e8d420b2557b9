// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// A save replaces the whole slot or nothing, whatever fails and wherever the
// program is killed.

#include "slot/slotstore.h"
#include "testgame.h"

#include <QDir>
#include <QTest>

#include <cerrno>
#include <sys/stat.h>

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

// A new day of the same game: the word lists as they were, the rest new.
SlotBytes nextDay()
{
    SlotBytes bytes = newSlot;
    std::copy_n(oldSlot.begin(), 3, bytes.begin());
    return bytes;
}

// What the slot reads as with nothing failing; "mix" for anything else.
QString slotOnDisk(const QString &folder, const SlotBytes &fresh = newSlot)
{
    DiskFileOps disk;
    const auto bytes = SlotStore(disk, folder).load();
    return !bytes ? "none" : *bytes == oldSlot ? "old" : *bytes == fresh ? "new" : "mix";
}

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files, QDir::Name);
}

// Everything in the folder, files or not.
QStringList entriesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

// Something put into the save folder by hand, under a name of the slot.
enum class Planted { Folder, Pipe, Link, File };

bool plant(const QString &path, Planted kind, const QByteArray &bytes, const QString &linkTarget)
{
    QFile::remove(path);
    switch (kind) {
    case Planted::Folder:
        return QDir().mkdir(path);
    case Planted::Pipe:
        return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
    case Planted::Link:
        return QFile::link(linkTarget, path);
    case Planted::File:
        return DiskFileOps().write(path, bytes);
    }
    return false;
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
        QTest::addColumn<bool>("keepSame");
        // Every operation that a clean save of the new slot over the old
        // takes, and of the next day's, whose files already on disk stay.
        for (const bool keepSame : {false, true}) {
            QTemporaryDir dir;
            FaultyFileOps files;
            SlotStore store(files, dir.path());
            store.save(oldSlot);
            files.failAt(0);
            store.save(keepSame ? nextDay() : newSlot, keepSame ? SlotStore::SameFiles::Keep : SlotStore::SameFiles::Rewrite);
            QVERIFY(files.operations() >= 15);
            const char *save = keepSame ? "next day" : "new slot";
            for (int n = 1; n <= files.operations(); ++n) {
                QTest::addRow("%s: operation %d fails", save, n) << n << false << keepSame;
                QTest::addRow("%s: killed before operation %d", save, n) << n << true << keepSame;
            }
        }
    }
    void everyFailingOperationKeepsOneWholeSave()
    {
        QFETCH(int, failAt);
        QFETCH(bool, killed);
        QFETCH(bool, keepSame);
        QTemporaryDir dir;
        FaultyFileOps files;
        SlotStore store(files, dir.path());
        QVERIFY(store.save(oldSlot));
        files.failAt(failAt, killed ? FaultyFileOps::StopFromThere : FaultyFileOps::FailOne);
        const SlotBytes fresh = keepSame ? nextDay() : newSlot;
        const bool saved = store.save(fresh, keepSame ? SlotStore::SameFiles::Keep : SlotStore::SameFiles::Rewrite);
        // A save that reports success really is on disk; one that reports
        // failure left the old one, or, killed after its last step, the new.
        const QString found = slotOnDisk(dir.path(), fresh);
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

    // A save that keeps what is already on disk writes only what changed.
    void keptFilesAreNotWritten()
    {
        QTemporaryDir dir;
        FaultyFileOps files;
        SlotStore store(files, dir.path());
        QVERIFY(store.save(oldSlot));
        files.failOn(QStringLiteral("write kotoba0.dat.new"));
        QVERIFY(store.save(nextDay(), SlotStore::SameFiles::Keep));
        QCOMPARE(slotOnDisk(dir.path(), nextDay()), "new");
        QVERIFY(!store.save(newSlot, SlotStore::SameFiles::Keep));
        QVERIFY(!store.save(nextDay()));
        QCOMPARE(slotOnDisk(dir.path(), nextDay()), "new");
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

    // Whatever lies in the folder under a name of the slot, and whichever
    // operation keeps failing there, Save and Load either work or say what
    // stops them and return at once; the cause gone, the next Save leaves a
    // whole slot and nothing of its own behind.
    void oddFilesNeverJam_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<Planted>("kind");
        QTest::addColumn<QByteArray>("bytes");   // of a planted file
        QTest::addColumn<QString>("failing");    // an operation failing each time
        QTest::addColumn<QString>("loadError");  // after the folder's path; empty: the old slot loads
        QTest::addColumn<QString>("saveError");  // empty: the new slot is saved
        QTest::addColumn<bool>("stays");         // what was planted is still there after the save
        const QString folder = QStringLiteral("kotoba0.dat: is a folder, not a file");
        const QString pipe = QStringLiteral("str.dat: is a named pipe, not a file");
        const QString link = QStringLiteral("lst.dat: is a symbolic link, not a file");
        const QString none;
        const auto row = [](const char *rowName, const char *name, Planted kind, const QByteArray &bytes,
                            const QString &failing, const QString &loadError, const QString &saveError, bool stays) {
            QTest::newRow(rowName) << QString::fromLatin1(name) << kind << bytes << failing << loadError << saveError << stays;
        };
        row("a folder for a word file", "kotoba0.dat", Planted::Folder, {}, none, folder, folder, false);
        row("a pipe for the status", "str.dat", Planted::Pipe, {}, none, pipe, pipe, false);
        row("a link for the items", "lst.dat", Planted::Link, {}, none, link, link, false);
        row("a folder for an old copy", "kotoba0.dat.old", Planted::Folder, {}, none, none, none, true);
        row("a pipe for a new copy", "str.dat.new", Planted::Pipe, {}, none, none, none, true);
        row("a folder for the journal", "save.journal", Planted::Folder, {}, none, none, none, true);
        row("a link for the journal's own new copy", "save.journal.new", Planted::Link, {}, none, none, none, true);
        row("a garbage journal", "save.journal", Planted::File, "\x01\xff garbage", none, none, none, false);
        row("a journal naming a stranger", "save.journal", Planted::File, "commit\nkotoba9.dat", none, none, none, false);
        row("a journal that cannot be removed", "save.journal", Planted::File, "rollback\n", "remove save.journal", none,
            none, true);
        row("an old copy that cannot be removed", "kotoba0.dat.old", Planted::File, "x", "remove kotoba0.dat.old", none,
            none, true);
        const QString failed = QStringLiteral(": ") + qt_error_string(EIO);
        row("a journal that cannot be read", "save.journal", Planted::File, "commit", "read save.journal",
            "save.journal" + failed, "save.journal" + failed, false);
        row("the move's rename fails", "", Planted::File, {}, "rename lstmoney.dat", none, "lstmoney.dat" + failed, false);
        row("the disk is full", "", Planted::File, {}, "write kotoba1.dat.new", none,
            "kotoba1.dat.new: " + qt_error_string(ENOSPC), false);
    }
    void oddFilesNeverJam()
    {
        QFETCH(QString, name);
        QFETCH(Planted, kind);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, failing);
        QFETCH(QString, loadError);
        QFETCH(QString, saveError);
        QFETCH(bool, stays);
        QTemporaryDir dir, elsewhere;
        const QString folder = dir.path() + QLatin1Char('/');
        FaultyFileOps files;
        SlotStore store(files, dir.path());
        QVERIFY(store.save(oldSlot));
        if (!name.isEmpty())
            QVERIFY(plant(folder + name, kind, bytes, elsewhere.filePath(QStringLiteral("target"))));
        QVERIFY(DiskFileOps().write(elsewhere.filePath(QStringLiteral("target")), oldSlot[slotfiles::Items]));
        files.failOn(failing);

        const auto loaded = store.load();
        QCOMPARE(store.lastError(), loadError.isEmpty() ? QString() : folder + loadError);
        QVERIFY(loadError.isEmpty() ? loaded == oldSlot : !loaded);
        QCOMPARE(store.save(newSlot), saveError.isEmpty());
        QCOMPARE(store.lastError(), saveError.isEmpty() ? QString() : folder + saveError);
        if (!saveError.isEmpty()) {
            QVERIFY(store.load() ? loadError.isEmpty() : !loadError.isEmpty());
            // The player removes what was planted, or the disk recovers.
            files.failOn(QString());
            if (!name.isEmpty() && kind != Planted::File)
                QVERIFY(kind == Planted::Folder ? QDir(folder + name).removeRecursively() : QFile::remove(folder + name));
            QVERIFY2(store.save(newSlot), qPrintable(store.lastError()));
        }
        QStringList expected = slotFileNames;
        if (stays)
            expected << name;
        expected.sort();
        QCOMPARE(entriesIn(dir.path()), expected);
        QCOMPARE(store.load(), std::optional(newSlot));
    }

    // A load with nothing saved says so; a journal that will finish a first
    // save counts as a slot.
    void hasSlot_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<bool>("found");
        QTest::newRow("nothing") << QStringList() << false;
        QTest::newRow("one file of six") << QStringList{"lstmoney.dat"} << true;
        QTest::newRow("a first save to finish") << QStringList{"save.journal:commit", "kotoba0.dat.new"} << true;
        QTest::newRow("a first save to undo") << QStringList{"save.journal:rollback", "kotoba0.dat.new"} << false;
        QTest::newRow("another set's first save") << QStringList{"save.journal2:commit", "kotoba0.dat.new2"} << true;
    }
    void hasSlot()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, found);
        QTemporaryDir dir;
        for (const QString &file : files) { // "name:content"
            const QString name = file.section(QLatin1Char(':'), 0, 0);
            QVERIFY(DiskFileOps().write(dir.filePath(name), file.section(QLatin1Char(':'), 1).toLatin1()));
        }
        DiskFileOps disk;
        SlotStore store(disk, dir.path());
        QCOMPARE(store.hasSlot(), found);
        QVERIFY(!store.load()); // none of them is a whole slot
        QCOMPARE(store.lastError() == dir.path() + QStringLiteral("/: no saved game"), !found);
        QCOMPARE(store.hasSlot(), found);
    }

    // A folder that is not a full path would put the slot wherever the game
    // was started: nothing is written, and the reason is given.
    void relativeFolderIsRefused()
    {
        QTemporaryDir dir;
        const QString started = QDir::currentPath();
        QVERIFY(QDir::setCurrent(dir.path()));
        for (const QString &folder : {QString(), QStringLiteral("save")}) {
            DiskFileOps disk;
            SlotStore store(disk, folder);
            QVERIFY(!store.save(newSlot) && !store.load() && !store.hasSlot());
            QCOMPARE(store.lastError(), QStringLiteral("no folder for the save: \"%1\" is not an absolute path").arg(folder));
        }
        QDir::setCurrent(started);
        QCOMPARE(entriesIn(dir.path()), QStringList());
    }

    // The file layer on its own: each operation on what may lie at "x", and
    // the line a refusal leaves. Only files are read, replaced or removed,
    // and what is not a file stays as it was.
    void diskOperations_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<Planted>("kind"); // at "x"
        QTest::addColumn<QString>("error"); // after the folder; empty: done
        const auto row = [](const char *name, const char *operation, Planted kind, const QString &error) {
            QTest::newRow(name) << QString::fromLatin1(operation) << kind << error;
        };
        row("read a file of exactly the limit", "read 3", Planted::File, "");
        row("read a file over the limit", "read 2", Planted::File, "x: larger than 2 bytes");
        row("write in a folder that is a file", "write x/y", Planted::File, "x/y: " + qt_error_string(ENOTDIR));
        row("remove a file", "remove", Planted::File, "");
        row("remove a folder", "remove", Planted::Folder, "x: is a folder, not a file");
        row("remove a link", "remove", Planted::Link, "x: is a symbolic link, not a file");
        row("rename onto a file", "rename", Planted::File, "");
        row("rename onto a folder", "rename", Planted::Folder, "x: is a folder, not a file");
        row("rename onto a link", "rename", Planted::Link, "x: is a symbolic link, not a file");
        row("rename onto a pipe", "rename", Planted::Pipe, "x: is a named pipe, not a file");
    }
    void diskOperations()
    {
        QFETCH(QString, operation);
        QFETCH(Planted, kind);
        QFETCH(QString, error);
        QTemporaryDir dir;
        const QString x = dir.filePath(QStringLiteral("x")), from = dir.filePath(QStringLiteral("from"));
        QVERIFY(plant(x, kind, "old", dir.filePath(QStringLiteral("target"))) && DiskFileOps().write(from, "new"));
        DiskFileOps disk;
        const QString verb = operation.section(u' ', 0, 0), argument = operation.section(u' ', 1);
        const bool done = verb == u"read"     ? disk.read(x, argument.toLongLong()) == QByteArray("old")
                          : verb == u"write"  ? disk.write(dir.filePath(argument), "y")
                          : verb == u"remove" ? disk.remove(x)
                                              : disk.rename(from, x);
        QCOMPARE(done, error.isEmpty());
        QCOMPARE(disk.lastError(), error.isEmpty() ? QString() : dir.filePath(error));
        if (!error.isEmpty())
            QCOMPARE(disk.entry(x), kind == Planted::File ? FileOps::Entry::File : FileOps::Entry::Other);
    }

    // Every file opened is closed again, whichever way the operation ends.
    void noFileStaysOpen()
    {
        QTemporaryDir dir;
        DiskFileOps disk;
        SlotStore store(disk, dir.path());
        const auto openFiles = [] { return QDir(QStringLiteral("/proc/self/fd")).count(); };
        const auto before = openFiles();
        QVERIFY(store.save(oldSlot) && store.load() && !disk.read(dir.filePath("kotoba0.dat"), 1));
        QCOMPARE(openFiles(), before);
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
