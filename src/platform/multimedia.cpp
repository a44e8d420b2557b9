// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "platform/multimedia.h"

void SilentSoundBackend::sendCommand(const QString &, QString *reply)
{
    if (reply)
        reply->clear();
}

void SilentSoundBackend::playWave(const QString &)
{
}
