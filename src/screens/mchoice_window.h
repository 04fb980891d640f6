// SPDX-License-Identifier: MIT
#pragma once

#include "screens/choice_window.h"

namespace stratavex {

// "When did this one live?": the question line above five eras.
class mchoice : public ChoiceWindow {
    Q_OBJECT
public:
    explicit mchoice(ScreenState& game, QWidget* parent = nullptr);

protected:
    void Form_Resize() override;

private:
    // The tops of the question line and the options, and the buttons, from
    // the frame's height.
    void placeOptions();
};

} // namespace stratavex
