// SPDX-License-Identifier: MIT
#include "screens/NameMe_window.h"

#include "base/qt_controls.h"
#include "database/attributes.h"
#include "engine/game.h"
#include "qtsupport/qt_test_host.h"
#include "screens/qt_screen.h"
#include "support/sample_items.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace stratavex {
namespace {

using testing::control;
using testing::copyBundledFile;
using testing::ScriptedHost;
using testing::show;

constexpr int nameMe = 4;

} // namespace

class NameMeWindowTest : public QObject {
    Q_OBJECT

private:
    testing::WorkingFolder folder_;
    std::unique_ptr<ScriptedHost> host_;
    std::unique_ptr<Game> game_;

    static QString label(QWidget& window, const char* name) {
        return control<QLabel>(window, name)->text();
    }

    void addItem(const std::string& name, int dif) {
        itemrec it;
        it.name = name;
        it.dif = static_cast<std::int16_t>(dif);
        it.image = "dino.jpg";
        testing::addItem(*game_, it);
    }

    static void typeInto(QWidget& target, const char* keys) {
        for (const char* k = keys; *k != '\0'; ++k)
            QTest::keyClick(&target, *k);
    }

private slots:
    void initTestCase() {
        QVERIFY(folder_.enter());
        copyBundledFile("trex.jpg", QStringLiteral("dino.jpg"));
        for (const char* picture : {"TRex6.jpg", "TRex5.jpg", "TRex4.jpg"})
            copyBundledFile(picture, QString::fromLatin1(picture));
    }

    void cleanupTestCase() { folder_.leave(); }

    void init() {
        host_ = std::make_unique<ScriptedHost>();
        game_ = std::make_unique<Game>(*host_);
        game_->random.seed(3);
        inittables(*game_);
        game_->settings.maxdif = 1;
        game_->qtype = nameMe;
        addItem("T. Rex", 1);
    }

    void opensWithThePictureAndTheBlanks() {
        NameMe window(*game_);
        QCOMPARE(window.windowTitle(),
                 QStringLiteral("Name Me -- Press the letter keys to enter my name... "));
        auto* dinosaur = control<PictureBox>(window, "Image2");
        auto* creature = control<PictureBox>(window, "Image1");
        auto* word = control<QLabel>(window, "Label2");
        auto* quit = control<QPushButton>(window, "Command1");
        QVERIFY(dinosaur && creature && word && quit);
        QVERIFY(control<QLabel>(window, "Label1") && control<QLabel>(window, "Label3"));
        show(window);
        QVERIFY(dinosaur->hasPicture());
        QVERIFY(!creature->isVisible());
        QCOMPARE(word->text(), QStringLiteral("_ .   _ _ _ "));
        QCOMPARE(word->palette().color(QPalette::WindowText), QColor(Qt::yellow));
        QCOMPARE(word->palette().color(QPalette::Window), QColor(Qt::red));
        QVERIFY(word->font().bold());
        QCOMPARE(label(window, "Label1"), QString());
        QVERIFY(!control<QLabel>(window, "Label3")->isVisible());
        QCOMPARE(quit->text(), QStringLiteral("quit"));
        QCOMPARE(window.width(), twipsToPixelsX(window, 8610));
        QCOMPARE(window.height(), twipsToPixelsY(window, 6330));
    }

    void lettersTypedAnywhereReachThePuzzle_data() {
        QTest::addColumn<QString>("target");
        QTest::newRow("the window") << QStringLiteral("NameMe");
        QTest::newRow("the quit button") << QStringLiteral("Command1");
        QTest::newRow("the word") << QStringLiteral("Label2");
        QTest::newRow("the dinosaur picture") << QStringLiteral("Image2");
        QTest::newRow("the wrong letters") << QStringLiteral("Label1");
    }

    void lettersTypedAnywhereReachThePuzzle() {
        QFETCH(QString, target);
        NameMe window(*game_);
        show(window);
        QWidget* receiver =
            target == window.objectName() ? &window : window.findChild<QWidget*>(target);
        QVERIFY(receiver != nullptr);
        QTest::keyClick(receiver, 'r');
        QCOMPARE(label(window, "Label2"), QStringLiteral("_  .   R _  _  "));
        QTest::keyClick(receiver, 'Q');
        QCOMPARE(label(window, "Label1"), QStringLiteral(" Q"));
        QVERIFY(window.isVisible());
    }

    void aWrongLetterShowsTheCreatureGrownAroundItsCentre() {
        NameMe window(*game_);
        show(window);
        auto* creature = control<PictureBox>(window, "Image1");
        typeInto(window, "q");
        QVERIFY(creature->isVisible());
        QVERIFY(creature->hasPicture()); // TRex6.jpg
        auto* warning = control<QLabel>(window, "Label3");
        QVERIFY(warning->isVisible());
        QCOMPARE(warning->text(), QStringLiteral("Guess the word before the TRex can appear!"));
        typeInto(window, "w");
        const Twips grown(*creature);
        const double onePixel = pixelsToTwipsX(window, 1);
        QVERIFY(std::abs(grown.width() - 1215 * 1.44) <= onePixel);
        QVERIFY(std::abs(grown.height() - 1455 * 1.44) <= onePixel);
        QVERIFY(std::abs(grown.left() + grown.width() / 2 - 6607.5) <= onePixel);
        QVERIFY(std::abs(grown.top() + grown.height() / 2 - 2047.5) <= onePixel);
        QVERIFY(creature->hasPicture()); // TRex5.jpg
    }

    void typingTheWholeNameWins() {
        NameMe window(*game_);
        show(window);
        typeInto(window, "trZe");
        QVERIFY(window.isVisible());
        QVERIFY(host_->shown.empty());
        QString underTheScore;
        host_->onShow[WindowId::showscor] = [&] { underTheScore = label(window, "Label2"); };
        typeInto(window, "X");
        QCOMPARE(underTheScore, QStringLiteral("T .   R E X "));
        QVERIFY(!window.isVisible());
        QCOMPARE(host_->shown, std::vector<WindowId>{WindowId::showscor});
        QCOMPARE(game_->showscor.Text1, std::string("T. REX\r\nYou got it!"));
        QCOMPARE(int{game_->player.score}, 5);
        QCOMPARE(int{game_->player.possible}, 6);
    }

    void afterALossTheFirstKeyCloses() {
        game_->settings.maxdif = 3; // four wrong letters allowed
        NameMe window(*game_);
        show(window);
        typeInto(window, "abcd");
        QVERIFY(window.isVisible());
        QCOMPARE(label(window, "Label2"), QStringLiteral("T. REX"));
        QCOMPARE(label(window, "Label1"), QStringLiteral("Better luck next time!"));
        QCOMPARE(label(window, "Label3"), QStringLiteral("Too many tries!"));
        QCOMPARE(int{game_->player.possible}, 4);
        QTest::keyClick(&window, 'r');
        QVERIFY(!window.isVisible());
        QVERIFY(host_->messages.empty());
        QCOMPARE(label(window, "Label2"), QStringLiteral("T. REX"));
    }

    void keysThatAreNotLettersAskForALetterAndNeverQuit_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("text");
        QTest::newRow("a digit") << int{Qt::Key_1} << QStringLiteral("1");
        QTest::newRow("space") << int{Qt::Key_Space} << QStringLiteral(" ");
        QTest::newRow("enter") << int{Qt::Key_Return} << QStringLiteral("\r");
        QTest::newRow("escape") << int{Qt::Key_Escape} << QStringLiteral("\x1b");
    }

    void keysThatAreNotLettersAskForALetterAndNeverQuit() {
        QFETCH(int, key);
        QFETCH(QString, text);
        NameMe window(*game_);
        show(window);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QApplication::sendEvent(control<QPushButton>(window, "Command1"), &press);
        QVERIFY(window.isVisible());
        QCOMPARE(host_->messages.size(), std::size_t{1});
        QCOMPARE(host_->messages[0].text, std::string("Press a letter, only"));
    }

    void aHeldKeyIsOneKeystroke() {
        NameMe window(*game_);
        show(window);
        QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Q, Qt::NoModifier, QStringLiteral("q"), true);
        QApplication::sendEvent(&window, &repeat);
        QCOMPARE(label(window, "Label1"), QString());
        QTest::keyClick(&window, 'q');
        QCOMPARE(label(window, "Label1"), QStringLiteral(" Q"));
    }

    void quitLeavesWithoutAScore() {
        NameMe window(*game_);
        show(window);
        typeInto(window, "tq");
        QTest::mouseClick(control<QPushButton>(window, "Command1"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
        QCOMPARE(int{game_->player.possible}, 0);
        QVERIFY(host_->shown.empty());
    }

    void withoutAnItemTheSettingsOpenAndKeysDoNothing() {
        game_->db.items[1].dif = 4;
        NameMe window(*game_);
        QCOMPARE(host_->shown, std::vector<WindowId>{WindowId::setup});
        QCOMPARE(int{game_->settings.selected[nameMe]}, 0);
        show(window);
        host_->messages.clear();
        typeInto(window, "a1");
        QVERIFY(host_->messages.empty());
        QCOMPARE(label(window, "Label2"), QString());
        QTest::mouseClick(control<QPushButton>(window, "Command1"), Qt::LeftButton);
        QVERIFY(!window.isVisible());
    }
};

} // namespace stratavex

QTEST_MAIN(stratavex::NameMeWindowTest)
#include "nameme_window_wtest.moc"
