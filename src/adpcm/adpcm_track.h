// The track reader for IMA ADPCM tracks.
#pragma once

#include "platform/files.h"
#include "xa/samples.h"
#include "xa/xa_header.h"

// Reads and decodes track `track` of `file` into `samples` and sets WaveHeader for it. On failure
// prints the track-level line, leaves WaveHeader as it was and returns false.
bool ReadAdpcmTrack(TInputFile& file, const TXAHeader& header, TSamples& samples, int track);
