// SPDX-License-Identifier: MIT
#pragma once

#include "screens/choice_window.h"

class QPlainTextEdit;

namespace stratavex {

// "Desc and name": a description across the window, below it the question
// line on the left and five names on the right.
class quote : public ChoiceWindow {
    Q_OBJECT
public:
    explicit quote(ScreenState& game, QWidget* parent = nullptr);

protected:
    void Form_Resize() override;
    void showQuestion() override;

private:
    // The question line, the options and the buttons at the frame's bottom;
    // the description above them takes the rest of the height.
    void placeLowerPart();

    QPlainTextEdit* Text1;
};

} // namespace stratavex
