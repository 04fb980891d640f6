// SPDX-License-Identifier: MIT
#pragma once

#include "shell/qt_twips.h"

#include <QDialog>
#include <QGroupBox>
#include <QPixmap>
#include <QWidget>

#include <string>
#include <string_view>
#include <vector>

class QKeyEvent;

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
// missing or unreadable file, or an empty name, shows an empty picture. The
// picture is scaled once for the screen's pixels, so it is as sharp on a
// high-resolution screen as the file allows.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void load(const std::string& file);
    bool hasPicture() const { return !picture_.isNull(); }
    // The picture as it is drawn: the control's size in device pixels, with
    // the screen's device pixel ratio.
    const QPixmap& shownPicture();

    // A picture the player can choose from the keyboard takes the focus from
    // Tab and reports Space; a mouse press still does not move the focus.
    void setKeyboardChoice(bool enabled);

signals:
    void clicked();
    void spacePressed();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    bool shownIsCurrent() const;

    QPixmap picture_;
    QPixmap shown_;
};

// A name a screen reader speaks for the n-th control of a row, counted from
// 1: "Option 2", or "Option 2: " and the caption the control shows anyway.
// It never says more than the screen shows, so it gives no answer away.
QString numberedName(const char* what, int index, std::string_view caption = {});

// The number of a digit key, 1 to 9, pressed on the main keys or the keypad,
// or 0 for any other key, a held key's repeats, or a digit with Ctrl or Alt.
int numberKey(const QKeyEvent& key);

// The frame that holds a question screen's controls: an etched outline drawn
// straight with two lines, and no title (question frames have none). The
// style's group box frame is a picture stretched to the frame's size, which
// made every repaint while the player drags the window's edge cost a
// millisecond more.
class EtchedFrame : public QGroupBox {
public:
    explicit EtchedFrame(QWidget* parent) : QGroupBox(parent) {}

protected:
    void paintEvent(QPaintEvent* event) override;
};

// What every question screen has: a modal dialog whose controls sit in
// Frame1, a remembered size under a window slot, centred when it opens.
class QuestionWindow : public QDialog {
    Q_OBJECT
public:
    QuestionWindow(Game& game, int sizeSlot, QWidget* parent = nullptr);

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
