// SPDX-License-Identifier: MIT
#include "screens/imatch_window.h"

#include <QGroupBox>
#include <QPalette>
#include <QPushButton>

#include <algorithm>

namespace stratavex {

namespace {

constexpr int sizeSlot = 8;

// Designed size of the window's inside, in twips.
constexpr double designWidth = 8880;
constexpr double designHeight = 6735;

// The least window, in twips, at which the pictures, their slots, the names
// at home and the buttons all stand whole and apart.
constexpr double leastWidth = 8400;
constexpr double leastHeight = 6000;
constexpr double slotGap = 45; // between a picture and its slot
constexpr double narrowestButton = 1500;

const char* const dragHint = "Click and drag this item to its description, below";
const QColor emptyPictureColour(0xC8, 0xC8, 0xF0);

constexpr std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

imatch::imatch(ScreenState& game)
    : MatchingWindow(game, imatchKind, sizeSlot, designWidth, designHeight) {
    setObjectName(QStringLiteral("imatch"));
    setMinimumSize(twipsToPixelsX(*this, leastWidth), twipsToPixelsY(*this, leastHeight));
    createTargets();
    raiseButtons();
    layOut();
    setTargets({Image1.begin(), Image1.end()});
    Form_Load();
    nameTargets();
}

void imatch::createTargets() {
    for (int i = 0; i < pictures; ++i) {
        auto* picture = new PictureBox(Frame1);
        picture->setObjectName(QStringLiteral("Image1%1").arg(i));
        // An empty picture still shows where a name can be dropped.
        QPalette palette = picture->palette();
        palette.setColor(QPalette::Window, emptyPictureColour);
        picture->setPalette(palette);
        picture->setAutoFillBackground(true);
        Image1[at(i)] = picture;
        Btn1[at(i)]->setToolTip(QString::fromLatin1(dragHint));
    }
}

void imatch::Form_Load() {
    restoreSizeAndCenter();
    if (buildQuestion())
        for (int i = 0; i < pictures; ++i)
            Image1[at(i)]->load(question_.picture(i));
    layOut();
}

// A picture is named by its place only: its dinosaur is the answer.
QString imatch::targetName(int target) const {
    return numberedName("Picture", target);
}

void imatch::dropOn(int target) {
    image1_DragDrop(target);
}

// The name goes into the slot under the picture; a name that was there goes
// home.
void imatch::image1_DragDrop(int index) {
    putDragged(index);
}

void imatch::Form_Resize() {
    layOut();
    centerFrame();
    saveSize();
}

// The pictures in two rows of two, each as large as its cell allows with
// its slot under it; the names at home in a column on the right; the
// buttons along the lower edge.
void imatch::layOut() {
    const QRect inside = fitFrame();
    const int g = gapPixels();

    // A third of the width at most, so a cell is never narrower than a name.
    QSize name = nameSize(pixels(narrowestButton));
    name.setWidth(std::min(name.width(), (inside.width() - 2 * g) / 3));

    const int gridBottom = layCommands(inside) - g;
    const int cellWidth = (inside.width() - name.width() - 2 * g) / 2;
    const int underPicture = pixels(slotGap) + name.height();
    const int pictureHeight =
        std::min(cellWidth * 3 / 4, (gridBottom - inside.top() - g) / 2 - underPicture);
    const QSize picture(pictureHeight * 4 / 3, pictureHeight);
    // The pictures stay together, in the middle of the height they leave.
    const int rowHeight = pictureHeight + underPicture;
    const int gridTop = inside.top() + (gridBottom - inside.top() - 2 * rowHeight - g) / 2;
    for (int i = 0; i < pictures; ++i) {
        const QPoint cell(inside.left() + (i % 2) * (cellWidth + g),
                          gridTop + (i / 2) * (rowHeight + g));
        Image1[at(i)]->setGeometry(
            QRect(QPoint(cell.x() + (cellWidth - picture.width()) / 2, cell.y()), picture));
        setSlot(i, QRect(QPoint(cell.x() + (cellWidth - name.width()) / 2,
                                cell.y() + pictureHeight + pixels(slotGap)),
                         name));
    }
    layHomeGrid(QPoint(inside.right() + 1 - name.width(), gridTop), name, 1, g);
    showPlacements();
}

} // namespace stratavex
