// SPDX-License-Identifier: MIT
#include "scores/NameEntry_window.h"

#include "base/qt_text.h"
#include "base/qt_twips.h"
#include "base/services.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QValidator>

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

// Drops the refused character from whatever is typed or pasted and keeps the
// rest, so a pasted name is not thrown away for one bad character.
class RefusedCharacter : public QValidator {
public:
    explicit RefusedCharacter(QObject* parent) : QValidator(parent) {}

    State validate(QString& input, int& pos) const override {
        const QChar refused = QLatin1Char(NameEntryModel::refused);
        for (qsizetype i = input.size() - 1; i >= 0; --i) {
            if (input.at(i) != refused)
                continue;
            input.remove(i, 1);
            if (i < pos)
                --pos;
        }
        return Acceptable;
    }
};

QLineEdit* makeBox(QWidget* parent, const char* name, std::size_t maxLength) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(static_cast<int>(maxLength));
    box->setValidator(new RefusedCharacter(box));
    return box;
}

QLabel* makeLabel(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

} // namespace

NameEntry::NameEntry(ScoreState& game, QWidget* parent) : QDialog(parent), model_(game) {
    setObjectName(QStringLiteral("NameEntry"));
    setWindowTitle(QStringLiteral("Hall of Fame"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    createControls();
    Form_Load();
}

void NameEntry::createControls() {
    Label1 = makeLabel(this, "Label1");
    Label1->setWordWrap(true);
    Name1 = makeBox(this, "Name1", NameEntryModel::nameLength);
    Label2 = makeLabel(this, "Label2");
    email = makeBox(this, "email", NameEntryModel::emailLength);
    email->setToolTip(QStringLiteral("Need email for online entry"));
    Name1->setAccessibleName(QStringLiteral("Your name"));
    email->setAccessibleName(QStringLiteral("Your email address"));
    OK = makeButton(this, "OK", "Local HOF only");
    OK->setDefault(true);
    Command1 = makeButton(this, "Command1", "Website HOF entry");
    Command1->setToolTip(QStringLiteral("Enters your name in the Varlune online HOF"));
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

void NameEntry::done(int result) {
    Form_Unload();
    QDialog::done(result);
}

void NameEntry::Form_Unload() {
    if (unloaded_)
        return;
    unloaded_ = true;
    model_.Form_Unload(toWin1252(Name1->text()), toWin1252(email->text()));
}

} // namespace stratavex
