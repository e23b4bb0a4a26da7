// Wildcard matching of one file name against one pattern.
#pragma once

#include <string_view>

// True when `name` matches `pattern`: `*` matches any run of characters, the empty one too, dots
// included; `?` matches exactly one character; every other byte matches itself, case-sensitively.
// A character is one byte together with the UTF-8 continuation bytes that follow it.
bool MatchWildcard(std::string_view pattern, std::string_view name);

// True when `pattern` holds `*` or `?`.
bool HasWildcards(std::string_view pattern);
