// File access: input files opened for reading, and output files that appear under their name only
// once they are complete.
#pragma once

#include <cstdint>
#include <span>
#include <string>

// An input file, open for reading only. Closed by CloseInput or when the holder ends.
struct TInputFile {
    int Fd = -1;
    std::uint64_t Size = 0; // length in bytes when it was opened

    TInputFile() = default;
    TInputFile(const TInputFile&) = delete;
    TInputFile& operator=(const TInputFile&) = delete;
    ~TInputFile();
};

// Opens the regular file at `path` (a link to one is fine) for reading. Never blocks: a FIFO,
// socket, device or anything else that is not a regular file is refused.
bool OpenInput(TInputFile& file, const std::string& path);
void CloseInput(TInputFile& file);

// Reads exactly buffer.size() bytes from byte `offset`. False on failure or when the file ends
// first.
bool ReadInput(TInputFile& file, std::uint64_t offset, std::span<std::uint8_t> buffer);

// An output file under construction. It is written to a temporary file beside its final name and
// renamed over that name by CommitOutput; until then the final name is untouched. A holder that
// ends without a commit removes the temporary file, and so does a run ended by SIGINT, SIGTERM,
// SIGHUP or SIGQUIT.
struct TOutputFile {
    int Fd = -1;
    std::string TempPath;
    std::string FinalPath;

    TOutputFile() = default;
    TOutputFile(const TOutputFile&) = delete;
    TOutputFile& operator=(const TOutputFile&) = delete;
    ~TOutputFile();
};

// Creates the temporary file for an output that is to be named `path`.
bool CreateOutput(TOutputFile& file, const std::string& path);
// Writes all of `parts`, in order, at the current end of the file.
bool WriteOutput(TOutputFile& file, std::span<const std::span<const std::uint8_t>> parts);
// Closes the file and renames it to its final name, replacing any file there. On failure the
// temporary file is removed and the final name left as it was.
bool CommitOutput(TOutputFile& file);
// Closes and removes the temporary file, if there is one.
void DiscardOutput(TOutputFile& file);
