// SPDX-License-Identifier: MIT
#pragma once

#include "base/qt_controls.h"
#include "shell/qt_background.h"

class QLabel;
class QPushButton;

namespace stratavex {

class Game;

// The main menu. Loading it runs the program's start-up; closing it saves the
// configuration and ends the program.
class main : public UnloadingWindow {
    Q_OBJECT

public:
    explicit main(Game& game, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void cmdsetup_Click();
    void cmdquit_Click();
    void Command3_Click();

private:
    void createControls();
    void Form_Load();
    void Form_Unload() override;
    void loadBackground();
    void prepareFonts();
    void layoutControls();
    void keepEverythingInView();

    Game& game_;
    BackgroundPicture background_;

    // In the order the menu creates them; owned by this window.
    QPushButton* cmdsetup = nullptr;
    QPushButton* cmdquit = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
};

} // namespace stratavex
