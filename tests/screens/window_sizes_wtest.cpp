// SPDX-License-Identifier: MIT
// Every window at its smallest, its opening and a large size: each control
// lies whole inside the window, overlaps no other control beside it, and
// shows its text whole. A question screen made taller spreads its controls
// over the height.
#include "screens/program_windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>
#include <vector>

namespace stratavex {
namespace {

using testing::Program;
using testing::WindowKind;

// The program's own controls: named, shown and part of this window (the
// parts Qt builds inside a control are named "qt_..." or not at all).
std::vector<QWidget*> controlsOf(QWidget& window) {
    std::vector<QWidget*> controls;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const QString id = control->objectName();
        if (id.isEmpty() || id.startsWith(QLatin1String("qt_")) || control->window() != &window ||
            !control->isVisibleTo(&window))
            continue;
        controls.push_back(control);
    }
    return controls;
}

QRect placeInWindow(const QWidget& control, const QWidget& window) {
    return QRect(control.mapTo(&window, QPoint(0, 0)), control.size());
}

QString describe(const QWidget& control) {
    const QRect r = control.geometry();
    return QStringLiteral("%1 at %2,%3 %4x%5")
        .arg(control.objectName())
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height());
}

// Why a control's text does not show whole, or an empty text.
QString cutText(const QWidget& control) {
    if (const auto* label = qobject_cast<const QLabel*>(&control)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return {};
        const QSize needed =
            label->wordWrap()
                ? QSize(0, label->heightForWidth(label->width() - 2 * label->margin()))
                : label->sizeHint();
        if (needed.width() > label->width() + 1 || needed.height() > label->height() + 1)
            return QStringLiteral("label text needs %1x%2")
                .arg(needed.width())
                .arg(needed.height());
    } else if (const auto* push = qobject_cast<const QPushButton*>(&control)) {
        // The style's least width for a push button is no part of its caption.
        const QFontMetrics metrics(push->font());
        const QSize needed(metrics.horizontalAdvance(QString(push->text()).remove('&')) + 6,
                           metrics.height() + 4);
        if (!push->text().isEmpty() &&
            (needed.width() > push->width() || needed.height() > push->height()))
            return QStringLiteral("caption needs %1x%2").arg(needed.width()).arg(needed.height());
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&control)) {
        const QSize needed = button->sizeHint();
        if (!button->text().isEmpty() &&
            (needed.width() > button->width() || needed.height() > button->height()))
            return QStringLiteral("caption needs %1x%2").arg(needed.width()).arg(needed.height());
    }
    return {};
}

// Every fault of the window's layout at its present size, one line each.
QStringList layoutFaults(QWidget& window) {
    QStringList faults;
    const std::vector<QWidget*> controls = controlsOf(window);
    const QRect whole = window.rect();
    for (const QWidget* control : controls) {
        if (!whole.contains(placeInWindow(*control, window)))
            faults << describe(*control) + QStringLiteral(" is not inside the window");
        const QString cut = cutText(*control);
        if (!cut.isEmpty())
            faults << describe(*control) + QStringLiteral(": ") + cut;
    }
    for (std::size_t i = 0; i < controls.size(); ++i)
        for (std::size_t j = i + 1; j < controls.size(); ++j)
            if (controls[i]->parentWidget() == controls[j]->parentWidget() &&
                controls[i]->geometry().intersects(controls[j]->geometry()))
                faults << describe(*controls[i]) + QStringLiteral(" overlaps ") +
                              describe(*controls[j]);
    return faults;
}

// The lowest edge of any control, as a share of the window's height.
double lowestEdge(QWidget& window) {
    int lowest = 0;
    for (const QWidget* control : controlsOf(window))
        if (control->parentWidget() != &window || control->objectName() != QLatin1String("Frame1"))
            lowest = std::max(lowest, placeInWindow(*control, window).bottom());
    return static_cast<double>(lowest) / window.height();
}

void addWindowRows() {
    QTest::addColumn<int>("index");
    const std::vector<WindowKind> kinds = testing::windowKinds();
    for (std::size_t i = 0; i < kinds.size(); ++i)
        QTest::newRow(kinds[i].name) << static_cast<int>(i);
}

// Asks for a size; the window keeps within its least and greatest size.
void askSize(QWidget& window, QSize size) {
    window.resize(size);
    QTest::qWait(20);
    QCoreApplication::processEvents();
}

struct OpenWindow {
    Program program;
    std::unique_ptr<QWidget> window;
    bool question = false;

    explicit OpenWindow(int index) {
        const WindowKind kind = testing::windowKinds()[static_cast<std::size_t>(index)];
        question = kind.qtype != 0;
        window = program.open(kind);
        testing::show(*window);
    }
};

void verifyNoFaults(QWidget& window, const char* where) {
    const QStringList faults = layoutFaults(window);
    if (!faults.isEmpty())
        QFAIL(qPrintable(QStringLiteral("%1 (%2x%3): %4")
                             .arg(QLatin1String(where))
                             .arg(window.width())
                             .arg(window.height())
                             .arg(faults.join(QStringLiteral("; ")))));
}

} // namespace

class WindowSizesTest : public QObject {
    Q_OBJECT

private slots:
    void everyWindowHasAMinimumSize_data() { addWindowRows(); }
    void everyWindowHasAMinimumSize() {
        QFETCH(int, index);
        OpenWindow open(index);
        const QSize smallest = open.window->minimumSize();
        QVERIFY(smallest.width() > 100 && smallest.height() > 100);
        askSize(*open.window, QSize(100, 100));
        QCOMPARE(open.window->size(), smallest);
    }

    void controlsAreWholeAtTheOpeningSize_data() { addWindowRows(); }
    void controlsAreWholeAtTheOpeningSize() {
        QFETCH(int, index);
        OpenWindow open(index);
        verifyNoFaults(*open.window, "opening size");
    }

    void controlsAreWholeAtTheMinimumSize_data() { addWindowRows(); }
    void controlsAreWholeAtTheMinimumSize() {
        QFETCH(int, index);
        OpenWindow open(index);
        const QSize smallest = open.window->minimumSize();
        askSize(*open.window, smallest);
        verifyNoFaults(*open.window, "minimum size");
    }

    void controlsAreWholeAtALargeSize_data() { addWindowRows(); }
    void controlsAreWholeAtALargeSize() {
        QFETCH(int, index);
        OpenWindow open(index);
        askSize(*open.window, QSize(1500, 1100));
        verifyNoFaults(*open.window, "large size");
    }

    void theMainMenuKeepsItsControlsWholeAtEverySize() {
        Program program;
        QVERIFY(program.started());
        QWidget& menu = program.menu();
        testing::show(menu);
        verifyNoFaults(menu, "opening size");
        askSize(menu, QSize(100, 100));
        QCOMPARE(menu.size(), menu.minimumSize());
        verifyNoFaults(menu, "minimum size");
        askSize(menu, QSize(1500, 1100));
        verifyNoFaults(menu, "large size");
    }

    void aTallerQuestionScreenUsesTheHeight_data() { addWindowRows(); }
    void aTallerQuestionScreenUsesTheHeight() {
        QFETCH(int, index);
        OpenWindow open(index);
        if (!open.question)
            QSKIP("not a question screen");
        const QSize opening = open.window->size();
        if (open.window->maximumHeight() == opening.height())
            QSKIP("a window of fixed size");
        askSize(*open.window, QSize(opening.width(), opening.height() * 2));
        QVERIFY2(lowestEdge(*open.window) > 0.75,
                 qPrintable(QStringLiteral("lowest control ends at %1 of the height")
                                .arg(lowestEdge(*open.window))));
    }
};

} // namespace stratavex

QTEST_MAIN(stratavex::WindowSizesTest)
#include "window_sizes_wtest.moc"
