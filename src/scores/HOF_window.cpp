// SPDX-License-Identifier: MIT
#include "scores/HOF_window.h"

#include "base/qt_controls.h"
#include "base/qt_text.h"
#include "base/services.h"
#include "scores/hof.h"
#include "scores/score_state.h"

#include <QFont>
#include <QPlainTextEdit>
#include <QPushButton>

namespace stratavex {
namespace {

// Designed client size and places, in twips. The list is wide enough for a
// row with a long date and tall enough for half the places.
constexpr double designWidth = 7200;
constexpr double designHeight = 5700;
constexpr double margin = 120;
constexpr double buttonWidth = 1800;
constexpr double buttonHeight = 450;
constexpr double buttonTop = designHeight - margin - buttonHeight;
constexpr double listHeight = buttonTop - 2 * margin;
constexpr double listPointSize = 10;

// The columns of the list only line up in a fixed-pitch font.
QFont listFont() {
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(listPointSize);
    return font;
}

} // namespace

HOF::HOF(ScoreState& game, QWidget* parent) : QDialog(parent), game_(game) {
    setUpDialog(*this, "HOF", QStringLiteral("Hall of Fame"));
    createControls();
    Form_Load();
}

void HOF::createControls() {
    Text1 = makeReadingText(this, {.name = "Text1",
                                   .accessibleName = "Hall of Fame list",
                                   .scrollBarAlwaysOn = true,
                                   .wrapLines = false});
    Text1->setFont(listFont());

    cmdOnline = makeButton(
        this, {.name = "cmdOnline", .caption = "Online HOF", .tip = "Check Varlune Website HOFs"});
    cmdClear = makeButton(this, {.name = "cmdClear", .caption = "Clear"});
    cmdOK = makeButton(this, {.name = "cmdOK", .caption = "OK"});
    cmdOK->setDefault(true);
    cmdOnline->setAccessibleName(QStringLiteral("Online Hall of Fame"));
    cmdClear->setAccessibleName(QStringLiteral("Clear the Hall of Fame"));
    cmdOK->setAccessibleName(QStringLiteral("OK"));

    connect(cmdOK, &QPushButton::clicked, this, &HOF::cmdok_Click);
    connect(cmdClear, &QPushButton::clicked, this, &HOF::cmdClear_Click);
    connect(cmdOnline, &QPushButton::clicked, this, &HOF::cmdOnline_Click);

    setFixedSize(twipsToPixelsX(*this, designWidth), twipsToPixelsY(*this, designHeight));
    placeTwips(*Text1, margin, margin, designWidth - 2 * margin, listHeight);
    placeTwips(*cmdOnline, margin, buttonTop, buttonWidth, buttonHeight);
    placeTwips(*cmdClear, (designWidth - buttonWidth) / 2, buttonTop, buttonWidth, buttonHeight);
    placeTwips(*cmdOK, designWidth - margin - buttonWidth, buttonTop, buttonWidth, buttonHeight);

    setTabOrder(cmdOK, cmdOnline);
    setTabOrder(cmdOnline, cmdClear);
    setTabOrder(cmdClear, Text1);
    cmdOK->setFocus();
}

void HOF::Form_Load() {
    QtForm form(*this);
    centerform(form);
    Text1->setPlainText(displayText(loadHofList(game_)));
}

void HOF::cmdok_Click() {
    accept();
}

void HOF::cmdClear_Click() {
    if (clearHofAsked(game_))
        accept();
}

void HOF::cmdOnline_Click() {
    openurl(game_, onlineListUrl());
}

} // namespace stratavex
