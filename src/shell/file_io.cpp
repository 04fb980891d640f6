// SPDX-License-Identifier: MIT
#include "shell/file_io.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace stratavex {

namespace {

FileResult failure(int error) {
    return FileResult{false, error, std::strerror(error)};
}

FileResult lastFailure() {
    return failure(errno);
}

// Closes a descriptor once, whatever way the function that owns it ends.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now, so that a failing close can be reported.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    if (slash == 0)
        return "/";
    return path.substr(0, slash);
}

std::string baseNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The mode an ordinary new file would get: read-write for the owner, readable by all,
// less what the user's umask takes away.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0644 & ~mask);
}

// A directory entry is only durable once its folder is flushed; folders that
// cannot be flushed are left as they are, since the file is already in place.
void syncFolder(const std::string& folder) {
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.valid())
        ::fsync(dir.get());
}

} // namespace

FileResult readWholeFile(const std::string& path, std::string& contents) {
    contents.clear();
    Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.valid())
        return lastFailure();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const FileResult result = lastFailure();
            contents.clear();
            return result;
        }
        if (n == 0)
            break;
        contents.append(buffer, static_cast<std::size_t>(n));
    }
    return {};
}

FileResult saveFileAtomically(const std::string& path, std::string_view contents) {
    const std::string folder = folderOf(path);
    std::string temp = folder + "/." + baseNameOf(path) + ".XXXXXX";
    Descriptor file(::mkostemp(temp.data(), O_CLOEXEC));
    if (!file.valid())
        return lastFailure();

    const auto abandon = [&temp](int error) {
        ::unlink(temp.c_str());
        return failure(error);
    };
    if (::fchmod(file.get(), newFileMode()) != 0 || !writeAll(file.get(), contents) ||
        ::fsync(file.get()) != 0)
        return abandon(errno);
    if (!file.close())
        return abandon(errno);
    if (::rename(temp.c_str(), path.c_str()) != 0)
        return abandon(errno);
    syncFolder(folder);
    return {};
}

FileResult appendToFile(const std::string& path, std::string_view bytes) {
    Descriptor file(::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644));
    if (!file.valid())
        return lastFailure();
    // One write keeps a line whole in the file; writeAll only loops on a short write.
    if (!writeAll(file.get(), bytes))
        return lastFailure();
    if (!file.close())
        return lastFailure();
    return {};
}

FileResult truncateFile(const std::string& path) {
    Descriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (!file.valid())
        return lastFailure();
    if (!file.close())
        return lastFailure();
    return {};
}

} // namespace stratavex
