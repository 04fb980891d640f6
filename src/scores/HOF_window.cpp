// SPDX-License-Identifier: MIT
#include "scores/HOF_window.h"

#include "base/qt_text.h"
#include "base/qt_twips.h"
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

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

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
    setObjectName(QStringLiteral("HOF"));
    setWindowTitle(QStringLiteral("Hall of Fame"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    createControls();
    Form_Load();
}

void HOF::createControls() {
    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setReadOnly(true);
    Text1->setAccessibleName(QStringLiteral("Hall of Fame list"));
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text1->setFont(listFont());

    cmdOnline = makeButton(this, "cmdOnline", "Online HOF");
    cmdOnline->setToolTip(QStringLiteral("Check Varlune Website HOFs"));
    cmdClear = makeButton(this, "cmdClear", "Clear");
    cmdOK = makeButton(this, "cmdOK", "OK");
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
