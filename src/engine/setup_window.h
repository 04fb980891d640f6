// SPDX-License-Identifier: MIT
#pragma once

#include "base/qt_controls.h"
#include "engine/export_run.h"
#include "engine/setup.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace stratavex {

class Game;

// The game settings window. It is always shown modally; closing it in any way
// stores the settings and writes the configuration, once.
class setup : public UnloadingDialog {
    Q_OBJECT

public:
    explicit setup(Game& game, QWidget* parent = nullptr);

private slots:
    void nquestion_Change(const QString& text);
    void tmaxdif_Change(const QString& text);
    void tmindif_Change(const QString& text);
    void List1_Click();
    void Option1_Click(int index);
    void Check1_Click(bool checked);
    void cmdhelp_Click();
    void cmdok_Click();

private:
    void createControls();
    void nameControls();
    void layoutControls();
    void Form_Load();
    void connectHandlers();
    void Form_Unload() override;
    void cmdmakeq_Click(Game& game);
    void cmdTabbed_Click(Game& game);
    ShowRunSettings exportShown();

    SetupModel model_;

    // In creation (and tab) order; owned by this window.
    QListWidget* List1 = nullptr;
    QLabel* Label4 = nullptr;
    QLineEdit* nquestion = nullptr;
    UpDown* UpDown1 = nullptr;
    QGroupBox* frameDiff = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* tmaxdif = nullptr;
    UpDown* UpDown3 = nullptr;
    QLabel* Label5 = nullptr;
    QLineEdit* tmindif = nullptr;
    UpDown* UpDown2 = nullptr;
    QGroupBox* Frame1 = nullptr;
    std::array<QRadioButton*, SetupModel::logOptions> Option1{};
    QButtonGroup* logOptionGroup = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* cmdEdit = nullptr;
    QPushButton* cmdhof = nullptr;
    QPushButton* cmdHelp = nullptr;
    QPushButton* cmdmakeq = nullptr;
    QPushButton* cmdTabbed = nullptr;
    QPushButton* cmdok = nullptr;
};

} // namespace stratavex
