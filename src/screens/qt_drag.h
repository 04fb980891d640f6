// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include "base/qt_controls.h"

class QPainter;

namespace stratavex {

// What the player sees of a drag: a frame the size of the dragged control,
// drawn as an outline only, that lets every mouse event through.
class DragOutline : public QWidget {
    Q_OBJECT
public:
    explicit DragOutline(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A drag built by hand, so it behaves the same on every platform and tests
// can drive it with plain mouse events. It begins on a press on a source
// control: the source grabs the mouse and an outline of it follows the
// pointer until the drag ends, where the window looks for a target. Escape,
// or the window closing, ends it without a drop.
class ManualDrag : public QObject {
    Q_OBJECT
public:
    enum class Until {
        release,   // the mouse button that started it goes up
        nextPress, // the next press, after a source was clicked
    };

    explicit ManualDrag(QWidget& window);
    ~ManualDrag() override;
    ManualDrag(const ManualDrag&) = delete;
    ManualDrag& operator=(const ManualDrag&) = delete;

    // pointerInSource: where the pointer holds the source, so the outline
    // keeps that grip.
    void begin(QWidget& source, QPoint pointerInSource, Until until);
    void cancel();
    bool active() const { return !source_.isNull(); }
    const DragOutline& outline() const { return *outline_; }

signals:
    // The drag of source ended with the pointer at this point of the window.
    void ended(QWidget* source, QPoint pointInWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool belongsToWindow(const QObject* watched) const;
    void follow(QPoint global);
    void finish(QPoint global);
    void stop();

    QWidget& window_;
    DragOutline* outline_; // owned by the window
    QPointer<QWidget> source_;
    QPoint grip_;
    Until until_ = Until::release;
    // The press that ended a drag is the player's; its release is not.
    bool swallowRelease_ = false;
};

// True when a point of the window lies on a visible control of it.
bool isOver(const QWidget& control, const QWidget& window, QPoint pointInWindow);

// The index of the first visible control of a set under a point of the
// window, or -1.
template <typename Controls>
int indexUnder(const Controls& controls, const QWidget& window, QPoint pointInWindow) {
    int index = 0;
    for (const QWidget* control : controls) {
        if (control != nullptr && isOver(*control, window, pointInWindow))
            return index;
        ++index;
    }
    return -1;
}

// Where a name lies once it is put on a target: beside a description or
// under a picture, so the name and what it is matched with both stay whole
// in view. An empty slot shows as a dashed frame.
class NameSlot : public QWidget {
    Q_OBJECT
public:
    explicit NameSlot(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

// A name button or coloured bar: a push button painted in its own colour.
// Its caption is shown on one line at its font's size, which the window
// lowers when the caption would not fit, so a long name is never cut off.
// Every press is reported, whatever the mouse button. It takes the keyboard
// focus from Tab only, so a mouse press looks as it always did; a name
// picked with the keyboard stays drawn pressed until it is put down.
class DragButton : public QPushButton {
    Q_OBJECT
public:
    explicit DragButton(QWidget* parent = nullptr);

    void setColour(const QColor& colour);
    QColor colour() const { return colour_; }
    // The size the button needs to show its caption whole at this point size.
    QSize captionSize(double points) const;
    // The largest point size, up to `largest`, at which the caption fits the
    // button's current size.
    double fittingPointSize(double largest) const;
    // The point size the caption is drawn at: the font's.
    double shownPointSize() const { return font().pointSizeF(); }
    void setShownPointSize(double points);
    void setPicked(bool picked);
    bool picked() const { return picked_; }

signals:
    void pressedAt(QPoint pointInButton);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QRect captionArea() const;

    QColor colour_{Qt::lightGray};
    bool picked_ = false;
};

} // namespace stratavex
