#include "xa/wave_writer.h"

#include "platform/files.h"
#include "xa/byte_order.h"

#include <array>

std::string OutputName(const std::string& path, int track) {
    return path + "#" + std::to_string(track) + ".wav";
}

bool WriteWaveFile(const std::string& path, const TWaveHeader& wave, TSamples& samples) {
    const auto headerBytes = SerializeWaveHeader(wave);
    SwapToLittleEndian(samples.View());
    const auto sampleBytes = std::as_bytes(samples.View());
    const std::array<std::span<const std::uint8_t>, 2> parts = {
        std::span<const std::uint8_t>(headerBytes),
        std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(sampleBytes.data()),
                                      sampleBytes.size())};
    TOutputFile output;
    return CreateOutput(output, path) && WriteOutput(output, parts) && CommitOutput(output);
}
