// SPDX-FileCopyrightText: 2026 The もけもけ developers
// SPDX-License-Identifier: MIT

// Fuzzes the save slot's reader. The input is split into the six files at
// each record separator (0x1e); whatever it holds, reading must never crash, a
// refusal must say why, and a slot it accepts must write back to files that
// read as the same slot.

#include "slot/saveslot.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QList<QByteArray> parts =
        QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)).split('\x1e');
    SlotBytes files;
    for (int i = 0; i < slotfiles::count && i < parts.size(); ++i)
        files[i] = parts[i];
    const DecodedSlot decoded = decodeSlot(files);
    if (!decoded.slot && decoded.error.isEmpty())
        std::abort();
    const auto written = decoded.slot ? encodeSlot(*decoded.slot) : std::nullopt;
    if (decoded.slot && (!written || decodeSlot(*written).slot != decoded.slot))
        std::abort(); // what was read from cp932 must write back as the same slot
    return 0;
}
