// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace stratavex {

struct ScoreState;

// The name entry without its widgets. Constructing it is the window's load:
// it clears the web choice, fills the prompt and the fields and plays the
// fanfare. Closing stores what the fields hold, whatever closed the window.
class NameEntryModel {
public:
    static constexpr std::size_t nameLength = 20;
    static constexpr std::size_t emailLength = 30;
    // The configuration and the Hall of Fame file keep names between double
    // quotes with no escape, so the fields refuse that character.
    static constexpr char refused = '"';

    explicit NameEntryModel(ScoreState& game);

    // "You have made number N on the Hall of Fame list. Please enter your name:"
    std::string Label1() const;
    static constexpr const char* Label2 = "  Please enter email address:";
    const std::string& Name1() const { return name_; }
    const std::string& email() const { return email_; }

    // "Website HOF entry": the entry also goes online; the window then closes.
    void Command1_Click();
    // The window closed, by any button or its close box.
    void Form_Unload(std::string_view name, std::string_view email);

    // Text as a field accepts it: without the refused character, cut to `length`.
    static std::string accepted(std::string_view text, std::size_t length);

private:
    ScoreState& game_;
    std::string name_;
    std::string email_;
};

} // namespace stratavex
