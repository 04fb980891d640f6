// SPDX-License-Identifier: MIT
#include "screens/quote_window.h"

#include "base/qt_text.h"
#include "screens/row_spread.h"

#include <algorithm>

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace stratavex {

namespace {

// Design geometry inside Frame1, in twips. Resizing recomputes the
// horizontal layout of the description, the question line and the options.
// A taller window lengthens the description up to twice its design height,
// then spreads the options below it, the question line beside the first;
// help and skip keep to the bottom.
constexpr double frameLeft = 40;
constexpr double frameTop = 25;
constexpr double frameWidth = 9520;
constexpr double frameHeight = 6550;
constexpr double descriptionTop = 300;
constexpr double mostDescriptionHeight = 5600;
// Room between the description and the question line.
constexpr double descriptionGap = 250;
constexpr double questionHeight = 900;
constexpr RowColumn options{.count = nChoices, .height = 460, .leastPitch = 540, .mostPitch = 1080};
constexpr double leastOptionsHeight = (nChoices - 1) * options.leastPitch + options.height;
constexpr double optionsBottomMargin = 450;

constexpr double minWindowWidth = 3000;

// The longest name, "Carcharodontosaurus", shows whole in the right half; the
// description keeps four lines.
constexpr double leastWidth = 6900;
constexpr double leastHeight = 5000;

} // namespace

quote::quote(ScreenState& game, QWidget* parent)
    : ChoiceWindow(game, quoteKind, parent),
      Text1(makeReadingText(Frame1,
                            {.name = "Text1", .accessibleName = "Description", .look = {11}})) {
    setObjectName(QStringLiteral("quote"));
    placeTwips(*Frame1, frameLeft, frameTop, frameWidth, frameHeight);
    placeTwips(*Text1, frameLeft + 200, descriptionTop, frameWidth - 400, 0);
    const double optionLeft = frameLeft + frameWidth / 2 + 300;
    for (QRadioButton* option : choice)
        placeTwips(*option, optionLeft, 0, frameWidth / 2 - 600, options.height);
    placeTwips(*Label1, frameLeft + 100, 0, frameWidth / 2 - 800, questionHeight);
    placeLowerPart();
    orderTabs(Text1);
    setLeastSize(leastWidth, leastHeight);
    Form_Load();
}

void quote::showQuestion() {
    Text1->setPlainText(displayText(question().description()));
}

void quote::placeLowerPart() {
    const double optionsBottom = frame().height() - optionsBottomMargin;
    const double descriptionHeight =
        std::min(optionsBottom - leastOptionsHeight - descriptionGap - descriptionTop,
                 mostDescriptionHeight);
    Twips(*Text1).setHeight(descriptionHeight);
    const double optionsTop = descriptionTop + descriptionHeight + descriptionGap;
    for (int i = 0; i < nChoices; ++i)
        Twips(*choice[static_cast<std::size_t>(i)])
            .setTop(rowTop(options, optionsTop, optionsBottom, i));
    Twips(*Label1).setTop(Twips(*choice[0]).top());
    placeButtons(buttonsTopAtBottom());
}

void quote::Form_Resize() {
    if (window().width() < minWindowWidth)
        return;
    frame().setTop(window().top() + 100);
    frame().setWidth(window().width() - 80);
    frame().setHeight(window().height() - 50);
    Twips description(*Text1);
    description.setLeft(frame().left() + 200);
    description.setWidth(frame().width() - 400);
    for (QRadioButton* option : choice) {
        Twips place(*option);
        place.setLeft(frame().left() + frame().width() / 2 + 300);
        place.setWidth(frame().width() / 2 - 600);
    }
    Twips line(*Label1);
    line.setLeft(frame().left() + 100);
    line.setWidth(frame().width() / 2 - 800);
    placeLowerPart();
    centerFrame();
    saveSize();
}

} // namespace stratavex
