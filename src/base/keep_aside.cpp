// SPDX-License-Identifier: MIT
#include "base/keep_aside.h"

#include <filesystem>
#include <system_error>

#include "base/fields.h"

namespace stratavex {

namespace {

// Past this many kept copies the newest file stays where it is.
constexpr int maxKeptCopies = 99;

bool nameTaken(const std::string& name) {
    std::error_code unused;
    // A link counts as taken even when it leads nowhere, so nothing is
    // written through it; a name that cannot be looked at counts as taken.
    return std::filesystem::symlink_status(name, unused).type() !=
           std::filesystem::file_type::not_found;
}

} // namespace

std::string freeKeptName(const std::string& file) {
    for (int copy = 1; copy <= maxKeptCopies; ++copy) {
        const std::string name = file + ".bad" + (copy == 1 ? "" : str(copy));
        if (!nameTaken(name))
            return name;
    }
    return "";
}

FileResult keepAside(const std::string& file, KeepBy how, std::string& keptAs) {
    keptAs = freeKeptName(file);
    std::error_code failed;
    if (keptAs.empty())
        failed = std::make_error_code(std::errc::file_exists);
    else if (how == KeepBy::moving)
        std::filesystem::rename(file, keptAs, failed);
    else
        // Without options the copy fails rather than replace a file that
        // appeared under the name meanwhile.
        std::filesystem::copy_file(file, keptAs, std::filesystem::copy_options::none, failed);
    if (!failed)
        return {};
    return {false, failed.value(), failed.message()};
}

} // namespace stratavex
