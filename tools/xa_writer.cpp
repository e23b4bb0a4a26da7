#include "xa_writer.h"

namespace {

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

} // namespace

std::vector<std::uint8_t> XAHeaderBytes(const TXAFields& fields) {
    std::vector<std::uint8_t> out(fields.Magic.begin(), fields.Magic.end());
    Put32(out, fields.Reserved1);
    Put32(out, fields.SampleRate);
    Put32(out, fields.Compression);
    Put32(out, fields.TrackOffset[0]);
    Put32(out, fields.TrackOffset[1]);
    Put32(out, fields.TrackSize[0]);
    Put32(out, fields.TrackSize[1]);
    Put32(out, fields.Reserved2);
    Put32(out, fields.BlockSize);
    return out;
}

std::vector<std::uint8_t> MakeXAFile(TXAFields fields, std::span<const std::uint8_t> track0,
                                     std::span<const std::uint8_t> track1) {
    const std::span<const std::uint8_t> tracks[2] = {track0, track1};
    std::uint32_t offset = 40;
    for (int t = 0; t < 2; ++t) {
        fields.TrackOffset[t] = tracks[t].empty() ? 0 : offset;
        fields.TrackSize[t] = static_cast<std::uint32_t>(tracks[t].size());
        offset += static_cast<std::uint32_t>(tracks[t].size());
    }
    std::vector<std::uint8_t> out = XAHeaderBytes(fields);
    for (const auto track : tracks) {
        out.insert(out.end(), track.begin(), track.end());
    }
    return out;
}

std::vector<std::uint8_t> PcmBytes(std::span<const std::int16_t> samples) {
    std::vector<std::uint8_t> out;
    out.reserve(samples.size() * 2);
    for (const std::int16_t sample : samples) {
        const auto bits = static_cast<std::uint16_t>(sample);
        out.push_back(static_cast<std::uint8_t>(bits));
        out.push_back(static_cast<std::uint8_t>(bits >> 8));
    }
    return out;
}
