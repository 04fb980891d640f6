// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace stratavex {

// What the common window services need from a window. Sizes and positions are
// in twips (1/1440 inch); the windows convert at their edge.
class Form {
public:
    virtual ~Form() = default;

    // 0 normal, 1 minimised, 2 maximised.
    virtual std::int16_t windowState() const = 0;
    virtual void setWindowState(std::int16_t state) = 0;
    // RGB value as red + 256 * green + 65536 * blue.
    virtual std::int32_t backColor() const = 0;

    virtual double width() const = 0;
    virtual double height() const = 0;
    virtual void setWidth(double twips) = 0;
    virtual void setHeight(double twips) = 0;
    virtual void move(double left, double top) = 0;

    // The screen the window is on.
    virtual double screenWidth() const = 0;
    virtual double screenHeight() const = 0;
};

} // namespace stratavex
