// SPDX-License-Identifier: MIT
#include "screens/qt_screen.h"

#include "base/qt_text.h"
#include "base/services.h"
#include "screens/qt_drag.h"
#include "screens/screen_state.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace stratavex {

QuestionWindow::QuestionWindow(ScreenState& game, int sizeSlot, QWidget* parent)
    : QDialog(parent), game_(game), Frame1(new EtchedFrame(this)), form_(*this),
      sizeSlot_(sizeSlot) {
    Frame1->setObjectName("Frame1");
    setAttribute(Qt::WA_DeleteOnClose, false);
}

int QuestionWindow::exec() {
    if (game_.questionUnbuilt)
        return Rejected;
    return QDialog::exec();
}

void QuestionWindow::setLeastSize(double widthTwips, double heightTwips) {
    setMinimumSize(twipsToPixelsX(*this, widthTwips), twipsToPixelsY(*this, heightTwips));
}

void QuestionWindow::restoreSizeAndCenter() {
    sizeform(game_, form_, sizeSlot_, 1);
    centerform(form_);
}

void QuestionWindow::saveSize() {
    sizeform(game_, form_, sizeSlot_, 0);
}

void QuestionWindow::centerFrame() {
    centerframe(*Frame1, *this);
}

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
