// SPDX-License-Identifier: MIT
#include "screens/qmatch_window.h"

#include "base/qt_text.h"
#include "screens/qt_drag.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPushButton>

namespace stratavex {

namespace {

constexpr int sizeSlot = 2;

// Designed size of the window's inside, in twips.
constexpr double designWidth = 8925;
constexpr double designHeight = 6645;

// Below this window width only the frame follows the window.
constexpr double smallestLaidOutWidth = 3000;
constexpr double frameBorder = 100;

// The bars stand diagonally at the top right.
constexpr double barWidth = 4500;
constexpr double barHeight = 435;
constexpr std::array<double, qmatch::descriptions> barLefts{4200, 3840, 3600, 3240, 2760};
constexpr std::array<double, qmatch::descriptions> barTops{1440, 1080, 720, 360, 0};

constexpr double descriptionLeft = 120;
constexpr double descriptionWidth = 8655;
constexpr double descriptionHeight = 615;
constexpr std::array<double, qmatch::descriptions> descriptionTops{2040, 2790, 3645, 4560, 5400};
constexpr double descriptionInset = 100;   // from the frame's left edge
constexpr double descriptionMargins = 400; // frame width less description width
constexpr double descriptionPoints = 12;
constexpr double smallestDescriptionPoints = 7;
constexpr double descriptionPointStep = 0.5;
constexpr int descriptionPadding = 3; // pixels inside the pink
const QColor descriptionColour(0xFF, 0x80, 0xFF);

constexpr double promptLeft = 0;
constexpr double promptTop = 120;
constexpr double promptWidth = 2895;
constexpr double promptHeight = 1455;
constexpr double promptPoints = 13.5;

constexpr double statusLeft = 7200;
constexpr double statusTop = 6240;
constexpr double statusWidth = 3375;
constexpr double statusHeight = 255;
constexpr double statusPoints = 7;

constexpr double commandTop = 6075;
constexpr double commandWidth = 1320;
constexpr double commandHeight = 420;
constexpr double helpLeft = 120;
constexpr double doneLeft = 2760;
constexpr double skipLeft = 4320;

const char* const dragHint = "Click and drag this item to its description, below";
const char* const dropHint = "Drag one of the colored bars to this description";

constexpr std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

// A description shows when it has the keyboard focus, so the player sees
// where Space puts the picked bar.
class DescriptionLabel : public QLabel {
public:
    explicit DescriptionLabel(QWidget* parent) : QLabel(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        if (!showsKeyboardFocus(*this))
            return;
        QPainter painter(this);
        drawDashedFrame(painter, rect());
    }
};

// A long description is shown smaller rather than cut off.
void fitDescription(QLabel& label) {
    QFont font = label.font();
    const QRect area = label.contentsRect().adjusted(descriptionPadding, descriptionPadding,
                                                     -descriptionPadding, -descriptionPadding);
    for (double size = descriptionPoints; size > smallestDescriptionPoints;
         size -= descriptionPointStep) {
        font.setPointSizeF(size);
        const QRect needed = QFontMetrics(font).boundingRect(
            area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, label.text());
        if (needed.height() <= area.height())
            break;
    }
    label.setFont(font);
}

} // namespace

qmatch::qmatch(ScreenState& game)
    : MatchingWindow(game, qmatchKind, sizeSlot, designWidth, designHeight) {
    setObjectName(QStringLiteral("qmatch"));
    createTargets();
    raiseButtons();
    setTargets({Label2.begin(), Label2.end()});
    Form_Load();
    nameTargets();
}

void qmatch::createTargets() {
    placeTwips(*Frame1, frameBorder / 2, frameBorder / 2, designWidth - frameBorder,
               designHeight - frameBorder);

    Label1 = makeLabel(Frame1, {.name = "Label1",
                                .look = {promptPoints, false},
                                .wordWrap = true,
                                .alignment = Qt::AlignLeft | Qt::AlignTop});
    Label1->setMargin(4);
    placeTwips(*Label1, promptLeft, promptTop, promptWidth, promptHeight);

    for (int i = 0; i < descriptions; ++i) {
        QLabel* label =
            makeLabel<DescriptionLabel>(Frame1, {.name = QStringLiteral("Label2%1").arg(i),
                                                 .look = {descriptionPoints, true},
                                                 .wordWrap = true,
                                                 .alignment = Qt::AlignLeft | Qt::AlignVCenter});
        label->setMargin(descriptionPadding);
        QPalette palette = label->palette();
        palette.setColor(QPalette::Window, descriptionColour);
        palette.setColor(QPalette::WindowText, Qt::black);
        label->setPalette(palette);
        label->setAutoFillBackground(true);
        placeTwips(*label, descriptionLeft, descriptionTops[at(i)], descriptionWidth,
                   descriptionHeight);
        Label2[at(i)] = label;
    }
    Label2[0]->setToolTip(QString::fromLatin1(dropHint));

    Label4 = makeLabel(Frame1, {.name = "Label4", .look = {statusPoints, false}});
    QPalette muted = Label4->palette();
    muted.setColor(QPalette::WindowText, QColor(0x30, 0x30, 0x70));
    Label4->setPalette(muted);
    placeTwips(*Label4, statusLeft, statusTop, statusWidth, statusHeight);

    for (int i = 0; i < descriptions; ++i)
        placeTwips(*Btn1[at(i)], barLefts[at(i)], barTops[at(i)], barWidth, barHeight);
    Btn1[0]->setToolTip(QString::fromLatin1(dragHint));

    placeTwips(*cmdhelp, helpLeft, commandTop, commandWidth, commandHeight);
    placeTwips(*Command1, doneLeft, commandTop, commandWidth, commandHeight);
    placeTwips(*Command2, skipLeft, commandTop, commandWidth, commandHeight);
}

void qmatch::Form_Load() {
    restoreSizeAndCenter();
    const bool built = buildQuestion();
    setPlainText(*Label1, question_.prompt());
    if (!built)
        return;
    for (int i = 0; i < descriptions; ++i) {
        setPlainText(*Label2[at(i)], question_.description(i));
        fitDescription(*Label2[at(i)]);
    }
}

void qmatch::showStatus() {
    setPlainText(*Label4, question_.status());
}

void qmatch::Btn1_MouseDown(int index, QPoint grip) {
    MatchingWindow::Btn1_MouseDown(index, grip);
    showStatus();
}

// After a click the outline follows the pointer until the next press, so the
// player can click a bar and then click its description.
void qmatch::Btn1_Click(int index) {
    if (question_.click(index))
        beginDrag(index, ManualDrag::Until::nextPress);
    showStatus();
}

// The description's text is on the screen for everyone to read.
QString qmatch::targetName(int target) const {
    return numberedName("Description", target,
                        question_.built() ? question_.description(target) : std::string_view());
}

void qmatch::dropOn(int target) {
    Label2_DragDrop(target);
    nameTargets();
}

// The bar moves down to the description's height and keeps its Left.
void qmatch::Label2_DragDrop(int index) {
    const int bar = question_.dragged();
    if (!question_.drop(index).placed)
        return;
    Twips(*Btn1[at(bar)]).setTop(Twips(*Label2[at(index)]).top());
}

// The descriptions follow the window's width; the bars keep their places.
void qmatch::Form_Resize() {
    const double W = window().width();
    const double H = window().height();
    Twips frame = this->frame();
    frame.setWidth(W - frameBorder);
    frame.setHeight(H - frameBorder);
    if (W < smallestLaidOutWidth)
        return;
    for (QLabel* label : Label2) {
        Twips description(*label);
        description.setLeft(frame.left() + descriptionInset);
        description.setWidth(frame.width() - descriptionMargins);
        fitDescription(*label);
    }
    centerFrame();
    saveSize();
}

} // namespace stratavex
