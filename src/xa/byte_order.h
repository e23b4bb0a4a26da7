// Little-endian loads and stores, byte by byte, independent of the host's byte order.
#pragma once

#include <bit>
#include <cstdint>
#include <span>

inline std::uint16_t LoadU16(const std::uint8_t* at) {
    return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

inline std::int16_t LoadI16(const std::uint8_t* at) {
    return static_cast<std::int16_t>(LoadU16(at));
}

inline std::uint32_t LoadU32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
           (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

inline void StoreU16(std::uint8_t* at, std::uint16_t value) {
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

inline void StoreU32(std::uint8_t* at, std::uint32_t value) {
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
    at[2] = static_cast<std::uint8_t>(value >> 16);
    at[3] = static_cast<std::uint8_t>(value >> 24);
}

// Converts 16-bit values between host order and little-endian, in place. Nothing to do on a
// little-endian host; the conversion is its own inverse.
inline void SwapToLittleEndian(std::span<std::int16_t> values) {
    if constexpr (std::endian::native == std::endian::big) {
        for (auto& value : values) {
            const auto bits = static_cast<std::uint16_t>(value);
            value = static_cast<std::int16_t>((bits >> 8) | (bits << 8));
        }
    }
}
