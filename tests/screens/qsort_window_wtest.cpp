// SPDX-License-Identifier: MIT
#include "screens/qsort_window.h"

#include "base/qt_controls.h"
#include "database/attributes.h"
#include "engine/game.h"
#include "qtsupport/qt_test_host.h"
#include "screens/keyboard_support.h"
#include "support/sample_items.h"

#include <QAbstractItemView>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace stratavex {
namespace {

using testing::control;
using testing::RecordingHost;
using testing::show;

constexpr int byWeight = 14;

} // namespace

class QsortWindowTest : public QObject {
    Q_OBJECT

private:
    testing::WorkingFolder folder_;
    std::unique_ptr<RecordingHost> host_;
    std::unique_ptr<Game> game_;

    void addItem(const std::string& name, const std::string& weight) {
        itemrec it;
        it.name = name;
        it.dif = 1;
        it.family = name + "idae";
        it.weight = weight;
        it.length = "10 ft";
        it.era = "Jurassic";
        testing::addItem(*game_, it);
    }

    static QStringList texts(const QListWidget& list) {
        QStringList lines;
        for (int row = 0; row < list.count(); ++row)
            lines << list.item(row)->text();
        return lines;
    }

    static void clickLine(QListWidget& list, int row) {
        const QRect line = list.visualItemRect(list.item(row));
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, line.center());
    }

private slots:
    void initTestCase() { QVERIFY(folder_.enter()); }

    void cleanupTestCase() { folder_.leave(); }

    void init() {
        host_ = std::make_unique<RecordingHost>();
        game_ = std::make_unique<Game>(*host_);
        game_->random.seed(5);
        inittables(*game_);
        game_->settings.maxdif = 2;
        game_->settings.logstatus = 2;
        game_->qtype = byWeight;
        addItem("Alphasaurus", "7 tons");
        addItem("Betasaurus", "33 lbs");
        addItem("Gammasaurus", "2 tons");
        addItem("Deltasaurus", "900 lbs");
        addItem("Epsilonsaurus", "1,000 lbs");
    }

    void hasItsCaptionAndControls() {
        qsort window(*game_);
        QCOMPARE(window.windowTitle(), QStringLiteral(" Sort "));
        QVERIFY(control<QGroupBox>(window, "Frame1") != nullptr);
        auto* heading = control<QLabel>(window, "Label1");
        auto* instruction = control<QLabel>(window, "Label2");
        auto* list = control<QListWidget>(window, "List1");
        auto* done = control<QPushButton>(window, "Command1");
        auto* help = control<QPushButton>(window, "Command2");
        QVERIFY(heading && instruction && list && done && help);
        QCOMPARE(heading->text(), QStringLiteral("Sort by weight, smallest on top"));
        QCOMPARE(instruction->text(), QStringLiteral("Click to push an item up one slot"));
        QCOMPARE(done->text(), QStringLiteral("Done"));
        QCOMPARE(help->text(), QStringLiteral("Help"));
        QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(list->palette().color(QPalette::Base), QColor(Qt::lightGray));
        QStringList expected;
        for (int slot = 0; slot < 5; ++slot) {
            const itemrec& it = game_->db.items[static_cast<std::size_t>(game_->picked[slot])];
            expected << QString::fromStdString(it.name + " (" + it.family + ")");
        }
        QCOMPARE(texts(*list), expected);
        QVERIFY(list->selectedItems().isEmpty());
    }

    void clickingALineMovesItUpOneSlot_data() {
        QTest::addColumn<QList<int>>("clicks");
        QTest::addColumn<QList<int>>("order"); // the opening lines, top to bottom
        QTest::newRow("the top line stays") << QList<int>{0} << QList<int>{0, 1, 2, 3, 4};
        QTest::newRow("the second line goes on top") << QList<int>{1} << QList<int>{1, 0, 2, 3, 4};
        QTest::newRow("the bottom line moves above the fourth")
            << QList<int>{4} << QList<int>{0, 1, 2, 4, 3};
        QTest::newRow("the bottom line reaches the top in four clicks")
            << QList<int>{4, 3, 2, 1} << QList<int>{4, 0, 1, 2, 3};
        QTest::newRow("a second click on the same place lifts the item pushed down")
            << QList<int>{2, 2} << QList<int>{0, 1, 2, 3, 4};
        QTest::newRow("following one item up") << QList<int>{3, 2} << QList<int>{0, 3, 1, 2, 4};
    }

    void clickingALineMovesItUpOneSlot() {
        QFETCH(QList<int>, clicks);
        QFETCH(QList<int>, order);
        qsort window(*game_);
        show(window);
        auto* list = control<QListWidget>(window, "List1");
        const QStringList opening = texts(*list);
        for (int row : clicks)
            clickLine(*list, row);
        QStringList expected;
        for (int line : order)
            expected << opening[line];
        QCOMPARE(texts(*list), expected);
        QVERIFY(list->selectedItems().isEmpty());
        QCOMPARE(host_->timesShown(WindowId::showscor), 0);
    }

    // Home and Down put the cursor on a line; Ctrl+Up moves it as a click on
    // it does and keeps it the current line.
    void ctrlUpPushesTheCurrentLineUpOneSlot_data() {
        QTest::addColumn<int>("line");
        QTest::addColumn<int>("pushes");
        QTest::addColumn<QList<int>>("order"); // the opening lines, top to bottom
        QTest::addColumn<int>("current");
        QTest::newRow("the top line stays") << 0 << 1 << QList<int>{0, 1, 2, 3, 4} << 0;
        QTest::newRow("the second line goes on top") << 1 << 1 << QList<int>{1, 0, 2, 3, 4} << 0;
        QTest::newRow("the bottom line moves above the fourth")
            << 4 << 1 << QList<int>{0, 1, 2, 4, 3} << 3;
        QTest::newRow("the bottom line reaches the top in four pushes")
            << 4 << 4 << QList<int>{4, 0, 1, 2, 3} << 0;
        QTest::newRow("a push more at the top changes nothing")
            << 2 << 3 << QList<int>{2, 0, 1, 3, 4} << 0;
    }

    void ctrlUpPushesTheCurrentLineUpOneSlot() {
        QFETCH(int, line);
        QFETCH(int, pushes);
        QFETCH(QList<int>, order);
        QFETCH(int, current);
        qsort window(*game_);
        QVERIFY(testing::activate(window));
        auto* list = control<QListWidget>(window, "List1");
        QCOMPARE(QApplication::focusWidget(), list);
        const QStringList opening = texts(*list);
        testing::type(window, Qt::Key_Home);
        for (int i = 0; i < line; ++i)
            testing::type(window, Qt::Key_Down);
        QCOMPARE(list->currentRow(), line);
        QCOMPARE(texts(*list), opening);
        for (int i = 0; i < pushes; ++i)
            testing::type(window, Qt::Key_Up, Qt::ControlModifier);
        QStringList expected;
        for (int moved : order)
            expected << opening[moved];
        QCOMPARE(texts(*list), expected);
        QCOMPARE(list->currentRow(), current);
        QCOMPARE(host_->timesShown(WindowId::showscor), 0);
    }

    void theOpeningListMarksNoLineUntilAKeyIsPressed() {
        qsort window(*game_);
        QVERIFY(testing::activate(window));
        auto* list = control<QListWidget>(window, "List1");
        QCOMPARE(QApplication::focusWidget(), list);
        QCOMPARE(list->currentRow(), -1);
        QVERIFY(list->selectedItems().isEmpty());
        testing::type(window, Qt::Key_Down);
        QCOMPARE(list->currentRow(), 0);
    }

    void theArrowKeysAloneMoveNoLine() {
        qsort window(*game_);
        QVERIFY(testing::activate(window));
        auto* list = control<QListWidget>(window, "List1");
        const QStringList opening = texts(*list);
        for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_End, Qt::Key_Space})
            testing::type(window, key);
        QCOMPARE(texts(*list), opening);
        QVERIFY(window.isVisible());
    }

    void sortingWithTheKeyboardAloneScoresAllPairs() {
        qsort window(*game_);
        QVERIFY(testing::activate(window));
        auto* list = control<QListWidget>(window, "List1");
        const char* names[] = {"Betasaurus", "Deltasaurus", "Epsilonsaurus", "Gammasaurus",
                               "Alphasaurus"};
        for (int target = 0; target < 5; ++target) {
            testing::type(window, Qt::Key_Home);
            for (int row = 0;
                 row < 5 && !list->currentItem()->text().startsWith(QLatin1String(names[target]));
                 ++row)
                testing::type(window, Qt::Key_Down);
            while (list->currentRow() > target)
                testing::type(window, Qt::Key_Up, Qt::ControlModifier);
        }
        QVERIFY(testing::tabTo(window, control<QPushButton>(window, "Command1")));
        testing::type(window, Qt::Key_Space);
        QCOMPARE(game_->player.score, std::int16_t{10});
        QCOMPARE(game_->showscor.Text1, std::string("*** All correct!\r\n*** 10 of 10 correct "));
        QVERIFY(!window.isVisible());
    }

    void theListsToolTipNamesItsKeys() {
        qsort window(*game_);
        const QString tip = control<QListWidget>(window, "List1")->toolTip();
        QVERIFY(tip.contains(QStringLiteral("Ctrl+Up")));
        QVERIFY(window.toolTip().contains(QStringLiteral("Ctrl+Up")));
    }

    void aDoubleClickCountsAsTwoClicks() {
        qsort window(*game_);
        show(window);
        auto* list = control<QListWidget>(window, "List1");
        const QStringList opening = texts(*list);
        const QRect line = list->visualItemRect(list->item(3));
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, line.center());
        // The first click lifts line 3; the second lifts the item now under the pointer.
        QCOMPARE(texts(*list), opening);
    }

    void doneScoresTheTenPairsAndCloses() {
        qsort window(*game_);
        show(window);
        QTest::mouseClick(control<QPushButton>(window, "Command1"), Qt::LeftButton);
        QCOMPARE(host_->timesShown(WindowId::showscor), 1);
        QCOMPARE(game_->player.possible, std::int16_t{10});
        QCOMPARE(game_->showscor.Label1, std::string("Results for Sorting Sort by weight"));
        QVERIFY(!window.isVisible());
        QCOMPARE(window.result(), int(QDialog::Accepted));
    }

    void sortingByClicksScoresAllPairs() {
        qsort window(*game_);
        show(window);
        auto* list = control<QListWidget>(window, "List1");
        // Lightest first: 33 lbs, 900 lbs, 1,000 lbs, 2 tons, 7 tons.
        const char* names[] = {"Betasaurus", "Deltasaurus", "Epsilonsaurus", "Gammasaurus",
                               "Alphasaurus"};
        for (int target = 0; target < 5; ++target) {
            int row = 0;
            while (!list->item(row)->text().startsWith(QLatin1String(names[target])))
                ++row;
            for (; row > target; --row)
                clickLine(*list, row);
        }
        QTest::mouseClick(control<QPushButton>(window, "Command1"), Qt::LeftButton);
        QCOMPARE(game_->player.score, std::int16_t{10});
        QCOMPARE(game_->showscor.Text1, std::string("*** All correct!\r\n*** 10 of 10 correct "));
    }

    void helpExplainsAndKeepsTheQuestion() {
        qsort window(*game_);
        show(window);
        QTest::mouseClick(control<QPushButton>(window, "Command2"), Qt::LeftButton);
        QCOMPARE(host_->messages.size(), std::size_t{1});
        QCOMPARE(host_->messages[0].text,
                 std::string("Sort the items listed.  Click on a line to move that item up one "
                             "level.  When all are in position, click 'Done'"));
        QVERIFY(window.isVisible());
        QCOMPARE(game_->player.possible, std::int16_t{0});
    }

    void closingWithoutDoneScoresNothing() {
        qsort window(*game_);
        show(window);
        window.close();
        QCOMPARE(game_->player.possible, std::int16_t{0});
        QCOMPARE(host_->timesShown(WindowId::showscor), 0);
    }

    void resizingSavesTheSizeAndCentresTheFrame_data() {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::newRow("larger") << 12000.0 << 9000.0;
        QTest::newRow("smaller") << 9000.0 << 5700.0;
    }

    void resizingSavesTheSizeAndCentresTheFrame() {
        QFETCH(double, width);
        QFETCH(double, height);
        qsort window(*game_);
        show(window);
        window.resize(twipsToPixelsX(window, width), twipsToPixelsY(window, height));
        QTRY_COMPARE(window.width(), twipsToPixelsX(window, width));
        QCoreApplication::processEvents();
        const WindowRecord& saved = game_->config.winsize[1];
        QVERIFY(std::abs(saved.width - width) <= 15);
        QVERIFY(std::abs(saved.height - height) <= 15);
        auto* frame = control<QGroupBox>(window, "Frame1");
        QVERIFY(std::abs(frame->x() - (window.width() - frame->width()) / 2) <= 1);
        QVERIFY(std::abs(frame->y() - (window.height() - frame->height()) / 2) <= 1);
        QVERIFY(frame->isVisible());
        QVERIFY(QFile::exists(QStringLiteral("drem.INI")));
    }

    void neverShrinksBelowTheFrame() {
        qsort window(*game_);
        show(window);
        window.resize(twipsToPixelsX(window, 3000), twipsToPixelsY(window, 2000));
        QCoreApplication::processEvents();
        auto* frame = control<QGroupBox>(window, "Frame1");
        QVERIFY(window.width() > frame->width());
        QVERIFY(window.height() > frame->height());
        QVERIFY(frame->x() > 0);
        QVERIFY(frame->y() > 0);
    }

    void opensWithTheSavedSize() {
        game_->config.winsize[1].width = 10500;
        game_->config.winsize[1].height = 7500;
        qsort window(*game_);
        QCOMPARE(window.width(), twipsToPixelsX(window, 10500));
        QCOMPARE(window.height(), twipsToPixelsY(window, 7500));
    }

    void tooFewItemsLeaveNothingToSort() {
        game_->db.items[3].weight.clear();
        qsort window(*game_);
        QCOMPARE(host_->messages.size(), std::size_t{1});
        QCOMPARE(host_->messages[0].text,
                 std::string("Current set doesn't provide enough items for Sort by weight. Use "
                             "another question type or change difficulty level to include more."));
        QCOMPARE(host_->timesShown(WindowId::setup), 1);
        QVERIFY(!control<QListWidget>(window, "List1")->isEnabled());
        QVERIFY(!control<QPushButton>(window, "Command1")->isEnabled());
        QVERIFY(control<QPushButton>(window, "Command2")->isEnabled());
    }
};

} // namespace stratavex

QTEST_MAIN(stratavex::QsortWindowTest)
#include "qsort_window_wtest.moc"
