// SPDX-License-Identifier: MIT
#include "screens/mchoice_window.h"
#include "screens/quote_window.h"

#include "base/qt_controls.h"
#include "base/qt_text.h"
#include "database/attributes.h"
#include "engine/game.h"
#include "qtsupport/qt_test_host.h"
#include "screens/keyboard_support.h"
#include "support/sample_items.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <cmath>
#include <memory>
#include <vector>

namespace stratavex {
namespace {

using testing::control;
using testing::RecordingHost;

constexpr int whenDidItLive = 16;
constexpr int descAndName = 2;

const char* const eras[] = {"Late Cretaceous", "Late Jurassic",   "Early Cretaceous",
                            "Triassic",        "Middle Jurassic", "Cretaceous"};

enum class Screen { mchoice, quote };

} // namespace
} // namespace stratavex

Q_DECLARE_METATYPE(stratavex::Screen)

namespace stratavex {

class ChoiceWindowTest : public QObject {
    Q_OBJECT

private:
    testing::WorkingFolder folder_;
    RecordingHost host_;
    std::unique_ptr<Game> game_;

    static QRadioButton* option(QWidget& window, int i) {
        return control<QRadioButton>(window, QStringLiteral("choice%1").arg(i));
    }

    void fillTable(int count) {
        game_->db.nitems = 0;
        game_->db.itemuse.clear();
        for (int i = 0; i < count; ++i) {
            itemrec it = testing::dino("Saurus" + std::to_string(i) + " & Co", eras[i]);
            it.desc = "Saurus" + std::to_string(i) + " <b>walked</b>\r\non four legs.";
            testing::addItem(*game_, it);
        }
    }

    std::unique_ptr<QDialog> open(Screen screen) {
        game_->qtype = screen == Screen::mchoice ? whenDidItLive : descAndName;
        if (screen == Screen::mchoice)
            return std::make_unique<mchoice>(*game_);
        return std::make_unique<quote>(*game_);
    }

    const itemrec& picked(int slot) const {
        return game_->db
            .items[static_cast<std::size_t>(game_->picked[static_cast<std::size_t>(slot)])];
    }

    // The option that holds the item the question is about.
    int rightOption(QDialog& window, Screen screen) const {
        for (int slot = 0; slot < 5; ++slot) {
            const itemrec& it = picked(slot);
            if (screen == Screen::mchoice && control<QLabel>(window, "Label1")->text() ==
                                                 displayText("When did " + it.name + " live?"))
                return slot;
            if (screen == Screen::quote &&
                control<QPlainTextEdit>(window, "Text1")->toPlainText() == displayText(it.desc))
                return slot;
        }
        return -1;
    }

    void showAndResize(QWidget& window, double widthTwips) {
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        // The layout rules and their guards reach below the window's least
        // size, which the player cannot go under.
        window.setMinimumSize(0, 0);
        // The widest pixel width that still holds the given number of twips.
        const int px =
            static_cast<int>(std::floor(widthTwips * window.logicalDpiX() / twipsPerInch));
        window.resize(px, window.height());
        QTRY_COMPARE(window.width(), px);
        QCoreApplication::processEvents();
    }

    static double twipsX(const QWidget& w, int px) { return pixelsToTwipsX(w, px); }

private slots:
    void initTestCase() { QVERIFY(folder_.enter()); }

    void cleanupTestCase() { folder_.leave(); }

    void init() {
        host_.messages.clear();
        host_.shown.clear();
        game_ = std::make_unique<Game>(host_);
        game_->random.seed(5);
        inittables(*game_);
        game_->settings.maxdif = 2;
        game_->settings.logstatus = 1;
        game_->settings.soundon = 0;
        fillTable(6);
    }

    void hasItsCaptionAndControls_data() {
        QTest::addColumn<Screen>("screen");
        QTest::newRow("mchoice") << Screen::mchoice;
        QTest::newRow("quote") << Screen::quote;
    }
    void hasItsCaptionAndControls() {
        QFETCH(Screen, screen);
        auto window = open(screen);
        QCOMPARE(window->windowTitle(), QStringLiteral("Multiple Choice"));
        auto* frame = control<QGroupBox>(*window, "Frame1");
        QVERIFY(frame != nullptr);
        for (int i = 0; i < 5; ++i) {
            QVERIFY(option(*frame, i) != nullptr);
            QVERIFY(option(*frame, i)->isEnabled());
            QVERIFY(!option(*frame, i)->isChecked());
        }
        QVERIFY(control<QLabel>(*frame, "Label1") != nullptr);
        QCOMPARE(control<QPushButton>(*frame, "cmdhelp")->text(), QStringLiteral("help"));
        QCOMPARE(control<QPushButton>(*frame, "Command1")->text(), QStringLiteral("skip"));
        auto* text = control<QPlainTextEdit>(*frame, "Text1");
        QCOMPARE(text != nullptr, screen == Screen::quote);
        if (text != nullptr)
            QVERIFY(text->isReadOnly());
    }

    // The frame's outline follows its edges at any size: a dark line outside
    // a light one, and the window's own colour inside.
    void theFrameIsOutlinedAtItsEdges() {
        auto window = open(Screen::mchoice);
        auto* frame = control<QGroupBox>(*window, "Frame1");
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->resize(window->width() + 37, window->height() + 23);
        const QImage shot = frame->grab().toImage();
        const QColor inside = frame->palette().color(QPalette::Window);
        const int middleY = shot.height() / 2;
        QVERIFY(shot.pixelColor(0, middleY).lightness() < inside.lightness());
        QVERIFY(shot.pixelColor(shot.width() - 2, middleY).lightness() < inside.lightness());
        QVERIFY(shot.pixelColor(1, middleY).lightness() > inside.lightness());
        QCOMPARE(shot.pixelColor(shot.width() / 2, 2), inside);
    }

    void mchoiceShowsTheQuestionAndFiveEras() {
        auto window = open(Screen::mchoice);
        const int right = rightOption(*window, Screen::mchoice);
        QVERIFY(right >= 0 && right < 4);
        QCOMPARE(control<QLabel>(*window, "Label1")->textFormat(), Qt::PlainText);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(option(*window, i)->text(), displayText(picked(i).era));
    }

    void quoteShowsTheDescriptionAsPlainTextAndFiveNames() {
        auto window = open(Screen::quote);
        QVERIFY(rightOption(*window, Screen::quote) >= 0);
        QVERIFY(control<QPlainTextEdit>(*window, "Text1")
                    ->toPlainText()
                    .contains(QStringLiteral("<b>walked</b>\non four legs.")));
        QCOMPARE(control<QLabel>(*window, "Label1")->text(),
                 QStringLiteral("Which fits this description?"));
        // An ampersand in a name is shown, not taken as a shortcut.
        for (int i = 0; i < 5; ++i)
            QCOMPARE(
                option(*window, i)->text(),
                displayText(picked(i).name).replace(QStringLiteral("&"), QStringLiteral("&&")));
    }

    void aPressOnAnOptionAnswersAtOnce_data() {
        QTest::addColumn<Screen>("screen");
        QTest::addColumn<bool>("right");
        QTest::addColumn<int>("button");
        QTest::newRow("mchoice, right, left button")
            << Screen::mchoice << true << int(Qt::LeftButton);
        QTest::newRow("mchoice, wrong, right button")
            << Screen::mchoice << false << int(Qt::RightButton);
        QTest::newRow("quote, right, middle button")
            << Screen::quote << true << int(Qt::MiddleButton);
        QTest::newRow("quote, wrong, left button") << Screen::quote << false << int(Qt::LeftButton);
    }
    void aPressOnAnOptionAnswersAtOnce() {
        QFETCH(Screen, screen);
        QFETCH(bool, right);
        QFETCH(int, button);
        auto window = open(screen);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const int answer = rightOption(*window, screen);
        const int pressed = right ? answer : 4;
        QTest::mousePress(option(*window, pressed), Qt::MouseButton(button));
        QVERIFY(option(*window, pressed)->isChecked());
        QCOMPARE(host_.shown, std::vector<WindowId>{WindowId::showscor});
        QCOMPARE(int(game_->player.score), right ? 5 : 0);
        QCOMPARE(int(game_->player.possible), 5);
        QVERIFY(!window->isVisible());
        QCOMPARE(window->result(), int(QDialog::Accepted));
    }

    // A number key takes the same path as a press on its option, wherever
    // the focus is.
    void aNumberKeyAnswersAsAPressOnItsOptionDoes_data() {
        QTest::addColumn<Screen>("screen");
        QTest::addColumn<bool>("right");
        QTest::addColumn<bool>("keypad");
        QTest::addColumn<bool>("focusOnDescription");
        QTest::newRow("mchoice, the right option's key")
            << Screen::mchoice << true << false << false;
        QTest::newRow("mchoice, 5 is always wrong") << Screen::mchoice << false << false << false;
        QTest::newRow("quote, keypad key of the right option")
            << Screen::quote << true << true << false;
        QTest::newRow("quote, 5 while the description has the focus")
            << Screen::quote << false << false << true;
    }
    void aNumberKeyAnswersAsAPressOnItsOptionDoes() {
        QFETCH(Screen, screen);
        QFETCH(bool, right);
        QFETCH(bool, keypad);
        QFETCH(bool, focusOnDescription);
        auto window = open(screen);
        QVERIFY(testing::activate(*window));
        if (focusOnDescription)
            control<QPlainTextEdit>(*window, "Text1")->setFocus(Qt::TabFocusReason);
        const int answer = rightOption(*window, screen);
        const int chosen = right ? answer : 4;
        testing::type(*window, Qt::Key(Qt::Key_1 + chosen),
                      keypad ? Qt::KeypadModifier : Qt::NoModifier);
        QVERIFY(option(*window, chosen)->isChecked());
        QCOMPARE(host_.shown, std::vector<WindowId>{WindowId::showscor});
        QCOMPARE(int(game_->player.score), right ? 5 : 0);
        QCOMPARE(int(game_->player.possible), 5);
        QVERIFY(!window->isVisible());
        QCOMPARE(window->result(), int(QDialog::Accepted));
    }

    void keysOtherThanTheOptionNumbersChooseNothing_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<bool>("held");
        QTest::newRow("6") << int(Qt::Key_6) << int(Qt::NoModifier) << false;
        QTest::newRow("0") << int(Qt::Key_0) << int(Qt::NoModifier) << false;
        QTest::newRow("Ctrl+1") << int(Qt::Key_1) << int(Qt::ControlModifier) << false;
        QTest::newRow("Alt+2") << int(Qt::Key_2) << int(Qt::AltModifier) << false;
        // The repeats of a key held from the screen before.
        QTest::newRow("1 held down") << int(Qt::Key_1) << int(Qt::NoModifier) << true;
    }
    void keysOtherThanTheOptionNumbersChooseNothing() {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(bool, held);
        auto window = open(Screen::quote);
        QVERIFY(testing::activate(*window));
        if (held)
            testing::typeRepeat(*window, Qt::Key(key), QStringLiteral("1"));
        else
            testing::type(*window, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QVERIFY(window->isVisible());
        QVERIFY(host_.shown.empty());
        QCOMPARE(int(game_->player.possible), 0);
        for (int i = 0; i < 5; ++i)
            QVERIFY(!option(*window, i)->isChecked());
    }

    void theToolTipsNameTheKeys() {
        auto window = open(Screen::mchoice);
        QVERIFY(window->toolTip().contains(QStringLiteral("1 to 5")));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(option(*window, i)->toolTip(),
                     QStringLiteral("Press %1 to choose this answer").arg(i + 1));
    }

    void skipClosesWithoutScoring() {
        auto window = open(Screen::mchoice);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        const std::vector<std::int16_t> use = game_->db.itemuse;
        QTest::mouseClick(control<QPushButton>(*window, "Command1"), Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QCOMPARE(int(game_->player.possible), 0);
        QVERIFY(host_.shown.empty());
        QVERIFY(game_->db.itemuse == use);
    }

    void helpExplainsHowToAnswer() {
        auto window = open(Screen::quote);
        QTest::mouseClick(control<QPushButton>(*window, "cmdhelp"), Qt::LeftButton);
        QCOMPARE(host_.messages.size(), std::size_t{1});
        QCOMPARE(
            host_.messages[0].text,
            std::string(
                "Click on the best description.\r\nClick on skip to move to the next question"));
        QCOMPARE(int(host_.messages[0].buttons), int(Buttons::Ok));
        QCOMPARE(int(game_->player.possible), 0);
    }

    void withTooFewItemsTheOptionsCannotBePressed() {
        fillTable(4);
        auto window = open(Screen::mchoice);
        QCOMPARE(host_.messages.size(), std::size_t{1});
        QCOMPARE(host_.shown, std::vector<WindowId>{WindowId::setup});
        QCOMPARE(int(game_->settings.selected[whenDidItLive]), 0);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        for (int i = 0; i < 5; ++i) {
            QVERIFY(!option(*window, i)->isEnabled());
            QTest::mousePress(option(*window, i), Qt::RightButton);
            QTest::keyClick(window.get(), Qt::Key(Qt::Key_1 + i));
        }
        QCOMPARE(int(game_->player.possible), 0);
        QCOMPARE(host_.shown.size(), std::size_t{1});
        QTest::mouseClick(control<QPushButton>(*window, "Command1"), Qt::LeftButton);
        QVERIFY(!window->isVisible());
    }

    // Expected geometry in twips, from the layout rules: -1 where a control
    // must keep the place it had before the resize.
    void resizeFollowsTheLayoutRulesAndTheirGuards_data() {
        QTest::addColumn<Screen>("screen");
        QTest::addColumn<double>("windowWidth");
        QTest::addColumn<bool>("frameSized");
        QTest::addColumn<double>("optionLeft");
        QTest::addColumn<double>("optionWidth");
        QTest::addColumn<double>("labelWidth");
        QTest::addColumn<bool>("saved");
        QTest::newRow("mchoice 2999 wide: frame only")
            << Screen::mchoice << 2999.0 << true << -1.0 << -1.0 << -1.0 << false;
        QTest::newRow("mchoice frame under 3000: frame only")
            << Screen::mchoice << 3050.0 << true << -1.0 << -1.0 << -1.0 << false;
        QTest::newRow("mchoice 6000 wide")
            << Screen::mchoice << 6000.0 << true << 140.0 << 5520.0 << 5520.0 << true;
        QTest::newRow("quote 2999 wide: untouched")
            << Screen::quote << 2999.0 << false << -1.0 << -1.0 << -1.0 << false;
        QTest::newRow("quote 3050 wide")
            << Screen::quote << 3050.0 << true << 1825.0 << 885.0 << 685.0 << true;
        QTest::newRow("quote 6000 wide")
            << Screen::quote << 6000.0 << true << 3300.0 << 2360.0 << 2160.0 << true;
    }
    void resizeFollowsTheLayoutRulesAndTheirGuards() {
        QFETCH(Screen, screen);
        QFETCH(double, windowWidth);
        QFETCH(bool, frameSized);
        QFETCH(double, optionLeft);
        QFETCH(double, optionWidth);
        QFETCH(double, labelWidth);
        QFETCH(bool, saved);
        auto window = open(screen);
        auto* frame = control<QGroupBox>(*window, "Frame1");
        QRadioButton* first = option(*window, 0);
        QLabel* label = control<QLabel>(*window, "Label1");
        const QRect frameBefore(2, 3, 50, 40);
        const QRect optionBefore(4, 5, 30, 10);
        const QRect labelBefore(6, 7, 20, 10);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        frame->setGeometry(frameBefore);
        first->setGeometry(optionBefore);
        label->setGeometry(labelBefore);
        game_->config.winsize[0].width = 1234;

        showAndResize(*window, windowWidth);

        const auto near = [](const QWidget& w, int px, double twips) {
            return std::abs(px - twipsToPixelsX(w, twips)) <= 1;
        };
        if (frameSized) {
            QVERIFY(near(*frame, frame->width(), twipsX(*window, window->width()) - 80));
        } else {
            QCOMPARE(frame->geometry(), frameBefore);
        }
        if (optionLeft < 0) {
            QCOMPARE(first->geometry(), optionBefore);
            QCOMPARE(label->geometry(), labelBefore);
        } else {
            // The options are placed from the frame's left edge before it is centred again.
            const double leftShift = twipsX(*frame, frameBefore.x()) - 40;
            QVERIFY2(near(*first, first->x(), optionLeft + leftShift),
                     qPrintable(QString::number(first->x())));
            QVERIFY(near(*first, first->width(), optionWidth));
            QVERIFY(near(*label, label->width(), labelWidth));
        }
        QCOMPARE(game_->config.winsize[0].width != 1234, saved);
    }
};

} // namespace stratavex

QTEST_MAIN(stratavex::ChoiceWindowTest)
#include "choice_window_wtest.moc"
