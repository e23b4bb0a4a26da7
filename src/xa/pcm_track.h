// The track reader for uncompressed tracks: 16-bit little-endian stereo PCM, taken over unchanged.
#pragma once

#include "platform/files.h"
#include "xa/samples.h"
#include "xa/xa_header.h"

// Reads track `track` of `file` into `samples` and sets WaveHeader for it. On failure prints the
// track-level line, leaves WaveHeader as it was and returns false.
bool ReadPcmTrack(TInputFile& file, const TXAHeader& header, TSamples& samples, int track);
