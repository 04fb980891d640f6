// SPDX-License-Identifier: MIT
#pragma once

#include "base/form.h"

class QWidget;

namespace stratavex {

// Twips are 1/1440 of a logical inch; a widget's logical DPI converts them,
// so layouts keep their proportions at any screen resolution.
constexpr double twipsPerInch = 1440.0;

int twipsToPixelsX(const QWidget& widget, double twips);
int twipsToPixelsY(const QWidget& widget, double twips);
double pixelsToTwipsX(const QWidget& widget, int pixels);
double pixelsToTwipsY(const QWidget& widget, int pixels);

// Places a control inside its parent from a geometry given in twips.
void placeTwips(QWidget& control, double left, double top, double width, double height);

// Centres a frame inside its window: hidden while it moves, shown again after.
void centerframe(QWidget& frame, const QWidget& window);

// A top-level widget seen through the common window services. Positions are
// relative to the top-left corner of the screen the window is on.
class QtForm : public Form {
public:
    explicit QtForm(QWidget& widget) : widget_(widget) {}

    std::int16_t windowState() const override;
    void setWindowState(std::int16_t state) override;
    std::int32_t backColor() const override;

    double width() const override;
    double height() const override;
    void setWidth(double twips) override;
    void setHeight(double twips) override;
    void move(double left, double top) override;

    double screenWidth() const override;
    double screenHeight() const override;

private:
    QWidget& widget_;
};

} // namespace stratavex
