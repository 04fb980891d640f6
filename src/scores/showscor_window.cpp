// SPDX-License-Identifier: MIT
#include "scores/showscor_window.h"

#include "base/qt_controls.h"
#include "base/qt_text.h"
#include "base/services.h"
#include "scores/score_state.h"
#include "scores/showscor.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>

#include <algorithm>

namespace stratavex {
namespace {

// The score display never remembers its size; its slot is kept for the rule.
constexpr int sizeSlot = 3;

// Designed size of the window's inside, in twips.
constexpr double designWidth = 6000;
constexpr double designHeight = 4500;

// The frame keeps a 100-twip border in the window; below this width the
// verdict box keeps its place.
constexpr double frameLeft = 50;
constexpr double frameTop = 50;
constexpr double frameBorder = 100;
constexpr double minimumTextLayoutWidth = 3000;

// Inside the frame. The verdict box keeps 100 twips to the frame's left
// edge and 300 to its right; the labels and the button follow the frame.
constexpr double textInset = 100;
constexpr double textMargins = 400; // frame width less verdict width
constexpr double textTop = 850;
constexpr double textHeight = 2300;
constexpr double labelLeft = frameLeft + textInset;
constexpr double labelMargins = 300; // frame width less label width
constexpr double headingTop = 300;
constexpr double headingHeight = 450;
constexpr double scoreTop = 3300;
constexpr double scoreHeight = 350;
constexpr double buttonWidth = 1200;
constexpr double buttonHeight = 420;
constexpr double buttonTop = 3800;
constexpr double designFrameWidth = designWidth - frameBorder;
constexpr double designFrameHeight = designHeight - frameBorder;

} // namespace

showscor::showscor(ScoreState& game, QWidget* parent) : QDialog(parent), game_(game) {
    setUpDialog(*this, "showscor", QStringLiteral("Score"));
    createControls();
    Form_Load();
}

void showscor::createControls() {
    Frame1 = named(new QGroupBox(QStringLiteral(" "), this), "Frame1");

    Label1 = makeLabel(
        Frame1,
        {.name = "Label1", .look = {11, true}, .wordWrap = true, .alignment = Qt::AlignCenter});

    Text1 = makeReadingText(
        Frame1,
        {.name = "Text1", .accessibleName = "Verdict", .look = {10}, .scrollBarAlwaysOn = true});

    Label2 = makeLabel(Frame1, {.name = "Label2",
                                .look = {10, true},
                                .wordWrap = true,
                                .alignment = Qt::AlignLeft | Qt::AlignVCenter});

    Command1 = makeButton(
        Frame1, {.name = "Command1", .caption = "ok", .tip = "Click here when  ready to proceed"});
    Command1->setAccessibleName(QStringLiteral("OK"));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &showscor::Command1_Click);

    resize(twipsToPixelsX(*this, designWidth), twipsToPixelsY(*this, designHeight));
    placeTwips(*Frame1, frameLeft, frameTop, designFrameWidth, designFrameHeight);
    layoutInside(designFrameWidth, designFrameHeight);

    // The player reads the verdict and goes on with Enter.
    setTabOrder(Command1, Text1);
    Command1->setFocus();
}

void showscor::Form_Load() {
    QtForm form(*this);
    sizeform(game_, form, sizeSlot, 1);
    centerform(form);
    scoreCaption(game_);
    showTexts();
}

void showscor::showTexts() {
    setPlainText(*Label1, game_.showscor.Label1);
    Text1->setPlainText(displayText(game_.showscor.Text1));
    setPlainText(*Label2, game_.showscor.Label2);
}

void showscor::Form_Resize() {
    QtForm form(*this);
    sizeform(game_, form, sizeSlot, 0);
    const double w = form.width();
    const double h = form.height();
    const double frameWidth = std::max(0.0, w - frameBorder);
    const double frameHeight = std::max(0.0, h - frameBorder);
    placeTwips(*Frame1, frameLeft, frameTop, frameWidth, frameHeight);
    if (w < minimumTextLayoutWidth)
        return;
    layoutInside(frameWidth, frameHeight);
}

// A taller window gives the extra height to the verdict; the score line and
// the button stay below it.
void showscor::layoutInside(double frameWidth, double frameHeight) {
    const double extra = std::max(0.0, frameHeight - designFrameHeight);
    const double labelWidth = frameWidth - labelMargins;
    placeTwips(*Label1, labelLeft, headingTop, labelWidth, headingHeight);
    placeTwips(*Text1, frameLeft + textInset, textTop, frameWidth - textMargins,
               textHeight + extra);
    placeTwips(*Label2, labelLeft, scoreTop + extra, labelWidth, scoreHeight);
    placeTwips(*Command1, (frameWidth - buttonWidth) / 2, buttonTop + extra, buttonWidth,
               buttonHeight);
}

void showscor::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Form_Resize();
}

void showscor::Command1_Click() {
    accept();
}

} // namespace stratavex
