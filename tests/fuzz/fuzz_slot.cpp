// Fuzzes the save slot's reader. The input is split into the six files at
// each record separator (0x1e); whatever it holds, reading must never crash, and a slot it
// accepts must write back to files that read as the same slot.

#include "persistence/saveslot.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QList<QByteArray> parts = input.split('\x1e');
    SlotBytes files;
    for (int i = 0; i < slotfiles::count && i < parts.size(); ++i)
        files[i] = parts[i];
    const DecodedSlot decoded = decodeSlot(files);
    if (!decoded.slot) {
        if (decoded.error.isEmpty())
            std::abort(); // every refusal says why
        return 0;
    }
    const auto written = encodeSlot(*decoded.slot);
    if (!written)
        std::abort(); // what was read from cp932 must write back
    const DecodedSlot again = decodeSlot(*written);
    if (!again.slot || !(*again.slot == *decoded.slot))
        std::abort();
    return 0;
}
