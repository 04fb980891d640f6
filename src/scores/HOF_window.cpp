// SPDX-License-Identifier: MIT
#include "scores/HOF_window.h"

#include "base/qt_controls.h"
#include "base/qt_text.h"
#include "base/services.h"
#include "scores/hof.h"
#include "scores/qt_text_width.h"
#include "scores/score_state.h"

#include <QFont>
#include <QPlainTextEdit>
#include <QPushButton>

#include <algorithm>

namespace stratavex {
namespace {

// Designed client size and places, in twips. The list is tall enough for
// half the places; it is made wide enough for its widest row.
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

    setTabOrder(cmdOK, cmdOnline);
    setTabOrder(cmdOnline, cmdClear);
    setTabOrder(cmdClear, Text1);
    cmdOK->setFocus();
}

void HOF::Form_Load() {
    Text1->setPlainText(displayText(loadHofList(game_)));
    layoutForList();
    QtForm form(*this);
    centerform(form);
}

// Wide enough that every row of the list, and the widest row it could
// hold today, shows without scrolling sideways.
void HOF::layoutForList() {
    const QString lines = Text1->toPlainText() + QLatin1Char('\n') +
                          displayText(fullestHofRow(game_.host.shortDate()));
    const int listWidth = std::max(twipsToPixelsX(*this, designWidth - 2 * margin),
                                   widestLine(lines, Text1->font()) + widthBesideLines(*Text1));
    const int left = twipsToPixelsX(*this, margin);
    const int width = listWidth + 2 * left;
    const int top = twipsToPixelsY(*this, margin);
    const int buttonsTop = twipsToPixelsY(*this, buttonTop);
    const int buttonW = twipsToPixelsX(*this, buttonWidth);
    const int buttonH = twipsToPixelsY(*this, buttonHeight);

    setFixedSize(width, twipsToPixelsY(*this, designHeight));
    Text1->setGeometry(left, top, listWidth, twipsToPixelsY(*this, listHeight));
    cmdOnline->setGeometry(left, buttonsTop, buttonW, buttonH);
    cmdClear->setGeometry((width - buttonW) / 2, buttonsTop, buttonW, buttonH);
    cmdOK->setGeometry(width - left - buttonW, buttonsTop, buttonW, buttonH);
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
