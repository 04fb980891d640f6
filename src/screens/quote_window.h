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
    // The description's height, the question line and the options below it,
    // and the buttons at the frame's bottom.
    void placeLowerPart();

    QPlainTextEdit* Text1;
};

} // namespace stratavex
