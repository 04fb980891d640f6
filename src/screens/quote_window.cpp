// SPDX-License-Identifier: MIT
#include "screens/quote_window.h"

#include "base/qt_text.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace stratavex {

namespace {

// Design geometry inside Frame1, in twips. Resizing recomputes only the
// horizontal layout of the description, the question line and the options.
constexpr double frameLeft = 40;
constexpr double frameTop = 25;
constexpr double frameWidth = 9520;
constexpr double frameHeight = 6550;
constexpr double descriptionTop = 300;
constexpr double descriptionHeight = 2800;
constexpr double lowerTop = 3350;
constexpr double questionHeight = 900;
constexpr double optionPitch = 540;
constexpr double optionHeight = 460;
constexpr double buttonTop = 4600;
constexpr double buttonWidth = 1400;
constexpr double buttonHeight = 500;
constexpr double helpLeft = 300;
constexpr double skipLeft = 1900;

constexpr double minWindowWidth = 3000;

} // namespace

quote::quote(ScreenState& game, QWidget* parent)
    : ChoiceWindow(game, quoteKind, parent),
      Text1(makeReadingText(Frame1,
                            {.name = "Text1", .accessibleName = "Description", .look = {11}})) {
    setObjectName(QStringLiteral("quote"));
    placeTwips(*Frame1, frameLeft, frameTop, frameWidth, frameHeight);
    placeTwips(*Text1, frameLeft + 200, descriptionTop, frameWidth - 400, descriptionHeight);
    const double optionLeft = frameLeft + frameWidth / 2 + 300;
    for (int i = 0; i < nChoices; ++i)
        placeTwips(*choice[static_cast<std::size_t>(i)], optionLeft, lowerTop + i * optionPitch,
                   frameWidth / 2 - 600, optionHeight);
    placeTwips(*Label1, frameLeft + 100, lowerTop, frameWidth / 2 - 800, questionHeight);
    placeTwips(*cmdhelp, helpLeft, buttonTop, buttonWidth, buttonHeight);
    placeTwips(*Command1, skipLeft, buttonTop, buttonWidth, buttonHeight);
    orderTabs(Text1);
    Form_Load();
}

void quote::showQuestion() {
    Text1->setPlainText(displayText(question().description()));
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
    centerFrame();
    saveSize();
}

} // namespace stratavex
