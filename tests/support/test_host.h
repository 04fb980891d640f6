// SPDX-License-Identifier: MIT
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/host.h"

namespace stratavex::testing {

// A host that records what the program asks of the outside world and answers
// from a script.
class TestHost : public Host {
public:
    // Messages in the order shown.
    std::vector<Message> messages;
    // Answers given to messages, first first; when empty, Ok or Yes.
    std::deque<Answer> answers;

    std::vector<WindowId> shown;
    // Run when a window is shown, standing in for the window's own work.
    std::map<WindowId, std::function<void()>> onShow;

    std::vector<std::string> sounds;
    std::set<std::string> unplayable;

    std::vector<std::string> urls;
    std::vector<std::string> viewed;

    std::string date = "08/12/2026";
    std::string folder = ".";

    Answer message(const Message& msg) override;
    void showModal(WindowId window) override;
    bool playSound(const std::string& file) override;
    void openUrl(const std::string& url) override { urls.push_back(url); }
    void viewText(const std::string& file) override { viewed.push_back(file); }
    std::string shortDate() override { return date; }
    std::string programFolder() override { return folder; }

    // The texts of the messages shown, in order.
    std::vector<std::string> messageTexts() const;
};

} // namespace stratavex::testing
