// libFuzzer entry over the Glyphmux.ini reader: any bytes, as a file. Besides
// not crashing, what it reads must survive a save: written and read again,
// the map comes back equal and without a single note.
#include "core/glyphmuxini.h"
#include "core/glyphmuxinireader.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const ParsedGlyphmuxIni parsed = parseGlyphmuxIni(QByteArrayView(data, qsizetype(size)));
    const ParsedGlyphmuxIni again = parseGlyphmuxIni(encodeGlyphmuxIni(glyphmuxIniLines(parsed.map)));
    if (!again.isGlyphmuxIni || again.map != parsed.map || !again.notes.isEmpty())
        std::abort();
    return 0;
}
