// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QIODevice>

// Sound frames read round and round: a read that reaches the end of the
// frames goes on from their start within the same read, so the repeats of a
// tune join without a single missing or added sample. An audio sink pulls
// from it as from a stream that never ends. Each read hands out whole frames
// as long as it asks for whole frames.
class LoopingPcmDevice final : public QIODevice
{
public:
    explicit LoopingPcmDevice(QByteArray frames, QObject *parent = nullptr);

    bool isSequential() const override { return true; }
    // Never zero while there is sound: the stream has no end.
    qint64 bytesAvailable() const override;
    // Where the next read starts, in bytes from the start of the frames.
    qint64 loopPosition() const { return m_position; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    const QByteArray m_frames;
    qint64 m_position = 0;
};
