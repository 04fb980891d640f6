// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace stratavex {

struct ScoreState;

// The score display shown after every answered question: the verdict the
// question screen wrote and the running score of the game.
class showscor : public QDialog {
    Q_OBJECT

public:
    explicit showscor(ScoreState& game, QWidget* parent = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;

private slots:
    void Command1_Click();

private:
    void createControls();
    void Form_Load();
    void Form_Resize();
    void layoutInside(double frameWidth, double frameHeight);
    void showTexts();

    ScoreState& game_;

    // Owned by this window through their parents.
    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command1 = nullptr;
};

} // namespace stratavex
