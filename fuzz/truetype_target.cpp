// libFuzzer entry over the TrueType table reader: any bytes, as a file.
#include "fonts/truetypeparser.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const MemorySource source(QByteArrayView(data, qsizetype(size)));
    for (const bool validBefore : {false, true}) {
        const TrueType::FontTables tables = TrueType::readFontTables(source, validBefore);
        if (!tables.names)
            continue;
        for (std::uint16_t id = 0; id <= TrueType::LicenseId; ++id) {
            TrueType::nameString(*tables.names, id, 0x0409);
            TrueType::nameString(*tables.names, id, 0x0410);
        }
    }
    for (const std::uint16_t platform : {0, 1, 3})
        TrueType::decodeNameString(platform, QByteArrayView(data, qsizetype(size)));
    return 0;
}
