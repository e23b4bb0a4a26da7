#include "adpcm/adpcm_track.h"

#include "adpcm/decoder.h"
#include "platform/console.h"
#include "xa/track_limits.h"
#include "xa/track_messages.h"
#include "xa/wave_header.h"

#include <memory>
#include <new>
#include <string>

bool ReadAdpcmTrack(TInputFile& file, const TXAHeader& header, TSamples& samples, int track) {
    if (!ValidBlockSize(header.BlockSize)) {
        PrintLine(std::string(kInvalidBlockSize) + std::to_string(header.BlockSize));
        return false;
    }
    const auto trackSize = static_cast<std::int32_t>(header.TrackSize[track]);
    if (!CheckTrackRange(file, header.TrackOffset[track], trackSize)) {
        return false;
    }
    const std::size_t blocks = static_cast<std::size_t>(trackSize) / header.BlockSize;
    const std::uint64_t count = blocks * ValuesPerBlock(header.BlockSize);
    if (!CheckDataSize(2 * count)) {
        return false;
    }
    const auto size = static_cast<std::size_t>(trackSize);
    std::unique_ptr<std::uint8_t[]> buffer(new (std::nothrow) std::uint8_t[size]);
    if (!buffer || !samples.Allocate(count)) {
        PrintLine(kReadError);
        return false;
    }
    if (!ReadInput(file, static_cast<std::uint64_t>(header.TrackOffset[track]),
                   {buffer.get(), size})) {
        PrintLine(kReadError);
        return false;
    }
    SetWaveFormat(WaveHeader, header, static_cast<std::uint32_t>(2 * count));
    DecodeAdpcmBlocks({buffer.get(), size}, samples.View(), header);
    return true;
}
