// SPDX-License-Identifier: MIT
#include "screens/Ioddout_window.h"

#include "base/qt_controls.h"

#include <QGroupBox>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace stratavex {

namespace {

// Design geometry in twips, inside Frame1; the first resize lays the pictures
// out from the window size.
constexpr double pictureTop = 800;
constexpr double pictureWidth = 2933;
constexpr double pictureHeight = 2200;

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
    placeTwips(*Label1, 500, 150, 8500, 600);
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
    placeTwips(*cmdhelp, 500, 5650, 1300, 500);
    placeTwips(*cmdSkip, 7033, 5650, 1300, 500);
    orderTabs({Image1.begin(), Image1.end()});
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
    const double h = (frame().height() - 2100) / 2;
    const double w = frame().width() - Twips(*Image1[0]).width() / 2;

    Twips help(*cmdhelp);
    Twips skip(*cmdSkip);
    help.setTop(frame().height() - 850);
    skip.setTop(help.top());
    help.setLeft(500);
    skip.setLeft(w - 1000);

    for (PictureBox* picture : Image1) {
        Twips twips(*picture);
        twips.setLeft(frame().left() + 100);
        picture->hide();
        twips.setHeight(h);
        twips.setWidth(twips.height() * 4 / 3);
    }
    const Twips first(*Image1[0]);
    Twips second(*Image1[1]);
    Twips third(*Image1[2]);
    Twips fourth(*Image1[3]);
    third.setTop(first.top() + first.height() + 200);
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
