// SPDX-License-Identifier: MIT
// Kills crash_saver with SIGKILL at random moments in its saving loop and
// checks after every kill that the file holds exactly one of the two contents
// it alternates between, as the program would read it at its next start.
//
//   crash_driver <path of crash_saver> <db|ini|hof> <kills>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "base/config.h"
#include "base/file_io.h"
#include "base/file_limits.h"
#include "database/editor.h"
#include "database/items.h"
#include "scores/hof.h"

namespace {

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

pid_t start(const std::string& saver, const std::string& type, const std::string& folder,
            const char* mode, int* readEnd) {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(pipeFds[1], STDOUT_FILENO);
        ::close(pipeFds[0]);
        ::close(pipeFds[1]);
        ::execl(saver.c_str(), saver.c_str(), type.c_str(), folder.c_str(), mode,
                static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    ::close(pipeFds[1]);
    *readEnd = pipeFds[0];
    return pid;
}

int waitFor(pid_t pid) {
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return status;
}

std::string fileOf(const std::string& type) {
    return type == "db" ? "drem.dat" : type == "ini" ? stratavex::iniFile : stratavex::hofFile;
}

int fail(const std::string& why) {
    std::cerr << "crash_driver: " << why << '\n';
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4)
        return fail("usage: crash_driver <crash_saver> <db|ini|hof> <kills>");
    const std::string saver = argv[1];
    const std::string type = argv[2];
    const int kills = std::atoi(argv[3]);

    char pattern[] = "/tmp/stratavex-crash-XXXXXX";
    if (::mkdtemp(pattern) == nullptr)
        return fail("cannot make a folder");
    const std::filesystem::path folder = pattern;
    const std::string target = fileOf(type);

    int out = -1;
    if (waitFor(start(saver, type, folder, "prepare", &out)) != 0)
        return fail("crash_saver prepare failed");
    ::close(out);
    const std::string first = readFile(folder / "expect.1");
    const std::string second = readFile(folder / "expect.2");
    if (first.empty() || second.empty() || first == second)
        return fail("the two contents must differ");

    std::mt19937 random(std::random_device{}());
    std::uniform_int_distribution<int> delayMicroseconds(0, 3000);
    int asFirst = 0;
    int asSecond = 0;
    int leftovers = 0;
    for (int kill = 1; kill <= kills; ++kill) {
        const pid_t pid = start(saver, type, folder, "loop", &out);
        char ready = 0;
        if (pid < 0 || ::read(out, &ready, 1) != 1) {
            ::close(out);
            return fail("crash_saver did not start saving");
        }
        ::usleep(static_cast<useconds_t>(delayMicroseconds(random)));
        ::kill(pid, SIGKILL);
        const int status = waitFor(pid);
        ::close(out);
        if (!WIFSIGNALED(status) || WTERMSIG(status) != SIGKILL)
            return fail("crash_saver ended by itself, status " + std::to_string(status));

        std::string bytes;
        const stratavex::FileResult read =
            stratavex::readWholeFile((folder / target).string(), bytes, stratavex::largestGameFile);
        if (!read.ok)
            return fail("kill " + std::to_string(kill) + ": " + target + ": " + read.text);
        if (bytes == first)
            ++asFirst;
        else if (bytes == second)
            ++asSecond;
        else
            return fail("kill " + std::to_string(kill) + ": " + target +
                        " holds neither contents (" + std::to_string(bytes.size()) + " bytes)");
        // What the next start-up does with a save cut short.
        const std::size_t before = std::distance(std::filesystem::directory_iterator(folder),
                                                 std::filesystem::directory_iterator());
        stratavex::removeLeftoverSaves(folder.string(), {target});
        const std::size_t after = std::distance(std::filesystem::directory_iterator(folder),
                                                std::filesystem::directory_iterator());
        leftovers += static_cast<int>(before - after);
        if (after != 3)
            return fail("files other than the target and the two contents are left");
    }
    std::filesystem::remove_all(folder);
    std::cout << type << ": " << kills << " kills survived; the file held the first contents "
              << asFirst << " times, the second " << asSecond << " times; " << leftovers
              << " temporary files of cut saves removed\n";
    return 0;
}
