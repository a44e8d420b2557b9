// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The save slot's six files: their exact bytes, and every kind of damage a
// load must refuse.

#include "platform/cp932.h"
#include "testgame.h"

#include <QRandomGenerator>
#include <QTest>

using texts::u8;

namespace {
const QByteArray exampleLine = exampleSlotFiles()[slotfiles::Str];
} // namespace

class TestSaveSlot : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void wordsKeepEveryCharacter_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<QByteArray>("bytes"); // as cp932 stores it
        QTest::newRow("comma") << QStringLiteral("a,b") << QByteArray("a,b");
        QTest::newRow("double quotes") << QStringLiteral("\"x\"") << QByteArray("\"x\"");
        QTest::newRow("wave dash") << QStringLiteral("～") << QByteArray("\x81\x60");
        QTest::newRow("not") << QStringLiteral("￢") << QByteArray("\x81\xca");
        QTest::newRow("backslash, minus, parallel, cent, pound")
            << QStringLiteral("＼－∥￠￡") << QByteArray("\x81\x5f\x81\x7c\x81\x61\x81\x91\x81\x92");
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
        QVERIFY(decodeSlot(files).slot == slot);
    }

    // Every kind of damage is refused, and the limits still load and save
    // back the same.
    void loadChecksEveryFile_data()
    {
        QTest::addColumn<int>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("loads");
        const int str = slotfiles::Str;
        QTest::newRow("str.dat empty") << str << QByteArray() << false;
        QTest::newRow("29 fields") << str << QByteArray(exampleLine).replace(",\"tyu\"", "") << false;
        QTest::newRow("31 fields") << str << exampleStatusWith(30, "0,\"tyu\"") << false;
        QTest::newRow("two lines") << str << exampleLine + exampleLine << false;
        QTest::newRow("unquoted mode") << str << exampleStatusWith(30, "tyu") << false;
        QTest::newRow("half-quoted mode") << str << exampleStatusWith(30, "\"tyu") << false;
        QTest::newRow("quote inside the mode") << str << exampleStatusWith(30, "\"t\"yu\"") << false;
        QTest::newRow("a word for a number") << str << exampleStatusWith(2, "abc") << false;
        QTest::newRow("empty number") << str << exampleStatusWith(6, "") << false;
        QTest::newRow("plus sign") << str << exampleStatusWith(1, "+5") << false;
        QTest::newRow("leading space") << str << exampleStatusWith(1, " 5") << false;
        QTest::newRow("leading zero") << str << exampleStatusWith(6, "0100") << false;
        QTest::newRow("mood 501") << str << exampleStatusWith(1, "501") << false;
        QTest::newRow("mood -501") << str << exampleStatusWith(4, "-501") << false;
        QTest::newRow("negative pay") << str << exampleStatusWith(5, "-1") << false;
        QTest::newRow("pay beyond 16 bits") << str << exampleStatusWith(5, "32768") << false;
        QTest::newRow("money beyond 32 bits") << str << exampleStatusWith(6, "2147483648") << false;
        QTest::newRow("huge number") << str << exampleStatusWith(6, "99999999999999999999999") << false;
        QTest::newRow("day 101") << str << exampleStatusWith(7, "101") << false;
        QTest::newRow("word count 1") << str << exampleStatusWith(8, "1") << false;
        QTest::newRow("word count 5001") << str << exampleStatusWith(9, "5001") << false;
        QTest::newRow("word count beyond its file") << str << exampleStatusWith(10, "4") << false;
        QTest::newRow("slot 1") << str << exampleStatusWith(11, "1") << false;
        QTest::newRow("slot 5000") << str << exampleStatusWith(13, "5000") << false;
        QTest::newRow("box count 11") << str << exampleStatusWith(14, "11") << false;
        QTest::newRow("box count beyond the items") << str << exampleStatusWith(14, "2") << false;
        QTest::newRow("motion 3") << str << exampleStatusWith(15, "3") << false;
        QTest::newRow("odd face") << str << exampleStatusWith(16, "3") << false;
        QTest::newRow("face 10") << str << exampleStatusWith(16, "10") << false;
        QTest::newRow("word class 3") << str << exampleStatusWith(17, "3") << false;
        QTest::newRow("ending flag 2") << str << exampleStatusWith(18, "2") << false;
        QTest::newRow("option flag -1") << str << exampleStatusWith(29, "-1") << false;
        QTest::newRow("not cp932") << int(slotfiles::Kotoba1) << QByteArray("\xfd\xfd\r\n\r\n\r\n") << false;
        QTest::newRow("cut in a character") << int(slotfiles::Items) << QByteArray("\x82") << false;
        QTest::newRow("bare LF in a word") << int(slotfiles::Kotoba0) << QByteArray("a\nb\r\nc\r\n\r\n") << false;
        QTest::newRow("bare CR in a word") << int(slotfiles::Kotoba2) << QByteArray("a\rb\r\nc\r\nd\r\n\r\n") << false;
        QTest::newRow("too few word lines") << int(slotfiles::Kotoba0) << QByteArray("a\r\nb\r\n") << false;
        QTest::newRow("11 items") << int(slotfiles::Items) << QByteArray("x\r\n").repeated(11) << false;
        QTest::newRow("items without prices") << int(slotfiles::Items) << QByteArray("x\r\ny\r\n") << false;
        QTest::newRow("price not a number") << int(slotfiles::Prices) << QByteArray("abc\r\n") << false;
        QTest::newRow("negative price") << int(slotfiles::Prices) << QByteArray("-1\r\n") << false;
        QTest::newRow("price beyond 16 bits") << int(slotfiles::Prices) << QByteArray("32768\r\n") << false;
        QByteArray garbage(10 * 1024 * 1024, Qt::Uninitialized);
        QRandomGenerator generator(42);
        for (char &byte : garbage)
            byte = static_cast<char>(generator.bounded(256));
        QTest::newRow("10 MB of garbage") << int(slotfiles::Kotoba1) << garbage << false;
        QTest::newRow("limit: mood 500") << str << exampleStatusWith(1, "500") << true;
        QTest::newRow("limit: pay 32767") << str << exampleStatusWith(5, "32767") << true;
        QTest::newRow("limit: money 2147483647") << str << exampleStatusWith(6, "2147483647") << true;
        QTest::newRow("limit: day 100") << str << exampleStatusWith(7, "100") << true;
        QTest::newRow("limit: face 8") << str << exampleStatusWith(16, "8") << true;
        QTest::newRow("limit: word class 2") << str << exampleStatusWith(17, "2") << true;
        QTest::newRow("limit: title mode") << str << exampleStatusWith(30, "\"stop\"") << true;
    }
    void loadChecksEveryFile()
    {
        QFETCH(int, file);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, loads);
        SlotBytes files = exampleSlotFiles();
        files[file] = bytes;
        const DecodedSlot decoded = decodeSlot(files);
        QVERIFY2(bool(decoded.slot) == loads, qPrintable(decoded.error));
        if (loads)
            QCOMPARE(encodeSlot(*decoded.slot)->at(file), bytes);
        else
            QVERIFY(!decoded.error.isEmpty());
    }

    // What the game never writes is refused, and the reason names the file
    // and the fault; every scene the game can save in loads.
    void refusalSaysWhy_data()
    {
        QTest::addColumn<int>("file");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("status"); // str.dat, when not the example's
        QTest::addColumn<QString>("error");     // empty: the slot loads
        const QByteArray sameStatus;
        const int kotoba0 = slotfiles::Kotoba0, str = slotfiles::Str;
        const QByteArray nouns = exampleSlotFiles()[kotoba0];
        QTest::newRow("a word past the count") << kotoba0 << nouns + "yuki\r\n" << sameStatus
                                               << "kotoba0.dat: 4 lines for a word count of 2";
        QTest::newRow("NUL in a word") << int(slotfiles::Kotoba1) << QByteArray("yu\0ki\r\nb\r\n\r\n", 12) << sameStatus
                                       << "kotoba1.dat: line 1 holds the control character U+0000";
        QTest::newRow("tab in an item") << int(slotfiles::Items) << QByteArray("a\tb\r\n") << sameStatus
                                        << "lst.dat: line 1 holds the control character U+0009";
        QTest::newRow("delete in the last row") << kotoba0 << nouns.chopped(2) + "\x7f\r\n" << sameStatus
                                                << "kotoba0.dat: line 3 holds the control character U+007F";
        QTest::newRow("word slot past its count") << str << exampleStatusWith(12, "3") << sameStatus
                                                  << "str.dat: WordSlot(1) is 3, beyond WordCount(1) 2";
        const auto mode = [&](const char *name, const char *value, const char *error) {
            QTest::newRow(name) << str << exampleStatusWith(30, *cp932::encode(u8(value))) << sameStatus << error;
        };
        mode("unknown mode", "\"play\"", "str.dat: the scene mode \"play\" is no scene of the game");
        mode("empty mode", "\"\"", "str.dat: the scene mode \"\" is no scene of the game");
        mode("question 21", "\"21ivent\"", "str.dat: the scene mode \"21ivent\" is no scene of the game");
        mode("mode: the preview", "\"ugoki\"", "");
        mode("mode: a question announced", "\"situ\"", "");
        mode("mode: the first question", "\"0ivent\"", "");
        mode("mode: question 20", "\"20ivent\"", "");
        mode("mode: the last ending", "\"宇宙人下僕\"", "");
        // A word taught over the row after the last, as earlier versions did.
        QTest::newRow("a word in the last row") << kotoba0 << nouns.chopped(2) + "yuki\r\n" << sameStatus << "";
        QByteArray fullList = "a\r\nb\r\n" + QByteArray(200, 'w') + "\r\n";
        for (int i = 3; i < 5000; ++i)
            fullList += QByteArray::number(i) + "\r\n";
        QTest::newRow("a full list with a long word, wrapped round")
            << int(slotfiles::Kotoba2) << fullList + "\r\n" << QByteArray("10,-5,0,3,150,1000,3,2,2,5000,2,2,4999,1,0,2,1,0,0,0,0,0,0,0,1,0,0,1,1,\"tyu\"\r\n")
            << "";
    }
    void refusalSaysWhy()
    {
        QFETCH(int, file);
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, status);
        QFETCH(QString, error);
        SlotBytes files = exampleSlotFiles();
        files[file] = bytes;
        if (!status.isEmpty())
            files[slotfiles::Str] = status;
        const DecodedSlot decoded = decodeSlot(files);
        QCOMPARE(decoded.error, error);
        QCOMPARE(bool(decoded.slot), error.isEmpty());
        if (decoded.slot)
            QCOMPARE(*encodeSlot(*decoded.slot), files);
    }
};

QTEST_GUILESS_MAIN(TestSaveSlot)
#include "test_saveslot.moc"
