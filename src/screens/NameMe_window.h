// SPDX-License-Identifier: MIT
#pragma once

#include "screens/nameme.h"

#include <QDialog>

class QEvent;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace stratavex {

struct ScreenState;
class PictureBox;

// The Name Me letter game: the dinosaur's picture, the blanks of its name
// and the creature that grows with every wrong letter. The window sees every
// typed character first, whichever control has the focus, so typing always
// reaches the puzzle. It keeps its designed size.
class NameMe : public QDialog {
    Q_OBJECT
public:
    explicit NameMe(ScreenState& game, QWidget* parent = nullptr);

    // Without a puzzle the screen is not shown: the player has had the
    // message and the settings, and the question is skipped.
    int exec() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void createPictures();
    void createWordLabel();
    void Form_Load();
    void Form_KeyPress(int keyAscii);
    void Command1_Click();
    void render();
    bool takeKey(const QKeyEvent& key);

    NameMePuzzle puzzle_;
    std::string creatureShown_;

    PictureBox* Image2 = nullptr;
    PictureBox* Image1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label3 = nullptr;
    QPushButton* Command1 = nullptr;
};

} // namespace stratavex
