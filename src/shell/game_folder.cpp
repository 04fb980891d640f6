// SPDX-License-Identifier: MIT
#include "shell/game_folder.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

#include "base/file_io.h"
#include "base/file_limits.h"
#include "base/host.h"

#ifndef STRATAVEX_INSTALLED_DATA
#define STRATAVEX_INSTALLED_DATA "../share/stratavex"
#endif

namespace stratavex {

const char* const installedDataFolder = STRATAVEX_INSTALLED_DATA;

namespace {

namespace fs = std::filesystem;

const std::string crlf = "\r\n";
const std::string notKept = "The game starts, but your settings and Hall of Fame are not kept.";

// The file that marks a folder as holding the game's files.
constexpr const char* databaseFile = "drem.dat";

// The program's own files beside the game's in a build folder or a portable
// copy: they are run from there and are no files of the player's.
constexpr std::array<std::string_view, 3> programFiles = {"stratavex", "stratavex-db",
                                                          "libstratavex_sound.so"};

bool isGameFile(const std::string& name) {
    // Hidden files are leftovers of interrupted saves.
    return !name.starts_with(".") &&
           std::find(programFiles.begin(), programFiles.end(), name) == programFiles.end();
}

bool holdsFile(const fs::path& folder, const char* name) {
    std::error_code failed;
    return fs::is_regular_file(folder / name, failed);
}

// The files the game came with: beside the executable in a build folder or a
// portable copy, in the share folder of an installed copy.
struct Bundle {
    fs::path folder;
    bool installed = false;
};

Bundle findBundle(const std::string& executableFolder) {
    const fs::path here(executableFolder);
    const fs::path installed = (here / installedDataFolder).lexically_normal();
    if (!holdsFile(here, databaseFile) && holdsFile(installed, databaseFile))
        return {installed, true};
    return {here, false};
}

void warn(Host& host, const std::string& text) {
    host.message({text, Buttons::Ok, Icon::Exclamation, "", false});
}

// Creates the folder and any missing parents. A new player's folder is for
// the player alone, as the desktop's rules for data folders ask.
std::error_code makeFolder(const fs::path& folder) {
    std::error_code failed;
    if (fs::is_directory(folder, failed))
        return {};
    fs::create_directories(folder, failed);
    if (failed)
        return failed;
    std::error_code ignored;
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, ignored);
    return {};
}

// Copies in the bundled files the player's folder lacks; the files that
// cannot be copied are named in one message.
void addMissingFiles(Host& host, const fs::path& bundle, const fs::path& user) {
    std::vector<std::string> notCopied;
    std::string firstError;
    std::error_code failed;
    fs::directory_iterator entry(bundle, failed);
    for (; !failed && entry != fs::directory_iterator(); entry.increment(failed)) {
        const std::string name = entry->path().filename().string();
        std::error_code ignored;
        if (!isGameFile(name) || !entry->is_regular_file(ignored) ||
            fs::exists(fs::symlink_status(user / name, ignored)))
            continue;
        std::string contents;
        FileResult copied = readWholeFile(entry->path().string(), contents, largestGameFile);
        if (copied.ok)
            copied = saveFileAtomically((user / name).string(), contents);
        if (!copied.ok) {
            if (firstError.empty())
                firstError = copied.text;
            notCopied.push_back(name);
        }
    }
    if (failed)
        warn(host, failed.message() + crlf + "Stratavex cannot read its bundled files in " +
                       bundle.string() + ".");
    if (notCopied.empty())
        return;
    std::sort(notCopied.begin(), notCopied.end());
    std::string names;
    for (const std::string& name : notCopied)
        names += (names.empty() ? "" : ", ") + name;
    warn(host, firstError + crlf + "Stratavex could not copy these files into " + user.string() +
                   ": " + names + ".");
}

} // namespace

std::string userFolder(const FolderPlaces& places) {
    if (!places.xdgDataHome.empty() && fs::path(places.xdgDataHome).is_absolute())
        return (fs::path(places.xdgDataHome) / "stratavex").string();
    if (!places.home.empty())
        return (fs::path(places.home) / ".local" / "share" / "stratavex").string();
    return {};
}

bool canCreateFilesIn(const std::string& folder) {
    // Permission bits alone do not tell: root ignores them, and a read-only
    // mount or a network file system can refuse what they allow.
    const std::string probe = (fs::path(folder) / ".stratavex-write-test").string();
    if (!truncateFile(probe).ok)
        return false;
    std::error_code ignored;
    fs::remove(probe, ignored);
    return true;
}

std::string chooseGameFolder(Host& host, const FolderPlaces& places) {
    const Bundle bundle = findBundle(places.executableFolder);
    if (!bundle.installed && canCreateFilesIn(bundle.folder.string()))
        return bundle.folder.string();

    const std::string user = userFolder(places);
    if (user.empty()) {
        warn(host, "Stratavex cannot save its files in " + bundle.folder.string() +
                       ", and neither XDG_DATA_HOME nor HOME is set to give it a folder of your "
                       "own." +
                       crlf + notKept);
        return bundle.folder.string();
    }
    if (const std::error_code failed = makeFolder(user)) {
        warn(host, failed.message() + crlf + "Stratavex cannot create the folder for your files, " +
                       user + "." + crlf + notKept);
        return bundle.folder.string();
    }
    addMissingFiles(host, bundle.folder, user);
    return user;
}

} // namespace stratavex
