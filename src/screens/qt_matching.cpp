// SPDX-License-Identifier: MIT
#include "screens/qt_matching.h"

#include "base/qt_controls.h"
#include "base/qt_text.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QPalette>
#include <QPushButton>

#include <algorithm>
#include <iterator>
#include <utility>

namespace stratavex {

namespace {

const QColor windowColour(0x80, 0x80, 0xFF);
const QColor commandColour(0xFF, 0xFF, 0x80);
// The coloured bars the help text speaks of, by button index.
const std::array<QColor, Matching::maxPairs> buttonColours{
    QColor(0xFF, 0x80, 0x00), QColor(0xFF, 0x00, 0xFF), QColor(0x00, 0xFF, 0xFF),
    QColor(0x00, 0xFF, 0x00), QColor(0xFF, 0xFF, 0x00)};

constexpr double commandPoints = 12;
constexpr double commandWidth = 1320;
constexpr double commandHeight = 450;
const char* const proceedHint = "Click here when you are ready to proceed";

const char* const commandStyle =
    "QPushButton { background-color: #FFFF80; color: black; border: 1px solid #6B6B30;"
    " border-radius: 3px; padding: 1px 6px; }"
    "QPushButton:hover { border-color: #202000; }"
    "QPushButton:pressed { background-color: #E0E060; }"
    "QPushButton:disabled { color: #8A8A60; }";

// Enter must not end the question by accident.
QPushButton* makeCommand(QWidget* parent, const char* name, const char* caption, const char* hint) {
    auto* button = makeButton(parent, {.name = name,
                                       .caption = caption,
                                       .tip = hint,
                                       .look = {commandPoints},
                                       .autoDefault = false});
    QPalette palette = button->palette();
    palette.setColor(QPalette::Button, commandColour);
    button->setPalette(palette);
    button->setStyleSheet(QString::fromLatin1(commandStyle));
    return button;
}

// The position of a control in a row of them, or -1.
template <typename Controls> int indexOf(const Controls& controls, const QObject* control) {
    const auto found = std::find(std::begin(controls), std::end(controls), control);
    return found == std::end(controls) ? -1 : static_cast<int>(found - std::begin(controls));
}

} // namespace

MatchingWindow::MatchingWindow(ScreenState& game, const MatchingKind& kind, int sizeSlot,
                               double designWidth, double designHeight)
    : QuestionWindow(game, sizeSlot), question_(game, kind), drag_(*this) {
    setWindowTitle(QStringLiteral("Match 'em"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, windowColour);
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);
    resize(twipsToPixelsX(*this, designWidth), twipsToPixelsY(*this, designHeight));
    createControls();
    connect(&drag_, &ManualDrag::ended, this, &MatchingWindow::dragEnded);
    const QString target = kind.targets == Targets::pictures ? QStringLiteral("picture")
                                                             : QStringLiteral("description");
    describeKeys(QStringLiteral("Keys: Tab moves to the names, the %1s and the buttons; Space "
                                "picks the name in focus; Space on a %1 puts the picked name "
                                "there; Esc lets go of the picked name")
                     .arg(target));
}

void MatchingWindow::createControls() {
    for (int i = 0; i < pairs(); ++i) {
        auto* button = new DragButton(Frame1);
        button->setObjectName(QStringLiteral("Btn1%1").arg(i));
        button->setColour(buttonColours[static_cast<std::size_t>(i)]);
        setTextLook(*button, {.bold = true});
        button->setAccessibleName(numberedName("Name", i));
        button->installEventFilter(this);
        // The mouse takes over from a name picked with the keyboard.
        connect(button, &DragButton::pressedAt, this, [this, i](QPoint grip) {
            letGoOfKeyPick();
            Btn1_MouseDown(i, grip);
        });
        connect(button, &QPushButton::clicked, this, [this, i] { Btn1_Click(i); });
        Btn1[static_cast<std::size_t>(i)] = button;
    }
    for (int i = 0; i < pairs(); ++i) {
        auto* slot = new NameSlot(Frame1);
        slot->setObjectName(QStringLiteral("NameSlot%1").arg(i));
        slot->lower();
        slots_.push_back(slot);
    }
    Command1 = makeCommand(Frame1, "Command1", "Done", proceedHint);
    Command2 = makeCommand(Frame1, "Command2", "Skip", proceedHint);
    cmdhelp = makeCommand(Frame1, "cmdhelp", "Help", nullptr);
    Command1->setAccessibleName(QStringLiteral("Done"));
    Command2->setAccessibleName(QStringLiteral("Skip"));
    cmdhelp->setAccessibleName(QStringLiteral("Help"));
    connect(Command1, &QPushButton::clicked, this, &MatchingWindow::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &MatchingWindow::Command2_Click);
    connect(cmdhelp, &QPushButton::clicked, this, &MatchingWindow::cmdhelp_Click);
}

void MatchingWindow::raiseButtons() {
    for (int i = 0; i < pairs(); ++i)
        Btn1[static_cast<std::size_t>(i)]->raise();
}

bool MatchingWindow::buildQuestion() {
    const bool built = question_.load();
    for (int i = 0; i < pairs(); ++i) {
        DragButton& button = *Btn1[static_cast<std::size_t>(i)];
        button.setText(displayText(question_.caption(i)));
        button.setAccessibleName(numberedName("Name", i, question_.caption(i)));
        QFont font = button.font();
        font.setPointSize(question_.fontSize());
        button.setFont(font);
        button.setEnabled(built);
    }
    Command1->setEnabled(built);
    fitCaptions();
    return built;
}

void MatchingWindow::fitCaptions() {
    const double largest = question_.fontSize();
    double points = largest;
    for (int i = 0; i < pairs(); ++i)
        points = std::min(points, Btn1[static_cast<std::size_t>(i)]->fittingPointSize(largest));
    for (int i = 0; i < pairs(); ++i)
        Btn1[static_cast<std::size_t>(i)]->setShownPointSize(points);
}

int MatchingWindow::pixels(double twips) const {
    return twipsToPixelsX(*this, twips);
}

QRect MatchingWindow::fitFrame() {
    constexpr double frameBorder = 100;
    constexpr double margin = 120;
    // A window manager that lets the window shrink below its least size
    // clips the screen rather than crowding it.
    const QSize area = size().expandedTo(minimumSize());
    Frame1->resize(area.width() - twipsToPixelsX(*this, frameBorder),
                   area.height() - twipsToPixelsY(*this, frameBorder));
    const int m = pixels(margin);
    return Frame1->rect().adjusted(m, m, -m, -m);
}

int MatchingWindow::gapPixels() const {
    constexpr double gap = 90;
    return pixels(gap);
}

void MatchingWindow::setHome(int button, const QRect& place) {
    home_[static_cast<std::size_t>(button)] = place;
}

void MatchingWindow::setSlot(int target, const QRect& place) {
    slots_[static_cast<std::size_t>(target)]->setGeometry(place);
}

void MatchingWindow::showPlacements() {
    for (int i = 0; i < pairs(); ++i) {
        const int target = question_.targetOf(i);
        Btn1[static_cast<std::size_t>(i)]->setGeometry(
            target < 0 ? home_[static_cast<std::size_t>(i)]
                       : slots_[static_cast<std::size_t>(target)]->geometry());
    }
    fitCaptions();
}

QSize MatchingWindow::nameSize(int narrowest) const {
    QSize size(narrowest, 0);
    for (int i = 0; i < pairs(); ++i)
        size =
            size.expandedTo(Btn1[static_cast<std::size_t>(i)]->captionSize(question_.fontSize()));
    return size;
}

void MatchingWindow::layHomeGrid(QPoint topLeft, QSize name, int columns, int gap, int firstCell) {
    for (int i = 0; i < pairs(); ++i) {
        const int cell = firstCell + i;
        setHome(i, QRect(topLeft + QPoint((cell % columns) * (name.width() + gap),
                                          (cell / columns) * (name.height() + gap)),
                         name));
    }
}

int MatchingWindow::layCommands(const QRect& area) {
    const QSize size(pixels(commandWidth), twipsToPixelsY(*this, commandHeight));
    const int top = area.bottom() + 1 - size.height();
    const std::array<QPushButton*, 3> row{cmdhelp, Command1, Command2};
    for (int i = 0; i < 3; ++i)
        row[static_cast<std::size_t>(i)]->setGeometry(
            QRect(QPoint(area.left() + i * area.width() / 3, top), size));
    return top;
}

void MatchingWindow::putDragged(int target) {
    if (question_.drop(target).placed)
        showPlacements();
    nameTargets();
}

void MatchingWindow::setTargets(const std::vector<QWidget*>& targets) {
    targets_ = targets;
    // Tab visits the names in reading order, whatever their numbers.
    std::vector<QWidget*> chain(Btn1.begin(), Btn1.begin() + pairs());
    std::stable_sort(chain.begin(), chain.end(), [](const QWidget* a, const QWidget* b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    for (QWidget* target : targets_) {
        target->setFocusPolicy(Qt::TabFocus);
        target->installEventFilter(this);
        chain.push_back(target);
    }
    chain.insert(chain.end(), {Command1, Command2, cmdhelp});
    setTabChain(chain);
}

void MatchingWindow::nameTargets() {
    for (int t = 0; t < static_cast<int>(targets_.size()); ++t) {
        QString name = targetName(t);
        const int button = question_.place(t);
        if (button != Matching::noButton)
            name += QStringLiteral(", holds ") + displayText(question_.caption(button));
        targets_[static_cast<std::size_t>(t)]->setAccessibleName(name);
    }
}

void MatchingWindow::Btn1_MouseDown(int index, QPoint grip) {
    grip_ = grip;
    if (question_.press(index))
        beginDrag(index, ManualDrag::Until::release);
}

void MatchingWindow::Btn1_Click(int /*index*/) {}

void MatchingWindow::beginDrag(int index, ManualDrag::Until until) {
    drag_.begin(*Btn1[static_cast<std::size_t>(index)], grip_, until);
}

// A release on the button itself is a click, not a drop; a release away
// from every target drops nothing.
void MatchingWindow::dragEnded(QWidget* source, QPoint pointInWindow) {
    if (source != nullptr && isOver(*source, *this, pointInWindow))
        return;
    int target = indexUnder(targets_, *this, pointInWindow);
    if (target < 0)
        target = indexUnder(slots_, *this, pointInWindow);
    if (target >= 0)
        dropOn(target);
}

// Space on a name button or a target, held or not, never reaches the button
// itself: there it would be a click, which on the bars starts a mouse drag.
bool MatchingWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return QuestionWindow::eventFilter(watched, event);
    const auto& key = *static_cast<QKeyEvent*>(event);
    if (key.key() != Qt::Key_Space || key.modifiers() != Qt::NoModifier)
        return QuestionWindow::eventFilter(watched, event);
    const int button = indexOf(Btn1, watched);
    const int target = indexOf(targets_, watched);
    if (button < 0 && target < 0)
        return QuestionWindow::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress && !key.isAutoRepeat()) {
        if (button >= 0)
            pickByKey(button);
        else
            putByKey(target);
    }
    return true;
}

bool MatchingWindow::takeKey(const QKeyEvent& key) {
    if (key.key() != Qt::Key_Escape || keyPicked_ == Matching::noButton)
        return false;
    letGoOfKeyPick();
    return true;
}

// While a name is dragged with the mouse the keyboard leaves it alone.
void MatchingWindow::pickByKey(int button) {
    if (drag_.active())
        return;
    letGoOfKeyPick();
    if (!question_.press(button))
        return;
    keyPicked_ = button;
    Btn1[static_cast<std::size_t>(button)]->setPicked(true);
    showStatus();
}

void MatchingWindow::putByKey(int target) {
    if (keyPicked_ == Matching::noButton)
        return;
    letGoOfKeyPick();
    dropOn(target);
}

void MatchingWindow::letGoOfKeyPick() {
    if (keyPicked_ == Matching::noButton)
        return;
    Btn1[static_cast<std::size_t>(keyPicked_)]->setPicked(false);
    keyPicked_ = Matching::noButton;
}

void MatchingWindow::Command1_Click() {
    drag_.cancel();
    letGoOfKeyPick();
    if (question_.done())
        accept();
}

void MatchingWindow::Command2_Click() {
    drag_.cancel();
    letGoOfKeyPick();
    reject();
}

void MatchingWindow::cmdhelp_Click() {
    drag_.cancel();
    letGoOfKeyPick();
    question_.help();
}

} // namespace stratavex
