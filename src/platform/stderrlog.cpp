// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "platform/stderrlog.h"

#include <cstdio>

void warnOnStderr(const QString &line)
{
    const QByteArray text = "mokemoke: " + line.toLocal8Bit() + '\n';
    std::fputs(text.constData(), stderr);
}
