// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAudioFormat>
#include <QByteArray>
#include <QString>

#include <optional>

// A wave file's sound as an audio output takes it: the sample format and the
// frames, uncompressed. The game's music and effects are written as plain
// PCM, so no decoder (and no media framework) is needed to play them.
struct PcmWave
{
    QAudioFormat format;
    QByteArray frames; // whole frames only
};

// The sound in the bytes of a RIFF WAVE file of 8-, 16- or 32-bit integer
// PCM; nullopt for anything else, or when it holds no whole frame. A data
// chunk cut short by the end of the file keeps the frames that are there.
std::optional<PcmWave> parsePcmWave(const QByteArray &file);

// The same for the file at `path`; nullopt when it cannot be read either.
std::optional<PcmWave> readPcmWave(const QString &path);
