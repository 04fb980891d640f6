// SPDX-License-Identifier: MIT
#pragma once

#include "base/qt_controls.h"
#include "database/editor.h"

#include <array>
#include <string>
#include <vector>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace stratavex {

struct QuizState;

// The database editor: one item at a time, every text field and the
// difficulty editable, the changes going into the item table at once. It is
// always shown modally; closing it in any way writes "drem.dat" when anything
// changed.
class dremedit : public UnloadingDialog, private EditorView {
    Q_OBJECT

public:
    explicit dremedit(QuizState& game, QWidget* parent = nullptr);

private slots:
    void dif_Change(const QString& text);
    void dif_LostFocus();
    void cmdPrev_Click();
    void cmdNext_Click();
    void cmdPrint_Click();
    void Command1_Click();
    void cmbitem_Click(int index);

private:
    void createControls();
    void createFieldLabels();
    void nameControls();
    void layoutControls();
    void orderTabs();
    void connectHandlers();
    void lockWithoutItems();
    void txtDesc_Change();
    QLineEdit* lineBox(EditField field) const;
    void Form_Unload() override;

    // EditorView
    void showList(const std::vector<std::string>& names) override;
    void showArtist(const std::string& line) override;
    void showName(int listIndex, const std::string& name) override;
    void showField(EditField field, const std::string& text) override;
    void showDif(const std::string& text) override;
    void showPicture(const std::string& file) override;

    EditorModel model_;

    // In creation order; owned by this window.
    QLineEdit* txtDiet = nullptr;
    QLineEdit* txtEra = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLineEdit* dif = nullptr;
    UpDown* UpDown2 = nullptr;
    QLineEdit* txtclass1 = nullptr;
    QLineEdit* txtClass2 = nullptr;
    QLineEdit* txtClass3 = nullptr;
    QLineEdit* txtWhere = nullptr;
    QLineEdit* txtPronounce = nullptr;
    QLineEdit* txtwhy = nullptr;
    QLineEdit* TxtTranslate2 = nullptr;
    QLineEdit* txtTranslate1 = nullptr;
    QLineEdit* txtLength = nullptr;
    QLineEdit* txtWt = nullptr;
    QLineEdit* Text4 = nullptr;
    QPlainTextEdit* txtDesc = nullptr;
    QPushButton* cmdPrev = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* Command1 = nullptr;
    QComboBox* cmbitem = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label1 = nullptr;
    PictureBox* Image1 = nullptr;

    // The captions beside the boxes, one per field shown in a line box.
    std::array<QLabel*, editFieldCount> fieldLabels_{};
};

} // namespace stratavex
