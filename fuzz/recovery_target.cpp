// libFuzzer entry over the recovery file's reader: any bytes, as a file.
// Besides not crashing, what it reads must come back equal when written
// and read again.
#include "core/recoveryrecord.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::optional<RecoveryRecord> read = parseRecovery(QByteArrayView(data, qsizetype(size)));
    if (!read)
        return 0;
    const QByteArray written = formatRecovery(*read);
    const std::optional<RecoveryRecord> again = parseRecovery(written);
    if (written.isEmpty() || !again || !(*again == *read))
        std::abort();
    return 0;
}
