// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#include "sound/loopingpcm.h"

#include <algorithm>
#include <cstring>
#include <utility>

LoopingPcmDevice::LoopingPcmDevice(QByteArray frames, QObject *parent)
    : QIODevice(parent)
    , m_frames(std::move(frames))
{
    // Unbuffered: QIODevice would otherwise read ahead, and the position
    // would run ahead of what the sink has taken.
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

qint64 LoopingPcmDevice::bytesAvailable() const
{
    return m_frames.isEmpty() ? 0 : m_frames.size() + QIODevice::bytesAvailable();
}

qint64 LoopingPcmDevice::readData(char *data, qint64 maxSize)
{
    if (m_frames.isEmpty())
        return 0;
    qint64 done = 0;
    while (done < maxSize) {
        const qint64 run = std::min(maxSize - done, m_frames.size() - m_position);
        std::memcpy(data + done, m_frames.constData() + m_position, size_t(run));
        done += run;
        m_position = (m_position + run) % m_frames.size();
    }
    return done;
}
