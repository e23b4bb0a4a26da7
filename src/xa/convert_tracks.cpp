#include "xa/convert_tracks.h"

#include "adpcm/adpcm_track.h"
#include "platform/console.h"
#include "xa/pcm_track.h"
#include "xa/samples.h"
#include "xa/track_messages.h"
#include "xa/wave_header.h"
#include "xa/wave_writer.h"

namespace {

constexpr std::uint32_t kCompressionPcm = 0;
constexpr std::uint32_t kCompressionAdpcm = 1;

} // namespace

bool ConvertTracks(TInputFile& file, const std::string& path, const TXAHeader& header) {
    if (header.Compression != kCompressionPcm && header.Compression != kCompressionAdpcm) {
        PrintLine("  unknown compression type " +
                  std::to_string(static_cast<std::int32_t>(header.Compression)));
        return false;
    }
    bool ok = true;
    TSamples samples;
    for (int track = 0; track < kTrackCount; ++track) {
        PrintPartial("    track #" + std::to_string(track) + ": ");
        if (!TrackPresent(header, track)) {
            PrintLine("not present");
            continue;
        }
        PrintLine("present");
        samples.Release();
        const bool read = header.Compression == kCompressionPcm
                              ? ReadPcmTrack(file, header, samples, track)
                              : ReadAdpcmTrack(file, header, samples, track);
        if (!read) {
            ok = false; // the reader printed why; no output is written from a failed read
            continue;
        }
        if (!WriteWaveFile(OutputName(path, track), WaveHeader, samples)) {
            PrintLine(kWriteError);
            ok = false;
        }
    }
    return ok;
}
