// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "view/helppages.h"

QStringList helpPages(const QString &text)
{
    const QString crlf = QStringLiteral("\r\n");
    QStringList lines = text.split(crlf);
    if (text.isEmpty() || text.endsWith(crlf))
        lines.removeLast(); // the file's last line break ends a line, it does not start one
    QStringList pages;
    QString page;
    for (QString line : lines) {
        if (line.contains(QLatin1Char('>'))) {
            pages << page;
            line.clear();
            page.clear();
        }
        page += crlf + line;
    }
    return pages;
}
