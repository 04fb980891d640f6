// SPDX-License-Identifier: MIT
#include "screens/qt_drag.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace stratavex {

namespace {

constexpr int bevelWidth = 2;
constexpr double pickedFrameWidth = 3;
constexpr int captionMargin = 3;
constexpr double smallestCaptionPoints = 6.0;
constexpr double captionPointStep = 0.5;
constexpr int captionFlags = Qt::AlignCenter | Qt::TextSingleLine;

QPoint globalPosition(const QEvent* event) {
    return static_cast<const QMouseEvent*>(event)->globalPosition().toPoint();
}

bool fits(const QFont& font, const QRect& area, const QString& text) {
    const QRect needed = QFontMetrics(font).boundingRect(area, captionFlags, text);
    return needed.width() <= area.width() && needed.height() <= area.height();
}

} // namespace

DragOutline::DragOutline(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("dragOutline"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
}

// Dark dashes on a light line stay visible on pictures and colours alike.
void DragOutline::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawDashedFrame(painter, rect());
}

ManualDrag::ManualDrag(QWidget& window) : window_(window), outline_(new DragOutline(&window)) {
    qApp->installEventFilter(this);
}

ManualDrag::~ManualDrag() {
    qApp->removeEventFilter(this);
}

void ManualDrag::begin(QWidget& source, QPoint pointerInSource, Until until) {
    source_ = &source;
    grip_ = pointerInSource;
    until_ = until;
    swallowRelease_ = false;
    outline_->resize(source.size());
    outline_->move(source.mapTo(&window_, QPoint(0, 0)));
    outline_->raise();
    outline_->show();
    source.grabMouse();
}

void ManualDrag::cancel() {
    stop();
}

void ManualDrag::stop() {
    outline_->hide();
    if (source_ != nullptr && QWidget::mouseGrabber() == source_)
        source_->releaseMouse();
    source_.clear();
}

void ManualDrag::follow(QPoint global) {
    outline_->move(window_.mapFromGlobal(global) - grip_);
}

void ManualDrag::finish(QPoint global) {
    QWidget* source = source_;
    stop();
    emit ended(source, window_.mapFromGlobal(global));
}

bool ManualDrag::belongsToWindow(const QObject* watched) const {
    const auto* widget = qobject_cast<const QWidget*>(watched);
    return widget != nullptr && widget->window() == &window_;
}

// Watches the whole application, because while the mouse is grabbed the
// events arrive at the source, and a test may send them to any control.
bool ManualDrag::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Hide) {
        stop();
        return false;
    }
    if (!belongsToWindow(watched))
        return false;
    switch (event->type()) {
    case QEvent::MouseMove:
        if (active())
            follow(globalPosition(event));
        return false;
    case QEvent::MouseButtonRelease:
        if (swallowRelease_) {
            swallowRelease_ = false;
            return true;
        }
        if (active() && until_ == Until::release)
            finish(globalPosition(event));
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        if (active() && until_ == Until::nextPress) {
            swallowRelease_ = true;
            finish(globalPosition(event));
            return true;
        }
        return false;
    case QEvent::KeyPress:
        if (active() && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
            stop();
            return true;
        }
        return false;
    default:
        return false;
    }
}

bool isOver(const QWidget& control, const QWidget& window, QPoint pointInWindow) {
    return control.isVisible() &&
           QRect(control.mapTo(&window, QPoint(0, 0)), control.size()).contains(pointInWindow);
}

NameSlot::NameSlot(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void NameSlot::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

DragButton::DragButton(QWidget* parent) : QPushButton(parent) {
    setFocusPolicy(Qt::TabFocus);
}

void DragButton::setPicked(bool picked) {
    picked_ = picked;
    update();
}

void DragButton::setColour(const QColor& colour) {
    colour_ = colour;
    QPalette shades = palette();
    shades.setColor(QPalette::Button, colour);
    setPalette(shades);
    update();
}

void DragButton::mousePressEvent(QMouseEvent* event) {
    emit pressedAt(event->position().toPoint());
    QPushButton::mousePressEvent(event);
    event->accept();
}

QRect DragButton::captionArea() const {
    const int inset = bevelWidth + captionMargin;
    return rect().adjusted(inset, captionMargin, -inset, -captionMargin);
}

QSize DragButton::captionSize(double points) const {
    QFont shown = font();
    shown.setPointSizeF(points);
    const QFontMetrics metrics(shown);
    return {metrics.horizontalAdvance(text()) + 2 * (bevelWidth + captionMargin) + 1,
            metrics.height() + 2 * captionMargin};
}

double DragButton::fittingPointSize(double largest) const {
    QFont shown = font();
    const QRect area = captionArea();
    for (double size = largest; size > smallestCaptionPoints; size -= captionPointStep) {
        shown.setPointSizeF(size);
        if (fits(shown, area, text()))
            return size;
    }
    return smallestCaptionPoints;
}

void DragButton::setShownPointSize(double points) {
    QFont shown = font();
    shown.setPointSizeF(points);
    setFont(shown);
}

// A raised panel in the button's colour, sunken while it is held down, sunken
// in a dark frame while it is picked, and with a dashed frame while it has
// the keyboard focus.
void DragButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    const bool down = isDown() || picked_;
    painter.fillRect(area, down ? colour_.darker(115) : colour_);
    const QColor light = colour_.lighter(160);
    const QColor dark = colour_.darker(190);
    for (int i = 0; i < bevelWidth; ++i) {
        const QRect edge = area.adjusted(i, i, -i - 1, -i - 1);
        painter.setPen(down ? dark : light);
        painter.drawLine(edge.topLeft(), edge.topRight());
        painter.drawLine(edge.topLeft(), edge.bottomLeft());
        painter.setPen(down ? light : dark);
        painter.drawLine(edge.bottomLeft(), edge.bottomRight());
        painter.drawLine(edge.topRight(), edge.bottomRight());
    }
    painter.setFont(font());
    painter.setPen(isEnabled() ? QColor(Qt::black) : QColor(Qt::darkGray));
    painter.drawText(captionArea().translated(down ? 1 : 0, down ? 1 : 0), captionFlags, text());
    if (picked_) {
        painter.setPen(QPen(Qt::black, pickedFrameWidth));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(QRectF(area).adjusted(pickedFrameWidth / 2, pickedFrameWidth / 2,
                                               -pickedFrameWidth / 2, -pickedFrameWidth / 2));
    }
    if (showsKeyboardFocus(*this))
        drawDashedFrame(painter, area.adjusted(bevelWidth, bevelWidth, -bevelWidth, -bevelWidth));
}

} // namespace stratavex
