// SPDX-License-Identifier: MIT
#include "engine/setup_window.h"

#include "base/qt_text.h"
#include "base/services.h"
#include "database/editor.h"
#include "engine/export_run.h"
#include "engine/game.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>

#include <array>
#include <string>

namespace stratavex {
namespace {

// Designed client size, in twips.
constexpr double designWidth = 7000;
constexpr double designHeight = 5820;

constexpr double margin = 120;
constexpr double columnLeft = 3780;
constexpr double columnWidth = 3100;
constexpr double boxWidth = 660;
constexpr double boxHeight = 345;
constexpr double spinnerWidth = 255;
constexpr double labelHeight = 300;
constexpr double buttonHeight = 400;
constexpr double buttonGap = 80;

// Selected question types stand out in this colour, focused or not.
const QColor selectedBack(36, 88, 166);
const QColor selectedText(Qt::white);

const char* const optionCaptions[SetupModel::logOptions] = {"Off", "All", "Only incorrect"};
const char* const optionTips[SetupModel::logOptions] = {
    "No logging takes place",
    "All questions and incorrect answers are sent to log file",
    "Only wrong answers are sent to log file",
};

QString latin(const char* text) {
    return QString::fromLatin1(text);
}

// A label, its number box and the spinner, the spinner ending at `right`.
void placeNumberRow(QLabel& label, QLineEdit& box, UpDown& spinner, double left, double top,
                    double right) {
    const double spinnerLeft = right - spinnerWidth;
    const double boxLeft = spinnerLeft - boxWidth;
    placeTwips(label, left, top + (boxHeight - labelHeight) / 2, boxLeft - left, labelHeight);
    placeTwips(box, boxLeft, top, boxWidth, boxHeight);
    placeTwips(spinner, spinnerLeft, top, spinnerWidth, boxHeight);
}

void markSelection(QListWidget& list) {
    QPalette palette = list.palette();
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Highlight, selectedBack);
        palette.setColor(group, QPalette::HighlightedText, selectedText);
    }
    list.setPalette(palette);
}

std::string bytesOf(const QString& text) {
    return toWin1252(text);
}

// Puts the corrected text in place of what was typed; the change that this
// fires again finds nothing left to correct.
void replaceText(QLineEdit& box, const std::string& corrected) {
    const QString text = fromWin1252(corrected);
    if (box.text() != text)
        box.setText(text);
}

} // namespace

setup::setup(Game& game, QWidget* parent) : UnloadingDialog(parent), model_(game) {
    setUpDialog(*this, "setup");
    createControls();
    layoutControls();
    Form_Load();
    connectHandlers();
    connect(cmdhof, &QPushButton::clicked, this, [&game] { game.host.showModal(WindowId::HOF); });
    connect(cmdEdit, &QPushButton::clicked, this, [&game] { showeditor(game); });
    connect(cmdmakeq, &QPushButton::clicked, this, [this, &game] { cmdmakeq_Click(game); });
    connect(cmdTabbed, &QPushButton::clicked, this, [this, &game] { cmdTabbed_Click(game); });
}

void setup::createControls() {
    List1 = named(new QListWidget(this), QStringLiteral("List1"));
    List1->setSelectionMode(QAbstractItemView::MultiSelection);
    List1->setToolTip(QStringLiteral("Colored items are selected"));
    // A gap between entries keeps neighbouring selected entries apart.
    List1->setSpacing(2);
    markSelection(*List1);

    Label4 = makeLabel(this, {.name = "Label4", .caption = "Questions per game"});
    nquestion = makeBox(this, {.name = "nquestion", .alignment = Qt::AlignCenter});
    UpDown1 = named(new UpDown(*nquestion, this), QStringLiteral("UpDown1"));

    frameDiff =
        named(new QGroupBox(QStringLiteral("Difficulty"), this), QStringLiteral("frameDiff"));
    Label6 = makeLabel(frameDiff, {.name = "Label6", .caption = "Maximum"});
    tmaxdif = makeBox(frameDiff, {.name = "tmaxdif", .alignment = Qt::AlignCenter});
    UpDown3 = named(new UpDown(*tmaxdif, frameDiff), QStringLiteral("UpDown3"));
    Label5 = makeLabel(frameDiff, {.name = "Label5", .caption = "Minimum"});
    tmindif = makeBox(frameDiff, {.name = "tmindif", .alignment = Qt::AlignCenter});
    UpDown2 = named(new UpDown(*tmindif, frameDiff), QStringLiteral("UpDown2"));

    Frame1 =
        named(new QGroupBox(QStringLiteral("Log File Status"), this), QStringLiteral("Frame1"));
    logOptionGroup = new QButtonGroup(this);
    for (int i = 0; i < SetupModel::logOptions; ++i) {
        auto* option = named(new QRadioButton(latin(optionCaptions[i]), Frame1),
                             QStringLiteral("Option1[%1]").arg(i));
        option->setToolTip(latin(optionTips[i]));
        logOptionGroup->addButton(option, i);
        Option1[static_cast<std::size_t>(i)] = option;
    }

    Check1 = named(new QCheckBox(QStringLiteral("Sound effects"), this), QStringLiteral("Check1"));
    cmdEdit = makeButton(this, {.name = "cmdEdit", .caption = "Edit", .tip = "Change item data"});
    cmdhof = makeButton(this, {.name = "cmdhof", .caption = "HOF", .tip = "Show Hall of Fame"});
    cmdHelp = makeButton(this, {.name = "cmdHelp", .caption = "Help"});
    cmdmakeq = makeButton(this, {.name = "cmdmakeq", .caption = "Make online questions"});
    cmdTabbed = makeButton(this, {.name = "cmdTabbed", .caption = "Make 50 tabbed questions"});
    cmdok = makeButton(this, {.name = "cmdok", .caption = "OK", .tip = "Click here to continue"});
    cmdok->setDefault(true);
    nameControls();
}

void setup::nameControls() {
    List1->setAccessibleName(QStringLiteral("Question types"));
    nquestion->setAccessibleName(Label4->text());
    UpDown1->nameArrows(Label4->text());
    tmaxdif->setAccessibleName(QStringLiteral("Maximum difficulty"));
    UpDown3->nameArrows(tmaxdif->accessibleName());
    tmindif->setAccessibleName(QStringLiteral("Minimum difficulty"));
    UpDown2->nameArrows(tmindif->accessibleName());
    for (QRadioButton* option : Option1)
        option->setAccessibleName(QStringLiteral("Log file: ") + option->text());
    Check1->setAccessibleName(Check1->text());
    cmdEdit->setAccessibleName(QStringLiteral("Edit the database"));
    cmdhof->setAccessibleName(QStringLiteral("Hall of Fame"));
    for (QPushButton* button : {cmdHelp, cmdmakeq, cmdTabbed, cmdok})
        button->setAccessibleName(button->text());
}

void setup::layoutControls() {
    setFixedSize(twipsToPixelsX(*this, designWidth), twipsToPixelsY(*this, designHeight));
    const double bottom = designHeight - margin;
    placeTwips(*List1, margin, margin, columnLeft - 2 * margin - 60, bottom - margin);

    // The number boxes line up with the one inside the difficulty frame.
    const double frameInner = columnWidth - 120;
    placeNumberRow(*Label4, *nquestion, *UpDown1, columnLeft, margin, columnLeft + frameInner);

    placeTwips(*frameDiff, columnLeft, 600, columnWidth, 840);
    placeNumberRow(*Label6, *tmaxdif, *UpDown3, 240, 360, frameInner);
    // The minimum row sits below the frame's visible part: it is hidden anyway.
    placeNumberRow(*Label5, *tmindif, *UpDown2, 240, 900, frameInner);

    placeTwips(*Frame1, columnLeft, 1560, columnWidth, 1380);
    for (std::size_t i = 0; i < Option1.size(); ++i)
        placeTwips(*Option1[i], 240, 330 + 330 * static_cast<double>(i), frameInner - 240,
                   labelHeight);

    placeTwips(*Check1, columnLeft + 120, 3060, columnWidth - 120, labelHeight);

    const double third = (columnWidth - 2 * buttonGap) / 3;
    const std::array<QPushButton*, 3> row = {cmdEdit, cmdhof, cmdHelp};
    for (std::size_t i = 0; i < row.size(); ++i)
        placeTwips(*row[i], columnLeft + static_cast<double>(i) * (third + buttonGap), 3480, third,
                   buttonHeight);
    placeTwips(*cmdmakeq, columnLeft, 3980, columnWidth, buttonHeight);
    placeTwips(*cmdTabbed, columnLeft, 4460, columnWidth, buttonHeight);
    placeTwips(*cmdok, columnLeft, bottom - 600, columnWidth, 600);
}

void setup::Form_Load() {
    QtForm form(*this);
    centerform(form);
    setWindowTitle(fromWin1252(model_.caption()));

    Option1[static_cast<std::size_t>(model_.logOption())]->setChecked(true);

    Label5->hide();
    tmindif->hide();
    UpDown2->hide();

    nquestion->setText(fromWin1252(model_.nquestionText()));
    tmindif->setText(fromWin1252(model_.tmindifText()));
    tmaxdif->setText(fromWin1252(model_.tmaxdifText()));

    for (int i = 0; i < SetupModel::listCount(); ++i) {
        auto* entry = new QListWidgetItem(displayText(model_.listEntry(i)), List1);
        entry->setSelected(model_.listSelected(i));
    }

    Check1->setChecked(model_.soundChecked());
}

void setup::connectHandlers() {
    connect(nquestion, &QLineEdit::textChanged, this, &setup::nquestion_Change);
    connect(tmaxdif, &QLineEdit::textChanged, this, &setup::tmaxdif_Change);
    connect(tmindif, &QLineEdit::textChanged, this, &setup::tmindif_Change);
    connect(List1, &QListWidget::itemSelectionChanged, this, &setup::List1_Click);
    connect(logOptionGroup, &QButtonGroup::idClicked, this, &setup::Option1_Click);
    connect(Check1, &QCheckBox::toggled, this, &setup::Check1_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &setup::cmdhelp_Click);
    connect(cmdok, &QPushButton::clicked, this, &setup::cmdok_Click);
}

void setup::nquestion_Change(const QString& text) {
    replaceText(*nquestion, model_.nquestion_Change(bytesOf(text)));
}

void setup::tmaxdif_Change(const QString& text) {
    replaceText(*tmaxdif, model_.tmaxdif_Change(bytesOf(text)));
}

void setup::tmindif_Change(const QString& text) {
    replaceText(*tmindif, model_.tmindif_Change(bytesOf(text)));
}

void setup::List1_Click() {
    for (int i = 0; i < List1->count(); ++i)
        model_.setListSelected(i, List1->item(i)->isSelected());
}

void setup::Option1_Click(int index) {
    model_.Option1_Click(index);
}

void setup::Check1_Click(bool checked) {
    model_.Check1_Click(checked ? 1 : 0);
}

void setup::cmdhelp_Click() {
    model_.cmdHelp_Click();
}

void setup::cmdok_Click() {
    accept();
}

void setup::cmdmakeq_Click(Game& game) {
    startOnlineExport(game, model_, exportShown());
}

void setup::cmdTabbed_Click(Game& game) {
    startTabbedExport(game, model_, exportShown());
}

// An export run fixes the question count and the log threshold.
ShowRunSettings setup::exportShown() {
    return [this](const std::string& questions) {
        replaceText(*nquestion, questions);
        Option1[static_cast<std::size_t>(model_.logOption())]->setChecked(true);
    };
}

void setup::Form_Unload() {
    model_.Form_Unload();
}

} // namespace stratavex
