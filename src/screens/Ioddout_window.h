// SPDX-License-Identifier: MIT
#pragma once

#include "screens/oddout_window.h"

#include <array>

namespace stratavex {

// "Diet by image?": the odd one out among four pictures in a 2 x 2 grid.
class Ioddout : public OddOutWindow {
    Q_OBJECT
public:
    explicit Ioddout(ScreenState& game, QWidget* parent = nullptr);

protected:
    void showItems(bool clickable) override;
    void Form_Resize() override;

    std::array<PictureBox*, oddOutItems> Image1{};
};

} // namespace stratavex
