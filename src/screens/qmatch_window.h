// SPDX-License-Identifier: MIT
#pragma once

#include "screens/qt_matching.h"

#include <array>

class QLabel;

namespace stratavex {

// "Match 'em" with descriptions: five coloured bars to drag onto five
// descriptions, or to click and then click a description (question types 6,
// 7, 11, 13 and 18).
class qmatch : public MatchingWindow {
    Q_OBJECT
public:
    static constexpr int descriptions = 5;

    explicit qmatch(ScreenState& game);

protected:
    void Form_Resize() override;
    QString targetName(int target) const override;
    void dropOn(int target) override;
    void Btn1_MouseDown(int index, QPoint grip) override;
    void Btn1_Click(int index) override;
    void showStatus() override;

private:
    void createTargets();
    void layOut();
    std::array<int, descriptions> rowHeights(int textWidth, int barHeight, int height);
    void Form_Load();
    void Label2_DragDrop(int index);

    QLabel* Label1 = nullptr; // the prompt
    std::array<QLabel*, descriptions> Label2{};
    QLabel* Label4 = nullptr; // what the last press or click on a bar was
};

} // namespace stratavex
