// SPDX-License-Identifier: MIT
#include "base/qt_controls.h"

#include "base/qt_text.h"
#include "base/qt_twips.h"
#include "base/services.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QToolButton>

#include <algorithm>

namespace stratavex {

namespace {

constexpr int outlineWidth = 2;

} // namespace

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
    picture_ = file.empty() ? QPixmap() : QPixmap(fromWin1252(file));
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

} // namespace stratavex
