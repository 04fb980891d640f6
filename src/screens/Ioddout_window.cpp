// SPDX-License-Identifier: MIT
#include "screens/Ioddout_window.h"

#include "base/qt_controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

#include <algorithm>

namespace stratavex {

namespace {

// Design geometry in twips, inside Frame1; the first resize lays the pictures
// out from the window size.
constexpr double pictureTop = 800;
constexpr double pictureWidth = 2933;
constexpr double pictureHeight = 2200;
// Room between the pictures of a row.
constexpr double pictureGap = 200;
// The prompt spans the frame but for this margin at each end.
constexpr double promptMargin = 500;
constexpr double buttonWidth = 1300;
constexpr double buttonHeight = 500;

// The longest prompt, "Which was not a plant and animal eater?", takes two
// lines; the pictures stay large enough to tell apart.
constexpr double leastWidth = 6600;
constexpr double leastHeight = 5400;

// A missing picture still shows where to click.
void markArea(PictureBox& picture) {
    QPalette palette = picture.palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Base).darker(108));
    picture.setPalette(palette);
    picture.setAutoFillBackground(true);
    picture.setCursor(Qt::PointingHandCursor);
}

} // namespace

Ioddout::Ioddout(ScreenState& game, QWidget* parent) : OddOutWindow(game, IoddoutScreen, parent) {
    placeTwips(*Frame1, 50, 50, 9500, 6500);
    placeTwips(*Label1, promptMargin, 100, 9500 - 2 * promptMargin, 680);
    for (int i = 0; i < oddOutItems; ++i) {
        auto* picture = new PictureBox(Frame1);
        picture->setObjectName(QStringLiteral("Image1%1").arg(i));
        markArea(*picture);
        const double left = i % 2 == 0 ? 150 : 4750;
        const double top = i < 2 ? pictureTop : pictureTop + pictureHeight + 200;
        placeTwips(*picture, left, top, pictureWidth, pictureHeight);
        picture->setAccessibleName(numberedName("Picture", i));
        picture->setToolTip(
            QStringLiteral("Click, or press %1, to choose this picture").arg(i + 1));
        picture->setKeyboardChoice(true);
        connect(picture, &PictureBox::clicked, this, [this, i] { itemClicked(i); });
        connect(picture, &PictureBox::spacePressed, this, [this, i] { itemClicked(i); });
        Image1[static_cast<std::size_t>(i)] = picture;
    }
    placeTwips(*cmdhelp, 500, 5650, buttonWidth, buttonHeight);
    placeTwips(*cmdSkip, 9500 - promptMargin - buttonWidth, 5650, buttonWidth, buttonHeight);
    orderTabs({Image1.begin(), Image1.end()});
    setLeastSize(leastWidth, leastHeight);
    Form_Load();
}

void Ioddout::showItems(bool clickable) {
    for (int p = 0; p < oddOutItems; ++p) {
        PictureBox* picture = Image1[static_cast<std::size_t>(p)];
        if (clickable)
            picture->load(question().picture(p));
        picture->setEnabled(clickable);
    }
}

void Ioddout::Form_Resize() {
    if (!laysOut(IoddoutScreen, window().width(), window().height()))
        return;
    Frame1->hide();
    frame().setWidth(window().width() - 100);
    frame().setHeight(window().height() - 100);
    // Two rows share the height and two pictures the width, so a narrow,
    // tall window does not make the pictures overlap.
    const double pictureLeft = frame().left() + 100;
    const double h = std::min((frame().height() - 2100) / 2,
                              (frame().width() / 2 - pictureLeft - pictureGap) * 3 / 4);

    // Help and skip keep their distance from the frame's lower corners.
    Twips help(*cmdhelp);
    Twips skip(*cmdSkip);
    help.setTop(frame().height() - 850);
    skip.setTop(help.top());
    help.setLeft(promptMargin);
    skip.setLeft(frame().width() - promptMargin - buttonWidth);
    Twips prompt(*Label1);
    prompt.setWidth(frame().width() - 2 * promptMargin);

    for (PictureBox* picture : Image1) {
        Twips twips(*picture);
        twips.setLeft(pictureLeft);
        picture->hide();
        twips.setHeight(h);
        twips.setWidth(twips.height() * 4 / 3);
    }
    const Twips first(*Image1[0]);
    Twips second(*Image1[1]);
    Twips third(*Image1[2]);
    Twips fourth(*Image1[3]);
    third.setTop(first.top() + first.height() + pictureGap);
    fourth.setTop(third.top());
    second.setLeft(frame().width() / 2);
    fourth.setLeft(second.left());

    for (PictureBox* picture : Image1)
        picture->show();
    Frame1->show();
    centerFrame();
    if (savesSize(IoddoutScreen, maximized()))
        saveSize();
}

} // namespace stratavex
