#include "xa/pcm_track.h"

#include "platform/console.h"
#include "xa/byte_order.h"
#include "xa/track_limits.h"
#include "xa/track_messages.h"
#include "xa/wave_header.h"

bool ReadPcmTrack(TInputFile& file, const TXAHeader& header, TSamples& samples, int track) {
    // Whole 16-bit values only: an odd last byte is not part of any sample.
    const std::uint64_t count = header.TrackSize[track] / 2;
    const std::uint64_t dataSize = count * 2;
    if (!CheckTrackRange(file, header.TrackOffset[track], static_cast<std::int64_t>(dataSize)) ||
        !CheckDataSize(dataSize)) {
        return false;
    }
    if (!samples.Allocate(count)) {
        PrintLine(kReadError);
        return false;
    }
    const auto bytes = std::as_writable_bytes(samples.View());
    if (!ReadInput(file, static_cast<std::uint64_t>(header.TrackOffset[track]),
                   {reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size()})) {
        PrintLine(kReadError);
        return false;
    }
    SwapToLittleEndian(samples.View()); // the file's order into the host's
    SetWaveFormat(WaveHeader, header, static_cast<std::uint32_t>(dataSize));
    return true;
}
