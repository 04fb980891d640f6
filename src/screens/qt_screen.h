// SPDX-License-Identifier: MIT
#pragma once

#include "shell/qt_twips.h"

#include <QDialog>
#include <QGroupBox>
#include <QPixmap>
#include <QWidget>

#include <string>

namespace stratavex {

class Game;

// A control's geometry in twips, relative to its parent, read and set the
// way the windows' layout rules are written.
class Twips {
public:
    explicit Twips(QWidget& widget) : widget_(widget) {}

    double left() const;
    double top() const;
    double width() const;
    double height() const;
    void setLeft(double twips);
    void setTop(double twips);
    void setWidth(double twips);
    void setHeight(double twips);

private:
    QWidget& widget_;
};

// A picture control: the picture file is stretched to the control's size. A
// missing or unreadable file, or an empty name, shows an empty picture.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void load(const std::string& file);
    bool hasPicture() const { return !picture_.isNull(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QPixmap picture_;
};

// What every question screen has: a modal dialog whose controls sit in
// Frame1, a remembered size under a window slot, centred when it opens.
class QuestionWindow : public QDialog {
    Q_OBJECT
public:
    QuestionWindow(Game& game, int sizeSlot, QWidget* parent = nullptr);

protected:
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

    Game& game_;
    QGroupBox* Frame1;

private:
    QtForm form_;
    int sizeSlot_;
};

} // namespace stratavex
