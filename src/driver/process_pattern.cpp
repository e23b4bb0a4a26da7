#include "driver/process_pattern.h"

#include "platform/console.h"
#include "platform/dir_search.h"
#include "platform/files.h"
#include "xa/convert_tracks.h"
#include "xa/xa_header.h"

#include <string>
#include <vector>

bool ProcessPattern(std::string_view spec) {
    std::vector<std::string> names;
    if (!FindMatches(spec, names) || names.empty()) {
        PrintLine("No matches for \"" + std::string(spec) + "\"");
        return false;
    }
    const std::string directory(DirectoryPart(spec));
    TXAHeader header; // reused for every match
    bool ok = true;
    for (const std::string& name : names) {
        const std::string path = directory + name;
        PrintLine(path);
        TInputFile file;
        if (!OpenInput(file, path)) {
            PrintLine("  not accessible");
            ok = false;
            continue;
        }
        if (!ReadXAHeader(file, header)) {
            PrintLine("  not a valid XA file");
            ok = false;
        } else if (!ConvertTracks(file, path, header)) {
            ok = false;
        }
        CloseInput(file);
    }
    return ok;
}
