#include "xa/xa_header.h"

#include "xa/byte_order.h"

#include <algorithm>

namespace {

constexpr std::array<std::uint8_t, 4> kMagicText = {0x58, 0x41, 0x33, 0x30}; // "XA30"
constexpr std::array<std::uint8_t, 4> kMagicBinary = {0x65, 0x34, 0x78, 0x92};

} // namespace

TXAHeader ParseXAHeader(std::span<const std::uint8_t, kXAHeaderSize> bytes) {
    const std::uint8_t* at = bytes.data();
    TXAHeader header;
    std::copy_n(at, 4, header.Magic.begin());
    header.Reserved1 = LoadU32(at + 4);
    header.SampleRate = LoadU32(at + 8);
    header.Compression = LoadU32(at + 12);
    header.TrackOffset[0] = static_cast<std::int32_t>(LoadU32(at + 16));
    header.TrackOffset[1] = static_cast<std::int32_t>(LoadU32(at + 20));
    header.TrackSize[0] = LoadU32(at + 24);
    header.TrackSize[1] = LoadU32(at + 28);
    header.Reserved2 = LoadU32(at + 32);
    header.BlockSize = static_cast<std::int32_t>(LoadU32(at + 36));
    return header;
}

bool IsXAMagic(std::span<const std::uint8_t, 4> magic) {
    return std::equal(magic.begin(), magic.end(), kMagicText.begin()) ||
           std::equal(magic.begin(), magic.end(), kMagicBinary.begin());
}

bool ReadXAHeader(TInputFile& file, TXAHeader& header) {
    std::array<std::uint8_t, kXAHeaderSize> bytes{};
    if (!ReadInput(file, 0, bytes)) {
        return false; // shorter than a header, or unreadable
    }
    header = ParseXAHeader(bytes);
    return IsXAMagic(header.Magic);
}

bool TrackPresent(const TXAHeader& header, int track) {
    return header.TrackOffset[track] != 0 && header.TrackSize[track] != 0;
}
