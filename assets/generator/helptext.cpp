// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// The in-game help is written in UTF-8 and shipped in cp932 with CR LF,
// because the game reads it as Shift-JIS text. Each line is converted on
// its own from the UTF-8 source: 0x5C can be the second byte of a cp932
// character, so the converted bytes are never scanned.

#include "assetgen.h"
#include "canvas.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <iconv.h>

namespace {

constexpr int kMaxLineBytes = 60;  // 30 full-width characters fit the message box
constexpr int kMaxPageLines = 12;

class Converter {
public:
    Converter() : cd(iconv_open("CP932", "UTF-8"))
    {
        if (cd == iconv_t(-1))
            throw AssetError("iconv cannot convert UTF-8 to CP932 on this system");
    }
    ~Converter() { iconv_close(cd); }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    QByteArray convert(const QByteArray &line, int number)
    {
        QByteArray out(line.size() * 2 + 8, '\0');
        char *in = const_cast<char *>(line.constData());
        char *to = out.data();
        size_t inLeft = size_t(line.size()), outLeft = size_t(out.size());
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        if (iconv(cd, &in, &inLeft, &to, &outLeft) == size_t(-1)) {
            const QString rest = QString::fromUtf8(in, int(inLeft));
            const QString bad = rest.left(rest.front().isHighSurrogate() ? 2 : 1);
            throw AssetError(QString("help.txt line %1: \"%2\" cannot be written in cp932: %3")
                                 .arg(number)
                                 .arg(bad, QString::fromUtf8(line))
                                 .toStdString());
        }
        out.truncate(int(out.size() - outLeft));
        return out;
    }

private:
    iconv_t cd;
};

QList<QByteArray> readLines(const QString &source)
{
    QFile file(source);
    if (!file.open(QIODevice::ReadOnly))
        throw AssetError("cannot read " + source.toStdString());
    QByteArray text = file.readAll();
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    QList<QByteArray> lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QByteArray &line : lines)
        if (line.endsWith('\r'))
            line.chop(1);
    return lines;
}

// Lines with '>' end a page; anything after the last one is never shown.
void checkPages(const QList<QByteArray> &lines, const QList<QByteArray> &converted)
{
    int lastBreak = -1, pageLines = 0;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].contains('>')) {
            lastBreak = i;
            pageLines = 0;
            continue;
        }
        if (converted[i].size() > kMaxLineBytes)
            std::fprintf(stderr, "assetgen: warning: help.txt line %d is wider than the message box\n", i + 1);
        if (++pageLines == kMaxPageLines + 1)
            std::fprintf(stderr, "assetgen: warning: help.txt page ending after line %d is too long\n", i + 1);
    }
    if (lastBreak != lines.size() - 1)
        throw AssetError("help.txt must end with a line containing '>'; later lines are never shown");
}

}  // namespace

void writeHelp(const QString &dir, const QString &source)
{
    const QList<QByteArray> lines = readLines(source);
    Converter converter;
    QList<QByteArray> converted;
    for (int i = 0; i < lines.size(); ++i)
        converted.append(converter.convert(lines[i], i + 1));
    checkPages(lines, converted);

    QByteArray out;
    for (const QByteArray &line : converted)
        out += line + "\r\n";
    const QString path = QDir(dir).filePath("help.txt");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size() || !file.commit())
        throw AssetError("cannot write " + path.toStdString());
}
