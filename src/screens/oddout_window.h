// SPDX-License-Identifier: MIT
#pragma once

#include "screens/oddout.h"
#include "screens/qt_screen.h"

class QLabel;
class QPushButton;

namespace stratavex {

// What the two odd-one-out screens share: the prompt, help, skip and the
// question itself; the screens add their four items and their layout.
class OddOutWindow : public QuestionWindow {
    Q_OBJECT
public:
    OddOutWindow(ScreenState& game, const OddOutScreen& screen, QWidget* parent);

protected:
    // Restores the size, sets the caption and builds the question. The
    // screen calls it once its own controls exist.
    void Form_Load();
    // Shows the four items at their positions; enabled only when the question
    // was built, so after a failed build the player can only skip.
    virtual void showItems(bool clickable) = 0;
    // The item at a display position was clicked, or its number key pressed.
    void itemClicked(int position);
    bool takeKey(const QKeyEvent& key) override;
    // Tab goes over the four items, then help and skip.
    void orderTabs(const std::vector<QWidget*>& items);

    const OddOut& question() const { return question_; }

    QLabel* Label1;
    QPushButton* cmdhelp;
    QPushButton* cmdSkip;

private:
    void cmdhelp_Click();
    void cmdSkip_Click();

    OddOut question_;
};

} // namespace stratavex
