// The walk over the files that match one file pattern.
#pragma once

#include <string_view>

// Prints, checks and converts every file that matches `spec`. True when no failure line was
// printed.
bool ProcessPattern(std::string_view spec);
