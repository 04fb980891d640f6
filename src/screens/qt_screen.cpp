// SPDX-License-Identifier: MIT
#include "screens/qt_screen.h"

#include "screens/qt_drag.h"
#include "shell/game.h"
#include "shell/qt_text.h"
#include "shell/services.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace stratavex {

double Twips::left() const { return pixelsToTwipsX(widget_, widget_.x()); }
double Twips::top() const { return pixelsToTwipsY(widget_, widget_.y()); }
double Twips::width() const { return pixelsToTwipsX(widget_, widget_.width()); }
double Twips::height() const { return pixelsToTwipsY(widget_, widget_.height()); }

void Twips::setLeft(double twips) { widget_.move(twipsToPixelsX(widget_, twips), widget_.y()); }
void Twips::setTop(double twips) { widget_.move(widget_.x(), twipsToPixelsY(widget_, twips)); }
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

QuestionWindow::QuestionWindow(Game& game, int sizeSlot, QWidget* parent)
    : QDialog(parent), game_(game), Frame1(new EtchedFrame(this)), form_(*this),
      sizeSlot_(sizeSlot) {
    Frame1->setObjectName("Frame1");
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void QuestionWindow::restoreSizeAndCenter() {
    sizeform(game_, form_, sizeSlot_, 1);
    centerform(form_);
}

void QuestionWindow::saveSize() { sizeform(game_, form_, sizeSlot_, 0); }

void QuestionWindow::centerFrame() { centerframe(*Frame1, *this); }

bool QuestionWindow::takeKey(const QKeyEvent&) {
    return false;
}

void QuestionWindow::keyPressEvent(QKeyEvent* event) {
    if (takeKey(*event))
        event->accept();
    else
        QDialog::keyPressEvent(event);
}

void QuestionWindow::describeKeys(const QString& keys) {
    setToolTip(keys);
    setAccessibleDescription(keys);
}

void QuestionWindow::setTabChain(const std::vector<QWidget*>& controls) {
    for (std::size_t i = 1; i < controls.size(); ++i)
        setTabOrder(controls[i - 1], controls[i]);
    if (!controls.empty())
        controls.front()->setFocus();
}

void QuestionWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Form_Resize();
}

} // namespace stratavex
