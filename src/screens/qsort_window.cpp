// SPDX-License-Identifier: MIT
#include "screens/qsort_window.h"

#include "base/qt_text.h"

#include <QColor>
#include <QFocusEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPalette>
#include <QPushButton>
#include <QSize>

#include <algorithm>

namespace stratavex {

namespace {

constexpr int windowSlot = 1;

// Design geometry in twips; Frame1 keeps its width and stays centred. A
// taller window gives its height to the frame: the instruction and the
// buttons keep to its bottom, the list grows to twice its design height, and
// the heading and the list stand centred in the room above.
constexpr double frameWidth = 8400;
constexpr double frameHeight = 4680;
constexpr double inset = 240;
constexpr double innerWidth = frameWidth - 2 * inset;
constexpr double headingTop = 300;
constexpr double headingHeight = 660;
constexpr double listTop = 1080;
constexpr double listHeight = 1860;
constexpr double mostListHeight = 2 * listHeight;
// Room between the list and the instruction.
constexpr double listGap = 120;
constexpr double instructionTop = 3060;
constexpr double instructionHeight = 360;
constexpr double buttonTop = 3720;
constexpr double buttonWidth = 1500;
constexpr double buttonHeight = 480;
constexpr double buttonGap = 480;
constexpr double firstButtonLeft = (frameWidth - 2 * buttonWidth - buttonGap) / 2;
// Room around the frame that the window never gives up.
constexpr double windowMargin = 240;

// The list has the focus when the window opens, but marks no line until the
// player presses a key in it, so the opening list looks as it does to a
// player with a mouse.
class SortList : public QListWidget {
public:
    explicit SortList(QWidget* parent) : QListWidget(parent) {}

protected:
    void focusInEvent(QFocusEvent* event) override {
        QListWidget::focusInEvent(event);
        if (!keyed_)
            setCurrentRow(-1, QItemSelectionModel::Clear);
    }
    void keyPressEvent(QKeyEvent* event) override {
        keyed_ = true;
        QListWidget::keyPressEvent(event);
    }

private:
    bool keyed_ = false;
};

QListWidget* makeList(QWidget* parent) {
    auto* list = new SortList(parent);
    list->setObjectName(QStringLiteral("List1"));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    setTextLook(*list, {11, false});
    list->setUniformItemSizes(true);
    // The keyboard reaches the list with Tab; a click moves its line and
    // leaves the focus where it was.
    list->setFocusPolicy(Qt::TabFocus);
    list->setAccessibleName(QStringLiteral("Items to sort"));
    list->setToolTip(QStringLiteral("Up and Down choose a line; Ctrl+Up pushes it up one slot"));
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, QColor(Qt::lightGray));
    palette.setColor(QPalette::Text, QColor(Qt::black));
    list->setPalette(palette);
    return list;
}

} // namespace

qsort::qsort(ScreenState& game, QWidget* parent)
    : QuestionWindow(game, windowSlot, parent), sorting_(game) {
    setObjectName(QStringLiteral("qsort"));
    setWindowTitle(QStringLiteral(" Sort "));
    createControls();
    Form_Load();
}

void qsort::createControls() {
    Label1 = makeLabel(
        Frame1,
        {.name = "Label1", .look = {12, true}, .wordWrap = true, .alignment = Qt::AlignCenter});
    List1 = makeList(Frame1);
    Label2 = makeLabel(
        Frame1,
        {.name = "Label2", .look = {10, false}, .wordWrap = true, .alignment = Qt::AlignCenter});
    // Enter must not end the question by accident.
    Command1 = makeButton(Frame1, {.name = "Command1",
                                   .caption = "Done",
                                   .tip = "Click when all items are in order",
                                   .look = {11, true},
                                   .autoDefault = false});
    Command2 = makeButton(Frame1, {.name = "Command2",
                                   .caption = "Help",
                                   .tip = "How to sort the list",
                                   .look = {11, true},
                                   .autoDefault = false});
    Command1->setAccessibleName(QStringLiteral("Done"));
    Command2->setAccessibleName(QStringLiteral("Help"));
    describeKeys(QStringLiteral("Keys: Tab moves to the list and the buttons; Up and Down choose "
                                "a line; Ctrl+Up pushes it up one slot; Space presses the "
                                "button in focus"));
    List1->installEventFilter(this);
    setTabChain({List1, Command1, Command2});
    placeTwips(*Frame1, 0, 0, frameWidth, frameHeight);
    placeTwips(*Label1, inset, headingTop, innerWidth, headingHeight);
    placeTwips(*List1, inset, listTop, innerWidth, listHeight);
    placeTwips(*Label2, inset, instructionTop, innerWidth, instructionHeight);
    placeTwips(*Command1, firstButtonLeft, buttonTop, buttonWidth, buttonHeight);
    placeTwips(*Command2, firstButtonLeft + buttonWidth + buttonGap, buttonTop, buttonWidth,
               buttonHeight);
    setMinimumSize(twipsToPixelsX(*this, frameWidth + 2 * windowMargin),
                   twipsToPixelsY(*this, frameHeight + 2 * windowMargin));

    // A click is a press and a release on the same line; each one moves it.
    connect(List1, &QAbstractItemView::clicked, this,
            [this](const QModelIndex& index) { List1_Click(index.row()); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
}

void qsort::Form_Load() {
    restoreSizeAndCenter();
    placeByHeight();
    centerFrame();
    const bool built = sorting_.load();
    setPlainText(*Label1, sorting_.heading());
    setPlainText(*Label2, Sorting::instruction);
    // Without five items there is nothing to sort: the player leaves by
    // closing the window.
    List1->setEnabled(built);
    Command1->setEnabled(built);
    if (built)
        updatelist();
}

// The lines are rewritten in place, so a click being delivered never loses
// its line; afterwards no line stays selected.
void qsort::updatelist() {
    const auto& lines = sorting_.lines();
    while (List1->count() < Sorting::nLines)
        new QListWidgetItem(List1);
    fitLines();
    for (int slot = 0; slot < Sorting::nLines; ++slot)
        List1->item(slot)->setText(displayText(lines[static_cast<std::size_t>(slot)]));
    List1->clearSelection();
    List1->setCurrentRow(-1, QItemSelectionModel::Clear);
}

// The five lines share the list's height, so the list has no empty strip.
void qsort::fitLines() {
    const int inner = List1->height() - 2 * List1->frameWidth();
    const QSize line(List1->width() - 2 * List1->frameWidth(), inner / Sorting::nLines);
    for (int slot = 0; slot < List1->count(); ++slot)
        List1->item(slot)->setSizeHint(line);
}

void qsort::placeByHeight() {
    const double extra = pixelsToTwipsY(*this, height()) - 2 * windowMargin - frameHeight;
    frame().setHeight(frameHeight + extra);
    Twips(*Label2).setTop(instructionTop + extra);
    Twips(*Command1).setTop(buttonTop + extra);
    Twips(*Command2).setTop(buttonTop + extra);
    const double room = instructionTop + extra - listGap - headingTop;
    const double list = std::min(listHeight + extra, mostListHeight);
    const double above = headingTop + (room - (listTop - headingTop) - list) / 2;
    Twips(*Label1).setTop(above);
    Twips(*List1).setTop(above + listTop - headingTop);
    Twips(*List1).setHeight(list);
    fitLines();
}

void qsort::List1_Click(int index) {
    sorting_.click(index);
    updatelist();
}

// Ctrl+Up is the list's own key for moving the cursor without a selection,
// which this list has no use for, so it never reaches the list.
bool qsort::eventFilter(QObject* watched, QEvent* event) {
    if (watched != List1 || event->type() != QEvent::KeyPress)
        return QuestionWindow::eventFilter(watched, event);
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (key.key() != Qt::Key_Up || key.modifiers() != Qt::ControlModifier)
        return false;
    pushCurrentLineUp();
    return true;
}

// The same move as a click on the line; the line stays the current one, so
// the player can push it on to the top.
void qsort::pushCurrentLineUp() {
    const int row = List1->currentRow();
    if (!sorting_.built() || row < 0)
        return;
    List1_Click(row);
    List1->setCurrentRow(std::max(row - 1, 0));
}

void qsort::Command1_Click() {
    sorting_.done();
    accept();
}

void qsort::Command2_Click() {
    sorting_.help();
}

void qsort::Form_Resize() {
    saveSize();
    placeByHeight();
    centerFrame();
}

} // namespace stratavex
