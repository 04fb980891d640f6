// SPDX-License-Identifier: MIT
#include "screens/qmatch_window.h"

#include "base/qt_text.h"
#include "screens/qt_drag.h"

#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace stratavex {

namespace {

constexpr int sizeSlot = 2;

// Designed size of the window's inside, in twips.
constexpr double designWidth = 8925;
constexpr double designHeight = 6645;

// The least window, in twips, at which the prompt, the bars at home, five
// rows and the buttons all stand whole and apart.
constexpr double leastWidth = 8400;
constexpr double leastHeight = 6300;
constexpr double narrowestBar = 1500;
// A row grows with the window up to this many bar heights; beyond that the
// rows move apart.
constexpr int tallestRowInBars = 3;

constexpr double descriptionPoints = 12;
// Rows taller than two bars show their descriptions larger, up to this size
// at three bars.
constexpr double largestDescriptionPoints = 18;
constexpr double smallestDescriptionPoints = 7;
constexpr double descriptionPointStep = 0.5;
constexpr int descriptionPadding = 3; // pixels inside the pink
const QColor descriptionColour(0xFF, 0x80, 0xFF);

constexpr double promptPoints = 13.5;
constexpr int promptMargin = 4;

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

// A long description is shown smaller rather than cut off, down from
// `largest` points; the text keeps a little more room than its margins, so
// a wrapped line never touches the edge.
void fitDescription(QLabel& label, double largest) {
    QFont font = label.font();
    const int textWidth = label.width() - 2 * label.margin();
    for (double size = largest; size > smallestDescriptionPoints; size -= descriptionPointStep) {
        font.setPointSizeF(size);
        label.setFont(font);
        if (label.heightForWidth(textWidth) <= label.height())
            break;
    }
}

// What a row of this height shows its description at, at most.
double largestPointsFor(int rowHeight, int barHeight) {
    const double bars = static_cast<double>(rowHeight) / barHeight;
    const double grown = descriptionPoints + (largestDescriptionPoints - descriptionPoints) *
                                                 (bars - 2) / (tallestRowInBars - 2);
    return std::round(std::clamp(grown, descriptionPoints, largestDescriptionPoints) * 2) / 2;
}

} // namespace

qmatch::qmatch(ScreenState& game)
    : MatchingWindow(game, qmatchKind, sizeSlot, designWidth, designHeight) {
    setObjectName(QStringLiteral("qmatch"));
    setMinimumSize(twipsToPixelsX(*this, leastWidth), twipsToPixelsY(*this, leastHeight));
    createTargets();
    raiseButtons();
    layOut();
    setTargets({Label2.begin(), Label2.end()});
    Form_Load();
    nameTargets();
}

void qmatch::createTargets() {
    Label1 = makeLabel(Frame1, {.name = "Label1",
                                .look = {promptPoints, false},
                                .wordWrap = true,
                                .alignment = Qt::AlignLeft | Qt::AlignTop});
    Label1->setMargin(promptMargin);

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
        Label2[at(i)] = label;
    }
    Label2[0]->setToolTip(QString::fromLatin1(dropHint));

    // It tells the player nothing, so it stays hidden.
    Label4 = makeLabel(Frame1, {.name = "Label4"});
    Label4->hide();

    Btn1[0]->setToolTip(QString::fromLatin1(dragHint));
}

void qmatch::Form_Load() {
    restoreSizeAndCenter();
    const bool built = buildQuestion();
    setPlainText(*Label1, question_.prompt());
    if (!built)
        return;
    for (int i = 0; i < descriptions; ++i)
        setPlainText(*Label2[at(i)], question_.description(i));
    layOut();
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
}

// The bar goes into the slot beside the description.
void qmatch::Label2_DragDrop(int index) {
    putDragged(index);
}

void qmatch::Form_Resize() {
    layOut();
    centerFrame();
    saveSize();
}

// Every row is at least a bar high. The rest of the height goes to the rows
// as their descriptions need it at full size, and to each row up to a few
// bars' height; when there is not enough, in proportion to that need.
std::array<int, qmatch::descriptions> qmatch::rowHeights(int textWidth, int barHeight, int height) {
    std::array<int, descriptions> need{};
    int needed = 0;
    for (int i = 0; i < descriptions; ++i) {
        QLabel& label = *Label2[at(i)];
        QFont font = label.font();
        font.setPointSizeF(descriptionPoints);
        label.setFont(font);
        need[at(i)] = std::max(barHeight, label.heightForWidth(textWidth - 2 * label.margin()));
        needed += need[at(i)];
    }
    std::array<int, descriptions> heights{};
    for (int i = 0; i < descriptions; ++i) {
        const int own = need[at(i)];
        if (needed <= height)
            heights[at(i)] = std::max(own, std::min(own + (height - needed) / descriptions,
                                                    tallestRowInBars * barHeight));
        else
            heights[at(i)] = std::max(
                barHeight, barHeight + (height - descriptions * barHeight) * (own - barHeight) /
                                           std::max(1, needed - descriptions * barHeight));
    }
    return heights;
}

// From the top: the prompt, the bars at home in as many columns as fit, the
// five rows of a slot and its description, which share the height left over,
// and the buttons along the lower edge.
void qmatch::layOut() {
    const QRect inside = fitFrame();
    const int g = gapPixels();

    QSize bar = nameSize(pixels(narrowestBar));
    bar.setWidth(std::min(bar.width(), (inside.width() - g) / 2));
    // A short prompt takes the first cell of the bars' grid, which leaves
    // the descriptions more of the height.
    const bool promptInGrid =
        Label1->heightForWidth(bar.width() - 2 * promptMargin) <= bar.height();
    const int firstCell = promptInGrid ? 1 : 0;
    const int columns = std::clamp((inside.width() + g) / (bar.width() + g), 1, descriptions);
    const int homeRows = (firstCell + descriptions + columns - 1) / columns;
    QPoint home = inside.topLeft();
    if (promptInGrid) {
        Label1->setGeometry(QRect(home, bar));
    } else {
        const int promptHeight = Label1->heightForWidth(inside.width() - 2 * promptMargin);
        Label1->setGeometry(inside.left(), inside.top(), inside.width(), promptHeight);
        home.ry() += promptHeight + g;
    }
    layHomeGrid(home, bar, columns, g, firstCell);

    const int rowsTop = home.y() + homeRows * (bar.height() + g) + g;
    const int rowsBottom = layCommands(inside) - g;
    const int textLeft = inside.left() + bar.width() + g;
    const int textWidth = inside.right() + 1 - textLeft;
    const std::array<int, descriptions> heights =
        rowHeights(textWidth, bar.height(), rowsBottom - rowsTop - (descriptions - 1) * g);
    int used = 0;
    for (int height : heights)
        used += height;
    // What the rows leave over moves them apart.
    const int apart =
        g + (rowsBottom - rowsTop - (descriptions - 1) * g - used) / (descriptions - 1);
    int top = rowsTop;
    for (int i = 0; i < descriptions; ++i) {
        const int height = heights[at(i)];
        setSlot(i, QRect(QPoint(inside.left(), top + (height - bar.height()) / 2), bar));
        Label2[at(i)]->setGeometry(textLeft, top, textWidth, height);
        fitDescription(*Label2[at(i)], largestPointsFor(height, bar.height()));
        top += height + apart;
    }
    showPlacements();
}

} // namespace stratavex
