// SPDX-License-Identifier: MIT
#pragma once

#include <set>
#include <string>

#include "base/file_io.h"

namespace stratavex::testing {

// The real disk, except that the k-th call of the file routines fails with a
// chosen errno. Installed for its lifetime.
class FaultyDisk : public FileSystem {
public:
    enum class Kind {
        open,
        openFolder,
        makeTemporary,
        changeMode,
        read,
        status,
        write,
        sync,
        close,
        rename,
        unlink
    };

    FaultyDisk(int failAt, int error);
    ~FaultyDisk() override;
    FaultyDisk(const FaultyDisk&) = delete;
    FaultyDisk& operator=(const FaultyDisk&) = delete;

    int open(const char* path, int flags, unsigned mode) override;
    int makeTemporary(char* name, int flags) override;
    int changeMode(int fd, unsigned mode) override;
    long read(int fd, void* buffer, std::size_t size) override;
    int status(int fd, struct stat* info) override;
    long write(int fd, const void* bytes, std::size_t size) override;
    int sync(int fd) override;
    int close(int fd) override;
    int rename(const char* from, const char* to) override;
    int unlink(const char* path) override;

    // Calls made so far.
    int calls() const { return calls_; }
    bool faulted() const { return faulted_; }
    // What the failed call was, and whether it touched a file being written
    // (a temporary file) or a folder.
    Kind faultKind() const { return faultKind_; }
    bool faultOnWrittenFile() const { return faultOnWritten_; }
    bool faultOnFolder() const { return faultOnFolder_; }
    // Renames done before the failure.
    int renamesBeforeFault() const { return renamesBeforeFault_; }
    // A flush that failed was asked for again on the same file.
    bool syncRetried() const { return syncRetried_; }

private:
    // True when this call is the one to fail; errno is then set.
    bool failsNow(Kind kind, int fd);

    int failAt_;
    int error_;
    int calls_ = 0;
    int renames_ = 0;
    bool faulted_ = false;
    Kind faultKind_ = Kind::open;
    bool faultOnWritten_ = false;
    bool faultOnFolder_ = false;
    int renamesBeforeFault_ = 0;
    int failedSyncFd_ = -1;
    bool syncRetried_ = false;
    std::set<int> written_;
    std::set<int> folders_;
};

} // namespace stratavex::testing
