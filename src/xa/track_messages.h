// The track-level lines, indented under their track's line.
#pragma once

#include <string_view>

inline constexpr std::string_view kReadError = "      read error";
inline constexpr std::string_view kWriteError = "      write error";
inline constexpr std::string_view kInvalidBlockSize = "      invalid block size ";
