// SPDX-License-Identifier: MIT
#pragma once

#include <QGroupBox>
#include <QPixmap>
#include <QWidget>

#include <string>
#include <string_view>

class QKeyEvent;
class QPainter;
class QRect;
class QLineEdit;
class QToolButton;

namespace stratavex {

// The dashed frame of a drag outline. Controls that paint themselves draw it
// inside their edges to show the keyboard focus, so it reads the same on
// pictures, coloured bars and descriptions.
void drawDashedFrame(QPainter& painter, const QRect& area);
// Whether a control that paints itself marks its keyboard focus: as the
// style does for the other controls, only once the player has moved the
// focus with the keyboard in that window.
bool showsKeyboardFocus(const QWidget& control);

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

// An up-down spinner tied to a number box: its arrows step the box's value by
// one, and the box's own correction keeps the result within its bounds.
class UpDown : public QWidget {
    Q_OBJECT

public:
    UpDown(QLineEdit& buddy, QWidget* parent);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }
    // Names the arrows after the number they step, for screen readers.
    void nameArrows(const QString& number);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void step(int delta);

    QLineEdit& buddy_;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace stratavex
