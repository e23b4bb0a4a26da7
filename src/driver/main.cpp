// xaconv: converts the tracks of XA sound files into 16-bit stereo WAV files.
//
// Usage: xaconv PATTERN...
// Each PATTERN is a path whose last component may hold the wildcards * and ?.

#include "driver/run.h"

#include <string_view>
#include <vector>

int main(int argc, char** argv) {
    const std::vector<std::string_view> specs(argv + (argc > 0 ? 1 : 0), argv + argc);
    return RunConverter(specs);
}
