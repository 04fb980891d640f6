// SPDX-License-Identifier: MIT
#include "screens/qoddout_window.h"

#include "base/qt_controls.h"
#include "base/qt_text.h"
#include "screens/row_spread.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace stratavex {

namespace {

// Design geometry in twips, inside Frame1. The options spread over the
// height the window has, the prompt above them; help and skip keep to the
// bottom.
constexpr double promptTop = 250;
constexpr double optionTop = 1300;
constexpr RowColumn options{
    .count = oddOutItems, .height = 700, .leastPitch = 850, .mostPitch = 1700};
// Room between the last option and the buttons.
constexpr double optionsGap = 250;
constexpr double buttonHeight = 500;
constexpr double buttonsBottomMargin = 450;

// The longest option, a name with its family in brackets ("Carcharodontosaurus
// (Carcharodontosauridae)"), shows whole; the longest prompt takes two lines.
constexpr double leastWidth = 7300;
constexpr double leastHeight = 5850;

} // namespace

qoddout::qoddout(ScreenState& game, QWidget* parent) : OddOutWindow(game, qoddoutScreen, parent) {
    placeTwips(*Frame1, 50, 50, 9500, 6500);
    placeTwips(*Label1, 450, promptTop, 8500, 900);
    for (int i = 0; i < oddOutItems; ++i) {
        auto* option = new QRadioButton(Frame1);
        option->setObjectName(QStringLiteral("Option1%1").arg(i));
        setTextLook(*option, {12});
        placeTwips(*option, 450, optionTop + i * options.leastPitch, 8500, options.height);
        option->setAccessibleName(numberedName("Option", i));
        option->setToolTip(QStringLiteral("Press %1 to choose this one").arg(i + 1));
        connect(option, &QRadioButton::clicked, this, [this, i] { itemClicked(i); });
        Option1[static_cast<std::size_t>(i)] = option;
    }
    placeTwips(*cmdhelp, 450, 0, 1300, buttonHeight);
    placeTwips(*cmdSkip, 1950, 0, 1300, buttonHeight);
    placeRows();
    orderTabs({Option1.begin(), Option1.end()});
    setLeastSize(leastWidth, leastHeight);
    Form_Load();
}

void qoddout::showItems(bool clickable) {
    for (int p = 0; p < oddOutItems; ++p) {
        QRadioButton* option = Option1[static_cast<std::size_t>(p)];
        if (clickable) {
            option->setText(buttonText(question().caption(p)));
            option->setAccessibleName(numberedName("Option", p, question().caption(p)));
        }
        option->setEnabled(clickable);
    }
}

void qoddout::placeRows() {
    const double buttonTop = frame().height() - buttonsBottomMargin - buttonHeight;
    Twips(*cmdhelp).setTop(buttonTop);
    Twips(*cmdSkip).setTop(buttonTop);
    for (int i = 0; i < oddOutItems; ++i)
        Twips(*Option1[static_cast<std::size_t>(i)])
            .setTop(rowTop(options, optionTop, buttonTop - optionsGap, i));
    // The prompt goes with the options when they stand centred.
    Twips(*Label1).setTop(Twips(*Option1[0]).top() - (optionTop - promptTop));
}

void qoddout::Form_Resize() {
    if (!laysOut(qoddoutScreen, window().width(), window().height()))
        return;
    if (savesSize(qoddoutScreen, maximized()))
        saveSize();
    frame().setWidth(window().width() - 100);
    frame().setHeight(window().height() - 100);
    for (QRadioButton* option : Option1) {
        Twips twips(*option);
        twips.setLeft(frame().left() + 400);
        twips.setWidth(frame().width() - 1000);
    }
    const Twips first(*Option1[0]);
    Twips label(*Label1);
    label.setLeft(first.left());
    label.setWidth(first.width());
    placeRows();
    centerFrame();
}

} // namespace stratavex
