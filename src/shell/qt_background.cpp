// SPDX-License-Identifier: MIT
#include "shell/qt_background.h"

#include <QImageReader>

namespace stratavex {
namespace {

QSize devicePixels(QSize size, qreal pixelRatio) {
    return (QSizeF(size) * pixelRatio).toSize();
}

QImage scaled(const QImage &picture, QSize size, qreal pixelRatio) {
    if (picture.isNull() || size.isEmpty())
        return {};
    QImage fitted = picture.scaled(devicePixels(size, pixelRatio), Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(pixelRatio);
    return fitted;
}

// The first paint needs the picture at the window's size: the reader scales
// it while reading, in the same background task.
QImage readAtSize(const QString &file, QSize size, qreal pixelRatio) {
    QImageReader reader(file);
    if (size.isEmpty())
        return {};
    reader.setScaledSize(devicePixels(size, pixelRatio));
    QImage picture = reader.read();
    picture.setDevicePixelRatio(pixelRatio);
    return picture;
}

} // namespace

void BackgroundPicture::load(const QString &file, QSize size, qreal pixelRatio) {
    file_ = file;
    original_ = QImage();
    scaled_ = QImage();
    decoding_ = {};
    // QImage and QImageReader may be used outside the GUI thread.
    if (!file.isEmpty())
        decoding_ = std::async(std::launch::async,
                               [file, size, pixelRatio] { return readAtSize(file, size, pixelRatio); });
}

const QImage &BackgroundPicture::scaledTo(QSize size, qreal pixelRatio) {
    if (decoding_.valid())
        scaled_ = decoding_.get();
    if (file_.isEmpty() || fits(scaled_, size, pixelRatio))
        return scaled_;
    // Another size: scale from the whole picture, read once.
    if (original_.isNull())
        original_ = QImageReader(file_).read();
    scaled_ = scaled(original_, size, pixelRatio);
    return scaled_;
}

bool BackgroundPicture::fits(const QImage &picture, QSize size, qreal pixelRatio) {
    return !picture.isNull() && picture.devicePixelRatio() == pixelRatio &&
           picture.size() == devicePixels(size, pixelRatio);
}

} // namespace stratavex
