#include "adpcm/adpcm_track.h"

#include "adpcm/decoder.h"
#include "platform/console.h"
#include "platform/memory.h"
#include "xa/track_limits.h"
#include "xa/track_messages.h"
#include "xa/wave_header.h"

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
    TBuffer buffer;
    if (!AllocateBuffer(buffer, size) || !samples.Allocate(count)) {
        PrintLine(kReadError);
        return false;
    }
    const std::span<std::uint8_t> bytes(static_cast<std::uint8_t*>(buffer.Data), size);
    if (!ReadInput(file, static_cast<std::uint64_t>(header.TrackOffset[track]), bytes)) {
        PrintLine(kReadError);
        return false;
    }
    SetWaveFormat(WaveHeader, header, static_cast<std::uint32_t>(2 * count));
    DecodeAdpcmBlocks(bytes, samples.View(), header);
    return true;
}
