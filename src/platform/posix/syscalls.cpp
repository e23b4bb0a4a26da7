#include "platform/posix/syscalls.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace sys {

int Open(const char* path, int flags, mode_t mode) {
    return ::open(path, flags, mode);
}
int Close(int fd) {
    return ::close(fd);
}
int Fstat(int fd, struct stat* info) {
    return ::fstat(fd, info);
}
int Stat(const char* path, struct stat* info) {
    return ::stat(path, info);
}
int Lstat(const char* path, struct stat* info) {
    return ::lstat(path, info);
}
ssize_t Pread(int fd, void* buffer, size_t count, off_t offset) {
    return ::pread(fd, buffer, count, offset);
}
ssize_t Write(int fd, const void* buffer, size_t count) {
    return ::write(fd, buffer, count);
}
ssize_t Writev(int fd, const struct iovec* parts, int count) {
    return ::writev(fd, parts, count);
}
int Rename(const char* from, const char* to) {
    return ::rename(from, to);
}
int Unlink(const char* path) {
    return ::unlink(path);
}
DIR* OpenDir(const char* path) {
    return ::opendir(path);
}
struct dirent* ReadDir(DIR* dir) {
    errno = 0;
    return ::readdir(dir);
}
int CloseDir(DIR* dir) {
    return ::closedir(dir);
}

} // namespace sys
