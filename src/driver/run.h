// One run of the converter over its command-line arguments.
#pragma once

#include <span>
#include <string_view>

inline constexpr int kExitSuccess = 0; // every file and track converted
inline constexpr int kExitFailure = 1; // some failure line was printed, or the report was lost
inline constexpr int kExitUsage = 2;   // no file pattern given

// Handles every argument as a file pattern, in order, and returns the exit status.
int RunConverter(std::span<const std::string_view> specs);
