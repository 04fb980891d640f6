// SPDX-License-Identifier: MIT
#include "base/file_io.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace stratavex {

namespace {

class PosixFileSystem : public FileSystem {
public:
    int open(const char* path, int flags, unsigned mode) override {
        return ::open(path, flags, static_cast<mode_t>(mode));
    }
    int makeTemporary(char* name, int flags) override { return ::mkostemp(name, flags); }
    int changeMode(int fd, unsigned mode) override {
        return ::fchmod(fd, static_cast<mode_t>(mode));
    }
    long read(int fd, void* buffer, std::size_t size) override { return ::read(fd, buffer, size); }
    int status(int fd, struct stat* info) override { return ::fstat(fd, info); }
    long write(int fd, const void* bytes, std::size_t size) override {
        return ::write(fd, bytes, size);
    }
    int sync(int fd) override { return ::fsync(fd); }
    int close(int fd) override { return ::close(fd); }
    int rename(const char* from, const char* to) override { return ::rename(from, to); }
    int unlink(const char* path) override { return ::unlink(path); }
};

FileSystem* current = nullptr;

FileSystem& fs() {
    return current != nullptr ? *current : posixFileSystem();
}

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
        if (fd_ >= 0) {
            // A failure is already being reported; keep its errno.
            const int error = errno;
            fs().close(fd_);
            errno = error;
        }
    }

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    // Closes now, so that a failing close can be reported.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return fs().close(fd) == 0;
    }

private:
    int fd_;
};

FileResult notRegular() {
    return FileResult{false, notARegularFile, notARegularFileText};
}

// A pipe or a device could block an open or a read for ever, or never end;
// opening does not wait (O_NONBLOCK) and the kind is checked before any byte
// moves. A pipe with no reader, or a socket, cannot even be opened for writing.
int openWithoutWaiting(const std::string& path, int flags, unsigned mode) {
    return fs().open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, mode);
}

// Checks that an open descriptor is a regular file; the size is what the file
// says of itself, which only a read can confirm.
FileResult checkRegular(int fd, off_t* size = nullptr) {
    struct stat info {};
    if (fs().status(fd, &info) != 0)
        return lastFailure();
    if (S_ISDIR(info.st_mode))
        return failure(EISDIR);
    if (!S_ISREG(info.st_mode))
        return notRegular();
    if (size != nullptr)
        *size = info.st_size;
    return {};
}

FileResult openFailure() {
    return errno == ENXIO ? notRegular() : lastFailure();
}

// Reads up to `largest` + 1 bytes: one byte more tells that the file is too long.
FileResult readAtMost(int fd, std::size_t largest, std::string& contents) {
    char buffer[65536];
    while (contents.size() <= largest) {
        const std::size_t wanted = std::min(sizeof buffer, largest + 1 - contents.size());
        const long n = fs().read(fd, buffer, wanted);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return lastFailure();
        }
        if (n == 0)
            return {};
        contents.append(buffer, static_cast<std::size_t>(n));
    }
    return failure(EFBIG);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const long n = fs().write(fd, bytes.data(), bytes.size());
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

constexpr std::string_view uniqueSuffix = "XXXXXX";

std::string temporaryPrefix(const std::string& baseName) {
    return "." + baseName + ".";
}

// The mode an ordinary new file would get: read-write for the owner, readable by all,
// less what the user's umask takes away.
mode_t newFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return static_cast<mode_t>(0644 & ~mask);
}

// A directory entry is only durable once its folder is flushed. Folders that
// cannot be opened or do not support flushing are left as they are, since the
// file is already in place; a flush that fails for want of the disk is an error.
int syncFolder(const std::string& folder) {
    Descriptor dir(fs().open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0));
    if (!dir.valid())
        return 0;
    if (fs().sync(dir.get()) != 0 && errno != EINVAL && errno != EROFS)
        return errno;
    return 0;
}

bool isTemporaryFor(std::string_view name, const std::string& target) {
    const std::string prefix = temporaryPrefix(target);
    return name.size() == prefix.size() + uniqueSuffix.size() && name.starts_with(prefix);
}

} // namespace

FileSystem& posixFileSystem() {
    static PosixFileSystem posix;
    return posix;
}

void useFileSystem(FileSystem* fileSystem) {
    current = fileSystem;
}

FileResult readWholeFile(const std::string& path, std::string& contents, std::size_t largest) {
    contents.clear();
    Descriptor file(openWithoutWaiting(path, O_RDONLY, 0));
    if (!file.valid())
        return openFailure();
    off_t size = 0;
    FileResult result = checkRegular(file.get(), &size);
    if (result.ok) {
        contents.reserve(std::min(static_cast<std::size_t>(std::max<off_t>(size, 0)), largest));
        result = readAtMost(file.get(), largest, contents);
    }
    if (!result.ok) {
        contents.clear();
        contents.shrink_to_fit();
    }
    return result;
}

namespace {

// The file a save replaces: a symbolic link's target, so that the link stays
// and the file it points to is replaced in its own folder.
std::string fileBehindLinks(const std::string& path) {
    namespace fs = std::filesystem;
    // As many links as the system itself follows before it gives up.
    constexpr int mostLinks = 40;
    fs::path file = path;
    std::error_code failed;
    for (int hop = 0; fs::is_symlink(fs::symlink_status(file, failed)); ++hop) {
        const fs::path next = fs::read_symlink(file, failed);
        if (failed || hop == mostLinks)
            return path;
        file = next.is_absolute() ? next : file.parent_path() / next;
    }
    // A link to a device or a folder is replaced by the file itself: nothing
    // is ever written beside a device or renamed over one.
    const fs::file_type target = fs::status(file, failed).type();
    if (target != fs::file_type::regular && target != fs::file_type::not_found)
        return path;
    return file.string();
}

} // namespace

FileResult saveFileAtomically(const std::string& linkOrFile, std::string_view contents) {
    const std::string path = fileBehindLinks(linkOrFile);
    const std::string folder = folderOf(path);
    std::string temp = folder + "/" + temporaryPrefix(baseNameOf(path)) + std::string(uniqueSuffix);
    Descriptor file(fs().makeTemporary(temp.data(), O_CLOEXEC));
    if (!file.valid())
        return lastFailure();

    const auto abandon = [&temp](int error) {
        fs().unlink(temp.c_str());
        return failure(error);
    };
    // A failed flush is not tried again: after one the kernel may have dropped
    // the unwritten pages, and a second flush would wrongly report success.
    if (fs().changeMode(file.get(), newFileMode()) != 0 || !writeAll(file.get(), contents) ||
        fs().sync(file.get()) != 0)
        return abandon(errno);
    if (!file.close())
        return abandon(errno);
    if (fs().rename(temp.c_str(), path.c_str()) != 0)
        return abandon(errno);
    if (const int error = syncFolder(folder); error != 0)
        return failure(error);
    return {};
}

void removeLeftoverSaves(const std::string& folder, const std::vector<std::string>& targets) {
    std::error_code failed;
    std::vector<std::string> leftovers;
    std::filesystem::directory_iterator entry(folder, failed);
    for (; !failed && entry != std::filesystem::directory_iterator(); entry.increment(failed)) {
        const std::string name = entry->path().filename().string();
        const bool ours = std::any_of(targets.begin(), targets.end(), [&](const std::string& t) {
            return isTemporaryFor(name, t);
        });
        std::error_code notAFile;
        if (ours && entry->is_regular_file(notAFile))
            leftovers.push_back(entry->path().string());
    }
    for (const std::string& path : leftovers)
        fs().unlink(path.c_str());
}

FileResult appendToFile(const std::string& path, std::string_view bytes) {
    Descriptor file(openWithoutWaiting(path, O_WRONLY | O_APPEND | O_CREAT, 0644));
    if (!file.valid())
        return openFailure();
    if (FileResult kind = checkRegular(file.get()); !kind.ok)
        return kind;
    // One write keeps a line whole in the file; writeAll only loops on a short write.
    if (!writeAll(file.get(), bytes))
        return lastFailure();
    if (!file.close())
        return lastFailure();
    return {};
}

FileResult truncateFile(const std::string& path) {
    // O_TRUNC does nothing to a pipe or a device, so the kind is checked after opening.
    Descriptor file(openWithoutWaiting(path, O_WRONLY | O_CREAT | O_TRUNC, 0644));
    if (!file.valid())
        return openFailure();
    if (FileResult kind = checkRegular(file.get()); !kind.ok)
        return kind;
    if (!file.close())
        return lastFailure();
    return {};
}

} // namespace stratavex
