#include "xa/track_limits.h"

#include "platform/console.h"
#include "xa/track_messages.h"
#include "xa/wave_header.h"

bool CheckTrackRange(const TInputFile& file, std::int64_t offset, std::int64_t length) {
    // Both values come from 32-bit fields, so the sum cannot overflow.
    if (offset < 0 || length < 0 ||
        static_cast<std::uint64_t>(offset) + static_cast<std::uint64_t>(length) > file.Size) {
        PrintLine(kReadError);
        return false;
    }
    return true;
}

bool CheckDataSize(std::uint64_t dataSize) {
    if (dataSize > kMaxWaveDataSize) {
        PrintLine(kWriteError);
        return false;
    }
    return true;
}
