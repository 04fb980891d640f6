// SPDX-License-Identifier: MIT
#include "screens/mchoice_window.h"

#include "screens/row_spread.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace stratavex {

namespace {

// Design geometry inside Frame1, in twips. Resizing recomputes the
// horizontal layout of the question line and the options; the options spread
// over the height, the question line above them, and help and skip keep to
// the bottom.
constexpr double frameLeft = 40;
constexpr double frameTop = 25;
constexpr double frameWidth = 9520;
constexpr double frameHeight = 6550;
constexpr double textLeft = 140;
constexpr double textWidth = 9120;
constexpr double questionTop = 400;
constexpr double questionHeight = 700;
constexpr double firstOptionTop = 1200;
constexpr RowColumn options{.count = nChoices, .height = 480, .leastPitch = 620, .mostPitch = 1240};
// Room between the last option and the buttons.
constexpr double optionsGap = 300;

constexpr double minFrameWidth = 3000;

// The longest era with its span, "Late Permian - Early Triassic  --  259.5 -
// 246.7 mya", shows whole; five options at their least pitch and the buttons
// below them.
constexpr double leastWidth = 6900;
constexpr double leastHeight = 5450;

} // namespace

mchoice::mchoice(ScreenState& game, QWidget* parent) : ChoiceWindow(game, mchoiceKind, parent) {
    setObjectName(QStringLiteral("mchoice"));
    placeTwips(*Frame1, frameLeft, frameTop, frameWidth, frameHeight);
    placeTwips(*Label1, textLeft, questionTop, textWidth, questionHeight);
    for (QRadioButton* option : choice)
        placeTwips(*option, textLeft, firstOptionTop, textWidth, options.height);
    placeOptions();
    setLeastSize(leastWidth, leastHeight);
    Form_Load();
}

void mchoice::placeOptions() {
    const double optionsBottom = buttonsTopAtBottom() - optionsGap;
    placeButtons(buttonsTopAtBottom());
    for (int i = 0; i < nChoices; ++i)
        Twips(*choice[static_cast<std::size_t>(i)])
            .setTop(rowTop(options, firstOptionTop, optionsBottom, i));
    // The question line goes with the options when they stand centred.
    Twips(*Label1).setTop(Twips(*choice[0]).top() - (firstOptionTop - questionTop));
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
    placeOptions();
    saveSize();
    centerFrame();
}

} // namespace stratavex
