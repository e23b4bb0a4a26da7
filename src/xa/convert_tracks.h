// Converting the tracks of one valid XA file into WAV files.
#pragma once

#include "platform/files.h"
#include "xa/xa_header.h"

#include <string>

// Reports and converts both tracks of the open XA file `file`, whose match path is `path`. True
// when no failure line was printed.
bool ConvertTracks(TInputFile& file, const std::string& path, const TXAHeader& header);
