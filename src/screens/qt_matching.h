// SPDX-License-Identifier: MIT
#pragma once

#include "screens/matching.h"
#include "screens/qt_drag.h"
#include "screens/qt_screen.h"

#include <QPoint>
#include <QRect>
#include <QSize>

#include <array>
#include <vector>

class QPushButton;

namespace stratavex {

// What the two matching screens share: the question, the name buttons that
// are dragged, the Done, Skip and Help buttons and the look of the window.
// Each screen adds its targets, its layout and what a drop does.
//
// The keyboard plays the same question: Tab moves the focus over the name
// buttons, then the targets, then Done, Skip and Help; Space on a name picks
// it, Space on a target puts the picked name there, Escape lets go of it. A
// pick and a put are the press and the drop of a drag.
class MatchingWindow : public QuestionWindow {
    Q_OBJECT
public:
    // The question as the player has placed it so far.
    const Matching& question() const { return question_; }
    // The name button picked with the keyboard, or Matching::noButton.
    int keyPicked() const { return keyPicked_; }

protected:
    MatchingWindow(ScreenState& game, const MatchingKind& kind, int sizeSlot, double designWidth,
                   double designHeight);

    // Builds the question and shows its name buttons; after a failed build
    // the buttons and Done are disabled and the player leaves with Skip.
    bool buildQuestion();
    // The buttons lie above the targets they are dropped on.
    void raiseButtons();
    int pairs() const { return question_.pairs(); }

    // The layout gives every name button its place at home and every target
    // the slot a name put on it lies in, in Frame1's pixels; showPlacements
    // then puts each button where the question has it, so the screen always
    // shows what Done judges.
    void setHome(int button, const QRect& place);
    void setSlot(int target, const QRect& place);
    void showPlacements();
    // The least size at which every name button shows its caption whole at
    // the question's font size, and never narrower than `narrowest` pixels.
    QSize nameSize(int narrowest) const;
    // The unplaced names stand in rows of `columns` from the top left of an
    // area, in the order of their numbers, from the cell `firstCell` on.
    void layHomeGrid(QPoint topLeft, QSize name, int columns, int gap, int firstCell = 0);
    // Help, Done and Skip stand in a row along the lower edge of an area;
    // returns the top of their row.
    int layCommands(const QRect& area);
    int pixels(double twips) const;
    // Frame1 fills the window; returns the frame's inside within its margin.
    QRect fitFrame();
    // The room left between two controls, in pixels.
    int gapPixels() const;

    // The dragged name is put on a target.
    void putDragged(int target);

    // The controls the name buttons are dropped on, by target slot, given
    // once the screen has made them.
    void setTargets(const std::vector<QWidget*>& targets);
    // What a screen reader calls a target before anything is put on it.
    virtual QString targetName(int target) const = 0;
    // Names every target after what it shows and the name put on it.
    void nameTargets();
    // The dragged button is dropped on a target or its slot.
    virtual void dropOn(int target) = 0;
    // A press on a name button starts its drag, whatever the mouse button.
    virtual void Btn1_MouseDown(int index, QPoint grip);
    virtual void Btn1_Click(int index);
    // The last press or click on a name button changed the question's status.
    virtual void showStatus() {}

    // The drag keeps the grip of the last press on a name button.
    void beginDrag(int index, ManualDrag::Until until);

    bool takeKey(const QKeyEvent& key) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    Matching question_;
    std::array<DragButton*, Matching::maxPairs> Btn1{};
    QPushButton* Command1 = nullptr; // Done
    QPushButton* Command2 = nullptr; // Skip
    QPushButton* cmdhelp = nullptr;

private:
    void createControls();
    // All name buttons show their captions at the largest size at which every
    // one of them fits, never above the question's font size.
    void fitCaptions();
    void dragEnded(QWidget* source, QPoint pointInWindow);
    void pickByKey(int button);
    void putByKey(int target);
    void letGoOfKeyPick();
    void Command1_Click();
    void Command2_Click();
    void cmdhelp_Click();

    ManualDrag drag_;
    QPoint grip_;
    std::vector<QWidget*> targets_;
    std::vector<QWidget*> slots_; // by target
    std::array<QRect, Matching::maxPairs> home_{};
    int keyPicked_ = Matching::noButton;
};

} // namespace stratavex
