// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <future>

namespace stratavex {

// A window's background picture. Decoding starts in the background as soon
// as the file is known, so the rest of the start-up does not wait for it; the
// picture is scaled once per window size, not on every paint.
class BackgroundPicture {
public:
    // Starts reading the file and scaling it to a window of the size (in
    // logical pixels) on a screen of the pixel ratio. An empty name, or a file
    // no picture loads from, gives no picture.
    void load(const QString& file, QSize size, qreal pixelRatio);

    // The picture for a window of the size on a screen of the pixel ratio, at
    // the screen's resolution, waiting for the decoding if it has not
    // finished; null when there is no picture.
    const QImage& scaledTo(QSize size, qreal pixelRatio);

    // What the background task hands over: the whole picture and the
    // picture at the size asked for.
    struct Decoded {
        QImage original;
        QImage scaled;
    };

private:
    static bool fits(const QImage& picture, QSize size, qreal pixelRatio);

    QString file_;
    std::future<Decoded> decoding_;
    QImage original_;
    QImage scaled_;
};

} // namespace stratavex
