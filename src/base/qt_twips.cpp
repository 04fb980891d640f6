// SPDX-License-Identifier: MIT
#include "base/qt_twips.h"

#include <QColor>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace stratavex {
namespace {

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
    return pixelsToTwipsX(widget_, widget_.width());
}

double QtForm::height() const {
    return pixelsToTwipsY(widget_, widget_.height());
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

} // namespace stratavex
