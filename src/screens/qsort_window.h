// SPDX-License-Identifier: MIT
#pragma once

#include "screens/qt_screen.h"
#include "screens/sorting.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace stratavex {

// The sorting screen: five item lines the player puts in order by clicking
// a line to push it up one slot, or choosing it with the arrow keys and
// pushing it with Ctrl+Up, then "Done".
class qsort : public QuestionWindow {
    Q_OBJECT
public:
    explicit qsort(ScreenState& game, QWidget* parent = nullptr);

protected:
    void Form_Resize() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void Form_Load();
    void updatelist();
    void fitLines();
    // The frame takes the window's height; the instruction and the buttons
    // keep to its bottom, the heading and the list stand centred above them.
    void placeByHeight();
    void List1_Click(int index);
    void pushCurrentLineUp();
    void Command1_Click();
    void Command2_Click();

    Sorting sorting_;

    QLabel* Label1 = nullptr;
    QListWidget* List1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* Command2 = nullptr;
};

} // namespace stratavex
