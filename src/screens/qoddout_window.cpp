// SPDX-License-Identifier: MIT
#include "screens/qoddout_window.h"

#include "base/qt_controls.h"
#include "base/qt_text.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace stratavex {

namespace {

// Design geometry in twips, inside Frame1.
constexpr double optionTop = 1300;
constexpr double optionPitch = 850;
constexpr double optionHeight = 700;
constexpr double buttonTop = 5550;

} // namespace

qoddout::qoddout(ScreenState& game, QWidget* parent) : OddOutWindow(game, qoddoutScreen, parent) {
    placeTwips(*Frame1, 50, 50, 9500, 6500);
    placeTwips(*Label1, 450, 250, 8500, 900);
    for (int i = 0; i < oddOutItems; ++i) {
        auto* option = new QRadioButton(Frame1);
        option->setObjectName(QStringLiteral("Option1%1").arg(i));
        setTextLook(*option, {12});
        placeTwips(*option, 450, optionTop + i * optionPitch, 8500, optionHeight);
        option->setAccessibleName(numberedName("Option", i));
        option->setToolTip(QStringLiteral("Press %1 to choose this one").arg(i + 1));
        connect(option, &QRadioButton::clicked, this, [this, i] { itemClicked(i); });
        Option1[static_cast<std::size_t>(i)] = option;
    }
    placeTwips(*cmdhelp, 450, buttonTop, 1300, 500);
    placeTwips(*cmdSkip, 1950, buttonTop, 1300, 500);
    orderTabs({Option1.begin(), Option1.end()});
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
    centerFrame();
}

} // namespace stratavex
