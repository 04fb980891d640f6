// SPDX-License-Identifier: MIT
#pragma once

#include <cerrno>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include <sys/stat.h>

namespace stratavex {

struct FileResult {
    bool ok = true;
    int error = 0;    // errno of the failure
    std::string text; // the system's text for the failure
};

// The system calls the file routines below are made of, one virtual per call,
// so that a test can stand in for the disk and fail any one of them. Each
// returns what the POSIX call of the same name returns and sets errno the same
// way; flags and modes are the POSIX values.
class FileSystem {
public:
    virtual ~FileSystem() = default;
    virtual int open(const char* path, int flags, unsigned mode) = 0;
    // mkostemp: turns the trailing "XXXXXX" of name into a fresh file name.
    virtual int makeTemporary(char* name, int flags) = 0;
    virtual int changeMode(int fd, unsigned mode) = 0;
    virtual long read(int fd, void* buffer, std::size_t size) = 0;
    // fstat.
    virtual int status(int fd, struct stat* info) = 0;
    virtual long write(int fd, const void* bytes, std::size_t size) = 0;
    virtual int sync(int fd) = 0;
    virtual int close(int fd) = 0;
    virtual int rename(const char* from, const char* to) = 0;
    virtual int unlink(const char* path) = 0;
};

// The real calls.
FileSystem& posixFileSystem();

// Routes the file routines through fs, or back to the real calls with nullptr.
// The caller keeps fs alive while it is in use.
void useFileSystem(FileSystem* fs);

// The failure given for a pipe, a device or a socket in the place of a file.
constexpr int notARegularFile = EINVAL;
constexpr const char* notARegularFileText = "Not a regular file";

// Reads a whole file of at most `largest` bytes into memory. Only a regular
// file (or a link to one) is read: a folder fails with EISDIR, anything else at
// once with notARegularFile, without waiting for a writer. A longer file fails
// with EFBIG, however large it says it is, and nothing is kept.
FileResult readWholeFile(const std::string& path, std::string& contents, std::size_t largest);

// Replaces a file atomically: writes a temporary file in the same folder,
// flushes it to disk and renames it over the target. On any failure the
// temporary file is removed and the old file is left exactly as it was.
// The temporary file is named after the target: "." + name + "." and six
// more characters, in the target's folder. A save through a symbolic link
// replaces the file it points to, in that file's folder, and keeps the link.
FileResult saveFileAtomically(const std::string& path, std::string_view contents);

// Removes the temporary files a save interrupted by a crash left in folder.
// Only names of targets in `targets` are touched.
void removeLeftoverSaves(const std::string& folder, const std::vector<std::string>& targets);

// Appends bytes to a file (creating it) with a single write. Like the
// functions below, it writes only to a regular file: anything else fails as in
// readWholeFile, without waiting for a reader and untouched.
FileResult appendToFile(const std::string& path, std::string_view bytes);

// Creates a file or truncates it to empty.
FileResult truncateFile(const std::string& path);

} // namespace stratavex
