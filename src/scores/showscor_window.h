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
    void showTexts();
    void fitToTexts();
    void layoutInside(int frameWidth, int frameHeight);

    // Heights in pixels of the rows that depend on the texts, for a frame
    // of the given width.
    int headingHeight(int frameWidth) const;
    int scoreHeight(int frameWidth) const;
    int verdictHeight(int frameWidth, const QString& text) const;
    // The window's height when its verdict box holds `verdictPixels` pixels.
    int windowHeight(int frameWidth, int verdictPixels) const;

    ScoreState& game_;

    // Owned by this window through their parents.
    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QPlainTextEdit* Text1 = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Command1 = nullptr;
};

} // namespace stratavex
