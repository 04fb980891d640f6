// SPDX-License-Identifier: MIT
#pragma once

#include <benchmark/benchmark.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "engine/game.h"

namespace stratavex::bench {

// Answers every message with its first button and shows no window; the
// benchmarks that play screens put their own work in place of the windows.
class QuietHost : public Host {
public:
    Answer message(const Message& msg) override;
    void showModal(WindowId) override {}
    bool playSound(const std::string&) override { return true; }
    void openUrl(const std::string&) override {}
    void viewText(const std::string&) override {}
    std::string shortDate() override { return "08/12/2026"; }
    std::string programFolder() override { return "."; }
};

// The shipped database, data/drem.dat, as bytes.
std::string shippedDatabase();
// A database of `records` records made from the shipped ones in turn; the
// repeats get a number after the name, so every name stays unique.
std::string generatedDatabase(int records);

// A game over the generated database of `records` records, read by parsedb.
struct LoadedGame {
    explicit LoadedGame(int records);
    QuietHost host;
    std::unique_ptr<Game> game;
};

// A fresh folder in the temporary folder, removed with its contents at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    void write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path path_;
};

// Makes a folder the current one for the scope: the game opens its files by
// bare name in the program folder.
class InFolder {
public:
    explicit InFolder(const std::filesystem::path& folder);
    ~InFolder();
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

private:
    std::filesystem::path previous_;
};

// A job and its baselines, run by turns in every iteration so that all of
// them meet the same moment of a busy machine; the order rotates from one
// iteration to the next. Each one's median time, in seconds, becomes a
// counter under its name; the iteration time is the first job's.
struct Turn {
    std::string name;
    std::function<void()> run;
};
void runByTurns(benchmark::State& state, const std::vector<Turn>& turns);

double median(std::vector<double> values);

} // namespace stratavex::bench
