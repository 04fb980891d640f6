// SPDX-License-Identifier: MIT
#include "support/faulty_disk.h"

#include <cerrno>

#include <fcntl.h>

namespace stratavex::testing {

FaultyDisk::FaultyDisk(int failAt, int error) : failAt_(failAt), error_(error) {
    useFileSystem(this);
}

FaultyDisk::~FaultyDisk() {
    useFileSystem(nullptr);
}

bool FaultyDisk::failsNow(Kind kind, int fd) {
    if (++calls_ != failAt_)
        return false;
    faulted_ = true;
    faultKind_ = kind;
    faultOnWritten_ = written_.count(fd) != 0;
    faultOnFolder_ = kind == Kind::openFolder || folders_.count(fd) != 0;
    renamesBeforeFault_ = renames_;
    errno = error_;
    return true;
}

int FaultyDisk::open(const char* path, int flags, unsigned mode) {
    const bool folder = (flags & O_DIRECTORY) != 0;
    if (failsNow(folder ? Kind::openFolder : Kind::open, -1))
        return -1;
    const int fd = posixFileSystem().open(path, flags, mode);
    if (fd >= 0 && folder)
        folders_.insert(fd);
    if (fd >= 0 && (flags & (O_WRONLY | O_RDWR)) != 0)
        written_.insert(fd);
    return fd;
}

int FaultyDisk::makeTemporary(char* name, int flags) {
    if (failsNow(Kind::makeTemporary, -1))
        return -1;
    const int fd = posixFileSystem().makeTemporary(name, flags);
    if (fd >= 0)
        written_.insert(fd);
    return fd;
}

int FaultyDisk::changeMode(int fd, unsigned mode) {
    return failsNow(Kind::changeMode, fd) ? -1 : posixFileSystem().changeMode(fd, mode);
}

long FaultyDisk::read(int fd, void* buffer, std::size_t size) {
    return failsNow(Kind::read, fd) ? -1 : posixFileSystem().read(fd, buffer, size);
}

int FaultyDisk::status(int fd, struct stat* info) {
    return failsNow(Kind::status, fd) ? -1 : posixFileSystem().status(fd, info);
}

long FaultyDisk::write(int fd, const void* bytes, std::size_t size) {
    return failsNow(Kind::write, fd) ? -1 : posixFileSystem().write(fd, bytes, size);
}

int FaultyDisk::sync(int fd) {
    if (fd == failedSyncFd_)
        syncRetried_ = true;
    if (failsNow(Kind::sync, fd)) {
        failedSyncFd_ = fd;
        return -1;
    }
    return posixFileSystem().sync(fd);
}

int FaultyDisk::close(int fd) {
    const bool fails = failsNow(Kind::close, fd);
    // A failed close still releases the descriptor, as on Linux.
    posixFileSystem().close(fd);
    written_.erase(fd);
    folders_.erase(fd);
    if (fd == failedSyncFd_)
        failedSyncFd_ = -1;
    if (fails)
        errno = error_;
    return fails ? -1 : 0;
}

int FaultyDisk::rename(const char* from, const char* to) {
    if (failsNow(Kind::rename, -1))
        return -1;
    const int result = posixFileSystem().rename(from, to);
    if (result == 0)
        ++renames_;
    return result;
}

int FaultyDisk::unlink(const char* path) {
    return failsNow(Kind::unlink, -1) ? -1 : posixFileSystem().unlink(path);
}

} // namespace stratavex::testing
