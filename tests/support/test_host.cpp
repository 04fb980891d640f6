// SPDX-License-Identifier: MIT
#include "support/test_host.h"

namespace stratavex::testing {

Answer agreeingAnswer(const Message& msg) {
    return msg.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

} // namespace stratavex::testing
