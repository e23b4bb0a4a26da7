#include "platform/dir_search.h"

#include "platform/posix/syscalls.h"
#include "platform/wildcard.h"

#include <algorithm>
#include <cerrno>
#include <sys/stat.h>

namespace {

// Whether the entry at `path` is a directory, following symbolic links. An entry that cannot be
// examined (a dangling link, say) is not a directory: it is yielded, and opening it reports it.
bool IsDirectory(const std::string& path) {
    struct stat info {};
    return sys::Stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// RAII holder for an open directory stream.
struct TDirectory {
    DIR* Handle = nullptr;
    explicit TDirectory(DIR* handle) : Handle(handle) {}
    TDirectory(const TDirectory&) = delete;
    TDirectory& operator=(const TDirectory&) = delete;
    ~TDirectory() {
        if (Handle != nullptr) {
            sys::CloseDir(Handle);
        }
    }
};

} // namespace

std::string_view DirectoryPart(std::string_view spec) {
    const auto slash = spec.rfind('/');
    return slash == std::string_view::npos ? std::string_view() : spec.substr(0, slash + 1);
}

bool FindMatches(std::string_view spec, std::vector<std::string>& names) {
    names.clear();
    const std::string directory(DirectoryPart(spec));
    const std::string_view pattern = spec.substr(directory.size());
    if (pattern.empty()) {
        return true;
    }

    // A plain name is looked up directly, so that it is found even in a directory that may be
    // searched but not listed.
    if (!HasWildcards(pattern)) {
        const std::string path(spec);
        struct stat info {};
        if (sys::Lstat(path.c_str(), &info) == 0 && !IsDirectory(path)) {
            names.emplace_back(pattern);
        }
        return true;
    }

    TDirectory dir(sys::OpenDir(directory.empty() ? "." : directory.c_str()));
    if (dir.Handle == nullptr) {
        return false;
    }
    std::vector<std::string> found;
    while (const dirent* entry = sys::ReadDir(dir.Handle)) {
        const std::string_view name(entry->d_name);
        if (name == "." || name == ".." || !MatchWildcard(pattern, name)) {
            continue;
        }
        const bool directoryEntry =
            entry->d_type == DT_DIR || ((entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) &&
                                        IsDirectory(directory + std::string(name)));
        if (!directoryEntry) {
            found.emplace_back(name);
        }
    }
    if (errno != 0) {
        return false; // a listing that broke off is not passed on as if it were complete
    }
    std::sort(found.begin(), found.end());
    names = std::move(found);
    return true;
}
