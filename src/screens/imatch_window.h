// SPDX-License-Identifier: MIT
#pragma once

#include "screens/qt_matching.h"

#include <array>

namespace stratavex {

class PictureBox;

// "Match 'em" with pictures: four name buttons to drag onto a two-by-two
// grid of dinosaur pictures (question types 1, 3, 12 and 19).
class imatch : public MatchingWindow {
    Q_OBJECT
public:
    static constexpr int pictures = 4;

    explicit imatch(ScreenState& game);

protected:
    void Form_Resize() override;
    QString targetName(int target) const override;
    void dropOn(int target) override;

private:
    void createTargets();
    void Form_Load();
    void layOut();
    void image1_DragDrop(int index);

    std::array<PictureBox*, pictures> Image1{};
};

} // namespace stratavex
