// The system calls that the platform layer makes, behind plain functions.
//
// The converter's own build links the implementation in posix/syscalls.cpp, which calls the kernel.
// A test build links another implementation of the same functions that can make chosen calls fail,
// so that every failure path above this layer can be exercised without virtual dispatch.
#pragma once

#include <cstddef>
#include <dirent.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <sys/uio.h>

namespace sys {

int Open(const char* path, int flags, mode_t mode);
int Close(int fd);
int Fstat(int fd, struct stat* info);
int Stat(const char* path, struct stat* info);
int Lstat(const char* path, struct stat* info);
ssize_t Pread(int fd, void* buffer, size_t count, off_t offset);
ssize_t Write(int fd, const void* buffer, size_t count);
ssize_t Writev(int fd, const struct iovec* parts, int count);
int Rename(const char* from, const char* to);
int Unlink(const char* path);
DIR* OpenDir(const char* path);
// Returns the next entry, or nullptr at the end or on failure; errno tells them apart (0 at the
// end).
struct dirent* ReadDir(DIR* dir);
int CloseDir(DIR* dir);

} // namespace sys
