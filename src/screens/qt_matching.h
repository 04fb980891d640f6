// SPDX-License-Identifier: MIT
#pragma once

#include "screens/matching.h"
#include "screens/qt_drag.h"
#include "screens/qt_screen.h"

#include <QPoint>

#include <array>

class QPushButton;

namespace stratavex {

// What the two matching screens share: the question, the name buttons that
// are dragged, the Done, Skip and Help buttons and the look of the window.
// Each screen adds its targets, its layout and what a drop does.
class MatchingWindow : public QuestionWindow {
    Q_OBJECT
public:
    // The question as the player has placed it so far.
    const Matching& question() const { return question_; }

protected:
    MatchingWindow(Game& game, const MatchingKind& kind, int sizeSlot, double designWidth,
                   double designHeight);

    // Builds the question and shows its name buttons; after a failed build
    // the buttons and Done are disabled and the player leaves with Skip.
    bool buildQuestion();
    // The buttons lie above the targets they are dropped on.
    void raiseButtons();
    // All name buttons show their captions at the largest size at which every
    // one of them fits, never above the question's font size.
    void fitCaptions();
    int pairs() const { return question_.pairs(); }

    // The drag of a name button ended at a point of the window that is not on
    // the button itself.
    virtual void dragEndedAt(QPoint pointInWindow) = 0;
    // A press on a name button starts its drag, whatever the mouse button.
    virtual void Btn1_MouseDown(int index, QPoint grip);
    virtual void Btn1_Click(int index);

    // The drag keeps the grip of the last press on a name button.
    void beginDrag(int index, ManualDrag::Until until);

    Matching question_;
    std::array<DragButton*, Matching::maxPairs> Btn1{};
    QPushButton* Command1 = nullptr; // Done
    QPushButton* Command2 = nullptr; // Skip
    QPushButton* cmdhelp = nullptr;

private:
    void createControls();
    void dragEnded(QWidget* source, QPoint pointInWindow);
    void Command1_Click();
    void Command2_Click();
    void cmdhelp_Click();

    ManualDrag drag_;
    QPoint grip_;
};

} // namespace stratavex
