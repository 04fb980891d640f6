// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "base/form.h"

namespace stratavex::testing {

// A window without a screen. It records the changes made to it, in order, and
// can run a resize handler whenever its size changes, as a real window's
// resize event would.
class FakeForm : public Form {
public:
    std::int16_t state = 0;
    std::int32_t color = 0xC0C0C0;
    double w = 9000;
    double h = 6000;
    double left = 0;
    double top = 0;
    double screenW = 19200;
    double screenH = 14400;

    std::vector<std::string> changes; // "state 2", "width 9600", "height 6600"
    std::function<void()> onResize;

    std::int16_t windowState() const override { return state; }
    void setWindowState(std::int16_t s) override {
        state = s;
        changes.push_back("state " + std::to_string(s));
    }
    std::int32_t backColor() const override { return color; }
    double width() const override { return w; }
    double height() const override { return h; }
    void setWidth(double twips) override {
        w = twips;
        changes.push_back("width " + std::to_string(static_cast<long>(twips)));
        resized();
    }
    void setHeight(double twips) override {
        h = twips;
        changes.push_back("height " + std::to_string(static_cast<long>(twips)));
        resized();
    }
    void move(double l, double t) override {
        left = l;
        top = t;
    }
    double screenWidth() const override { return screenW; }
    double screenHeight() const override { return screenH; }

private:
    void resized() {
        if (onResize)
            onResize();
    }
};

} // namespace stratavex::testing
