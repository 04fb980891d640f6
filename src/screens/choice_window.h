// SPDX-License-Identifier: MIT
#pragma once

#include "screens/choice.h"
#include "screens/qt_screen.h"

#include <array>

class QLabel;
class QPushButton;
class QRadioButton;

namespace stratavex {

// What the two choice screens share: five options, the question line, help
// and skip. The answer is the first mouse press on an option, or its number
// key.
class ChoiceWindow : public QuestionWindow {
    Q_OBJECT
public:
    ChoiceWindow(ScreenState& game, const ChoiceKind& kind, QWidget* parent);

protected:
    // Restores the size, lays the window out and builds the question. The
    // screen calls it once all of its own controls exist.
    void Form_Load();
    // Shows what the screen has beyond the options and the question line.
    virtual void showQuestion() {}

    bool eventFilter(QObject* watched, QEvent* event) override;
    bool takeKey(const QKeyEvent& key) override;
    // Tab goes from `first`, when there is one, over the options to help and skip.
    void orderTabs(QWidget* first = nullptr);
    // Help and skip side by side, in twips inside Frame1.
    void placeButtons(double top);
    // The top that keeps help and skip at the frame's bottom edge.
    double buttonsTopAtBottom() const;

    const ChoiceQuestion& question() const { return question_; }

    std::array<QRadioButton*, nChoices> choice{};
    QLabel* Label1;
    QPushButton* cmdhelp;
    QPushButton* Command1;

private:
    void choice_MouseDown(int index);
    void cmdhelp_Click();
    void Command1_Click();

    ChoiceQuestion question_;
};

} // namespace stratavex
