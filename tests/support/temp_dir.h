// A fresh directory under the system's temporary directory, removed with everything in it when
// the holder ends.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TTempDir {
    std::string Path;

    TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;
    ~TTempDir();

    std::string operator/(const std::string& name) const { return Path + "/" + name; }
};

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);
std::vector<std::uint8_t> ReadBytes(const std::string& path);
// The names in `dir`, recursively ("sub/name"), in ascending order; directories as "sub/".
std::vector<std::string> ListTree(const std::string& dir);
