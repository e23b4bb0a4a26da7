// The checks a track reader makes before it allocates or reads anything.
#pragma once

#include "platform/files.h"

#include <cstdint>

// True when `length` bytes from byte `offset` lie inside `file`; otherwise prints the read error.
// A negative offset or length never does.
bool CheckTrackRange(const TInputFile& file, std::int64_t offset, std::int64_t length);

// True when `dataSize` bytes of samples fit into a WAV file; otherwise prints the write error.
bool CheckDataSize(std::uint64_t dataSize);
