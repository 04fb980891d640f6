// SPDX-License-Identifier: MIT
#include "scores/showscor_window.h"

#include "base/qt_controls.h"
#include "engine/game.h"
#include "qtsupport/qt_test_host.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <string>

namespace stratavex {
namespace {

using testing::control;

const QByteArray iniBytes = "1,2,10,2,0\r\nsaved settings\r\n";

// A sorting verdict as the sorting screen writes it: a blank line, a line
// per pair in the wrong order, and the summary.
std::string sortingVerdict(const std::string& comparison, int mistakes) {
    std::string verdict = " ";
    for (int i = 0; i < mistakes; ++i)
        verdict += "\r\n" + comparison;
    return verdict + "\r\n*** " + std::to_string(10 - mistakes) + " of 10 correct ";
}

// The longest names and families of the bundled dinosaurs.
const std::string longestEra = "Carcharodontosaurus (Carcharodontosauridae) (Early Cretaceous) > "
                               "Pachycephalosaurus (Pachycephalosauridae) (Late Cretaceous) ";
const std::string longestWeight = "Carcharodontosaurus (Carcharodontosauridae)  16000 lbs >  "
                                  "Pachycephalosaurus (Pachycephalosauridae) 1000 lbs";

// Whether a label shows its wrapped text whole.
bool whole(const QLabel& label) {
    return label.heightForWidth(label.width()) <= label.height() && label.isVisible();
}

} // namespace

class ShowscorWindowTest : public QObject {
    Q_OBJECT

private:
    testing::WorkingFolder folder_;
    // The score display asks nothing of the outside world.
    testing::RecordingHost host_;
    std::unique_ptr<Game> game_;

    int px(const QWidget& w, double twips) { return twipsToPixelsX(w, twips); }

    // Resizes the window's inside to a size in twips, as far as its least
    // size lets it, and lets the resize arrive.
    void resizeTwips(QWidget& window, double width, double height) {
        const int wanted = twipsToPixelsX(window, width);
        window.resize(wanted, twipsToPixelsY(window, height));
        QTRY_COMPARE(window.width(), std::max(wanted, window.minimumWidth()));
        QCoreApplication::processEvents();
    }

private slots:
    void initTestCase() {
        QVERIFY(folder_.enter());
        QFile ini(QStringLiteral("drem.INI"));
        QVERIFY(ini.open(QIODevice::WriteOnly));
        ini.write(iniBytes);
    }

    void cleanupTestCase() { folder_.leave(); }

    void init() { game_ = std::make_unique<Game>(host_); }

    void hasItsCaptionAndControls() {
        showscor window(*game_);
        QCOMPARE(window.windowTitle(), QStringLiteral("Score"));
        auto* frame = control<QGroupBox>(window, "Frame1");
        QVERIFY(frame != nullptr);
        QCOMPARE(frame->title(), QStringLiteral(" "));
        QVERIFY(control<QLabel>(*frame, "Label1") != nullptr);
        QVERIFY(control<QLabel>(*frame, "Label2") != nullptr);
        auto* text = control<QPlainTextEdit>(*frame, "Text1");
        QVERIFY(text != nullptr);
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        auto* ok = control<QPushButton>(*frame, "Command1");
        QVERIFY(ok != nullptr);
        QCOMPARE(ok->text(), QStringLiteral("ok"));
        QCOMPARE(ok->toolTip(), QStringLiteral("Click here when  ready to proceed"));
    }

    void showsTheTextsTheScreenWroteAsPlainText() {
        game_->player = {15, 25, 60};
        game_->showscor.Label1 = "Results for Image with name";
        game_->showscor.Text1 = "\x93Right\x94 <b>twice</b>\r\nsecond line";
        game_->showscor.Label2 = "stale score";
        showscor window(*game_);
        auto* heading = control<QLabel>(window, "Label1");
        QCOMPARE(heading->text(), QStringLiteral("Results for Image with name"));
        QCOMPARE(heading->textFormat(), Qt::PlainText);
        QCOMPARE(control<QPlainTextEdit>(window, "Text1")->toPlainText(),
                 QString::fromUtf8("\u201CRight\u201D <b>twice</b>\nsecond line"));
        auto* score = control<QLabel>(window, "Label2");
        QCOMPARE(score->text(), QStringLiteral("Current score: 15 of 25  (60%)"));
        QCOMPARE(score->textFormat(), Qt::PlainText);
    }

    void opensCentredWithTheOkButtonFocused() {
        showscor window(*game_);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QRect screen = window.screen()->geometry();
        QVERIFY(qAbs(window.x() - (screen.width() - window.width()) / 2) <= 2);
        QVERIFY(qAbs(window.y() - (screen.height() - window.height()) / 2) <= 2);
        QCOMPARE(window.focusWidget(), control<QPushButton>(window, "Command1"));
    }

    void okClosesTheWindow() {
        showscor window(*game_);
        bool clicked = false;
        QTimer::singleShot(0, this, [&] {
            auto* modal = qobject_cast<showscor*>(QApplication::activeModalWidget());
            if (modal != nullptr) {
                control<QPushButton>(*modal, "Command1")->click();
                clicked = true;
            }
        });
        QCOMPARE(window.exec(), int(QDialog::Accepted));
        QVERIFY(clicked);
        QVERIFY(!window.isVisible());
    }

    // The verdict box keeps 100 twips to the frame's left and 300 to its
    // right, the button stays centred, and the verdict takes the height.
    void layout_data() {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::newRow("the opening size") << 0.0 << 0.0;
        QTest::newRow("larger") << 9000.0 << 7000.0;
        QTest::newRow("the least size") << 1500.0 << 1500.0;
    }

    void layout() {
        QFETCH(double, width);
        QFETCH(double, height);
        showscor window(*game_);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const int openingText = control<QPlainTextEdit>(window, "Text1")->height();
        const int openingWindow = window.height();
        if (width > 0)
            resizeTwips(window, width, height);
        auto* frame = control<QGroupBox>(window, "Frame1");
        auto* text = control<QPlainTextEdit>(window, "Text1");
        auto* ok = control<QPushButton>(window, "Command1");
        QVERIFY(qAbs(frame->width() - (window.width() - px(window, 100))) <= 1);
        QVERIFY(qAbs(frame->height() - (window.height() - twipsToPixelsY(window, 100))) <= 1);
        QVERIFY(qAbs(text->x() - px(window, 150)) <= 1);
        QVERIFY(qAbs(text->width() - (frame->width() - px(window, 400))) <= 1);
        QVERIFY(qAbs(ok->geometry().center().x() - frame->width() / 2) <= 1);
        QCOMPARE(text->height() - openingText, window.height() - openingWindow);
    }

    void wholeResultShowsWithoutScrolling_data() {
        QTest::addColumn<QString>("heading");
        QTest::addColumn<QString>("verdict");
        QTest::newRow("a one-line verdict") << "Results for Image with name"
                                            << "Right!  Tyrannosaurus Rex";
        QTest::newRow("ten era comparisons under the long sorting heading")
            << "Results for Sorting Sort by era (million yrs ago)"
            << QString::fromStdString(sortingVerdict(longestEra, 10));
        QTest::newRow("ten weight comparisons")
            << "Results for Sorting Sort by weight"
            << QString::fromStdString(sortingVerdict(longestWeight, 10));
    }

    // At the size it opens at, the heading, every verdict line with the
    // summary, and the score line show whole, and the window fits the screen.
    void wholeResultShowsWithoutScrolling() {
        QFETCH(QString, heading);
        QFETCH(QString, verdict);
        game_->showscor.Label1 = heading.toStdString();
        game_->showscor.Text1 = verdict.toStdString();
        showscor window(*game_);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(whole(*control<QLabel>(window, "Label1")));
        QVERIFY(whole(*control<QLabel>(window, "Label2")));
        auto* text = control<QPlainTextEdit>(window, "Text1");
        QCOMPARE(text->verticalScrollBar()->maximum(), 0);
        text->moveCursor(QTextCursor::End);
        QVERIFY(text->viewport()->rect().contains(text->cursorRect()));
        QVERIFY(text->geometry().bottom() < control<QLabel>(window, "Label2")->y());
        QVERIFY(window.screen()->availableGeometry().contains(window.frameGeometry()));
    }

    void resizingNeverChangesTheConfigurationFile() {
        const auto savedSlot = game_->config.winsize[3];
        {
            showscor window(*game_);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            resizeTwips(window, 9000, 7000);
            resizeTwips(window, 2000, 2000);
        }
        QFile ini(QStringLiteral("drem.INI"));
        QVERIFY(ini.open(QIODevice::ReadOnly));
        QCOMPARE(ini.readAll(), iniBytes);
        QCOMPARE(QDir::current().entryList(QDir::Files), QStringList{QStringLiteral("drem.INI")});
        QVERIFY(game_->config.winsize[3] == savedSlot);
    }
};

} // namespace stratavex

QTEST_MAIN(stratavex::ShowscorWindowTest)
#include "showscor_window_wtest.moc"
