// SPDX-License-Identifier: MIT
#include "scores/NameEntry_window.h"

#include "base/qt_text.h"
#include "base/services.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace stratavex {
namespace {

// Designed client size and places, in twips.
constexpr double designWidth = 6000;
constexpr double designHeight = 2940;
constexpr double margin = 120;
constexpr double innerWidth = designWidth - 2 * margin;
constexpr double promptHeight = 600;
constexpr double boxHeight = 345;
constexpr double labelHeight = 300;
constexpr double nameWidth = 3600;
constexpr double emailWidth = 4800;
constexpr double buttonWidth = 2520;
constexpr double buttonHeight = 450;

// The fields keep what the configuration and the Hall of Fame file can
// store; a pasted name loses only its bad characters.
QLineEdit* makeField(QWidget* parent, const char* name, std::size_t length) {
    auto* box = makeBox(parent, {.name = name, .maxLength = static_cast<int>(length)});
    refuseCharacters(
        *box, [length](std::string_view text) { return NameEntryModel::accepted(text, length); });
    return box;
}

} // namespace

NameEntry::NameEntry(ScoreState& game, QWidget* parent) : UnloadingDialog(parent), model_(game) {
    setUpDialog(*this, "NameEntry", QStringLiteral("Hall of Fame"));
    createControls();
    Form_Load();
}

void NameEntry::createControls() {
    Label1 = makeLabel(this, {.name = "Label1", .wordWrap = true});
    Name1 = makeField(this, "Name1", NameEntryModel::nameLength);
    Label2 = makeLabel(this, {.name = "Label2"});
    email = makeField(this, "email", NameEntryModel::emailLength);
    email->setToolTip(QStringLiteral("Need email for online entry"));
    Name1->setAccessibleName(QStringLiteral("Your name"));
    email->setAccessibleName(QStringLiteral("Your email address"));
    OK = makeButton(this, {.name = "OK", .caption = "Local HOF only"});
    OK->setDefault(true);
    Command1 = makeButton(this, {.name = "Command1",
                                 .caption = "Website HOF entry",
                                 .tip = "Enters your name in the Varlune online HOF"});
    OK->setAccessibleName(OK->text());
    Command1->setAccessibleName(Command1->text());

    connect(OK, &QPushButton::clicked, this, &NameEntry::OK_Click);
    connect(Command1, &QPushButton::clicked, this, &NameEntry::Command1_Click);

    setFixedSize(twipsToPixelsX(*this, designWidth), twipsToPixelsY(*this, designHeight));
    double top = margin;
    placeTwips(*Label1, margin, top, innerWidth, promptHeight);
    top += promptHeight + 60;
    placeTwips(*Name1, margin, top, nameWidth, boxHeight);
    top += boxHeight + 120;
    placeTwips(*Label2, margin, top, innerWidth, labelHeight);
    top += labelHeight + 60;
    placeTwips(*email, margin, top, emailWidth, boxHeight);
    const double buttonTop = designHeight - margin - buttonHeight;
    placeTwips(*OK, margin, buttonTop, buttonWidth, buttonHeight);
    placeTwips(*Command1, designWidth - margin - buttonWidth, buttonTop, buttonWidth, buttonHeight);
}

void NameEntry::Form_Load() {
    QtForm form(*this);
    centerform(form);
    setPlainText(*Label1, model_.Label1());
    Label2->setText(QString::fromLatin1(NameEntryModel::Label2));
    Name1->setText(fromWin1252(model_.Name1()));
    email->setText(fromWin1252(model_.email()));
    // The remembered name is selected, so typing a new one replaces it.
    Name1->selectAll();
    Name1->setFocus();
}

void NameEntry::OK_Click() {
    accept();
}

void NameEntry::Command1_Click() {
    model_.Command1_Click();
    accept();
}

void NameEntry::Form_Unload() {
    model_.Form_Unload(toWin1252(Name1->text()), toWin1252(email->text()));
}

} // namespace stratavex
