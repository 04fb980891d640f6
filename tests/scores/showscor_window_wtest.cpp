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
#include <QTimer>
#include <QtTest>

#include <memory>

namespace stratavex {
namespace {

using testing::control;

const QByteArray iniBytes = "1,2,10,2,0\r\nsaved settings\r\n";

} // namespace

class ShowscorWindowTest : public QObject {
    Q_OBJECT

private:
    testing::WorkingFolder folder_;
    // The score display asks nothing of the outside world.
    testing::RecordingHost host_;
    std::unique_ptr<Game> game_;

    int px(const QWidget& w, double twips) { return twipsToPixelsX(w, twips); }

    // Resizes the window's inside to a size in twips and lets the resize arrive.
    void resizeTwips(QWidget& window, double width, double height) {
        window.resize(twipsToPixelsX(window, width), twipsToPixelsY(window, height));
        QTRY_COMPARE(window.width(), twipsToPixelsX(window, width));
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

    void layout_data() {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::addColumn<double>("textLeft");
        QTest::addColumn<double>("textWidth");
        QTest::addColumn<double>("textHeight");
        QTest::addColumn<double>("buttonLeft");
        QTest::newRow("designed size") << 6000.0 << 4500.0 << 150.0 << 5500.0 << 2300.0 << 2350.0;
        QTest::newRow("larger: the verdict box grows, the button stays centred")
            << 9000.0 << 6000.0 << 150.0 << 8500.0 << 3800.0 << 3850.0;
        QTest::newRow("exactly 3000 twips still lays out")
            << 3000.0 << 4000.0 << 150.0 << 2500.0 << 2300.0 << 850.0;
        QTest::newRow("below 3000 twips only the frame follows")
            << 2700.0 << 3000.0 << 150.0 << 5500.0 << 2300.0 << 2350.0;
    }

    void layout() {
        QFETCH(double, width);
        QFETCH(double, height);
        QFETCH(double, textLeft);
        QFETCH(double, textWidth);
        QFETCH(double, textHeight);
        QFETCH(double, buttonLeft);
        showscor window(*game_);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        resizeTwips(window, width, height);
        auto* frame = control<QGroupBox>(window, "Frame1");
        auto* text = control<QPlainTextEdit>(window, "Text1");
        QVERIFY(qAbs(frame->width() - px(window, width - 100)) <= 1);
        QVERIFY(qAbs(frame->height() - twipsToPixelsY(window, height - 100)) <= 1);
        QVERIFY(qAbs(text->x() - px(window, textLeft)) <= 1);
        QVERIFY(qAbs(text->width() - px(window, textWidth)) <= 1);
        QVERIFY(qAbs(text->height() - twipsToPixelsY(window, textHeight)) <= 1);
        QVERIFY(qAbs(control<QPushButton>(window, "Command1")->x() - px(window, buttonLeft)) <= 1);
    }

    void narrowingBelow3000TwipsLeavesTheVerdictBoxWhereItWas() {
        showscor window(*game_);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        resizeTwips(window, 8000, 5000);
        auto* text = control<QPlainTextEdit>(window, "Text1");
        const QRect wide = text->geometry();
        resizeTwips(window, 2500, 5000);
        QCOMPARE(text->geometry(), wide);
        auto* frame = control<QGroupBox>(window, "Frame1");
        QVERIFY(qAbs(frame->width() - px(window, 2400)) <= 1);
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
