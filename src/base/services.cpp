// SPDX-License-Identifier: MIT
#include "base/services.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "base/config.h"
#include "base/form.h"
#include "base/program_state.h"

namespace stratavex {

namespace {

// A number box holds at most this value; more digits do not wrap it.
constexpr std::int64_t saturation = std::numeric_limits<std::int32_t>::max();

constexpr int noSizeSlot = 3; // the score display keeps its designed size

std::int16_t toInt16(std::int64_t v) {
    constexpr std::int64_t lo = std::numeric_limits<std::int16_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(v < lo ? lo : (v > hi ? hi : v));
}

// Nearest whole twip, halves to even, held within the stored range.
std::int16_t roundTwips(double twips) {
    if (std::isnan(twips))
        return 0;
    const double lo = std::numeric_limits<std::int16_t>::min();
    const double hi = std::numeric_limits<std::int16_t>::max();
    const double r = std::nearbyint(twips);
    return static_cast<std::int16_t>(r < lo ? lo : (r > hi ? hi : r));
}

void restore(Form& frm, const WindowRecord& saved) {
    // A modal window that opens minimised could not be used, so it opens normal.
    const std::int16_t state = saved.state == 2 ? 2 : 0;
    frm.setWindowState(state);
    frm.setWidth(saved.width);
    frm.setHeight(saved.height);
}

void save(ProgramState& game, const Form& frm, WindowRecord& slot) {
    slot.state = frm.windowState();
    slot.backcolor = frm.backColor();
    slot.width = roundTwips(frm.width());
    slot.height = roundTwips(frm.height());
    putini(game);
}

} // namespace

std::int16_t limit(std::int64_t v, std::int64_t lo, std::int64_t hi) {
    std::int64_t r = v;
    if (r < lo)
        r = lo;
    if (r > hi)
        r = hi;
    return toInt16(r);
}

std::int64_t boxValue(std::string_view text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos)
        return 0;
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i)
        value = std::min(value * 10 + (text[i] - '0'), saturation);
    return value;
}

void sizeform(ProgramState& game, Form& frm, int slot, int mode) {
    // Changing the size fires the window's resize event, which calls back here.
    if (game.sizing) {
        game.sizing = false;
        return;
    }
    game.sizing = true;
    const bool known = slot >= 0 && slot < static_cast<int>(game.config.winsize.size());
    if (known && slot != noSizeSlot) {
        WindowRecord& record = game.config.winsize[static_cast<std::size_t>(slot)];
        if (mode == 1)
            restore(frm, record);
        else if (mode == 0)
            save(game, frm, record);
    }
    game.sizing = false;
}

void centerform(Form& frm) {
    frm.move((frm.screenWidth() - frm.width()) / 2, (frm.screenHeight() - frm.height()) / 2);
}

void viewtext(ProgramState& game, const std::string& file) {
    if (!game.host.viewText(file))
        game.host.showText(file);
}

void openurl(ProgramState& game, const std::string& url) {
    if (game.host.openUrl(url))
        return;
    Message msg;
    msg.text = addressNotOpened(url);
    msg.icon = Icon::Information;
    game.host.message(msg);
}

std::string addressNotOpened(const std::string& url) {
    return "No web browser could be opened for this page. Its address is:\r\n\r\n" + url +
           "\r\n\r\nCopy the address into a web browser to visit the page.";
}

} // namespace stratavex
