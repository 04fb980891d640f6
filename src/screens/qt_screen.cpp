// SPDX-License-Identifier: MIT
#include "screens/qt_screen.h"

#include "shell/game.h"
#include "shell/qt_text.h"
#include "shell/services.h"

#include <QGroupBox>
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
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    if (picture_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), picture_);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
    if (rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

QuestionWindow::QuestionWindow(Game& game, int sizeSlot, QWidget* parent)
    : QDialog(parent), game_(game), Frame1(new QGroupBox(this)), form_(*this),
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

void QuestionWindow::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Form_Resize();
}

} // namespace stratavex
