// SPDX-License-Identifier: MIT
// The windows on a screen with twice the pixels per inch (device pixel ratio
// 2): every window keeps the layout it has at ratio 1 and 1.5, in logical
// pixels; windows are drawn and pictures loaded at the screen's resolution.
//
// The test runs at ratio 2. It starts itself again at ratios 1 and 1.5 with
// the option --layout, which prints every window's layout and ends.
#include "screens/program_windows.h"
#include "screens/qt_screen.h"

#include <QApplication>
#include <QCoreApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

#include <cstdio>
#include <cstring>
#include <memory>

namespace stratavex {
namespace {

using testing::Program;
using testing::WindowKind;

constexpr const char* ratioVariable = "QT_SCALE_FACTOR";
constexpr const char* layoutOption = "--layout";

QString rect(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// A window's size and the place of every control of the program in it, one
// line each. Where the window stands on the screen depends on the screen's
// size in logical pixels and is left out.
void describe(const QString& name, const QWidget& window, QStringList& lines) {
    lines << name + QStringLiteral(" ") + QString::number(window.width()) + QLatin1Char('x') +
                 QString::number(window.height());
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        const QString id = control->objectName();
        if (id.isEmpty() || id.startsWith(QLatin1String("qt_")) || control->window() != &window)
            continue;
        lines << name + QLatin1Char('/') + id + QLatin1Char(' ') +
                     QString::fromLatin1(control->metaObject()->className()) + QLatin1Char(' ') +
                     rect(control->geometry()) +
                     (control->isVisibleTo(&window) ? QString() : QStringLiteral(" hidden"));
    }
}

QStringList layoutOfEveryWindow() {
    Program program;
    QStringList lines;
    if (!program.started())
        return {QStringLiteral("the program did not start")};
    describe(QStringLiteral("main"), program.menu(), lines);
    for (const WindowKind& kind : testing::windowKinds()) {
        const std::unique_ptr<QWidget> window = program.open(kind);
        describe(QString::fromLatin1(kind.name), *window, lines);
    }
    return lines;
}

QStringList layoutAtRatio(const char* ratio) {
    QProcess run;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(ratioVariable), QString::fromLatin1(ratio));
    run.setProcessEnvironment(environment);
    run.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(layoutOption)});
    if (!run.waitForFinished(60000) || run.exitCode() != 0)
        return {QStringLiteral("the layout run at ratio %1 failed").arg(QLatin1String(ratio))};
    return QString::fromUtf8(run.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
}

const WindowKind& kindNamed(const char* name) {
    static const std::vector<WindowKind> kinds = testing::windowKinds();
    for (const WindowKind& kind : kinds)
        if (std::strcmp(kind.name, name) == 0)
            return kind;
    qFatal("no window %s", name);
}

} // namespace

class HiDpiWindowTest : public QObject {
    Q_OBJECT

private slots:
    void theTestRunsAtRatio2() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    void everyWindowKeepsItsLayoutAtEveryRatio_data() {
        QTest::addColumn<QByteArray>("ratio");
        QTest::newRow("ratio 1") << QByteArray("1");
        QTest::newRow("ratio 1.5") << QByteArray("1.5");
    }
    void everyWindowKeepsItsLayoutAtEveryRatio() {
        QFETCH(QByteArray, ratio);
        const QStringList here = layoutOfEveryWindow();
        const QStringList there = layoutAtRatio(ratio.constData());
        // Main menu, thirteen windows and their controls.
        QVERIFY(here.size() > 100);
        for (qsizetype i = 0; i < std::min(here.size(), there.size()); ++i)
            QCOMPARE(here[i], there[i]);
        QCOMPARE(here.size(), there.size());
    }

    void theMainMenuHasItsDesignedSizeInLogicalPixels() {
        Program program;
        QVERIFY(program.started());
        // 9600 x 7200 twips at 96 logical pixels per inch.
        QCOMPARE(program.menu().size(), QSize(640, 480));
    }

    void windowsAreDrawnWithTheScreensPixels() {
        Program program;
        QVERIFY(program.started());
        const std::unique_ptr<QWidget> window = program.open(kindNamed("qmatch"));
        testing::show(*window);
        const QPixmap drawn = window->grab();
        QCOMPARE(drawn.devicePixelRatio(), 2.0);
        QCOMPARE(drawn.size(), window->size() * 2);
    }

    void picturesAreLoadedAtTheScreensResolution_data() {
        QTest::addColumn<QByteArray>("window");
        QTest::addColumn<QString>("picture");
        QTest::newRow("imatch") << QByteArray("imatch") << "Image10";
        QTest::newRow("Ioddout") << QByteArray("Ioddout") << "Image13";
        QTest::newRow("NameMe") << QByteArray("NameMe") << "Image2";
    }
    void picturesAreLoadedAtTheScreensResolution() {
        QFETCH(QByteArray, window);
        QFETCH(QString, picture);
        Program program;
        QVERIFY(program.started());
        const std::unique_ptr<QWidget> shown = program.open(kindNamed(window.constData()));
        testing::show(*shown);
        auto* box = shown->findChild<PictureBox*>(picture);
        QVERIFY(box != nullptr);
        QVERIFY(box->hasPicture());
        const QPixmap& pixels = box->shownPicture();
        QCOMPARE(pixels.devicePixelRatio(), 2.0);
        QCOMPARE(pixels.size(), box->size() * 2);
        // A new size is scaled again, at the same resolution.
        box->resize(box->width() / 2, box->height() / 2);
        QCOMPARE(box->shownPicture().size(), box->size() * 2);
    }
};

} // namespace stratavex

int main(int argc, char** argv) {
    const bool layoutOnly = argc > 1 && std::strcmp(argv[1], stratavex::layoutOption) == 0;
    if (!layoutOnly)
        qputenv(stratavex::ratioVariable, "2");
    QApplication app(argc, argv);
    if (layoutOnly) {
        const QByteArray lines = stratavex::layoutOfEveryWindow().join('\n').toUtf8();
        std::fwrite(lines.constData(), 1, static_cast<std::size_t>(lines.size()), stdout);
        return 0;
    }
    stratavex::HiDpiWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "hidpi_window_wtest.moc"
