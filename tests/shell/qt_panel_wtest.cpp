// SPDX-License-Identifier: MIT
// The rounded panel painted in bands looks exactly like one painted at once.
#include "shell/qt_panel.h"

#include <QImage>
#include <QPainter>
#include <QtTest>

using namespace stratavex;

namespace {

// A background with detail, so that any difference in blending shows.
QImage background() {
    QImage image(320, 160, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb((x * 7) % 256, (y * 5) % 256, ((x + y) * 3) % 256));
    return image;
}

void prepare(QPainter& painter, qreal penWidth) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(90, 60, 20, 160), penWidth));
    painter.setBrush(QColor(255, 250, 235, 215));
}

// The panel as QPainter draws it in one call, and in bands, on the same background.
QPair<QImage, QImage> bothWays(const QRectF& panel, const QRect& clip, qreal penWidth) {
    QImage once = background();
    QImage banded = once;
    {
        QPainter painter(&once);
        prepare(painter, penWidth);
        if (!clip.isNull())
            painter.setClipRect(clip);
        painter.drawRoundedRect(panel, 6, 6);
    }
    {
        QPainter painter(&banded);
        prepare(painter, penWidth);
        if (!clip.isNull())
            painter.setClipRect(clip);
        paintRoundedPanel(painter, panel, 6);
    }
    return {once, banded};
}

} // namespace

class PanelTest : public QObject {
    Q_OBJECT

private slots:
    void bandsPaintWhatOneCallPaints_data() {
        QTest::addColumn<QRectF>("panel");
        QTest::addColumn<QRect>("clip");
        QTest::addColumn<qreal>("penWidth");
        QTest::newRow("the title panel") << QRectF(23.5, 23.5, 575, 47) << QRect() << 1.0;
        QTest::newRow("a tall panel off the pixel grid")
            << QRectF(10.25, 3.75, 290.5, 150.5) << QRect() << 1.0;
        QTest::newRow("a panel under the caller's clip")
            << QRectF(20.5, 20.5, 280, 120) << QRect(60, 30, 150, 70) << 1.0;
        QTest::newRow("a panel reaching past the image")
            << QRectF(-20.5, 100.5, 400, 90) << QRect() << 1.0;
        QTest::newRow("a wide pen") << QRectF(30, 30, 200, 80) << QRect() << 9.0;
    }
    void bandsPaintWhatOneCallPaints() {
        QFETCH(QRectF, panel);
        QFETCH(QRect, clip);
        QFETCH(qreal, penWidth);
        const auto [once, banded] = bothWays(panel, clip, penWidth);
        QCOMPARE(banded, once);
        QVERIFY(once != background()); // the panel was painted at all
    }
};

QTEST_MAIN(PanelTest)
#include "qt_panel_wtest.moc"
