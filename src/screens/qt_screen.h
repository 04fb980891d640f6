// SPDX-License-Identifier: MIT
#pragma once

#include "base/qt_controls.h"

#include <QDialog>
#include <QGroupBox>
#include <QPixmap>
#include <QWidget>

#include <string>
#include <string_view>
#include <vector>

class QKeyEvent;

namespace stratavex {

struct ScreenState;

// What every question screen has: a modal dialog whose controls sit in
// Frame1, a remembered size under a window slot, centred when it opens.
class QuestionWindow : public QDialog {
    Q_OBJECT
public:
    QuestionWindow(ScreenState& game, int sizeSlot, QWidget* parent = nullptr);

    // A screen whose question could not be built is not shown: the player
    // has had the message and the settings, and the question is skipped.
    int exec() override;

protected:
    // A key that no control took; true when the screen answered to it.
    virtual bool takeKey(const QKeyEvent& key);
    void keyPressEvent(QKeyEvent* event) override;
    // The screen's keys, in the tool tip of every part of the window that
    // has none of its own and for screen readers.
    void describeKeys(const QString& keys);
    // Tab visits the controls in the order the player reads them; the first
    // one has the focus when the window opens.
    void setTabChain(const std::vector<QWidget*>& controls);

    // The least size, in twips, at which every control is whole. The derived
    // window sets it before it restores its size, so a size saved smaller
    // opens at the least size.
    void setLeastSize(double widthTwips, double heightTwips);
    // Restores the saved state and size and centres the window; the derived
    // window calls it once its controls exist.
    void restoreSizeAndCenter();
    void saveSize();
    void centerFrame();
    bool maximized() const { return isMaximized(); }
    Twips window() { return Twips(*this); }
    Twips frame() { return Twips(*Frame1); }

    virtual void Form_Resize() = 0;
    void resizeEvent(QResizeEvent* event) override;

    ScreenState& game_;
    QGroupBox* Frame1;

private:
    QtForm form_;
    int sizeSlot_;
};

} // namespace stratavex
