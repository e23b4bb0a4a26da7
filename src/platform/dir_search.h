// Directory search: the files that match a path with wildcards in its last component.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The directory part of a file pattern: everything up to and including its last `/`, or
// the empty string (the current directory) when it has none. Used exactly as typed.
std::string_view DirectoryPart(std::string_view spec);

// Fills `names` with the names (without directory) of the entries that match `spec`, in ascending
// byte order, read completely before returning. Directories, also behind a symbolic link, and the
// `.` and `..` entries are never included; every other entry is. False when the directory cannot
// be read; then `names` is empty.
bool FindMatches(std::string_view spec, std::vector<std::string>& names);
