// SPDX-License-Identifier: MIT
#pragma once

#include "screens/oddout_window.h"

#include <array>

class QRadioButton;

namespace stratavex {

// The odd one out among four names or families: "Diet by family?", "Which is
// not of this era", "Suborder difference".
class qoddout : public OddOutWindow {
    Q_OBJECT
public:
    explicit qoddout(ScreenState& game, QWidget* parent = nullptr);

protected:
    void showItems(bool clickable) override;
    void Form_Resize() override;
    // The tops of the prompt and the options, and the buttons, from the
    // frame's height.
    void placeRows();

    std::array<QRadioButton*, oddOutItems> Option1{};
};

} // namespace stratavex
