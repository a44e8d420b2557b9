#include "platform/cp932.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace {

std::optional<QByteArray> convert(const char *to, const char *from, const QByteArray &in)
{
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::nullopt;
    std::vector<char> out(static_cast<size_t>(in.size()) * 4 + 16);
    char *inPtr = const_cast<char *>(in.constData());
    size_t inLeft = static_cast<size_t>(in.size());
    char *outPtr = out.data();
    size_t outLeft = out.size();
    const size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
    iconv_close(cd);
    if (result == static_cast<size_t>(-1) || inLeft != 0)
        return std::nullopt;
    return QByteArray(out.data(), static_cast<qsizetype>(out.size() - outLeft));
}

} // namespace

namespace cp932 {

std::optional<QByteArray> encode(const QString &text)
{
    // glibc's CP932 converter passes some characters through as a best match
    // (for example it accepts them but decodes them differently); only a
    // faithful round trip counts as encodable.
    auto bytes = convert("CP932", "UTF-8", text.toUtf8());
    if (!bytes)
        return std::nullopt;
    auto back = convert("UTF-8", "CP932", *bytes);
    if (!back || QString::fromUtf8(*back) != text)
        return std::nullopt;
    return bytes;
}

std::optional<QString> decode(const QByteArray &bytes)
{
    auto utf8 = convert("UTF-8", "CP932", bytes);
    if (!utf8)
        return std::nullopt;
    return QString::fromUtf8(*utf8);
}

bool canHold(const QString &text)
{
    return encode(text).has_value();
}

} // namespace cp932

QValidator::State Cp932Validator::validate(QString &input, int &) const
{
    if (input.contains(QLatin1Char('\n')) || input.contains(QLatin1Char('\r')))
        return Invalid;
    return cp932::canHold(input) ? Acceptable : Invalid;
}
