// SPDX-License-Identifier: MIT
// The hosts the tests give the program in place of the outside world, one
// family: a quiet host that answers and opens nothing, a recording host that
// keeps what the program asked for, and a scripted host that answers from a
// queue and plays a window's part when the window is shown. The recording and
// scripting layers go over any host, so the window tests put them over the
// real Qt host too.
#pragma once

#include <algorithm>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "base/headless_host.h"
#include "base/host.h"

namespace stratavex::testing {

// OK, or Yes to a yes-or-no question: the answer of a player who goes along.
Answer agreeingAnswer(const Message& msg);

// The program's headless host as a player who goes along would meet it:
// every message gets the agreeing answer, every sound plays, and the date
// and the program folder are fixed.
class QuietHost : public HeadlessHost {
public:
    std::string date = "08/12/2026";
    std::string folder = ".";

    Answer message(const Message& msg) override { return agreeingAnswer(msg); }
    bool playSound(const std::string&) override { return true; }
    std::string shortDate() override { return date; }
    std::string programFolder() override { return folder; }
};

// Keeps, in order, what the program asks of the host underneath: the
// messages (given the agreeing answer), the windows (still shown by that
// host), and the sounds, web addresses and text files, which are kept
// instead of played or opened.
template <typename Base> class Recording : public Base {
public:
    using Base::Base;

    std::vector<Message> messages;
    std::vector<WindowId> shown;
    std::vector<std::string> sounds;
    // Sounds that fail to play.
    std::set<std::string> unplayable;
    std::vector<std::string> urls;
    std::vector<std::string> viewed;
    // False: a desktop with no browser and no text viewer.
    bool desktopOpens = true;
    // The text files shown in the program's own window.
    std::vector<std::string> textWindows;

    Answer message(const Message& msg) override {
        messages.push_back(msg);
        return agreeingAnswer(msg);
    }
    void showModal(WindowId window) override {
        shown.push_back(window);
        Base::showModal(window);
    }
    bool playSound(const std::string& file) override {
        sounds.push_back(file);
        return unplayable.count(file) == 0;
    }
    bool openUrl(const std::string& url) override {
        urls.push_back(url);
        return desktopOpens;
    }
    bool viewText(const std::string& file) override {
        viewed.push_back(file);
        return desktopOpens;
    }
    void showText(const std::string& file) override { textWindows.push_back(file); }

    // The texts of the messages shown, in order.
    std::vector<std::string> messageTexts() const {
        std::vector<std::string> texts;
        for (const Message& msg : messages)
            texts.push_back(msg.text);
        return texts;
    }
    int timesShown(WindowId window) const {
        return static_cast<int>(std::count(shown.begin(), shown.end(), window));
    }
};

// Plays the player's part over the host underneath: messages are answered
// from `answers` while it lasts, and a window's action in `onShow` runs as
// the window is shown, standing in for the window's own work.
template <typename Base> class Scripted : public Base {
public:
    using Base::Base;

    std::deque<Answer> answers;
    std::map<WindowId, std::function<void()>> onShow;

    Answer message(const Message& msg) override {
        const Answer unscripted = Base::message(msg);
        if (answers.empty())
            return unscripted;
        const Answer scripted = answers.front();
        answers.pop_front();
        return scripted;
    }
    void showModal(WindowId window) override {
        Base::showModal(window);
        if (auto action = onShow.find(window); action != onShow.end() && action->second)
            action->second();
    }
};

using RecordingHost = Recording<QuietHost>;
using ScriptedHost = Scripted<RecordingHost>;

} // namespace stratavex::testing
