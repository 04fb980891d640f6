// SPDX-License-Identifier: MIT
#include "screens/imatch_window.h"

#include <QGroupBox>
#include <QPalette>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace stratavex {

namespace {

constexpr int sizeSlot = 8;

// Designed size of the window's inside, in twips.
constexpr double designWidth = 8880;
constexpr double designHeight = 6735;

// Below this window height nothing is laid out again.
constexpr double smallestLaidOutHeight = 4000;
constexpr double frameBorder = 100;

// The pictures of the design; the layout keeps the Left of the left column
// and the Top of the upper row.
struct Place {
    double left;
    double top;
};
constexpr std::array<Place, imatch::pictures> designPictures{
    {{720, 240}, {5040, 240}, {720, 3000}, {5040, 3000}}};
constexpr double designPictureWidth = 3615;
constexpr double designPictureHeight = 2415;
constexpr double pictureRowGap = 200;
// The frame height less everything that is not picture: the button rows,
// the margins and the gap between the two picture rows.
constexpr double framePartsBesidePictures = 2100;

constexpr double buttonWidth = 1850; // until the first layout
constexpr double buttonHeight = 510;
// The buttons widen with the window, so their captions stay readable, and
// keep this much room between them.
constexpr double buttonGap = 150;
constexpr double narrowestButton = 600;
constexpr double buttonRowFromBottom = 1400;
constexpr double buttonRowInset = 300;
// A button on a picture sits centred on its lower edge, this far up.
constexpr double buttonAbovePictureEdge = 10;

constexpr double commandWidth = 1200;
constexpr double commandHeight = 450;
constexpr double commandRowFromBottom = 850;
constexpr double commandRowLeft = 500;

const char* const dragHint = "Click and drag this item to its description, below";
const QColor emptyPictureColour(0xC8, 0xC8, 0xF0);

constexpr std::size_t at(int i) {
    return static_cast<std::size_t>(i);
}

} // namespace

imatch::imatch(ScreenState& game)
    : MatchingWindow(game, imatchKind, sizeSlot, designWidth, designHeight) {
    setObjectName(QStringLiteral("imatch"));
    createTargets();
    raiseButtons();
    setTargets({Image1.begin(), Image1.end()});
    Form_Load();
    nameTargets();
}

void imatch::createTargets() {
    placeTwips(*Frame1, frameBorder / 2, frameBorder / 2, designWidth - frameBorder,
               designHeight - frameBorder);
    for (int i = 0; i < pictures; ++i) {
        auto* picture = new PictureBox(Frame1);
        picture->setObjectName(QStringLiteral("Image1%1").arg(i));
        // An empty picture still shows where a name can be dropped.
        QPalette palette = picture->palette();
        palette.setColor(QPalette::Window, emptyPictureColour);
        picture->setPalette(palette);
        picture->setAutoFillBackground(true);
        const Place& design = designPictures[at(i)];
        placeTwips(*picture, design.left, design.top, designPictureWidth, designPictureHeight);
        Image1[at(i)] = picture;
    }
    // Until the first layout the buttons stand where it would put them.
    const double frameWidth = designWidth - frameBorder;
    const double frameHeight = designHeight - frameBorder;
    const double span = frameWidth - buttonWidth / 2;
    for (int i = 0; i < pictures; ++i) {
        placeTwips(*Btn1[at(i)], frameBorder / 2 + buttonRowInset + i * span / 4,
                   frameHeight - buttonRowFromBottom, buttonWidth, buttonHeight);
        Btn1[at(i)]->setToolTip(QString::fromLatin1(dragHint));
    }
    const std::array<QPushButton*, 3> commands{cmdhelp, Command1, Command2};
    for (int i = 0; i < 3; ++i)
        placeTwips(*commands[at(i)], commandRowLeft + i * span / 3,
                   frameHeight - commandRowFromBottom, commandWidth, commandHeight);
}

void imatch::Form_Load() {
    restoreSizeAndCenter();
    takeHomePositions();
    if (!buildQuestion())
        return;
    for (int i = 0; i < pictures; ++i)
        Image1[at(i)]->load(question_.picture(i));
}

void imatch::takeHomePositions() {
    for (int i = 0; i < pictures; ++i) {
        Twips button(*Btn1[at(i)]);
        hometop[at(i)] = button.top();
        homeleft[at(i)] = static_cast<int>(std::lround(button.left()));
    }
}

// A picture is named by its place only: its dinosaur is the answer.
QString imatch::targetName(int target) const {
    return numberedName("Picture", target);
}

void imatch::dropOn(int target) {
    image1_DragDrop(target);
    nameTargets();
}

void imatch::image1_DragDrop(int index) {
    const int button = question_.dragged();
    const Matching::Drop drop = question_.drop(index);
    if (!drop.placed)
        return;
    Twips picture(*Image1[at(index)]);
    Twips moved(*Btn1[at(button)]);
    moved.setTop(picture.top() + picture.height() - moved.height() - buttonAbovePictureEdge);
    moved.setLeft(picture.left() + picture.width() / 2 - moved.width() / 2);
    if (drop.sentHome != Matching::noButton)
        sendHome(drop.sentHome);
}

void imatch::sendHome(int button) {
    Twips home(*Btn1[at(button)]);
    home.setTop(hometop[at(button)]);
    home.setLeft(homeleft[at(button)]);
}

// Every resize puts the name buttons back on their home row; the placements
// made so far still count at Done.
void imatch::Form_Resize() {
    const double W = window().width();
    const double H = window().height();
    if (H < smallestLaidOutHeight)
        return;
    Twips frame = this->frame();
    frame.setWidth(W - frameBorder);
    frame.setHeight(H - frameBorder);

    const double h = (frame.height() - framePartsBesidePictures) / 2;
    const double w = frame.width() - Twips(*Btn1[0]).width() / 2;

    const double commandTop = frame.height() - commandRowFromBottom;
    const std::array<QPushButton*, 3> commands{cmdhelp, Command1, Command2};
    for (int i = 0; i < 3; ++i) {
        Twips command(*commands[at(i)]);
        command.setTop(commandTop);
        command.setLeft(commandRowLeft + i * w / 3);
    }

    for (int i = 0; i < pictures; ++i) {
        Twips button(*Btn1[at(i)]);
        button.setTop(frame.height() - buttonRowFromBottom);
        button.setLeft(frame.left() + buttonRowInset + i * w / 4);
        button.setWidth(std::max(narrowestButton, w / 4 - buttonGap));
        PictureBox& picture = *Image1[at(i)];
        picture.hide();
        Twips(picture).setHeight(h);
        Twips(picture).setWidth(Twips(picture).height() * 4 / 3);
    }
    takeHomePositions();

    Twips picture0(*Image1[0]);
    Twips(*Image1[2]).setTop(picture0.top() + picture0.height() + pictureRowGap);
    Twips(*Image1[3]).setTop(Twips(*Image1[2]).top());
    Twips(*Image1[1]).setLeft(frame.width() / 2);
    Twips(*Image1[3]).setLeft(Twips(*Image1[1]).left());

    for (PictureBox* picture : Image1)
        picture->show();
    fitCaptions();
    centerFrame();
    saveSize();
}

} // namespace stratavex
