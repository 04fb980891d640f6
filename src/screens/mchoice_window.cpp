// SPDX-License-Identifier: MIT
#include "screens/mchoice_window.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace stratavex {

namespace {

// Design geometry inside Frame1, in twips. Resizing recomputes only the
// horizontal layout of the question line and the options.
constexpr double frameLeft = 40;
constexpr double frameTop = 25;
constexpr double frameWidth = 9520;
constexpr double frameHeight = 6550;
constexpr double textLeft = 140;
constexpr double textWidth = 9120;
constexpr double questionTop = 400;
constexpr double questionHeight = 700;
constexpr double firstOptionTop = 1200;
constexpr double optionPitch = 620;
constexpr double optionHeight = 480;
constexpr double buttonTop = 4500;
constexpr double buttonWidth = 1400;
constexpr double buttonHeight = 500;
constexpr double helpLeft = 300;
constexpr double skipLeft = 1900;

constexpr double minFrameWidth = 3000;

} // namespace

mchoice::mchoice(ScreenState& game, QWidget* parent) : ChoiceWindow(game, mchoiceKind, parent) {
    setObjectName(QStringLiteral("mchoice"));
    placeTwips(*Frame1, frameLeft, frameTop, frameWidth, frameHeight);
    placeTwips(*Label1, textLeft, questionTop, textWidth, questionHeight);
    for (int i = 0; i < nChoices; ++i)
        placeTwips(*choice[static_cast<std::size_t>(i)], textLeft, firstOptionTop + i * optionPitch,
                   textWidth, optionHeight);
    placeTwips(*cmdhelp, helpLeft, buttonTop, buttonWidth, buttonHeight);
    placeTwips(*Command1, skipLeft, buttonTop, buttonWidth, buttonHeight);
    Form_Load();
}

void mchoice::Form_Resize() {
    frame().setTop(window().top() + 100);
    frame().setWidth(window().width() - 80);
    frame().setHeight(window().height() - 50);
    if (frame().width() < minFrameWidth)
        return;
    for (QRadioButton* option : choice) {
        Twips place(*option);
        place.setLeft(frame().left() + 100);
        place.setWidth(frame().width() - 400);
    }
    Twips line(*Label1);
    line.setLeft(frame().left() + 100);
    line.setWidth(frame().width() - 400);
    saveSize();
    centerFrame();
}

} // namespace stratavex
