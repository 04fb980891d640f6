// SPDX-License-Identifier: MIT
#pragma once

#include "base/form.h"

#include <QAnyStringView>
#include <QDialog>
#include <QGroupBox>
#include <QPixmap>
#include <QWidget>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPainter;
class QPlainTextEdit;
class QPushButton;
class QRect;
class QToolButton;

namespace stratavex {

// Twips are 1/1440 of a logical inch; a widget's logical DPI converts them,
// so layouts keep their proportions at any screen resolution.
constexpr double twipsPerInch = 1440.0;

int twipsToPixelsX(const QWidget& widget, double twips);
int twipsToPixelsY(const QWidget& widget, double twips);
double pixelsToTwipsX(const QWidget& widget, int pixels);
double pixelsToTwipsY(const QWidget& widget, int pixels);

// Places a control inside its parent from a geometry given in twips.
void placeTwips(QWidget& control, double left, double top, double width, double height);

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

// Centres a frame inside its window: hidden while it moves, shown again after.
void centerframe(QWidget& frame, const QWidget& window);

// A top-level widget seen through the common window services. Positions are
// relative to the top-left corner of the screen the window is on.
class QtForm : public Form {
public:
    explicit QtForm(QWidget& widget) : widget_(widget) {}

    std::int16_t windowState() const override;
    void setWindowState(std::int16_t state) override;
    std::int32_t backColor() const override;

    double width() const override;
    double height() const override;
    void setWidth(double twips) override;
    void setHeight(double twips) override;
    void move(double left, double top) override;

    double screenWidth() const override;
    double screenHeight() const override;

private:
    QWidget& widget_;
};

// Makes a dialog one of the program's windows: named, titled, and without
// the context help button, for which no window has help.
void setUpDialog(QDialog& dialog, QAnyStringView name, const QString& title = {});

// Names a control, which the windows look their controls up by.
template <typename Control> Control* named(Control* control, QAnyStringView name) {
    control->setObjectName(name);
    return control;
}

// The size and weight of a control's text. A size of 0, or no weight, keeps
// what the control inherits.
struct TextLook {
    double points = 0;
    std::optional<bool> bold = std::nullopt;
};
void setTextLook(QWidget& control, const TextLook& look);

// A push button. The captions and tips are the program's own Latin-1 texts.
struct ButtonOptions {
    QAnyStringView name;
    const char* caption;
    const char* tip = nullptr;
    TextLook look = {};
    // Off where Enter must not press a button by accident: on the question
    // screens, where it would skip or open the help, and in the editor, where
    // it would close the window from a box.
    bool autoDefault = true;
};
QPushButton* makeButton(QWidget* parent, const ButtonOptions& options);

// A label. It always shows plain text, so a '<' in database text never turns
// into markup.
struct LabelOptions {
    QAnyStringView name;
    const char* caption = "";
    TextLook look = {};
    bool wordWrap = false;
    // None keeps the label's own alignment.
    Qt::Alignment alignment = {};
};
void setUpLabel(QLabel& label, const LabelOptions& options);
// Label may be a QLabel that paints more than its text.
template <typename Label = QLabel> Label* makeLabel(QWidget* parent, const LabelOptions& options) {
    auto* label = new Label(parent);
    setUpLabel(*label, options);
    return label;
}

// A one-line text box.
struct BoxOptions {
    QAnyStringView name;
    const char* tip = nullptr;
    // None keeps the box's own alignment.
    Qt::Alignment alignment = {};
    // 0 keeps the box's own limit.
    int maxLength = 0;
};
QLineEdit* makeBox(QWidget* parent, const BoxOptions& options);

// A text the player reads and scrolls through but does not edit.
struct ReadingOptions {
    QAnyStringView name;
    // What a screen reader calls it.
    const char* accessibleName;
    TextLook look = {};
    bool scrollBarAlwaysOn = false;
    bool wrapLines = true;
};
QPlainTextEdit* makeReadingText(QWidget* parent, const ReadingOptions& options);

// What a text box may hold, as the core decides it for the file the text goes
// to: given the box's text as Windows-1252 bytes, the part of it that is
// accepted, characters dropped and nothing added.
using TextRule = std::function<std::string(std::string_view)>;

// Keeps a box to what `accepted` lets through and to what Windows-1252 can
// hold (any other character shows as '?', as the file will keep it), whether
// the text is typed, pasted or set: a refused character is dropped without a
// sound, the rest stays, and the cursor stays behind the same characters.
// Lines in a multi-line box end in '\n' for the rule.
void refuseCharacters(QLineEdit& box, TextRule accepted);
void refuseCharacters(QPlainTextEdit& box, TextRule accepted);

// The text of a multi-line box as it stands, every character kept and each
// line ended by '\n'.
QString boxText(const QPlainTextEdit& box);

// A window whose unload runs once, whatever closes it and however often: a
// second close, or a reject after OK, must not store again.
template <typename Window> class UnloadsOnce : public Window {
public:
    using Window::Window;

protected:
    // What closing the window stores.
    virtual void Form_Unload() = 0;

    void unloadOnce() {
        if (unloaded_)
            return;
        unloaded_ = true;
        Form_Unload();
    }

private:
    bool unloaded_ = false;
};

// A dialog that unloads once. Every way a dialog closes ends in done(): its
// buttons, Escape, the close box.
class UnloadingDialog : public UnloadsOnce<QDialog> {
    Q_OBJECT

public:
    explicit UnloadingDialog(QWidget* parent = nullptr);

    void done(int result) override;
};

// A top-level window, not a dialog, that unloads once, the first time it
// closes.
class UnloadingWindow : public UnloadsOnce<QWidget> {
    Q_OBJECT

public:
    explicit UnloadingWindow(QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;
};

// The dashed frame of a drag outline. Controls that paint themselves draw it
// inside their edges to show the keyboard focus, so it reads the same on
// pictures, coloured bars and descriptions.
void drawDashedFrame(QPainter& painter, const QRect& area);
// Whether a control that paints itself marks its keyboard focus: as the
// style does for the other controls, only once the player has moved the
// focus with the keyboard in that window.
bool showsKeyboardFocus(const QWidget& control);

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
