// SPDX-License-Identifier: MIT
#include "shell/qt_background.h"

#include "base/file_limits.h"
#include "base/qt_files.h"

#include <QImageReader>

#include <utility>

namespace stratavex {
namespace {

QSize devicePixels(QSize size, qreal pixelRatio) {
    return (QSizeF(size) * pixelRatio).toSize();
}

QImage scaled(const QImage& picture, QSize size, qreal pixelRatio) {
    if (picture.isNull() || size.isEmpty())
        return {};
    QImage fitted = picture.scaled(devicePixels(size, pixelRatio), Qt::IgnoreAspectRatio,
                                   Qt::SmoothTransformation);
    fitted.setDevicePixelRatio(pixelRatio);
    return fitted;
}

// The first paint needs the picture at the window's size: it is scaled in the
// same background task. Reading the whole picture and scaling it afterwards
// is faster than letting the JPEG reader scale while it decodes, and the
// whole picture is kept for other window sizes.
BackgroundPicture::Decoded readAndScale(const QString& file, QSize size, qreal pixelRatio) {
    BackgroundPicture::Decoded decoded;
    decoded.original = QImageReader(file).read();
    decoded.scaled = scaled(decoded.original, size, pixelRatio);
    return decoded;
}

} // namespace

void BackgroundPicture::load(const QString& file, QSize size, qreal pixelRatio) {
    file_ = file;
    original_ = QImage();
    scaled_ = QImage();
    decoding_ = {};
    // QImage and QImageReader may be used outside the GUI thread.
    if (!file.isEmpty() && isFileWithin(file, largestPicture))
        decoding_ = std::async(std::launch::async, [file, size, pixelRatio] {
            return readAndScale(file, size, pixelRatio);
        });
}

const QImage& BackgroundPicture::scaledTo(QSize size, qreal pixelRatio) {
    if (decoding_.valid()) {
        Decoded decoded = decoding_.get();
        original_ = std::move(decoded.original);
        scaled_ = std::move(decoded.scaled);
    }
    if (file_.isEmpty() || fits(scaled_, size, pixelRatio))
        return scaled_;
    // Another size: scale from the whole picture, read once.
    scaled_ = scaled(original_, size, pixelRatio);
    return scaled_;
}

bool BackgroundPicture::fits(const QImage& picture, QSize size, qreal pixelRatio) {
    return !picture.isNull() && picture.devicePixelRatio() == pixelRatio &&
           picture.size() == devicePixels(size, pixelRatio);
}

} // namespace stratavex
