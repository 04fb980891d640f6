// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace stratavex {

struct FileResult {
    bool ok = true;
    int error = 0;       // errno of the failure
    std::string text;    // the system's text for the failure
};

// Reads a whole file into memory.
FileResult readWholeFile(const std::string& path, std::string& contents);

// Replaces a file atomically: writes a temporary file in the same folder,
// flushes it to disk and renames it over the target. On any failure the
// temporary file is removed and the old file is left exactly as it was.
FileResult saveFileAtomically(const std::string& path, std::string_view contents);

// Appends bytes to a file (creating it) with a single write.
FileResult appendToFile(const std::string& path, std::string_view bytes);

// Creates a file or truncates it to empty.
FileResult truncateFile(const std::string& path);

} // namespace stratavex
