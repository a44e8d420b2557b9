// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The six files of the save slot: plain cp932 lines for the words and the
// box, one comma-separated status line for everything else.

#include "slot/saveslot.h"

#include "slot/slotlimits.h"
#include "platform/cp932.h"

#include <QRegularExpression>

namespace {

std::optional<QByteArray> encodeLines(const QStringList &lines)
{
    qsizetype longest = 0;
    for (const QString &line : lines)
        longest += 2 * line.size() + 2;
    QByteArray bytes;
    bytes.reserve(longest);
    for (const QString &line : lines) {
        if (!cp932::appendEncoded(bytes, line))
            return std::nullopt;
        bytes.append("\r\n", 2);
    }
    return bytes;
}

// Splits a file into its lines. A last line without its CR LF still counts;
// a lone CR or LF inside a line does not belong in any file of the slot.
std::optional<QStringList> decodeLines(const QByteArray &bytes, QString &error)
{
    const auto text = cp932::decode(bytes);
    if (!text) {
        error = QStringLiteral("not cp932 text");
        return std::nullopt;
    }
    QStringList lines;
    const QChar *chars = text->constData();
    const qsizetype size = text->size();
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (chars[i] != u'\r' && chars[i] != u'\n')
            continue;
        if (chars[i] == u'\n' || i + 1 == size || chars[i + 1] != u'\n') {
            error = QStringLiteral("a line break other than CR LF");
            return std::nullopt;
        }
        lines << QString(chars + lineStart, i - lineStart);
        lineStart = ++i + 1;
    }
    if (lineStart < size)
        lines << QString(chars + lineStart, size - lineStart);
    return lines;
}

QString statusLine(const SaveSlot &slot)
{
    QList<qint64> numbers;
    for (qint16 mood : slot.mood)
        numbers << mood;
    numbers << slot.pay << slot.money << slot.day;
    for (qint16 count : slot.wordCount)
        numbers << count;
    for (qint16 position : slot.wordSlot)
        numbers << position;
    numbers << slot.boxCount << slot.moveKind << slot.face << slot.wordKind;
    for (bool seen : slot.endingSeen)
        numbers << (seen ? 1 : 0);
    for (bool checked : slot.option)
        numbers << (checked ? 1 : 0);
    QStringList fields;
    for (qint64 number : numbers)
        fields << QString::number(number);
    fields << QLatin1Char('"') + slot.sceneMode + QLatin1Char('"');
    return fields.join(QLatin1Char(','));
}

// A whole number as the game writes it: an optional minus sign and digits,
// without leading zeros, spaces or a plus sign.
std::optional<qint64> parseWholeNumber(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^(0|-?[1-9][0-9]{0,17})$"));
    if (!form.match(text).hasMatch())
        return std::nullopt;
    return text.toLongLong();
}

struct StatusFields
{
    std::array<qint64, slotlimits::fieldCount - 1> number{};
    QString sceneMode;
};

std::optional<StatusFields> parseStatus(const QStringList &lines, QString &error)
{
    if (lines.size() != 1) {
        error = QStringLiteral("str.dat: expected one line, found %1").arg(lines.size());
        return std::nullopt;
    }
    const QStringList fields = lines.first().split(QLatin1Char(','));
    if (fields.size() != slotlimits::fieldCount) {
        error = QStringLiteral("str.dat: expected %1 fields, found %2").arg(slotlimits::fieldCount).arg(fields.size());
        return std::nullopt;
    }
    StatusFields status;
    for (int i = 0; i < slotlimits::fieldCount - 1; ++i) {
        const slotlimits::Field &limit = slotlimits::numericFields[i];
        const auto value = parseWholeNumber(fields[i]);
        if (!value || *value < limit.min || *value > limit.max) {
            error = QStringLiteral("str.dat: %1 is \"%2\", not a whole number %3..%4")
                        .arg(QLatin1String(limit.name), fields[i].left(20))
                        .arg(limit.min)
                        .arg(limit.max);
            return std::nullopt;
        }
        status.number[i] = *value;
    }
    const QString &mode = fields.last();
    if (mode.size() < 2 || !mode.startsWith(QLatin1Char('"')) || !mode.endsWith(QLatin1Char('"'))
        || QStringView(mode).mid(1, mode.size() - 2).contains(QLatin1Char('"'))) {
        error = QStringLiteral("str.dat: the scene mode is not a quoted text");
        return std::nullopt;
    }
    status.sceneMode = mode.mid(1, mode.size() - 2);
    if (!isSceneMode(status.sceneMode)) {
        error = QStringLiteral("str.dat: the scene mode \"%1\" is no scene of the game").arg(status.sceneMode.left(20));
        return std::nullopt;
    }
    return status;
}

void fillFromStatus(SaveSlot &slot, const StatusFields &status)
{
    int i = 0;
    auto next = [&] { return status.number[i++]; };
    for (qint16 &mood : slot.mood)
        mood = static_cast<qint16>(next());
    slot.pay = static_cast<qint16>(next());
    slot.money = static_cast<qint32>(next());
    slot.day = static_cast<qint16>(next());
    for (qint16 &count : slot.wordCount)
        count = static_cast<qint16>(next());
    for (qint16 &position : slot.wordSlot)
        position = static_cast<qint16>(next());
    slot.boxCount = static_cast<qint16>(next());
    slot.moveKind = static_cast<qint16>(next());
    slot.face = static_cast<qint16>(next());
    slot.wordKind = static_cast<qint16>(next());
    for (bool &seen : slot.endingSeen)
        seen = next() == 1;
    for (bool &checked : slot.option)
        checked = next() == 1;
    slot.sceneMode = status.sceneMode;
}

// Where a line holds a character that no word or item has: NUL, a tab or
// any other control character. Empty when there is none.
QString controlCharacterIn(const QStringList &lines)
{
    for (qsizetype l = 0; l < lines.size(); ++l) {
        for (const QChar ch : lines[l]) {
            // The only controls cp932 has: C0 and DEL.
            if (ch.unicode() < 0x20 || ch.unicode() == 0x7f)
                return QStringLiteral("line %1 holds the control character U+%2")
                    .arg(l + 1)
                    .arg(QString::number(ch.unicode(), 16).rightJustified(4, u'0').toUpper());
        }
    }
    return QString();
}

// What the fields say must agree with the lists they describe.
QString checkAgreement(const SaveSlot &slot)
{
    if (!std::ranges::count(slotlimits::faces, slot.face))
        return QStringLiteral("str.dat: Face %1 is not 0, 2, 4, 6 or 8").arg(slot.face);
    for (int k = 0; k < 3; ++k) {
        // Each word, then the row after the last: normally empty, though a
        // word taught over that row by an earlier version stands there.
        const auto lines = slot.words[k].size();
        if (lines != slot.wordCount[k] + 1)
            return QStringLiteral("kotoba%1.dat: %2 lines for a word count of %3").arg(k).arg(lines).arg(slot.wordCount[k]);
        if (slot.wordSlot[k] > slot.wordCount[k])
            return QStringLiteral("str.dat: WordSlot(%1) is %2, beyond WordCount(%1) %3")
                .arg(k)
                .arg(slot.wordSlot[k])
                .arg(slot.wordCount[k]);
        const QString fault = controlCharacterIn(slot.words[k]);
        if (!fault.isEmpty())
            return QStringLiteral("kotoba%1.dat: %2").arg(k).arg(fault);
    }
    const QString itemFault = controlCharacterIn(slot.items);
    if (!itemFault.isEmpty())
        return QStringLiteral("lst.dat: ") + itemFault;
    if (slot.items.size() > slotlimits::boxSize)
        return QStringLiteral("lst.dat: %1 items, more than the box holds").arg(slot.items.size());
    if (slot.items.size() != slot.prices.size())
        return QStringLiteral("lst.dat and lstmoney.dat differ in length");
    if (slot.boxCount > slot.items.size())
        return QStringLiteral("str.dat: BoxCount %1 beyond the %2 items").arg(slot.boxCount).arg(slot.items.size());
    for (const QString &price : slot.prices) {
        const auto value = parseWholeNumber(price);
        if (!value || *value < 0 || *value > slotlimits::priceMax)
            return QStringLiteral("lstmoney.dat: the price \"%1\" is not a whole number 0..%2").arg(price.left(20)).arg(slotlimits::priceMax);
    }
    return QString();
}

} // namespace

std::optional<SlotBytes> encodeSlot(const SaveSlot &slot)
{
    SlotBytes files;
    const QStringList sources[] = {slot.words[0], slot.words[1], slot.words[2], slot.items, slot.prices,
                                   QStringList{statusLine(slot)}};
    for (int i = 0; i < slotfiles::count; ++i) {
        const auto bytes = encodeLines(sources[i]);
        if (!bytes)
            return std::nullopt;
        files[i] = *bytes;
    }
    return files;
}

DecodedSlot decodeSlot(const SlotBytes &files)
{
    std::array<QStringList, slotfiles::count> lines;
    for (int i = 0; i < slotfiles::count; ++i) {
        QString error;
        auto fileLines = decodeLines(files[i], error);
        if (!fileLines)
            return {std::nullopt, QLatin1String(slotfiles::names[i]) + QStringLiteral(": ") + error};
        lines[i] = std::move(*fileLines);
    }
    QString error;
    const auto status = parseStatus(lines[slotfiles::Str], error);
    if (!status)
        return {std::nullopt, error};

    SaveSlot slot;
    for (int k = 0; k < 3; ++k)
        slot.words[k] = lines[slotfiles::Kotoba0 + k];
    slot.items = lines[slotfiles::Items];
    slot.prices = lines[slotfiles::Prices];
    fillFromStatus(slot, *status);
    error = checkAgreement(slot);
    if (!error.isEmpty())
        return {std::nullopt, error};
    return {slot, QString()};
}
