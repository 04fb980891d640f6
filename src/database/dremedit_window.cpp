// SPDX-License-Identifier: MIT
#include "database/dremedit_window.h"

#include "base/qt_text.h"
#include "base/services.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include <initializer_list>
#include <iterator>

namespace stratavex {
namespace {

// Designed client size and layout, in twips.
constexpr double designWidth = 10740;
constexpr double designHeight = 7860;
constexpr double margin = 120;
constexpr double labelWidth = 1440;
constexpr double boxLeft = margin + labelWidth + 60;
constexpr double boxWidth = 4560;
constexpr double rowTop = 900;
constexpr double rowPitch = 390;
constexpr double boxHeight = 330;
constexpr double rightLeft = 6420;
constexpr double rightWidth = 4200;
constexpr double buttonTop = 7320;
constexpr double buttonHeight = 420;

// The line boxes of the left column, top to bottom. The reason for the name
// is a sentence, so it gets a row of the window's full width below them.
constexpr EditField rows[] = {
    EditField::pronounce, EditField::roots,    EditField::translation, EditField::era,
    EditField::order,     EditField::suborder, EditField::family,      EditField::diet,
    EditField::found,     EditField::length,   EditField::weight,
};

struct FieldCaption {
    const char* name;
    const char* caption;
};

// The captions beside the boxes; the image file has its own Label1.
FieldCaption captionOf(EditField field) {
    switch (field) {
    case EditField::diet:
        return {"lblDiet", "Diet"};
    case EditField::era:
        return {"lblEra", "Era"};
    case EditField::order:
        return {"lblOrder", "Order"};
    case EditField::suborder:
        return {"lblSuborder", "Suborder"};
    case EditField::family:
        return {"lblFamily", "Family"};
    case EditField::found:
        return {"lblFound", "Found"};
    case EditField::pronounce:
        return {"lblPronounce", "Pronunciation"};
    case EditField::whynamed:
        return {"lblWhy", "Why named"};
    case EditField::translation:
        return {"lblTranslation", "Translation"};
    case EditField::roots:
        return {"lblRoots", "Roots"};
    case EditField::length:
        return {"lblLength", "Length"};
    case EditField::weight:
        return {"lblWeight", "Weight"};
    case EditField::desc:
        return {"lblDesc", "Description"};
    case EditField::image:
        break;
    }
    return {"", ""};
}

constexpr std::size_t slot(EditField field) {
    return static_cast<std::size_t>(field);
}

QString latin(const char* text) {
    return QString::fromLatin1(text);
}

// The description as the core keeps it: lines split by CR LF.
std::string descBytes(const QPlainTextEdit& box) {
    QString text = boxText(box);
    text.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    return toWin1252(text);
}

QString descShown(const QPlainTextEdit& box) {
    return displayText(descBytes(box));
}

} // namespace

dremedit::dremedit(QuizState& game, QWidget* parent)
    : UnloadingDialog(parent), model_(game, *this) {
    setUpDialog(*this, "dremedit", QStringLiteral("Edit"));
    createControls();
    createFieldLabels();
    layoutControls();
    orderTabs();
    connectHandlers();
    model_.Form_Load();
    lockWithoutItems();
    QtForm form(*this);
    centerform(form);
    cmbitem->setFocus();
}

void dremedit::createControls() {
    txtDiet = makeBox(this, {.name = "txtDiet"});
    txtEra = makeBox(this, {.name = "txtEra"});
    Frame2 = named(new QGroupBox(QStringLiteral("Difficulty"), this), "Frame2");
    Frame2->setToolTip(QStringLiteral("Change the difficulty"));
    dif = makeBox(Frame2, {.name = "dif", .alignment = Qt::AlignCenter});
    UpDown2 = named(new UpDown(*dif, Frame2), "UpDown2");
    txtclass1 = makeBox(this, {.name = "txtclass1"});
    txtClass2 = makeBox(this, {.name = "txtClass2"});
    txtClass3 = makeBox(this, {.name = "txtClass3"});
    txtWhere = makeBox(this, {.name = "txtWhere"});
    txtPronounce = makeBox(this, {.name = "txtPronounce"});
    txtwhy = makeBox(this, {.name = "txtwhy", .tip = "Why this name was given"});
    TxtTranslate2 = makeBox(this, {.name = "TxtTranslate2", .tip = "English translation"});
    txtTranslate1 = makeBox(this, {.name = "txtTranslate1", .tip = "Roots of the name"});
    txtLength = makeBox(this, {.name = "txtLength"});
    txtWt = makeBox(this, {.name = "txtWt"});
    Text4 = makeBox(this, {.name = "Text4"});
    txtDesc = named(new QPlainTextEdit(this), "txtDesc");
    txtDesc->setToolTip(QStringLiteral("Description of person or event"));
    txtDesc->setTabChangesFocus(true);
    // Enter in a box must not close the editor.
    cmdPrev = makeButton(this, {.name = "cmdPrev", .caption = "Previous", .autoDefault = false});
    cmdNext = makeButton(this, {.name = "cmdNext", .caption = "Next", .autoDefault = false});
    cmdPrint =
        makeButton(this, {.name = "cmdPrint", .caption = "Store list", .autoDefault = false});
    Command1 = makeButton(this, {.name = "Command1",
                                 .caption = "ok",
                                 .tip = "Save changes, & return to setup screen",
                                 .autoDefault = false});
    cmbitem = named(new QComboBox(this), "cmbitem");
    cmbitem->setToolTip(QStringLiteral("Choose an item to display"));
    // A drop-down list of a few hundred names scrolls instead of covering
    // the screen.
    cmbitem->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    cmbitem->setMaxVisibleItems(20);
    Label2 = makeLabel(
        this, {.name = "Label2", .wordWrap = true, .alignment = Qt::AlignLeft | Qt::AlignTop});
    Label1 = makeLabel(this, {.name = "Label1", .caption = "Image file"});
    Image1 = named(new PictureBox(this), "Image1");
}

void dremedit::createFieldLabels() {
    for (EditField field : rows) {
        const FieldCaption caption = captionOf(field);
        fieldLabels_[slot(field)] =
            makeLabel(this, {.name = caption.name, .caption = caption.caption});
    }
    for (EditField field : {EditField::whynamed, EditField::desc}) {
        const FieldCaption caption = captionOf(field);
        fieldLabels_[slot(field)] =
            makeLabel(this, {.name = caption.name, .caption = caption.caption});
    }
    nameControls();
}

// Every box is named after the caption beside it, for screen readers.
void dremedit::nameControls() {
    for (EditField field : rows)
        lineBox(field)->setAccessibleName(latin(captionOf(field).caption));
    txtwhy->setAccessibleName(latin(captionOf(EditField::whynamed).caption));
    txtDesc->setAccessibleName(latin(captionOf(EditField::desc).caption));
    Text4->setAccessibleName(Label1->text());
    cmbitem->setAccessibleName(QStringLiteral("Item"));
    dif->setAccessibleName(Frame2->title());
    UpDown2->nameArrows(Frame2->title());
    Image1->setAccessibleName(QStringLiteral("Picture of the item"));
    cmdPrev->setAccessibleName(QStringLiteral("Previous item"));
    cmdNext->setAccessibleName(QStringLiteral("Next item"));
    cmdPrint->setAccessibleName(cmdPrint->text());
    Command1->setAccessibleName(QStringLiteral("OK"));
}

void dremedit::layoutControls() {
    setFixedSize(twipsToPixelsX(*this, designWidth), twipsToPixelsY(*this, designHeight));

    placeTwips(*cmbitem, margin, 255, boxLeft + boxWidth - 1620 - 2 * margin, 345);
    placeTwips(*Frame2, boxLeft + boxWidth - 1620, 60, 1620, 720);
    placeTwips(*dif, 300, 300, 720, boxHeight);
    placeTwips(*UpDown2, 1020, 300, 255, boxHeight);

    for (std::size_t row = 0; row < std::size(rows); ++row) {
        const double top = rowTop + static_cast<double>(row) * rowPitch;
        placeTwips(*fieldLabels_[slot(rows[row])], margin, top, labelWidth, boxHeight);
        placeTwips(*lineBox(rows[row]), boxLeft, top, boxWidth, boxHeight);
    }

    const double whyTop = rowTop + static_cast<double>(std::size(rows)) * rowPitch;
    placeTwips(*fieldLabels_[slot(EditField::whynamed)], margin, whyTop, labelWidth, boxHeight);
    placeTwips(*txtwhy, boxLeft, whyTop, designWidth - margin - boxLeft, boxHeight);

    const double descTop = whyTop + rowPitch + 30;
    placeTwips(*fieldLabels_[slot(EditField::desc)], margin, descTop, labelWidth, 300);
    placeTwips(*txtDesc, margin, descTop + 300, designWidth - 2 * margin,
               buttonTop - descTop - 420);

    placeTwips(*Image1, rightLeft, margin, rightWidth, rightWidth * 3 / 4);
    placeTwips(*Label2, rightLeft, 3330, rightWidth, 540);
    placeTwips(*Label1, rightLeft, 3990, 1200, boxHeight);
    placeTwips(*Text4, rightLeft + 1200, 3990, rightWidth - 1200, boxHeight);

    placeTwips(*cmdPrev, margin, buttonTop, 1200, buttonHeight);
    placeTwips(*cmdNext, margin + 1320, buttonTop, 1200, buttonHeight);
    placeTwips(*cmdPrint, margin + 2640, buttonTop, 1440, buttonHeight);
    placeTwips(*Command1, designWidth - margin - 1440, buttonTop, 1440, buttonHeight);
}

void dremedit::orderTabs() {
    QWidget* previous = cmbitem;
    const auto next = [&previous](QWidget* widget) {
        QWidget::setTabOrder(previous, widget);
        previous = widget;
    };
    next(dif);
    for (EditField field : rows)
        next(lineBox(field));
    next(Text4);
    next(txtwhy);
    next(txtDesc);
    next(cmdPrev);
    next(cmdNext);
    next(cmdPrint);
    next(Command1);
}

void dremedit::connectHandlers() {
    for (int i = 0; i < editFieldCount; ++i) {
        const auto field = static_cast<EditField>(i);
        QLineEdit* box = lineBox(field);
        if (box == nullptr)
            continue;
        refuseCharacters(*box, &EditorModel::accepted);
        connect(box, &QLineEdit::textChanged, this,
                [this, field](const QString& text) { model_.textChanged(field, toWin1252(text)); });
    }
    refuseCharacters(*txtDesc, &EditorModel::accepted);
    connect(txtDesc, &QPlainTextEdit::textChanged, this, &dremedit::txtDesc_Change);
    connect(dif, &QLineEdit::textChanged, this, &dremedit::dif_Change);
    connect(dif, &QLineEdit::editingFinished, this, &dremedit::dif_LostFocus);
    connect(cmdPrev, &QPushButton::clicked, this, &dremedit::cmdPrev_Click);
    connect(cmdNext, &QPushButton::clicked, this, &dremedit::cmdNext_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &dremedit::cmdPrint_Click);
    connect(Command1, &QPushButton::clicked, this, &dremedit::Command1_Click);
    connect(cmbitem, &QComboBox::activated, this, &dremedit::cmbitem_Click);
}

// With an empty table the empty record is shown, but there is nothing to edit,
// step through or store.
void dremedit::lockWithoutItems() {
    if (model_.hasItems())
        return;
    for (QLineEdit* box : findChildren<QLineEdit*>())
        box->setReadOnly(true);
    txtDesc->setReadOnly(true);
    for (QWidget* control :
         std::initializer_list<QWidget*>{UpDown2, cmdPrev, cmdNext, cmdPrint, cmbitem})
        control->setEnabled(false);
}

QLineEdit* dremedit::lineBox(EditField field) const {
    switch (field) {
    case EditField::diet:
        return txtDiet;
    case EditField::era:
        return txtEra;
    case EditField::order:
        return txtclass1;
    case EditField::suborder:
        return txtClass2;
    case EditField::family:
        return txtClass3;
    case EditField::found:
        return txtWhere;
    case EditField::pronounce:
        return txtPronounce;
    case EditField::whynamed:
        return txtwhy;
    case EditField::translation:
        return TxtTranslate2;
    case EditField::roots:
        return txtTranslate1;
    case EditField::length:
        return txtLength;
    case EditField::weight:
        return txtWt;
    case EditField::image:
        return Text4;
    case EditField::desc:
        break;
    }
    return nullptr;
}

void dremedit::txtDesc_Change() {
    model_.textChanged(EditField::desc, descBytes(*txtDesc));
}

void dremedit::dif_Change(const QString& text) {
    const QString kept = fromWin1252(model_.dif_Change(toWin1252(text)));
    if (kept != text)
        dif->setText(kept);
}

void dremedit::dif_LostFocus() {
    const QString stored = fromWin1252(model_.difText());
    if (dif->text() != stored)
        dif->setText(stored);
}

void dremedit::cmdPrev_Click() {
    model_.cmdPrev_Click();
}

void dremedit::cmdNext_Click() {
    model_.cmdNext_Click();
}

void dremedit::cmdPrint_Click() {
    model_.cmdPrint_Click();
}

void dremedit::Command1_Click() {
    accept();
}

void dremedit::cmbitem_Click(int index) {
    model_.cmbitem_Click(index);
}

void dremedit::Form_Unload() {
    model_.Form_Unload();
}

void dremedit::showList(const std::vector<std::string>& names) {
    cmbitem->clear();
    for (const std::string& name : names)
        cmbitem->addItem(displayText(name));
}

void dremedit::showArtist(const std::string& line) {
    setPlainText(*Label2, line);
}

void dremedit::showName(int listIndex, const std::string& /*name*/) {
    // The list holds every name at its own position.
    cmbitem->setCurrentIndex(listIndex);
}

void dremedit::showField(EditField field, const std::string& text) {
    const QString shown = displayText(text);
    if (field == EditField::desc) {
        if (descShown(*txtDesc) != shown)
            txtDesc->setPlainText(shown);
        return;
    }
    QLineEdit* box = lineBox(field);
    if (box->text() != shown) {
        box->setText(shown);
        // A long text is read from its start.
        box->setCursorPosition(0);
    }
}

void dremedit::showDif(const std::string& text) {
    const QString shown = fromWin1252(text);
    if (dif->text() != shown)
        dif->setText(shown);
}

void dremedit::showPicture(const std::string& file) {
    Image1->load(file);
    Image1->setVisible(Image1->hasPicture());
}

} // namespace stratavex
