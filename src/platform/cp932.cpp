// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "platform/cp932.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <vector>

namespace {

// glibc's converter is the authority on cp932; asking it once per code at
// first use and looking the answers up afterwards is many times faster than
// converting whole files through it, which a full save slot felt.
constexpr char16_t noCharacter = 0xFFFF; // never the decoding of a cp932 code
constexpr quint16 noCode = 0xFFFF;       // 0xFF is never a lead byte

bool isLeadByte(uchar byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

struct Tables
{
    std::vector<char16_t> toUnicode = std::vector<char16_t>(0x10000, noCharacter); // by code
    std::vector<quint16> toCode = std::vector<quint16>(0x10000, noCode);            // by UTF-16 unit
};

// One conversion through iconv; the output, or nothing when it fails.
std::optional<QByteArray> convertOne(iconv_t cd, const QByteArray &in)
{
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char out[8];
    char *inPtr = const_cast<char *>(in.constData());
    size_t inLeft = static_cast<size_t>(in.size());
    char *outPtr = out;
    size_t outLeft = sizeof out;
    if (iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft) == static_cast<size_t>(-1) || inLeft != 0)
        return std::nullopt;
    return QByteArray(out, static_cast<qsizetype>(sizeof out - outLeft));
}

QByteArray twoBytes(int first, int second)
{
    QByteArray bytes;
    bytes.append(char(first)).append(char(second));
    return bytes;
}

QByteArray codeBytes(int code)
{
    return code > 0xFF ? twoBytes(code >> 8, code & 0xFF) : QByteArray(1, char(code));
}

Tables buildTables()
{
    Tables tables;
    iconv_t decoder = iconv_open("UTF-16LE", "CP932");
    iconv_t encoder = iconv_open("CP932", "UTF-16LE");
    if (decoder == reinterpret_cast<iconv_t>(-1) || encoder == reinterpret_cast<iconv_t>(-1))
        return tables; // no converter: nothing encodes or decodes
    auto learn = [&](int code) {
        const auto unit = convertOne(decoder, codeBytes(code));
        if (unit && unit->size() == 2)
            tables.toUnicode[code] = char16_t(uchar(unit->at(0)) | uchar(unit->at(1)) << 8);
    };
    for (int byte = 0; byte <= 0xFF; ++byte) {
        if (!isLeadByte(uchar(byte)))
            learn(byte);
        else
            for (int trail = 0x40; trail <= 0xFC; ++trail)
                learn(byte << 8 | trail);
    }
    // Several codes may decode to one character: keep the one the converter
    // writes, and only if it reads back as that character.
    for (int code = 0; code <= 0xFFFF; ++code) {
        const char16_t unit = tables.toUnicode[code];
        if (unit == noCharacter || tables.toCode[unit] != noCode)
            continue;
        const auto bytes = convertOne(encoder, twoBytes(unit & 0xFF, unit >> 8));
        if (!bytes || bytes->isEmpty() || bytes->size() > 2)
            continue;
        const int written = bytes->size() == 2 ? uchar(bytes->at(0)) << 8 | uchar(bytes->at(1)) : uchar(bytes->at(0));
        if (tables.toUnicode[written] == unit)
            tables.toCode[unit] = static_cast<quint16>(written);
    }
    iconv_close(decoder);
    iconv_close(encoder);
    return tables;
}

const Tables &tables()
{
    static const Tables built = buildTables();
    return built;
}

} // namespace

namespace cp932 {

bool appendEncoded(QByteArray &bytes, QStringView text)
{
    const Tables &table = tables();
    const qsizetype start = bytes.size();
    bytes.resize(start + 2 * text.size());
    char *out = bytes.data() + start;
    for (const QChar ch : text) {
        const quint16 code = table.toCode[ch.unicode()];
        if (code == noCode) {
            bytes.truncate(start);
            return false;
        }
        if (code > 0xFF)
            *out++ = char(code >> 8);
        *out++ = char(code & 0xFF);
    }
    bytes.truncate(out - bytes.constData());
    return true;
}

std::optional<QByteArray> encode(const QString &text)
{
    QByteArray bytes;
    if (!appendEncoded(bytes, text))
        return std::nullopt;
    return bytes;
}

std::optional<QString> decode(const QByteArray &bytes)
{
    const Tables &table = tables();
    // Never more characters than bytes; written through the pointer, as a
    // full save slot's quarter of a megabyte decodes on every load.
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    const uchar *in = reinterpret_cast<const uchar *>(bytes.constData());
    const uchar *end = in + bytes.size();
    while (in != end) {
        int code = *in++;
        if (isLeadByte(uchar(code))) {
            if (in == end)
                return std::nullopt;
            code = code << 8 | *in++;
        }
        const char16_t unit = table.toUnicode[code];
        if (unit == noCharacter)
            return std::nullopt;
        *out++ = unit;
    }
    text.truncate(out - reinterpret_cast<const char16_t *>(text.constData()));
    return text;
}

bool canHold(const QString &text)
{
    return encode(text).has_value();
}

} // namespace cp932

QValidator::State Cp932Validator::validate(QString &input, int &pos) const
{
    // What was just typed or pasted ends at the cursor, and the text around
    // it held no line break before: a break up to the cursor came with the
    // new text, which keeps its first line only.
    const auto isBreak = [](QChar c) { return c == QLatin1Char('\n') || c == QLatin1Char('\r'); };
    const qsizetype cursor = qBound(qsizetype(0), qsizetype(pos), input.size());
    const qsizetype lineEnd = std::find_if(input.cbegin(), input.cbegin() + cursor, isBreak) - input.cbegin();
    if (lineEnd < cursor) {
        input.remove(lineEnd, cursor - lineEnd);
        pos = static_cast<int>(lineEnd);
    }
    // Tabs, NUL and other control characters: the reader refuses them all.
    if (std::ranges::any_of(input, [](QChar ch) { return ch.category() == QChar::Other_Control; }))
        return Invalid;
    return cp932::canHold(input) ? Acceptable : Invalid;
}
