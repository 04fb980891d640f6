// SPDX-License-Identifier: MIT
#include "screens/imatch_window.h"
#include "screens/qmatch_window.h"

#include "base/fields.h"
#include "base/qt_controls.h"
#include "database/attributes.h"
#include "engine/game.h"
#include "qtsupport/qt_test_host.h"
#include "screens/keyboard_support.h"
#include "screens/qt_drag.h"
#include "screens/qt_screen.h"
#include "support/sample_items.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWindow>
#include <QtTest>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace stratavex {
namespace {

using testing::control;
using testing::RecordingHost;
using testing::resizeTo;
using testing::show;

struct Dino {
    const char* name;
    const char* picture;
};

// Four with pictures from the game's own data, one without.
const Dino dinos[] = {{"Tyrannosaurus Rex", "trex.jpg"},
                      {"Stegosaurus", "stegosaurus.jpg"},
                      {"Triceratops", "triceratops.jpg"},
                      {"Diplodocus", "diplodocus.jpg"},
                      {"Coelophysis", "coelophysis.jpg"}};

const QColor barColours[] = {QColor(0xFF, 0x80, 0x00), QColor(0xFF, 0x00, 0xFF),
                             QColor(0x00, 0xFF, 0xFF), QColor(0x00, 0xFF, 0x00),
                             QColor(0xFF, 0xFF, 0x00)};

// The offscreen platform cannot grab the mouse for real and says so on every
// drag; the drags still reach the window, so that notice is noise here.
QtMessageHandler defaultHandler = nullptr;
void quietAboutMouseGrabs(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (!text.contains(QStringLiteral("does not support grabbing the mouse")))
        defaultHandler(type, context, text);
}

QString arrayName(const char* array, int index) {
    return QString::fromLatin1(array) + QString::number(index);
}

// How the player puts a name on its target: drags it with the mouse, picks it
// and puts it down with Space, or clicks it and then the target.
enum class Put { drag, space, clicks };

} // namespace
} // namespace stratavex

Q_DECLARE_METATYPE(stratavex::Put)

namespace stratavex {

class MatchingWindowTest : public QObject {
    Q_OBJECT

private:
    testing::WorkingFolder folder_;
    RecordingHost host_;
    std::unique_ptr<Game> game_;

    void newGame(int items, int qtype) {
        host_ = RecordingHost();
        game_ = std::make_unique<Game>(host_);
        testing::readyForQuestions(*game_, 5, 4);
        testing::nameSounds(*game_, "sfx");
        for (int i = 0; i < items; ++i) {
            const Dino& dino = dinos[i];
            itemrec it;
            it.name = dino.name;
            it.dif = 1;
            it.image = std::string(STRATAVEX_DATA_DIR) + "/" + dino.picture;
            it.found = std::string("Found where ") + dino.name + " lived";
            it.era = "Late Cretaceous";
            testing::addItem(*game_, it);
        }
        game_->qtype = static_cast<std::int16_t>(qtype);
    }

    static DragButton* button(QWidget& window, int index) {
        return control<DragButton>(window, arrayName("Btn1", index));
    }
    static QWidget* picture(QWidget& window, int index) {
        return control<QWidget>(window, arrayName("Image1", index));
    }
    static QLabel* description(QWidget& window, int index) {
        return control<QLabel>(window, arrayName("Label2", index));
    }

    static QWidget* slot(QWidget& window, int index) {
        return control<QWidget>(window, arrayName("NameSlot", index));
    }

    static QWidget* target(QWidget& window, bool pictures, int index) {
        return pictures ? picture(window, index) : description(window, index);
    }

    std::unique_ptr<MatchingWindow> open(bool pictures) {
        if (pictures)
            return std::make_unique<imatch>(*game_);
        return std::make_unique<qmatch>(*game_);
    }

    static QPoint centreIn(QWidget& window, const QWidget& widget) {
        return widget.mapTo(&window, widget.rect().center());
    }

    // A press on the source, two moves and a release, through the window
    // system the way a real mouse sends them.
    static void dragTo(QWidget& window, QWidget& source, QPoint end) {
        QWindow* handle = window.windowHandle();
        const QPoint start = centreIn(window, source);
        QTest::mousePress(handle, Qt::LeftButton, {}, start);
        QTest::mouseMove(handle, (start + end) / 2);
        QTest::mouseMove(handle, end);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, end);
    }

    // A drag through the window system, with the outline that follows the
    // pointer checked on the way.
    static void dragWatchingTheOutline(MatchingWindow& window, DragButton& name, QWidget& target,
                                       int targetIndex) {
        QWindow* handle = window.windowHandle();
        const QPoint end = centreIn(window, target);
        QTest::mousePress(handle, Qt::LeftButton, {}, centreIn(window, name));
        auto* outline = window.findChild<DragOutline*>(QStringLiteral("dragOutline"));
        QVERIFY(outline != nullptr);
        QVERIFY(outline->isVisible());
        QCOMPARE(outline->size(), name.size());
        QTest::mouseMove(handle, end);
        QCOMPARE(outline->pos(), end - name.rect().center());
        QCOMPARE(window.question().place(targetIndex), Matching::noButton);
        QTest::mouseRelease(handle, Qt::LeftButton, {}, end);
    }

    // Space on a name picks it up, with the sounds given; Space on a target
    // puts it there.
    void pickAndPutWithSpace(MatchingWindow& window, int index, QWidget& target,
                             const std::vector<std::string>& pickSounds) {
        DragButton& name = *button(window, index);
        name.setFocus(Qt::TabFocusReason);
        testing::type(window, Qt::Key_Space);
        QCOMPARE(window.keyPicked(), index);
        QVERIFY(name.picked());
        QCOMPARE(host_.sounds, pickSounds);
        target.setFocus(Qt::TabFocusReason);
        testing::type(window, Qt::Key_Space);
        QCOMPARE(window.keyPicked(), Matching::noButton);
        QVERIFY(!name.picked());
    }

    // A click on a bar starts a drag, with the click's own sound, that a
    // click on a description ends.
    void clickThenClick(MatchingWindow& window, DragButton& bar, const QLabel& line,
                        int lineIndex) {
        QWindow* handle = window.windowHandle();
        QTest::mouseClick(handle, Qt::LeftButton, {}, centreIn(window, bar));
        QCOMPARE(control<QLabel>(window, QStringLiteral("Label4"))->text(),
                 QStringLiteral("1 click"));
        QCOMPARE(host_.sounds, std::vector<std::string>{"sfx1"});
        QVERIFY(window.findChild<DragOutline*>()->isVisible());
        QCOMPARE(window.question().place(lineIndex), Matching::noButton);
        const QPoint onLine = centreIn(window, line) - QPoint(line.width() / 3, 0);
        QTest::mouseMove(handle, onLine);
        QTest::mouseClick(handle, Qt::LeftButton, {}, onLine);
    }

    // Every name the question has on a target lies in that target's slot,
    // clear of what the target shows, and every other name lies on no slot:
    // the screen shows what Done judges.
    static void verifyShownAsPlaced(MatchingWindow& window, bool pictures) {
        const Matching& question = window.question();
        for (int name = 0; name < question.pairs(); ++name) {
            const QRect shown = button(window, name)->geometry();
            const int t = question.targetOf(name);
            if (t >= 0) {
                QCOMPARE(shown, slot(window, t)->geometry());
                QVERIFY(!shown.intersects(target(window, pictures, t)->geometry()));
                continue;
            }
            for (int other = 0; other < question.pairs(); ++other)
                QVERIFY(!shown.intersects(slot(window, other)->geometry()));
        }
    }
    static void resizeTwips(QWidget& window, double width, double height) {
        resizeTo(window, twipsToPixelsX(window, width), twipsToPixelsY(window, height));
    }

    static double twipsX(const QWidget& w, int pixels) { return pixelsToTwipsX(w, pixels); }
    static bool near(double twips, double expected) { return std::abs(twips - expected) <= 16; }

    static QColor pixel(QWidget& widget, QPoint at) {
        return widget.grab().toImage().pixelColor(at);
    }

    static std::vector<QRect> geometries(QWidget& window) {
        std::vector<QRect> all;
        for (const QWidget* child : window.findChildren<QWidget*>())
            all.push_back(child->geometry());
        return all;
    }

private slots:
    void initTestCase() {
        defaultHandler = qInstallMessageHandler(quietAboutMouseGrabs);
        QVERIFY(folder_.enter());
    }
    void cleanupTestCase() { folder_.leave(); }

    // --- imatch ---

    void imatchShowsNamesPicturesAndItsButtons() {
        newGame(4, 1);
        imatch window(*game_);
        show(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Match 'em"));
        QCOMPARE(window.palette().color(QPalette::Window), QColor(0x80, 0x80, 0xFF));
        QCOMPARE(pixel(window, QPoint(2, 2)), QColor(0x80, 0x80, 0xFF));
        const Matching& question = window.question();
        for (int i = 0; i < 4; ++i) {
            DragButton* name = button(window, i);
            QVERIFY(name != nullptr);
            QCOMPARE(name->text().toStdString(), question.caption(i));
            QCOMPARE(name->toolTip(),
                     QStringLiteral("Click and drag this item to its description, below"));
            QVERIFY(name->font().bold());
            QVERIFY(name->shownPointSize() <= question.fontSize());
            QCOMPARE(pixel(*name, QPoint(4, name->height() / 2)), barColours[i]);
            auto* box = qobject_cast<PictureBox*>(picture(window, i));
            QVERIFY(box != nullptr);
            QVERIFY(box->hasPicture());
        }
        QVERIFY(window.findChild<DragButton*>(QStringLiteral("Btn14")) == nullptr);
        const struct {
            const char* name;
            const char* caption;
            const char* tip;
        } commands[] = {{"Command1", "Done", "Click here when you are ready to proceed"},
                        {"Command2", "Skip", "Click here when you are ready to proceed"},
                        {"cmdhelp", "Help", ""}};
        for (const auto& c : commands) {
            auto* command = control<QPushButton>(window, QString::fromLatin1(c.name));
            QVERIFY(command != nullptr);
            QCOMPARE(command->text(), QString::fromLatin1(c.caption));
            QCOMPARE(command->toolTip(), QString::fromLatin1(c.tip));
            QCOMPARE(command->font().pointSizeF(), 12.0);
            QCOMPARE(pixel(*command, QPoint(4, command->height() / 2)), QColor(0xFF, 0xFF, 0x80));
        }
    }

    void aNamePutOnAPictureLiesInTheSlotUnderIt_data() {
        QTest::addColumn<Put>("put");
        QTest::newRow("dragged there") << Put::drag;
        QTest::newRow("picked and put there with Space") << Put::space;
    }
    void aNamePutOnAPictureLiesInTheSlotUnderIt() {
        QFETCH(Put, put);
        newGame(4, 1);
        imatch window(*game_);
        QVERIFY(testing::activate(window));
        DragButton& name = *button(window, 1);
        QWidget& target = *picture(window, 2);
        if (put == Put::drag)
            dragWatchingTheOutline(window, name, target, 2);
        else
            pickAndPutWithSpace(window, 1, target, {"sfx0"});
        QCOMPARE(window.question().place(2), 1);
        QCOMPARE(host_.sounds, (std::vector<std::string>{"sfx0", "sfx1"}));
        const QRect b = name.geometry();
        const QRect p = target.geometry();
        QVERIFY(b.top() > p.bottom());
        QVERIFY(std::abs(b.center().x() - p.center().x()) <= 1);
        verifyShownAsPlaced(window, true);
        QVERIFY(!window.findChild<DragOutline*>()->isVisible());
        QVERIFY(target.accessibleName().startsWith(QStringLiteral("Picture 3, holds ")));
    }

    void aReleaseAwayFromThePicturesDropsNothing() {
        newGame(4, 1);
        imatch window(*game_);
        show(window);
        DragButton& name = *button(window, 0);
        const QRect before = name.geometry();
        // Between the two picture columns, above the name buttons.
        const QPoint gap(
            (picture(window, 0)->geometry().right() + picture(window, 1)->geometry().left()) / 2,
            5);
        dragTo(window, name, window.findChild<QGroupBox*>()->mapTo(&window, gap));
        for (int t = 0; t < 4; ++t)
            QCOMPARE(window.question().place(t), Matching::noButton);
        QCOMPARE(name.geometry(), before);
        QCOMPARE(host_.sounds, std::vector<std::string>{"sfx0"});
        QVERIFY(!window.findChild<DragOutline*>()->isVisible());
    }

    void escapeEndsADragWithoutADrop() {
        newGame(4, 1);
        imatch window(*game_);
        show(window);
        QWindow* handle = window.windowHandle();
        const QPoint end = centreIn(window, *picture(window, 0));
        QTest::mousePress(handle, Qt::LeftButton, {}, centreIn(window, *button(window, 2)));
        QTest::mouseMove(handle, end);
        QTest::keyClick(&window, Qt::Key_Escape);
        QVERIFY(!window.findChild<DragOutline*>()->isVisible());
        QVERIFY2(window.isVisible(), "Escape ends the drag, not the question");
        QTest::mouseRelease(handle, Qt::LeftButton, {}, end);
        QCOMPARE(window.question().place(0), Matching::noButton);
    }

    void aNameDroppedOnAnOccupiedPictureSendsTheOtherHome() {
        newGame(4, 1);
        imatch window(*game_);
        show(window);
        DragButton& first = *button(window, 0);
        DragButton& second = *button(window, 3);
        const QRect home = first.geometry();
        dragTo(window, first, centreIn(window, *picture(window, 1)));
        QVERIFY(first.geometry() != home);
        dragTo(window, second, centreIn(window, *picture(window, 1)));
        QCOMPARE(first.geometry(), home);
        QCOMPARE(window.question().place(1), 3);
    }

    // The pictures keep their shape and grow with the window, each with its
    // slot right under it.
    void imatchLaysOutPicturesAndSlotsFromTheWindowSize() {
        newGame(4, 1);
        imatch window(*game_);
        show(window);
        const QSize before = picture(window, 0)->size();
        resizeTwips(window, 14000, 11000);
        QVERIFY(picture(window, 0)->width() > before.width());
        QVERIFY(picture(window, 0)->height() > before.height());
        for (int i = 0; i < 4; ++i) {
            const QRect p = picture(window, i)->geometry();
            QVERIFY(std::abs(p.width() * 3 - p.height() * 4) <= 4);
            const QRect s = slot(window, i)->geometry();
            QVERIFY(s.top() > p.bottom() && s.top() - p.bottom() < s.height());
        }
        QVERIFY(picture(window, 2)->y() > slot(window, 0)->geometry().bottom());
        QCOMPARE(game_->config.winsize[8].width,
                 std::int16_t(std::lround(twipsX(window, window.width()))));
    }

    void skipClosesWithoutScoring() {
        newGame(4, 1);
        imatch window(*game_);
        show(window);
        const std::vector<std::int16_t> uses = game_->db.itemuse;
        dragTo(window, *button(window, 0), centreIn(window, *picture(window, 0)));
        control<QPushButton>(window, QStringLiteral("Command2"))->click();
        QCOMPARE(window.result(), int(QDialog::Rejected));
        QVERIFY(!window.isVisible());
        QCOMPARE(game_->player.possible, 0);
        QCOMPARE(game_->db.itemuse, uses);
        QVERIFY(host_.shown.empty());
    }

    void helpExplainsTheScreen() {
        newGame(4, 1);
        imatch window(*game_);
        show(window);
        control<QPushButton>(window, QStringLiteral("cmdhelp"))->click();
        QCOMPARE(host_.messages.size(), std::size_t(1));
        QVERIFY(host_.messages[0].text.find("Then drag it to its picture") != std::string::npos);
        QVERIFY(window.isVisible());
    }

    void tooFewItemsLeaveOnlySkip() {
        newGame(3, 1);
        imatch window(*game_);
        show(window);
        QCOMPARE(host_.shown, std::vector<WindowId>{WindowId::setup});
        QCOMPARE(game_->settings.selected[1], std::int16_t(0));
        for (int i = 0; i < 4; ++i)
            QVERIFY(!button(window, i)->isEnabled());
        QVERIFY(!control<QPushButton>(window, QStringLiteral("Command1"))->isEnabled());
        QVERIFY(control<QPushButton>(window, QStringLiteral("Command2"))->isEnabled());
        dragTo(window, *button(window, 0), centreIn(window, *picture(window, 0)));
        QVERIFY(host_.sounds.empty());
    }

    // --- the keyboard, both screens ---

    // In reading order, which is the order of their numbers on both screens.
    void tabVisitsTheNamesThenTheTargetsThenTheButtons_data() {
        QTest::addColumn<bool>("pictures");
        QTest::addColumn<std::vector<int>>("names");
        QTest::newRow("imatch") << true << std::vector<int>{0, 1, 2, 3};
        QTest::newRow("qmatch") << false << std::vector<int>{0, 1, 2, 3, 4};
    }
    void tabVisitsTheNamesThenTheTargetsThenTheButtons() {
        QFETCH(bool, pictures);
        QFETCH(std::vector<int>, names);
        newGame(5, pictures ? 1 : 18);
        std::unique_ptr<MatchingWindow> window = open(pictures);
        QVERIFY(testing::activate(*window));
        const int pairs = pictures ? 4 : 5;
        std::vector<QWidget*> expected;
        for (int name : names)
            expected.push_back(button(*window, name));
        for (int i = 0; i < pairs; ++i)
            expected.push_back(target(*window, pictures, i));
        for (const char* name : {"Command1", "Command2", "cmdhelp"})
            expected.push_back(control<QPushButton>(*window, QString::fromLatin1(name)));
        QCOMPARE(QApplication::focusWidget(), expected.front());
        for (std::size_t i = 1; i < expected.size(); ++i) {
            testing::type(*window, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), expected[i]);
        }
        testing::type(*window, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), expected.front());
    }

    void escapeLetsGoOfAPickedName_data() { tabVisitsTheNamesThenTheTargetsThenTheButtons_data(); }
    void escapeLetsGoOfAPickedName() {
        QFETCH(bool, pictures);
        newGame(5, pictures ? 1 : 18);
        std::unique_ptr<MatchingWindow> window = open(pictures);
        QVERIFY(testing::activate(*window));
        DragButton& name = *button(*window, 0);
        const QRect home = name.geometry();
        name.setFocus(Qt::TabFocusReason);
        testing::type(*window, Qt::Key_Space);
        QCOMPARE(window->keyPicked(), 0);
        testing::type(*window, Qt::Key_Escape);
        QCOMPARE(window->keyPicked(), Matching::noButton);
        QVERIFY(!name.picked());
        QVERIFY2(window->isVisible(), "Escape lets go of the name, not of the question");
        target(*window, pictures, 0)->setFocus(Qt::TabFocusReason);
        testing::type(*window, Qt::Key_Space);
        QCOMPARE(window->question().place(0), Matching::noButton);
        QCOMPARE(name.geometry(), home);
        QCOMPARE(game_->player.possible, std::int16_t{0});
    }

    void aMousePressTakesOverFromAPickedName() {
        newGame(4, 1);
        imatch window(*game_);
        QVERIFY(testing::activate(window));
        testing::type(window, Qt::Key_Space);
        QCOMPARE(window.keyPicked(), 0);
        dragTo(window, *button(window, 2), centreIn(window, *picture(window, 1)));
        QCOMPARE(window.keyPicked(), Matching::noButton);
        QVERIFY(!button(window, 0)->picked());
        QCOMPARE(window.question().place(1), 2);
        picture(window, 3)->setFocus(Qt::TabFocusReason);
        testing::type(window, Qt::Key_Space);
        QCOMPARE(window.question().place(3), Matching::noButton);
    }

    // Every name onto its own picture, then Done, without the mouse.
    void aWholeQuestionIsPlayedWithTheKeyboard_data() {
        tabVisitsTheNamesThenTheTargetsThenTheButtons_data();
    }
    void aWholeQuestionIsPlayedWithTheKeyboard() {
        QFETCH(bool, pictures);
        newGame(5, pictures ? 1 : 18);
        std::unique_ptr<MatchingWindow> window = open(pictures);
        QVERIFY(testing::activate(*window));
        const int pairs = pictures ? 4 : 5;
        for (int t = 0; t < pairs; ++t) {
            const int name = window->question().perm(t);
            QVERIFY(testing::tabTo(*window, button(*window, name)));
            testing::type(*window, Qt::Key_Space);
            QVERIFY(testing::tabTo(*window, target(*window, pictures, t)));
            testing::type(*window, Qt::Key_Space);
        }
        QVERIFY(testing::tabTo(*window, control<QPushButton>(*window, "Command1")));
        testing::type(*window, Qt::Key_Space);
        QCOMPARE(game_->showscor.Text1, std::string("*** All correct!"));
        QCOMPARE(int(game_->player.score), 2 * pairs);
        QCOMPARE(window->result(), int(QDialog::Accepted));
    }

    void theWindowsToolTipNamesTheKeys_data() {
        tabVisitsTheNamesThenTheTargetsThenTheButtons_data();
    }
    void theWindowsToolTipNamesTheKeys() {
        QFETCH(bool, pictures);
        newGame(5, pictures ? 1 : 18);
        std::unique_ptr<MatchingWindow> window = open(pictures);
        for (const char* key : {"Tab", "Space", "Esc"})
            QVERIFY(window->toolTip().contains(QString::fromLatin1(key)));
        // Where a control has no tool tip of its own, the window's is shown.
        QVERIFY(target(*window, pictures, 1)->toolTip().isEmpty());
    }

    // --- qmatch ---

    void qmatchBarsStandInTheirColoursAndPlaces_data() {
        QTest::addColumn<int>("index");
        QTest::newRow("bar 0 orange") << 0;
        QTest::newRow("bar 1 magenta") << 1;
        QTest::newRow("bar 2 cyan") << 2;
        QTest::newRow("bar 3 green") << 3;
        QTest::newRow("bar 4 yellow") << 4;
    }

    // At home the bars stand apart above the descriptions.
    void qmatchBarsStandInTheirColoursAndPlaces() {
        QFETCH(int, index);
        newGame(5, 18);
        qmatch window(*game_);
        show(window);
        DragButton& bar = *button(window, index);
        QCOMPARE(bar.colour(), barColours[index]);
        QCOMPARE(pixel(bar, QPoint(4, bar.height() / 2)), barColours[index]);
        QVERIFY(bar.geometry().bottom() < description(window, 0)->y());
        for (int other = 0; other < 5; ++other)
            QVERIFY(other == index ||
                    !bar.geometry().intersects(button(window, other)->geometry()));
        QCOMPARE(bar.text().toStdString(), window.question().caption(index));
        QCOMPARE(bar.toolTip().isEmpty(), index != 0);
        QLabel& line = *description(window, index);
        QCOMPARE(line.text().toStdString(), window.question().description(index));
        QCOMPARE(line.textFormat(), Qt::PlainText);
        QVERIFY(line.font().bold());
        QCOMPARE(line.font().pointSizeF(), 12.0);
        QCOMPARE(pixel(line, QPoint(1, 1)), QColor(0xFF, 0x80, 0xFF));
        QCOMPARE(line.toolTip().isEmpty(), index != 0);
    }

    void qmatchShowsThePromptAndItsButtons() {
        newGame(5, 18);
        qmatch window(*game_);
        show(window);
        QCOMPARE(window.windowTitle(), QStringLiteral("Match 'em"));
        auto* prompt = control<QLabel>(window, QStringLiteral("Label1"));
        QCOMPARE(prompt->text(), QStringLiteral("Where were they found?"));
        QCOMPARE(prompt->font().pointSizeF(), 13.5);
        QCOMPARE(description(window, 0)->toolTip(),
                 QStringLiteral("Drag one of the colored bars to this description"));
        QCOMPARE(control<QPushButton>(window, QStringLiteral("Command1"))->text(),
                 QStringLiteral("Done"));
        QCOMPARE(control<QPushButton>(window, QStringLiteral("Command2"))->text(),
                 QStringLiteral("Skip"));
        auto* status = control<QLabel>(window, QStringLiteral("Label4"));
        QVERIFY(status != nullptr);
        QVERIFY2(!status->isVisibleTo(&window), "it tells the player nothing");
    }

    void aBarPutOnADescriptionLiesInItsSlot_data() {
        QTest::addColumn<Put>("put");
        QTest::addColumn<int>("bar");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("status");
        QTest::addColumn<std::vector<std::string>>("sounds");
        QTest::newRow("dragged there")
            << Put::drag << 2 << 3 << "2 mousedown" << std::vector<std::string>{"sfx2"};
        QTest::newRow("picked and put there with Space")
            << Put::space << 2 << 3 << "2 mousedown" << std::vector<std::string>{"sfx2"};
        QTest::newRow("clicked, then its description clicked")
            << Put::clicks << 1 << 0 << "1 click" << std::vector<std::string>{"sfx1", "sfx2"};
    }
    void aBarPutOnADescriptionLiesInItsSlot() {
        QFETCH(Put, put);
        QFETCH(int, bar);
        QFETCH(int, line);
        QFETCH(QString, status);
        QFETCH(std::vector<std::string>, sounds);
        newGame(5, 18);
        qmatch window(*game_);
        QVERIFY(testing::activate(window));
        DragButton& moved = *button(window, bar);
        QLabel& target = *description(window, line);
        if (put == Put::drag)
            dragTo(window, moved, centreIn(window, target) + QPoint(target.width() / 3, 0));
        else if (put == Put::space)
            pickAndPutWithSpace(window, bar, target, {});
        else
            clickThenClick(window, moved, target, line);
        QCOMPARE(window.question().place(line), bar);
        QCOMPARE(moved.geometry(), slot(window, line)->geometry());
        QVERIFY(!moved.geometry().intersects(target.geometry()));
        QCOMPARE(control<QLabel>(window, QStringLiteral("Label4"))->text(), status);
        QCOMPARE(host_.sounds, sounds);
        QVERIFY(!window.findChild<DragOutline*>()->isVisible());
        QVERIFY(window.isVisible());
    }

    void eventsSentToTheControlsDragToo() {
        newGame(5, 18);
        qmatch window(*game_);
        show(window);
        DragButton& bar = *button(window, 0);
        QLabel& line = *description(window, 4);
        QTest::mousePress(&bar, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(&bar, bar.mapFrom(&window, centreIn(window, line)));
        QTest::mouseRelease(&line, Qt::LeftButton, {}, QPoint(10, 10));
        QCOMPARE(window.question().place(4), 0);
        QCOMPARE(bar.geometry(), slot(window, 4)->geometry());
    }

    void aClickedBarThenAClickElsewhereDropsNothing() {
        newGame(5, 18);
        qmatch window(*game_);
        show(window);
        DragButton& bar = *button(window, 3);
        const QRect before = bar.geometry();
        QWindow* handle = window.windowHandle();
        QTest::mouseClick(handle, Qt::LeftButton, {}, centreIn(window, bar));
        QTest::mouseClick(handle, Qt::LeftButton, {}, QPoint(5, window.height() / 2));
        QVERIFY(!window.findChild<DragOutline*>()->isVisible());
        QCOMPARE(bar.geometry(), before);
        for (int t = 0; t < 5; ++t)
            QCOMPARE(window.question().place(t), Matching::noButton);
        QVERIFY(window.isVisible());
    }

    void qmatchDoneShowsTheScoreAndCloses() {
        newGame(5, 18);
        qmatch window(*game_);
        show(window);
        for (int t = 0; t < 3; ++t)
            dragTo(window, *button(window, window.question().perm(t)),
                   centreIn(window, *description(window, t)) -
                       QPoint(description(window, t)->width() / 3, 0));
        control<QPushButton>(window, QStringLiteral("Command1"))->click();
        QCOMPARE(game_->showscor.Text1, std::string("\r\n*** Scored 6 of 10"));
        QCOMPARE(game_->showscor.Label1, std::string("Results for Matching Where found?"));
        QCOMPARE(window.result(), int(QDialog::Accepted));
    }

    void qmatchWidensItsDescriptionsWithTheWindow() {
        newGame(5, 18);
        qmatch window(*game_);
        show(window);
        const int before = description(window, 0)->width();
        resizeTwips(window, 14000, 7500);
        const Twips frame(*window.findChild<QGroupBox*>(QStringLiteral("Frame1")));
        QVERIFY(near(frame.width(), 13900));
        QVERIFY(near(frame.height(), 7400));
        for (int i = 0; i < 5; ++i) {
            const QLabel& line = *description(window, i);
            QVERIFY(line.width() > before);
            QVERIFY(line.x() > slot(window, i)->geometry().right());
        }
        QCOMPARE(game_->config.winsize[2].width,
                 std::int16_t(std::lround(twipsX(window, window.width()))));
    }

    void aLongDescriptionIsShownSmallerRatherThanCutOff() {
        newGame(5, 18);
        std::string longText;
        while (longText.size() < 300)
            longText += "Found in the hills and the rivers far away. ";
        game_->db.items[2].found = longText;
        qmatch window(*game_);
        show(window);
        QLabel* found = nullptr;
        for (int t = 0; t < 5; ++t)
            if (description(window, t)->text().toStdString() == longText)
                found = description(window, t);
        QVERIFY(found != nullptr);
        QLabel& line = *found;
        QVERIFY(line.font().pointSizeF() < 12);
        const QRect needed =
            QFontMetrics(line.font())
                .boundingRect(line.contentsRect(), Qt::AlignLeft | Qt::TextWordWrap, line.text());
        QVERIFY(needed.height() <= line.contentsRect().height());
    }

    void allNameButtonsShowTheirCaptionsAtOneSize() {
        newGame(4, 1);
        game_->db.items[3].name = "Pachycephalosaurus wyomingensis";
        imatch window(*game_);
        show(window);
        QCOMPARE(window.question().fontSize(), 10);
        const double size = button(window, 0)->shownPointSize();
        QVERIFY(size <= 10);
        for (int i = 1; i < 4; ++i)
            QCOMPARE(button(window, i)->shownPointSize(), size);
    }

    // A size saved smaller than the screen can be laid out at is not taken.
    void theWindowIsNeverSmallerThanItsLeastSize_data() {
        QTest::addColumn<bool>("pictures");
        QTest::addColumn<int>("sizeSlot");
        QTest::newRow("imatch") << true << 8;
        QTest::newRow("qmatch") << false << 2;
    }
    void theWindowIsNeverSmallerThanItsLeastSize() {
        QFETCH(bool, pictures);
        QFETCH(int, sizeSlot);
        newGame(5, pictures ? 1 : 18);
        game_->config.winsize[static_cast<std::size_t>(sizeSlot)].width = 2000;
        game_->config.winsize[static_cast<std::size_t>(sizeSlot)].height = 2000;
        std::unique_ptr<MatchingWindow> window = open(pictures);
        show(*window);
        QVERIFY(window->minimumWidth() > twipsToPixelsX(*window, 2000));
        QCOMPARE(window->size(), window->minimumSize());
    }

    // After a name is moved from one target to another, and after a resize,
    // the names lie in the slots of the targets the question has them on,
    // and Done judges exactly those.
    void whatDoneJudgesIsWhatTheScreenShows_data() {
        QTest::addColumn<bool>("pictures");
        QTest::addColumn<bool>("resize");
        QTest::newRow("imatch, a name moved on") << true << false;
        QTest::newRow("imatch, a name moved on, then a resize") << true << true;
        QTest::newRow("qmatch, a bar moved on") << false << false;
        QTest::newRow("qmatch, a bar moved on, then a resize") << false << true;
    }
    void whatDoneJudgesIsWhatTheScreenShows() {
        QFETCH(bool, pictures);
        QFETCH(bool, resize);
        newGame(5, pictures ? 1 : 18);
        std::unique_ptr<MatchingWindow> window = open(pictures);
        show(*window);
        const Matching& question = window->question();
        // The name of target 1 is dropped there, then moved on to target 0;
        // the name of target 2 goes on it and stays.
        const int movedName = question.perm(1);
        const int keptName = question.perm(2);
        dragTo(*window, *button(*window, movedName), centreIn(*window, *slot(*window, 1)));
        dragTo(*window, *button(*window, movedName),
               centreIn(*window, *target(*window, pictures, 0)));
        dragTo(*window, *button(*window, keptName), centreIn(*window, *slot(*window, 2)));
        QCOMPARE(question.place(1), Matching::noButton);
        QCOMPARE(question.place(0), movedName);
        QCOMPARE(question.place(2), keptName);
        if (resize)
            resizeTwips(*window, 16000, 12000);
        verifyShownAsPlaced(*window, pictures);
        control<QPushButton>(*window, QStringLiteral("Command1"))->click();
        const std::string moved = question.caption(movedName);
        const std::string wrongLine =
            pictures ? moved + " placed on image of " + question.caption(question.perm(0))
                     : moved + " = Found where " + moved + " lived";
        const std::string scoreLine =
            pictures ? "\r\n\r\n*** Scored 1 of 4" : "\r\n*** Scored 2 of 10";
        QCOMPARE(game_->showscor.Text1, "\r\n" + wrongLine + scoreLine);
        QCOMPARE(int(game_->player.score), 2);
    }
};

} // namespace stratavex

QTEST_MAIN(stratavex::MatchingWindowTest)
#include "matching_window_wtest.moc"
