// The save slot's six files: their exact bytes, and every kind of damage a
// load must refuse.

#include "persistence/saveslot.h"
#include "testgame.h"

#include <QRandomGenerator>
#include <QTest>

namespace {
const QByteArray exampleLine = exampleSlotFiles()[slotfiles::Str];
} // namespace

class TestSaveSlot : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exampleSlotLoadsAndSavesBackIdentical()
    {
        const DecodedSlot decoded = decodeSlot(exampleSlotFiles());
        QVERIFY2(decoded.slot, qPrintable(decoded.error));
        const SaveSlot &slot = *decoded.slot;
        QCOMPARE(slot.mood, (std::array<qint16, 4>{10, -5, 0, 3}));
        QCOMPARE(slot.money, 1000);
        QCOMPARE(slot.wordCount, (std::array<qint16, 3>{2, 2, 3}));
        QCOMPARE(slot.wordSlot, (std::array<qint16, 3>{2, 2, 3}));
        QCOMPARE(slot.face, 2);
        QCOMPARE(slot.wordKind, 1);
        QCOMPARE(slot.option, (std::array<bool, 5>{true, false, false, true, true}));
        QCOMPARE(slot.sceneMode, QStringLiteral("tyu"));
        QCOMPARE(slot.words[2].last(), QString()); // the trailing empty row is a row
        QCOMPARE(*encodeSlot(slot), exampleSlotFiles());
    }

    void wordsKeepEveryCharacter_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QByteArray>("bytes"); // as cp932 stores it
        QTest::newRow("comma") << QStringLiteral("a,b") << QByteArray("a,b");
        QTest::newRow("double quotes") << QStringLiteral("\"x\"") << QByteArray("\"x\"");
        QTest::newRow("wave dash") << QStringLiteral("～") << QByteArray("\x81\x60");
        QTest::newRow("full-width reverse solidus") << QStringLiteral("＼") << QByteArray("\x81\x5f");
        QTest::newRow("full-width hyphen-minus") << QStringLiteral("－") << QByteArray("\x81\x7c");
        QTest::newRow("parallel to") << QStringLiteral("∥") << QByteArray("\x81\x61");
        QTest::newRow("cent") << QStringLiteral("￠") << QByteArray("\x81\x91");
        QTest::newRow("pound") << QStringLiteral("￡") << QByteArray("\x81\x92");
        QTest::newRow("not") << QStringLiteral("￢") << QByteArray("\x81\xca");
        QTest::newRow("NEC circled one") << QStringLiteral("①") << QByteArray("\x87\x40");
    }
    void wordsKeepEveryCharacter()
    {
        QFETCH(QString, word);
        QFETCH(QByteArray, bytes);
        SaveSlot slot = *decodeSlot(exampleSlotFiles()).slot;
        slot.words[0][1] = word;
        slot.items[0] = word;
        const SlotBytes files = *encodeSlot(slot);
        QVERIFY(files[slotfiles::Kotoba0].contains(bytes + "\r\n"));
        const DecodedSlot back = decodeSlot(files);
        QVERIFY2(back.slot, qPrintable(back.error));
        QCOMPARE(back.slot->words[0][1], word);
        QCOMPARE(back.slot->items[0], word);
    }

    void emptyBoxAndUnwritableText()
    {
        SaveSlot slot = *decodeSlot(exampleSlotFiles()).slot;
        slot.items.clear();
        slot.prices.clear();
        slot.boxCount = 0;
        const SlotBytes files = *encodeSlot(slot);
        QCOMPARE(files[slotfiles::Items] + files[slotfiles::Prices], QByteArray());
        QCOMPARE(decodeSlot(files).slot->items, QStringList());
        slot.words[1][0] = QStringLiteral("😀"); // no cp932 form
        QVERIFY(!encodeSlot(slot));
    }

    void damageIsRefused_data()
    {
        QTest::addColumn<int>("file");
        QTest::addColumn<QByteArray>("bytes");
        const int str = slotfiles::Str;
        QTest::newRow("str.dat empty") << str << QByteArray();
        QTest::newRow("29 fields") << str << QByteArray(exampleLine).replace(",\"tyu\"", "");
        QTest::newRow("31 fields") << str << exampleStatusWith(30, "0,\"tyu\"");
        QTest::newRow("two lines") << str << exampleLine + exampleLine;
        QTest::newRow("unquoted mode") << str << exampleStatusWith(30, "tyu");
        QTest::newRow("half-quoted mode") << str << exampleStatusWith(30, "\"tyu");
        QTest::newRow("quote inside the mode") << str << exampleStatusWith(30, "\"t\"yu\"");
        QTest::newRow("a word for a number") << str << exampleStatusWith(2, "abc");
        QTest::newRow("empty number") << str << exampleStatusWith(6, "");
        QTest::newRow("fraction") << str << exampleStatusWith(1, "1.5");
        QTest::newRow("plus sign") << str << exampleStatusWith(1, "+5");
        QTest::newRow("leading space") << str << exampleStatusWith(1, " 5");
        QTest::newRow("leading zero") << str << exampleStatusWith(6, "0100");
        QTest::newRow("mood 501") << str << exampleStatusWith(1, "501");
        QTest::newRow("mood -501") << str << exampleStatusWith(4, "-501");
        QTest::newRow("negative pay") << str << exampleStatusWith(5, "-1");
        QTest::newRow("pay beyond 16 bits") << str << exampleStatusWith(5, "32768");
        QTest::newRow("negative money") << str << exampleStatusWith(6, "-1");
        QTest::newRow("money beyond 32 bits") << str << exampleStatusWith(6, "2147483648");
        QTest::newRow("huge number") << str << exampleStatusWith(6, "99999999999999999999999");
        QTest::newRow("negative day") << str << exampleStatusWith(7, "-1");
        QTest::newRow("day 101") << str << exampleStatusWith(7, "101");
        QTest::newRow("word count 1") << str << exampleStatusWith(8, "1");
        QTest::newRow("word count 5001") << str << exampleStatusWith(9, "5001");
        QTest::newRow("word count beyond its file") << str << exampleStatusWith(10, "4");
        QTest::newRow("slot 1") << str << exampleStatusWith(11, "1");
        QTest::newRow("slot 5000") << str << exampleStatusWith(13, "5000");
        QTest::newRow("box count 11") << str << exampleStatusWith(14, "11");
        QTest::newRow("box count -1") << str << exampleStatusWith(14, "-1");
        QTest::newRow("box count beyond the items") << str << exampleStatusWith(14, "2");
        QTest::newRow("motion 3") << str << exampleStatusWith(15, "3");
        QTest::newRow("odd face") << str << exampleStatusWith(16, "3");
        QTest::newRow("face 10") << str << exampleStatusWith(16, "10");
        QTest::newRow("word class 3") << str << exampleStatusWith(17, "3");
        QTest::newRow("word class -1") << str << exampleStatusWith(17, "-1");
        QTest::newRow("ending flag 2") << str << exampleStatusWith(18, "2");
        QTest::newRow("option flag -1") << str << exampleStatusWith(29, "-1");
        QTest::newRow("not cp932") << int(slotfiles::Kotoba1) << QByteArray("\xfd\xfd\r\n\r\n\r\n");
        QTest::newRow("cut in a character") << int(slotfiles::Items) << QByteArray("\x82");
        QTest::newRow("bare LF in a word") << int(slotfiles::Kotoba0) << QByteArray("a\nb\r\nc\r\n\r\n");
        QTest::newRow("bare CR in a word") << int(slotfiles::Kotoba2) << QByteArray("a\rb\r\nc\r\nd\r\n\r\n");
        QTest::newRow("too few word lines") << int(slotfiles::Kotoba0) << QByteArray("a\r\nb\r\n");
        QTest::newRow("11 items") << int(slotfiles::Items) << QByteArray("x\r\n").repeated(11);
        QTest::newRow("items without prices") << int(slotfiles::Items) << QByteArray("x\r\ny\r\n");
        QTest::newRow("price not a number") << int(slotfiles::Prices) << QByteArray("abc\r\n");
        QTest::newRow("negative price") << int(slotfiles::Prices) << QByteArray("-1\r\n");
        QTest::newRow("price beyond 16 bits") << int(slotfiles::Prices) << QByteArray("32768\r\n");
        QByteArray garbage(10 * 1024 * 1024, Qt::Uninitialized);
        QRandomGenerator generator(42);
        for (char &byte : garbage)
            byte = static_cast<char>(generator.bounded(256));
        QTest::newRow("10 MB of garbage") << int(slotfiles::Kotoba1) << garbage;
    }
    void damageIsRefused()
    {
        QFETCH(int, file);
        QFETCH(QByteArray, bytes);
        SlotBytes files = exampleSlotFiles();
        files[file] = bytes;
        const DecodedSlot decoded = decodeSlot(files);
        QVERIFY(!decoded.slot);
        QVERIFY(!decoded.error.isEmpty());
    }

    void limitsThatStillLoad_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QByteArray>("value");
        QTest::newRow("mood 500") << 1 << QByteArray("500");
        QTest::newRow("mood -500") << 2 << QByteArray("-500");
        QTest::newRow("pay 32767") << 5 << QByteArray("32767");
        QTest::newRow("no money") << 6 << QByteArray("0");
        QTest::newRow("money 2147483647") << 6 << QByteArray("2147483647");
        QTest::newRow("day 100") << 7 << QByteArray("100");
        QTest::newRow("slot 4999") << 11 << QByteArray("4999");
        QTest::newRow("face 8") << 16 << QByteArray("8");
        QTest::newRow("word class 2") << 17 << QByteArray("2");
        QTest::newRow("title mode") << 30 << QByteArray("\"stop\"");
    }
    void limitsThatStillLoad()
    {
        QFETCH(int, field);
        QFETCH(QByteArray, value);
        SlotBytes files = exampleSlotFiles();
        files[slotfiles::Str] = exampleStatusWith(field, value);
        const DecodedSlot decoded = decodeSlot(files);
        QVERIFY2(decoded.slot, qPrintable(decoded.error));
        QCOMPARE(encodeSlot(*decoded.slot)->at(slotfiles::Str), files[slotfiles::Str]);
    }

    void longWordsAndAFullListLoad()
    {
        SlotBytes files = exampleSlotFiles();
        QByteArray words = "a\r\nb\r\n" + QByteArray(200, 'w') + "\r\n";
        for (int i = 3; i < 5000; ++i)
            words += QByteArray::number(i) + "\r\n";
        files[slotfiles::Kotoba2] = words + "\r\n";
        files[slotfiles::Str] = exampleStatusWith(10, "5000");
        const DecodedSlot decoded = decodeSlot(files);
        QVERIFY2(decoded.slot, qPrintable(decoded.error));
        QCOMPARE(decoded.slot->words[2].size(), 5001);
        QCOMPARE(decoded.slot->words[2][2].size(), 200);
    }
};

QTEST_GUILESS_MAIN(TestSaveSlot)
#include "test_saveslot.moc"
