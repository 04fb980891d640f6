// SPDX-License-Identifier: MIT
#pragma once

#include <filesystem>
#include <string>

namespace stratavex::testing {

// A fresh folder under /tmp, removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }

    void write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;
    bool exists(const std::string& name) const;
    // Names of everything in the folder, sorted.
    std::string listing() const;

private:
    std::filesystem::path path_;
};

// Makes a folder the current one for the scope, as the program's start-up does.
class CurrentDir {
public:
    explicit CurrentDir(const std::filesystem::path& dir);
    ~CurrentDir();
    CurrentDir(const CurrentDir&) = delete;
    CurrentDir& operator=(const CurrentDir&) = delete;

private:
    std::filesystem::path previous_;
};

// A temporary folder that is also the current folder: the program folder of a test.
struct ProgramFolder {
    TempDir dir;
    CurrentDir current{dir.path()};
};

} // namespace stratavex::testing
