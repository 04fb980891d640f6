// SPDX-License-Identifier: MIT
#include "support/test_host.h"

namespace stratavex::testing {

Answer TestHost::message(const Message& msg) {
    messages.push_back(msg);
    if (!answers.empty()) {
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    return msg.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

void TestHost::showModal(WindowId window) {
    shown.push_back(window);
    if (auto it = onShow.find(window); it != onShow.end() && it->second)
        it->second();
}

bool TestHost::playSound(const std::string& file) {
    sounds.push_back(file);
    return unplayable.count(file) == 0;
}

std::vector<std::string> TestHost::messageTexts() const {
    std::vector<std::string> texts;
    for (const Message& m : messages)
        texts.push_back(m.text);
    return texts;
}

} // namespace stratavex::testing
