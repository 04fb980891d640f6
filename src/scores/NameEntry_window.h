// SPDX-License-Identifier: MIT
#pragma once

#include "base/qt_controls.h"
#include "scores/nameentry.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace stratavex {

struct ScoreState;

// Asks for the name (and e-mail address) of a new Hall of Fame entry and
// whether it also goes to the online Hall of Fame.
class NameEntry : public UnloadingDialog {
    Q_OBJECT

public:
    explicit NameEntry(ScoreState& game, QWidget* parent = nullptr);

private slots:
    void OK_Click();
    void Command1_Click();

private:
    void createControls();
    void Form_Load();
    void Form_Unload() override;

    NameEntryModel model_;

    // Owned by this window through their parent.
    QLabel* Label1 = nullptr;
    QLineEdit* Name1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* email = nullptr;
    QPushButton* OK = nullptr;
    QPushButton* Command1 = nullptr;
};

} // namespace stratavex
