// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace stratavex {

struct ScoreState;

// The Hall of Fame list, shown from the settings window and after a new entry.
// It is built afresh each time it opens.
class HOF : public QDialog {
    Q_OBJECT

public:
    explicit HOF(ScoreState& game, QWidget* parent = nullptr);

private slots:
    void cmdok_Click();
    void cmdClear_Click();
    void cmdOnline_Click();

private:
    void createControls();
    void Form_Load();
    void layoutForList();

    ScoreState& game_;

    // Owned by this window through their parent.
    QPlainTextEdit* Text1 = nullptr;
    QPushButton* cmdOnline = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdOK = nullptr;
};

} // namespace stratavex
