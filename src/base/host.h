// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace stratavex {

constexpr const char* appTitle = "Stratavex: Dinosaur Trivia & Database";
constexpr const char* appVersion = "2.11";

enum class Buttons { Ok, OkCancel, YesNo };
enum class Icon { None, Information, Exclamation, Critical, Question };
enum class Answer { Ok, Cancel, Yes, No };

// The windows that game logic asks the host to show modally.
enum class WindowId {
    setup,
    showscor,
    HOF,
    NameEntry,
    dremedit,
    mchoice,
    quote,
    qoddout,
    Ioddout,
    imatch,
    qmatch,
    NameMe,
    qsort,
};

struct Message {
    std::string text; // Windows-1252 bytes, lines split by CR LF
    Buttons buttons = Buttons::Ok;
    Icon icon = Icon::None;
    std::string title;            // empty: the application's name
    bool secondIsDefault = false; // Cancel / No as the default button
};

// Everything outside the program's own rules. The Qt program and the tests
// provide their own.
class Host {
public:
    virtual ~Host() = default;

    virtual Answer message(const Message& msg) = 0;
    virtual void showModal(WindowId window) = 0;
    // Starts a wave file playing and returns at once; false when it cannot be played.
    virtual bool playSound(const std::string& file) = 0;
    // Opens a web address in the desktop's browser; false when the desktop
    // has no browser to open it.
    virtual bool openUrl(const std::string& url) = 0;
    // Opens a text file in the desktop's text viewer as a separate process;
    // false when the desktop has no viewer for it.
    virtual bool viewText(const std::string& file) = 0;
    // Shows a text file read-only in a window of the program's own and
    // returns when the player closes it.
    virtual void showText(const std::string& file) = 0;
    virtual std::string shortDate() = 0;
    virtual std::string programFolder() = 0;
};

} // namespace stratavex
