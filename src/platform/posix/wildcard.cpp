#include "platform/wildcard.h"

#include <cstddef>

namespace {

// Length of the character that starts at `at`: one byte and any continuation bytes after it.
std::size_t CharacterLength(std::string_view text, std::size_t at) {
    std::size_t end = at + 1;
    while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) {
        ++end;
    }
    return end - at;
}

} // namespace

bool MatchWildcard(std::string_view pattern, std::string_view name) {
    // Greedy matching that remembers only the last `*`: when the rest fails, that star takes one
    // more character. Each star is tried at most once per name position, so the cost stays
    // proportional to pattern length times name length.
    std::size_t p = 0;
    std::size_t n = 0;
    std::size_t starPattern = std::string_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            starPattern = ++p;
            starName = n;
        } else if (p < pattern.size() && pattern[p] == '?') {
            ++p;
            n += CharacterLength(name, n);
        } else if (p < pattern.size() && pattern[p] == name[n]) {
            ++p;
            ++n;
        } else if (starPattern != std::string_view::npos) {
            starName += CharacterLength(name, starName);
            p = starPattern;
            n = starName;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') {
        ++p;
    }
    return p == pattern.size();
}

bool HasWildcards(std::string_view pattern) {
    return pattern.find_first_of("*?") != std::string_view::npos;
}
