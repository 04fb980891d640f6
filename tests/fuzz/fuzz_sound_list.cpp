// SPDX-License-Identifier: MIT
// The sound list reader on any bytes, read through the game's own start-up
// step from a disk that holds only the list. The list has no writer; the
// names read must be the file's own bytes and a short list must be told.
#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <string_view>

#include "base/file_io.h"
#include "base/media.h"
#include "engine/game.h"
#include "fuzz/fuzz_check.h"
#include "support/test_host.h"

namespace {

using stratavex::fuzz::check;

const char* const listPath = "./dremsnd.dat";

// A read-only disk holding one file, the sound list, in memory.
class ListOnlyDisk : public stratavex::FileSystem {
public:
    explicit ListOnlyDisk(std::string_view list) : list_(list) { stratavex::useFileSystem(this); }
    ~ListOnlyDisk() override { stratavex::useFileSystem(nullptr); }
    ListOnlyDisk(const ListOnlyDisk&) = delete;
    ListOnlyDisk& operator=(const ListOnlyDisk&) = delete;

    int open(const char* path, int flags, unsigned) override {
        if (std::strcmp(path, listPath) != 0)
            return fail(ENOENT);
        if ((flags & O_ACCMODE) != O_RDONLY)
            return fail(EROFS);
        position_ = 0;
        return listFd;
    }
    long read(int fd, void* buffer, std::size_t size) override {
        if (fd != listFd)
            return fail(EBADF);
        const std::size_t n = std::min(size, list_.size() - position_);
        std::memcpy(buffer, list_.data() + position_, n);
        position_ += n;
        return static_cast<long>(n);
    }
    int status(int fd, struct stat* info) override {
        if (fd != listFd)
            return fail(EBADF);
        *info = {};
        info->st_mode = S_IFREG | 0444;
        info->st_size = static_cast<off_t>(list_.size());
        return 0;
    }
    int close(int fd) override { return fd == listFd ? 0 : fail(EBADF); }
    int makeTemporary(char*, int) override { return fail(EROFS); }
    int changeMode(int, unsigned) override { return fail(EROFS); }
    long write(int, const void*, std::size_t) override { return fail(EROFS); }
    int sync(int) override { return fail(EROFS); }
    int rename(const char*, const char*) override { return fail(EROFS); }
    int unlink(const char*) override { return fail(EROFS); }

private:
    static constexpr int listFd = 3;
    static int fail(int error) {
        errno = error;
        return -1;
    }

    std::string_view list_;
    std::size_t position_ = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ListOnlyDisk disk(bytes);
    stratavex::testing::RecordingHost host;
    host.folder = ".";
    stratavex::Game game(host);
    game.settings.soundon = 1;
    stratavex::getMedia(game);

    const auto& names = game.media.sndfile;
    check(host.messages.empty(), "a list that can be opened is read without a message");
    check(names[stratavex::nSounds].empty(), "entry 16 stays empty");
    std::size_t total = 0;
    for (const std::string& name : names) {
        check(bytes.find(name) != std::string_view::npos, "a name is the list's own bytes");
        total += name.size();
    }
    check(total <= size, "no name is read twice");
    // A short list plays effect 5 once; a full one plays nothing.
    check(host.sounds.size() <= 1, "at most one sound at start-up");
    if (!host.sounds.empty())
        check(host.sounds.front() == names[stratavex::sfx::right] && game.settings.soundon == 1,
              "a short list plays effect 5");
    if (host.sounds.empty() && game.settings.soundon == 0)
        check(names[stratavex::sfx::right].empty(),
              "sound is turned off only when a short list names no effect 5");
    return 0;
}
