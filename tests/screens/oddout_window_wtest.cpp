// SPDX-License-Identifier: MIT
#include "screens/Ioddout_window.h"
#include "screens/qoddout_window.h"

#include "base/qt_controls.h"
#include "base/qt_text.h"
#include "database/attributes.h"
#include "engine/game.h"
#include "qtsupport/qt_test_host.h"
#include "screens/keyboard_support.h"
#include "support/sample_items.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <memory>
#include <set>
#include <vector>

namespace stratavex {
namespace {

using testing::control;
using testing::RecordingHost;
using testing::resizeTo;
using testing::show;

constexpr int notOfThisEra = 10;
constexpr int dietByImage = 5;

enum class Screen { qoddout, Ioddout };

// Pixels can only approximate twips; a layout value is right within one pixel.
constexpr double pixelTolerance = 16;

} // namespace
} // namespace stratavex

Q_DECLARE_METATYPE(stratavex::Screen)

namespace stratavex {

class OddOutWindowTest : public QObject {
    Q_OBJECT

private:
    testing::WorkingFolder folder_;
    RecordingHost host_;
    std::unique_ptr<Game> game_;

    static QRadioButton* option(QWidget& window, int i) {
        return control<QRadioButton>(window, QStringLiteral("Option1%1").arg(i));
    }
    static PictureBox* picture(QWidget& window, int i) {
        return control<PictureBox>(window, QStringLiteral("Image1%1").arg(i));
    }

    int add(const std::string& name, const std::string& era, const std::string& diet) {
        itemrec it;
        it.name = name;
        it.dif = 1;
        it.era = era;
        it.diet = diet;
        it.family = name + "idae";
        it.suborder = "Theropoda";
        it.image = name + ".png";
        return testing::addItem(*game_, it);
    }

    // Four of a group and an odd one that cannot lead the group. The odd
    // one's picture file is missing.
    void fillTable() {
        for (const char* name :
             {"Tyrannosaurus", "Albertosaurus & Co", "Daspletosaurus", "Gorgosaurus"}) {
            add(name, "Late Cretaceous", "meat");
            QImage image(40, 30, QImage::Format_RGB32);
            image.fill(Qt::darkGreen);
            QVERIFY(image.save(QString::fromStdString(std::string(name) + ".png")));
        }
        const int odd = add("Stegosaurus", "Late Jurassic", "plant");
        game_->db.itemuse[static_cast<std::size_t>(odd)] = 5;
    }

    std::unique_ptr<QDialog> open(Screen screen) {
        game_->qtype = screen == Screen::qoddout ? notOfThisEra : dietByImage;
        if (screen == Screen::qoddout)
            return std::make_unique<qoddout>(*game_);
        return std::make_unique<Ioddout>(*game_);
    }

    static QWidget* item(QWidget& window, Screen screen, int position) {
        if (screen == Screen::qoddout)
            return option(window, position);
        return picture(window, position);
    }

    // The position that shows the odd item.
    int oddPosition(QWidget& window, Screen screen) const {
        for (int p = 0; p < 4; ++p) {
            if (screen == Screen::qoddout && option(window, p)->text() == "Stegosaurus")
                return p;
            if (screen == Screen::Ioddout && !picture(window, p)->hasPicture())
                return p;
        }
        return -1;
    }

    static void click(QWidget& target) {
        // An option takes clicks on its indicator and text only.
        QTest::mouseClick(&target, Qt::LeftButton, {}, QPoint(8, target.height() / 2));
    }

    // The largest pixel size that stays below the given number of twips.
    static int pixelsBelow(double twips, int dpi) {
        return static_cast<int>(std::ceil(twips * dpi / twipsPerInch)) - 1;
    }
    static int pixels(double twips, int dpi) {
        return static_cast<int>(std::lround(twips * dpi / twipsPerInch));
    }

    static double twipsLeft(const QWidget& w) { return pixelsToTwipsX(w, w.x()); }
    static double twipsTop(const QWidget& w) { return pixelsToTwipsY(w, w.y()); }
    static double twipsWidth(const QWidget& w) { return pixelsToTwipsX(w, w.width()); }
    static double twipsHeight(const QWidget& w) { return pixelsToTwipsY(w, w.height()); }

    static std::vector<QRect> itemGeometry(QWidget& window, Screen screen) {
        std::vector<QRect> rects;
        for (int p = 0; p < 4; ++p)
            rects.push_back(item(window, screen, p)->geometry());
        return rects;
    }

private slots:
    void initTestCase() { QVERIFY(folder_.enter()); }

    void cleanupTestCase() { folder_.leave(); }

    void init() {
        host_ = RecordingHost{};
        game_ = std::make_unique<Game>(host_);
        game_->random.seed(11);
        inittables(*game_);
        game_->settings.maxdif = 4;
        game_->settings.logstatus = 0;
        game_->settings.soundon = 1;
        testing::nameSounds(*game_, "sfx", ".wav");
        fillTable();
    }

    void textScreenShowsPromptAndFourNames() {
        auto window = open(Screen::qoddout);
        QCOMPARE(window->windowTitle(), QStringLiteral("Which is not of this era"));
        QCOMPARE(control<QLabel>(*window, "Label1")->text(),
                 QStringLiteral("Which did not live in the Late Cretaceous?"));
        QVERIFY(control<QGroupBox>(*window, "Frame1") != nullptr);
        std::set<QString> shown;
        for (int p = 0; p < 4; ++p) {
            QRadioButton* o = option(*window, p);
            QVERIFY(o != nullptr);
            QVERIFY(o->isEnabled());
            QVERIFY(!o->isChecked());
            // An ampersand in a name is shown, not taken as a shortcut.
            shown.insert(o->text().replace(QStringLiteral("&&"), QStringLiteral("&")));
        }
        QCOMPARE(shown.size(), std::size_t{4});
        QVERIFY(shown.count(QStringLiteral("Stegosaurus")) == 1);
        const int odd = oddPosition(*window, Screen::qoddout);
        QVERIFY(odd >= 0 && odd < 3);
    }

    void pictureScreenShowsPromptAndFourPictures() {
        auto window = open(Screen::Ioddout);
        QCOMPARE(window->windowTitle(), QStringLiteral("Diet by image?"));
        QCOMPARE(control<QLabel>(*window, "Label1")->text(),
                 QStringLiteral("Which was not a meat eater?"));
        int missing = 0;
        for (int p = 0; p < 4; ++p) {
            QVERIFY(picture(*window, p) != nullptr);
            missing += picture(*window, p)->hasPicture() ? 0 : 1;
        }
        QCOMPARE(missing, 1);
        const int odd = oddPosition(*window, Screen::Ioddout);
        QVERIFY(odd >= 0 && odd < 3);
    }

    void buttons_data() {
        QTest::addColumn<Screen>("screen");
        QTest::newRow("qoddout") << Screen::qoddout;
        QTest::newRow("Ioddout") << Screen::Ioddout;
    }

    void buttons() {
        QFETCH(Screen, screen);
        auto window = open(screen);
        auto* help = control<QPushButton>(*window, "cmdhelp");
        auto* skip = control<QPushButton>(*window, "cmdSkip");
        QVERIFY(help != nullptr && skip != nullptr);
        QCOMPARE(help->text(), QStringLiteral("Help"));
        QCOMPARE(skip->text(), QStringLiteral("Skip"));
        QCOMPARE(skip->toolTip(), QStringLiteral("Click here when you are ready to proceed"));
    }

    void clickAnswers_data() {
        QTest::addColumn<Screen>("screen");
        QTest::addColumn<bool>("right");
        QTest::addColumn<QString>("verdict");
        QTest::addColumn<int>("score");
        QTest::addColumn<QString>("sound");
        QTest::newRow("qoddout right")
            << Screen::qoddout << true << "Correct -- Stegosaurus is not Late Cretaceous" << 5
            << "sfx4.wav";
        QTest::newRow("qoddout wrong")
            << Screen::qoddout << false << "No, Stegosaurus is not Late Cretaceous" << 0
            << "sfx6.wav";
        QTest::newRow("Ioddout right")
            << Screen::Ioddout << true << "Correct -- Stegosaurus is not meat eater" << 5 << "";
        QTest::newRow("Ioddout wrong")
            << Screen::Ioddout << false << "No, Stegosaurus is not meat eater" << 0 << "";
    }

    void clickAnswers() {
        QFETCH(Screen, screen);
        QFETCH(bool, right);
        QFETCH(QString, verdict);
        QFETCH(int, score);
        QFETCH(QString, sound);
        auto window = open(screen);
        show(*window);
        const int odd = oddPosition(*window, screen);
        QVERIFY(odd >= 0);
        click(*item(*window, screen, right ? odd : (odd + 1) % 4));

        QCOMPARE(QString::fromStdString(game_->showscor.Text1), verdict);
        QCOMPARE(int{game_->player.score}, score);
        QCOMPARE(int{game_->player.possible}, 5);
        QCOMPARE(host_.shown, std::vector<WindowId>{WindowId::showscor});
        QCOMPARE(host_.sounds.size(), sound.isEmpty() ? std::size_t{0} : std::size_t{1});
        if (!sound.isEmpty())
            QCOMPARE(QString::fromStdString(host_.sounds[0]), sound);
        QVERIFY(!window->isVisible());
        QCOMPARE(window->result(), int{QDialog::Accepted});
    }

    // A number key takes the same path as a click on the item at its position.
    void aNumberKeyAnswersAsAClickOnItsItemDoes_data() { clickAnswers_data(); }
    void aNumberKeyAnswersAsAClickOnItsItemDoes() {
        QFETCH(Screen, screen);
        QFETCH(bool, right);
        QFETCH(QString, verdict);
        QFETCH(int, score);
        QFETCH(QString, sound);
        auto window = open(screen);
        QVERIFY(testing::activate(*window));
        const int odd = oddPosition(*window, screen);
        QVERIFY(odd >= 0);
        const int chosen = right ? odd : (odd + 1) % 4;
        testing::type(*window, Qt::Key(Qt::Key_1 + chosen));

        QCOMPARE(QString::fromStdString(game_->showscor.Text1), verdict);
        QCOMPARE(int{game_->player.score}, score);
        QCOMPARE(int{game_->player.possible}, 5);
        QCOMPARE(host_.shown, std::vector<WindowId>{WindowId::showscor});
        QCOMPARE(host_.sounds.size(), sound.isEmpty() ? std::size_t{0} : std::size_t{1});
        QVERIFY(!window->isVisible());
        QCOMPARE(window->result(), int{QDialog::Accepted});
    }

    void spaceOnAPictureInFocusChoosesIt() {
        auto window = open(Screen::Ioddout);
        QVERIFY(testing::activate(*window));
        const int odd = oddPosition(*window, Screen::Ioddout);
        // Tab reaches the pictures in their order, after the controls before them.
        QVERIFY(testing::tabTo(*window, picture(*window, odd)));
        testing::type(*window, Qt::Key_Space);
        QCOMPARE(QString::fromStdString(game_->showscor.Text1),
                 QStringLiteral("Correct -- Stegosaurus is not meat eater"));
        QVERIFY(!window->isVisible());
    }

    void keysBeyondTheFourItemsChooseNothing_data() { buttons_data(); }
    void keysBeyondTheFourItemsChooseNothing() {
        QFETCH(Screen, screen);
        auto window = open(screen);
        QVERIFY(testing::activate(*window));
        testing::type(*window, Qt::Key_5);
        testing::type(*window, Qt::Key_0);
        testing::type(*window, Qt::Key_1, Qt::ControlModifier);
        testing::typeRepeat(*window, Qt::Key_2, QStringLiteral("2"));
        QVERIFY(window->isVisible());
        QVERIFY(host_.shown.empty());
        QCOMPARE(int{game_->player.possible}, 0);
    }

    void theToolTipsNameTheKeys_data() { buttons_data(); }
    void theToolTipsNameTheKeys() {
        QFETCH(Screen, screen);
        auto window = open(screen);
        QVERIFY(window->toolTip().contains(QStringLiteral("1 to 4")));
        for (int p = 0; p < 4; ++p)
            QVERIFY(item(*window, screen, p)->toolTip().contains(QString::number(p + 1)));
    }

    void skipScoresNothing_data() { buttons_data(); }

    void skipScoresNothing() {
        QFETCH(Screen, screen);
        auto window = open(screen);
        show(*window);
        const std::vector<std::int16_t> counters = game_->db.itemuse;
        QTest::mouseClick(control<QPushButton>(*window, "cmdSkip"), Qt::LeftButton);
        QVERIFY(!window->isVisible());
        QCOMPARE(int{game_->player.possible}, 0);
        QVERIFY(host_.shown.empty());
        QVERIFY(game_->db.itemuse == counters);
    }

    void helpExplainsTheClick_data() {
        QTest::addColumn<Screen>("screen");
        QTest::addColumn<QString>("text");
        QTest::newRow("qoddout") << Screen::qoddout
                                 << "Click on the item that does NOT fit the pattern";
        QTest::newRow("Ioddout") << Screen::Ioddout
                                 << "Click on the image that does NOT fit the pattern";
    }

    void helpExplainsTheClick() {
        QFETCH(Screen, screen);
        QFETCH(QString, text);
        auto window = open(screen);
        show(*window);
        QTest::mouseClick(control<QPushButton>(*window, "cmdhelp"), Qt::LeftButton);
        QCOMPARE(host_.messages.size(), std::size_t{1});
        QCOMPARE(QString::fromStdString(host_.messages[0].text), text);
        QVERIFY(window->isVisible());
        QCOMPARE(int{game_->player.possible}, 0);
    }

    void failedBuildLeavesOnlySkip_data() { buttons_data(); }

    void failedBuildLeavesOnlySkip() {
        QFETCH(Screen, screen);
        game_->db.nitems = 0;
        game_->db.itemuse.assign(1, 0);
        auto window = open(screen);
        show(*window);
        QCOMPARE(host_.messages.size(), std::size_t{1});
        QCOMPARE(host_.shown, std::vector<WindowId>{WindowId::setup});
        for (int p = 0; p < 4; ++p) {
            QVERIFY(!item(*window, screen, p)->isEnabled());
            click(*item(*window, screen, p));
        }
        QCOMPARE(int{game_->player.possible}, 0);
        QVERIFY(window->isVisible());
        QVERIFY(control<QPushButton>(*window, "cmdSkip")->isEnabled());
    }

    // Below 3000 twips high (text screen) or wide (picture screen) a resize
    // leaves the layout and the saved size alone.
    void smallWindowIsNotLaidOut_data() {
        QTest::addColumn<Screen>("screen");
        QTest::addColumn<bool>("lowerHeight");
        QTest::newRow("qoddout under 3000 high") << Screen::qoddout << true;
        QTest::newRow("Ioddout under 3000 wide") << Screen::Ioddout << false;
    }

    void smallWindowIsNotLaidOut() {
        QFETCH(Screen, screen);
        QFETCH(bool, lowerHeight);
        auto window = open(screen);
        show(*window);
        // The layout rules and their guards reach below the window's least
        // size, which the player cannot go under.
        window->setMinimumSize(0, 0);
        auto* frame = control<QGroupBox>(*window, "Frame1");
        const QRect frameBefore = frame->geometry();
        const std::vector<QRect> before = itemGeometry(*window, screen);
        const WindowRecord saved = game_->config.winsize[7];

        const int width =
            lowerHeight ? window->width() + 40 : pixelsBelow(3000, window->logicalDpiX());
        const int height =
            lowerHeight ? pixelsBelow(3000, window->logicalDpiY()) : window->height() + 40;
        resizeTo(*window, width, height);

        QCOMPARE(frame->geometry(), frameBefore);
        QVERIFY(itemGeometry(*window, screen) == before);
        QVERIFY(game_->config.winsize[7] == saved);
    }

    void textScreenLayout() {
        auto window = open(Screen::qoddout);
        show(*window);
        // The layout rules and their guards reach below the window's least
        // size, which the player cannot go under.
        window->setMinimumSize(0, 0);
        const int dpiX = window->logicalDpiX();
        const int dpiY = window->logicalDpiY();
        // Just 3000 high is laid out, however narrow.
        resizeTo(*window, pixels(12000, dpiX), pixels(3000, dpiY));
        auto* frame = control<QGroupBox>(*window, "Frame1");
        QVERIFY(std::abs(twipsWidth(*frame) - (twipsWidth(*window) - 100)) <= pixelTolerance);
        QVERIFY(std::abs(twipsHeight(*frame) - (twipsHeight(*window) - 100)) <= pixelTolerance);
        // The frame is centred; the options sit 400 in from its left edge as it
        // was before centring, and are 1000 narrower than the frame.
        QVERIFY(std::abs(twipsLeft(*frame) - 50) <= pixelTolerance);
        for (int p = 0; p < 4; ++p) {
            QRadioButton* o = option(*window, p);
            QVERIFY(std::abs(twipsLeft(*o) - (50 + 400)) <= pixelTolerance);
            QVERIFY(std::abs(twipsWidth(*o) - (twipsWidth(*frame) - 1000)) <= pixelTolerance);
        }
        auto* label = control<QLabel>(*window, "Label1");
        QCOMPARE(label->x(), option(*window, 0)->x());
        QCOMPARE(label->width(), option(*window, 0)->width());
        const WindowRecord& saved = game_->config.winsize[7];
        QVERIFY(std::abs(saved.width - twipsWidth(*window)) <= 1);
        QVERIFY(std::abs(saved.height - twipsHeight(*window)) <= 1);
    }

    // The pictures take what the height gives two rows, unless the width
    // gives two columns less; help and skip keep their distance from the
    // frame's lower corners.
    void pictureScreenLayout_data() {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::newRow("just 3000 wide: the width decides") << 3000.0 << 7200.0;
        QTest::newRow("wide: the height decides") << 15000.0 << 9000.0;
    }
    void pictureScreenLayout() {
        QFETCH(double, width);
        QFETCH(double, height);
        auto window = open(Screen::Ioddout);
        show(*window);
        // The layout rules reach below the window's least size, which the
        // player cannot go under.
        window->setMinimumSize(0, 0);
        resizeTo(*window, pixels(width, window->logicalDpiX()),
                 pixels(height, window->logicalDpiY()));
        auto* frame = control<QGroupBox>(*window, "Frame1");
        const double frameWidth = twipsWidth(*window) - 100;
        const double frameHeight = twipsHeight(*window) - 100;
        QVERIFY(std::abs(twipsWidth(*frame) - frameWidth) <= pixelTolerance);
        QVERIFY(std::abs(twipsHeight(*frame) - frameHeight) <= pixelTolerance);

        const double h = std::min((frameHeight - 2100) / 2, (frameWidth / 2 - 150 - 200) * 3 / 4);
        for (int p = 0; p < 4; ++p) {
            PictureBox* pic = picture(*window, p);
            QVERIFY(pic->isVisible());
            QVERIFY(std::abs(twipsHeight(*pic) - h) <= pixelTolerance);
            QVERIFY(std::abs(twipsWidth(*pic) - h * 4 / 3) <= 2 * pixelTolerance);
        }
        PictureBox* first = picture(*window, 0);
        QCOMPARE(first->x(), picture(*window, 2)->x());
        QVERIFY(std::abs(twipsLeft(*picture(*window, 1)) - frameWidth / 2) <= pixelTolerance);
        QVERIFY(first->geometry().right() < picture(*window, 1)->x());
        QCOMPARE(picture(*window, 3)->x(), picture(*window, 1)->x());
        QCOMPARE(picture(*window, 1)->y(), first->y());
        QVERIFY(std::abs(twipsTop(*picture(*window, 2)) -
                         (twipsTop(*first) + twipsHeight(*first) + 200)) <= pixelTolerance);
        QCOMPARE(picture(*window, 3)->y(), picture(*window, 2)->y());

        auto* help = control<QPushButton>(*window, "cmdhelp");
        auto* skip = control<QPushButton>(*window, "cmdSkip");
        QVERIFY(std::abs(twipsTop(*help) - (frameHeight - 850)) <= pixelTolerance);
        QCOMPARE(skip->y(), help->y());
        QVERIFY(std::abs(twipsLeft(*help) - 500) <= pixelTolerance);
        QVERIFY(std::abs(twipsLeft(*skip) + twipsWidth(*skip) - (frameWidth - 500)) <=
                pixelTolerance);
        const WindowRecord& saved = game_->config.winsize[7];
        QVERIFY(std::abs(saved.width - twipsWidth(*window)) <= 1);
    }

    // Skip stands as far from the window's lower right corner whatever the
    // size, and whether the window opened at that size or was resized to it.
    void skipKeepsItsPlaceFromTheLowerRightCorner_data() {
        QTest::addColumn<double>("width");
        QTest::addColumn<double>("height");
        QTest::newRow("least size") << 6600.0 << 5400.0;
        QTest::newRow("wide and low") << 16000.0 << 6000.0;
        QTest::newRow("large") << 18000.0 << 14250.0;
    }
    void skipKeepsItsPlaceFromTheLowerRightCorner() {
        QFETCH(double, width);
        QFETCH(double, height);
        const auto fromCorner = [](QWidget& window) {
            const QRect skip(control<QPushButton>(window, "cmdSkip")->mapTo(&window, QPoint()),
                             control<QPushButton>(window, "cmdSkip")->size());
            return QPoint(window.width() - skip.right(), window.height() - skip.bottom());
        };
        auto designed = open(Screen::Ioddout);
        show(*designed);
        const QPoint atDesign = fromCorner(*designed);
        resizeTo(*designed, pixels(width, designed->logicalDpiX()),
                 pixels(height, designed->logicalDpiY()));
        const QPoint resized = fromCorner(*designed);
        designed.reset();

        game_->config.winsize[7].width = static_cast<std::int16_t>(width);
        game_->config.winsize[7].height = static_cast<std::int16_t>(height);
        auto opened = open(Screen::Ioddout);
        show(*opened);
        const QPoint atOpening = fromCorner(*opened);
        QCOMPARE(opened->size(), QSize(pixels(width, opened->logicalDpiX()),
                                       pixels(height, opened->logicalDpiY())));
        QCOMPARE(atOpening, resized);
        QVERIFY2((resized - atDesign).manhattanLength() <= 2,
                 qPrintable(QStringLiteral("%1,%2 from the corner, %3,%4 at the design size")
                                .arg(resized.x())
                                .arg(resized.y())
                                .arg(atDesign.x())
                                .arg(atDesign.y())));
    }

    void pictureScreenSavesItsSizeWhenMaximised() {
        auto window = open(Screen::Ioddout);
        show(*window);
        window->showMaximized();
        QTRY_VERIFY(window->isMaximized());
        QCoreApplication::processEvents();
        QCOMPARE(int{game_->config.winsize[7].state}, 2);
    }

    void textScreenKeepsItsSizeWhenMaximised() {
        auto window = open(Screen::qoddout);
        show(*window);
        const WindowRecord saved = game_->config.winsize[7];
        window->showMaximized();
        QTRY_VERIFY(window->isMaximized());
        QCoreApplication::processEvents();
        QVERIFY(game_->config.winsize[7] == saved);
    }
};

} // namespace stratavex

QTEST_MAIN(stratavex::OddOutWindowTest)
#include "oddout_window_wtest.moc"
