// SPDX-License-Identifier: MIT
#include "base/qt_controls.h"

#include "base/file_limits.h"
#include "base/qt_files.h"
#include "base/qt_text.h"
#include "base/services.h"

#include <QColor>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolButton>
#include <QValidator>

#include <algorithm>
#include <cmath>
#include <utility>

namespace stratavex {

namespace {

constexpr int outlineWidth = 2;

int toPixels(double twips, int dpi) {
    return static_cast<int>(std::lround(twips * dpi / twipsPerInch));
}

double toTwips(int pixels, int dpi) {
    return pixels * twipsPerInch / dpi;
}

QRect screenGeometry(const QWidget& widget) {
    const QScreen* screen = widget.screen();
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry() : QRect();
}

// What a box keeps of a text, and where its cursor then stands.
struct KeptText {
    QString text;
    int cursor;
};

// How many QChars the character at `at` takes: two for a surrogate pair.
qsizetype charWidth(const QString& text, qsizetype at) {
    const bool pair =
        text.at(at).isHighSurrogate() && at + 1 < text.size() && text.at(at + 1).isLowSurrogate();
    return pair ? 2 : 1;
}

// The rule sees one byte per character; the characters whose bytes it keeps
// stay, and the cursor keeps to the right of the same characters.
KeptText keptText(const QString& typed, int cursor, const TextRule& accepted) {
    const std::string bytes = toWin1252(typed);
    const std::string kept = accepted(bytes);
    int keptBeforeCursor = 0;
    std::size_t next = 0;
    qsizetype at = 0;
    for (char byte : bytes) {
        if (next < kept.size() && kept[next] == byte) {
            ++next;
            if (at < cursor)
                ++keptBeforeCursor;
        }
        at += charWidth(typed, at);
    }
    return {fromWin1252(kept), keptBeforeCursor};
}

// Works before the change lands, so the box never shows a refused character
// and its change signal reports only the kept text.
class RuleValidator : public QValidator {
public:
    RuleValidator(TextRule accepted, QObject* parent)
        : QValidator(parent), accepted_(std::move(accepted)) {}

    State validate(QString& input, int& pos) const override {
        KeptText kept = keptText(input, pos, accepted_);
        if (kept.text != input) {
            input = std::move(kept.text);
            pos = kept.cursor;
        }
        return Acceptable;
    }

private:
    TextRule accepted_;
};

} // namespace

int twipsToPixelsX(const QWidget& widget, double twips) {
    return toPixels(twips, widget.logicalDpiX());
}

int twipsToPixelsY(const QWidget& widget, double twips) {
    return toPixels(twips, widget.logicalDpiY());
}

double pixelsToTwipsX(const QWidget& widget, int pixels) {
    return toTwips(pixels, widget.logicalDpiX());
}

double pixelsToTwipsY(const QWidget& widget, int pixels) {
    return toTwips(pixels, widget.logicalDpiY());
}

void placeTwips(QWidget& control, double left, double top, double width, double height) {
    control.setGeometry(twipsToPixelsX(control, left), twipsToPixelsY(control, top),
                        twipsToPixelsX(control, width), twipsToPixelsY(control, height));
}

void centerframe(QWidget& frame, const QWidget& window) {
    frame.hide();
    const double left =
        (pixelsToTwipsX(window, window.width()) - pixelsToTwipsX(frame, frame.width())) / 2;
    const double top =
        (pixelsToTwipsY(window, window.height()) - pixelsToTwipsY(frame, frame.height())) / 2;
    frame.move(twipsToPixelsX(frame, left), twipsToPixelsY(frame, top));
    frame.show();
}

std::int16_t QtForm::windowState() const {
    const Qt::WindowStates state = widget_.windowState();
    if (state.testFlag(Qt::WindowMinimized))
        return 1;
    if (state.testFlag(Qt::WindowMaximized))
        return 2;
    return 0;
}

void QtForm::setWindowState(std::int16_t state) {
    switch (state) {
    case 1:
        widget_.setWindowState(Qt::WindowMinimized);
        break;
    case 2:
        widget_.setWindowState(Qt::WindowMaximized);
        break;
    default:
        widget_.setWindowState(Qt::WindowNoState);
        break;
    }
}

std::int32_t QtForm::backColor() const {
    const QColor color = widget_.palette().color(QPalette::Window);
    return color.red() + 256 * color.green() + 65536 * color.blue();
}

double QtForm::width() const {
    return Twips(widget_).width();
}

double QtForm::height() const {
    return Twips(widget_).height();
}

void QtForm::setWidth(double twips) {
    widget_.resize(twipsToPixelsX(widget_, twips), widget_.height());
}

void QtForm::setHeight(double twips) {
    widget_.resize(widget_.width(), twipsToPixelsY(widget_, twips));
}

void QtForm::move(double left, double top) {
    const QPoint origin = screenGeometry(widget_).topLeft();
    widget_.move(origin + QPoint(twipsToPixelsX(widget_, left), twipsToPixelsY(widget_, top)));
}

double QtForm::screenWidth() const {
    return pixelsToTwipsX(widget_, screenGeometry(widget_).width());
}

double QtForm::screenHeight() const {
    return pixelsToTwipsY(widget_, screenGeometry(widget_).height());
}

void drawDashedFrame(QPainter& painter, const QRect& area) {
    const QRect frame = area.adjusted(1, 1, -1, -1);
    painter.save();
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, outlineWidth));
    painter.drawRect(frame);
    painter.setPen(QPen(Qt::black, outlineWidth, Qt::DashLine));
    painter.drawRect(frame);
    painter.restore();
}

bool showsKeyboardFocus(const QWidget& control) {
    return control.hasFocus() && control.window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

double Twips::left() const {
    return pixelsToTwipsX(widget_, widget_.x());
}
double Twips::top() const {
    return pixelsToTwipsY(widget_, widget_.y());
}
double Twips::width() const {
    return pixelsToTwipsX(widget_, widget_.width());
}
double Twips::height() const {
    return pixelsToTwipsY(widget_, widget_.height());
}

void Twips::setLeft(double twips) {
    widget_.move(twipsToPixelsX(widget_, twips), widget_.y());
}
void Twips::setTop(double twips) {
    widget_.move(widget_.x(), twipsToPixelsY(widget_, twips));
}
void Twips::setWidth(double twips) {
    widget_.resize(std::max(0, twipsToPixelsX(widget_, twips)), widget_.height());
}
void Twips::setHeight(double twips) {
    widget_.resize(widget_.width(), std::max(0, twipsToPixelsY(widget_, twips)));
}

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {}

void PictureBox::load(const std::string& file) {
    const QString path = fromWin1252(file);
    picture_ = !file.empty() && isFileWithin(path, largestPicture) ? QPixmap(path) : QPixmap();
    shown_ = QPixmap();
    update();
}

bool PictureBox::shownIsCurrent() const {
    const qreal ratio = devicePixelRatioF();
    return !shown_.isNull() && shown_.devicePixelRatio() == ratio &&
           shown_.size() == (QSizeF(size()) * ratio).toSize();
}

// Scaled again only when the control's size or the screen's resolution has
// changed since the last time.
const QPixmap& PictureBox::shownPicture() {
    if (picture_.isNull() || size().isEmpty()) {
        shown_ = QPixmap();
        return shown_;
    }
    if (!shownIsCurrent()) {
        const qreal ratio = devicePixelRatioF();
        shown_ = picture_.scaled((QSizeF(size()) * ratio).toSize(), Qt::IgnoreAspectRatio,
                                 Qt::SmoothTransformation);
        shown_.setDevicePixelRatio(ratio);
    }
    return shown_;
}

void PictureBox::setKeyboardChoice(bool enabled) {
    setFocusPolicy(enabled ? Qt::TabFocus : Qt::NoFocus);
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QPixmap& shown = shownPicture();
    if (!shown.isNull())
        painter.drawPixmap(QPoint(0, 0), shown);
    if (showsKeyboardFocus(*this))
        drawDashedFrame(painter, rect());
}

void PictureBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space || event->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat())
        emit spacePressed();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

QString numberedName(const char* what, int index, std::string_view caption) {
    QString name = QString::fromLatin1(what) + QLatin1Char(' ') + QString::number(index + 1);
    if (!caption.empty())
        name += QStringLiteral(": ") + displayText(caption);
    return name;
}

int numberKey(const QKeyEvent& key) {
    const Qt::KeyboardModifiers shifts = Qt::ShiftModifier | Qt::KeypadModifier;
    if (key.isAutoRepeat() || (key.modifiers() & ~shifts) != Qt::NoModifier)
        return 0;
    if (key.key() < Qt::Key_1 || key.key() > Qt::Key_9)
        return 0;
    return key.key() - Qt::Key_0;
}

void EtchedFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect outline = rect().adjusted(0, 0, -1, -1);
    painter.setPen(palette().color(QPalette::Window).darker(135));
    painter.drawRect(outline.adjusted(0, 0, -1, -1));
    painter.setPen(palette().color(QPalette::Window).lighter(115));
    painter.drawRect(outline.adjusted(1, 1, 0, 0));
}

UpDown::UpDown(QLineEdit& buddy, QWidget* parent)
    : QWidget(parent), buddy_(buddy), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    up_->setObjectName(QStringLiteral("up"));
    down_->setObjectName(QStringLiteral("down"));
    for (QToolButton* arrow : {up_, down_}) {
        arrow->setAutoRepeat(true);
        arrow->setFocusPolicy(Qt::NoFocus);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, [this] { step(1); });
    connect(down_, &QToolButton::clicked, this, [this] { step(-1); });
}

void UpDown::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

void UpDown::nameArrows(const QString& number) {
    up_->setAccessibleName(number + QStringLiteral(" up"));
    down_->setAccessibleName(number + QStringLiteral(" down"));
}

void UpDown::step(int delta) {
    buddy_.setText(QString::number(boxValue(toWin1252(buddy_.text())) + delta));
}

void setUpDialog(QDialog& dialog, QAnyStringView name, const QString& title) {
    dialog.setObjectName(name);
    if (!title.isEmpty())
        dialog.setWindowTitle(title);
    dialog.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
}

void setTextLook(QWidget& control, const TextLook& look) {
    if (look.points <= 0 && !look.bold)
        return;
    QFont font = control.font();
    if (look.points > 0)
        font.setPointSizeF(look.points);
    if (look.bold)
        font.setBold(*look.bold);
    control.setFont(font);
}

QPushButton* makeButton(QWidget* parent, const ButtonOptions& options) {
    auto* button =
        named(new QPushButton(QString::fromLatin1(options.caption), parent), options.name);
    if (options.tip != nullptr)
        button->setToolTip(QString::fromLatin1(options.tip));
    setTextLook(*button, options.look);
    // Left on, the button keeps Qt's own choice: on in a dialog only.
    if (!options.autoDefault)
        button->setAutoDefault(false);
    return button;
}

void setUpLabel(QLabel& label, const LabelOptions& options) {
    label.setObjectName(options.name);
    label.setTextFormat(Qt::PlainText);
    label.setText(QString::fromLatin1(options.caption));
    if (options.wordWrap)
        label.setWordWrap(true);
    if (options.alignment != Qt::Alignment())
        label.setAlignment(options.alignment);
    setTextLook(label, options.look);
}

QLineEdit* makeBox(QWidget* parent, const BoxOptions& options) {
    auto* box = named(new QLineEdit(parent), options.name);
    if (options.tip != nullptr)
        box->setToolTip(QString::fromLatin1(options.tip));
    if (options.alignment != Qt::Alignment())
        box->setAlignment(options.alignment);
    if (options.maxLength > 0)
        box->setMaxLength(options.maxLength);
    return box;
}

QPlainTextEdit* makeReadingText(QWidget* parent, const ReadingOptions& options) {
    auto* text = named(new QPlainTextEdit(parent), options.name);
    text->setReadOnly(true);
    text->setAccessibleName(QString::fromLatin1(options.accessibleName));
    if (!options.wrapLines)
        text->setLineWrapMode(QPlainTextEdit::NoWrap);
    if (options.scrollBarAlwaysOn)
        text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTextLook(*text, options.look);
    return text;
}

void refuseCharacters(QLineEdit& box, TextRule accepted) {
    box.setValidator(new RuleValidator(std::move(accepted), &box));
}

// A multi-line box has no validator: what it refuses is taken out again as
// soon as it has come in.
void refuseCharacters(QPlainTextEdit& box, TextRule accepted) {
    QObject::connect(
        &box, &QPlainTextEdit::textChanged, &box, [&box, accepted = std::move(accepted)] {
            const QString typed = boxText(box);
            const KeptText kept = keptText(typed, box.textCursor().position(), accepted);
            if (kept.text == typed)
                return;
            box.setPlainText(kept.text);
            QTextCursor cursor = box.textCursor();
            cursor.setPosition(kept.cursor);
            box.setTextCursor(cursor);
        });
}

// The raw text keeps every character (a no-break space too); only the block
// and line separators become line ends.
QString boxText(const QPlainTextEdit& box) {
    QString text = box.document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text;
}

UnloadingDialog::UnloadingDialog(QWidget* parent) : UnloadsOnce(parent) {}

void UnloadingDialog::done(int result) {
    unloadOnce();
    QDialog::done(result);
}

UnloadingWindow::UnloadingWindow(QWidget* parent) : UnloadsOnce(parent) {}

void UnloadingWindow::closeEvent(QCloseEvent* event) {
    unloadOnce();
    QWidget::closeEvent(event);
}

} // namespace stratavex
