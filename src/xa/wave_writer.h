// Writing one track's WAV file.
#pragma once

#include "xa/samples.h"
#include "xa/wave_header.h"

#include <string>

// The output name of a track: the input's match path, "#", the track number and ".wav".
std::string OutputName(const std::string& path, int track);

// Writes `wave` and then `samples` as little-endian 16-bit values into a file named `path`,
// replacing any file of that name only once the new one is complete. False on any failure, and
// then nothing under `path` has changed. The samples are left in little-endian order.
bool WriteWaveFile(const std::string& path, const TWaveHeader& wave, TSamples& samples);
