// Standard output: the converter's only report.
#pragma once

#include <string_view>

// Prepares standard output for a run: a closed pipe must fail a write, not end the process. Clears
// the failure that ConsoleFailed reports.
void PrepareConsole();

// Writes `text` and a line end.
void PrintLine(std::string_view text);

// Writes `text` without ending the line, pushed out at once so that it shows while the work that
// the line announces is done.
void PrintPartial(std::string_view text);

// True once any write to standard output has failed.
bool ConsoleFailed();
