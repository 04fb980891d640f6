// SPDX-License-Identifier: MIT
// The main menu on the offscreen platform, started on a copy of the bundled
// data in a folder of its own.
#include "engine/game.h"
#include "qtsupport/qt_test_host.h"
#include "shell/main_window.h"
#include "shell/qt_host.h"
#include "shell/qt_signals.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <string>
#include <vector>

using namespace stratavex;

namespace {

const QString title = QStringLiteral("Stratavex: Dinosaur Trivia & Database");

using testing::copyBundledData;
using testing::readFile;

// The recording host, except that the windows the menu opens are only noted.
class NotingHost : public testing::RecordingQtHost {
public:
    using testing::RecordingQtHost::RecordingQtHost;

    void showModal(WindowId window) override { shown.push_back(window); }
};

// One run of the program: its folder, host, game and main menu.
struct Run {
    explicit Run(const QStringList& leaveOut = {}, const QByteArray& ini = {}) {
        copyBundledData(folder.path(), leaveOut);
        if (!ini.isNull()) {
            QFile file(path("drem.INI"));
            if (file.open(QIODevice::WriteOnly))
                file.write(ini);
        }
        window = std::make_unique<stratavex::main>(game);
    }

    QString path(const char* name) const { return folder.filePath(QString::fromLatin1(name)); }
    template <typename T> T* control(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }

    QTemporaryDir folder;
    NotingHost host{folder.path()};
    Game game{host};
    std::unique_ptr<stratavex::main> window;
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void titleIsTheProgramsName();
    void versionLabelNamesTheVersion();
    void buttonsHaveTheirCaptionsAndHints_data();
    void buttonsHaveTheirCaptionsAndHints();
    void controlsAreCreatedInDesignerOrder();
    void creditsAreHiddenUntilAbout();
    void aboutTwiceHasNoFurtherEffect();
    void quitWritesTheConfigurationEvenIfNothingChanged();
    void closingTwiceSavesOnce();
    void terminationSignalClosesTheMenuTheWayQuitDoes_data();
    void terminationSignalClosesTheMenuTheWayQuitDoes();
    void missingDatabaseIsReportedAndStartUpGoesOn();
    void backgroundPictureComesFromTheConfiguration();
    void theMenuOpensOnPlaySoSpaceStartsAGame();
};

void MainWindowTest::titleIsTheProgramsName() {
    Run run;
    QCOMPARE(run.window->windowTitle(), title);
    auto* label = run.control<QLabel>("Label1");
    QVERIFY(label != nullptr);
    QCOMPARE(label->text(), title);
    QCOMPARE(label->textFormat(), Qt::PlainText);
}

void MainWindowTest::versionLabelNamesTheVersion() {
    Run run;
    auto* label = run.control<QLabel>("Label2");
    QVERIFY(label != nullptr);
    QCOMPARE(label->text(), QStringLiteral("Version 2.11"));
}

void MainWindowTest::buttonsHaveTheirCaptionsAndHints_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::newRow("Setup") << "cmdsetup"
                           << "Setup"
                           << "Conditions for the game";
    QTest::newRow("Quit") << "cmdquit"
                          << "Quit"
                          << "";
    QTest::newRow("About") << "Command3"
                           << "About"
                           << "";
    QTest::newRow("Play") << "Command1"
                          << "Play"
                          << "Play the game";
}

void MainWindowTest::buttonsHaveTheirCaptionsAndHints() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    Run run;
    auto* button = run.control<QPushButton>(name.toLatin1().constData());
    QVERIFY(button != nullptr);
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->toolTip(), hint);
}

void MainWindowTest::controlsAreCreatedInDesignerOrder() {
    Run run;
    QStringList order;
    for (const QObject* child : run.window->children()) {
        if (qobject_cast<const QPushButton*>(child) || qobject_cast<const QLabel*>(child))
            order << child->objectName();
    }
    const QStringList expected = {"cmdsetup", "cmdquit", "Command3", "Command1",
                                  "Label1",   "Label2",  "Label3",   "Label4"};
    QCOMPARE(order, expected);
}

void MainWindowTest::creditsAreHiddenUntilAbout() {
    Run run;
    run.window->show();
    auto* credits1 = run.control<QLabel>("Label3");
    auto* credits2 = run.control<QLabel>("Label4");
    QVERIFY(credits1 != nullptr && credits2 != nullptr);
    QVERIFY(!credits1->isVisible());
    QVERIFY(!credits2->isVisible());

    QTest::mouseClick(run.control<QPushButton>("Command3"), Qt::LeftButton);
    QVERIFY(credits1->isVisible());
    QVERIFY(credits2->isVisible());
    QVERIFY(!credits1->text().isEmpty());
    QVERIFY(!credits2->text().isEmpty());
    QVERIFY(credits1->text() != credits2->text());
}

void MainWindowTest::aboutTwiceHasNoFurtherEffect() {
    Run run;
    run.window->show();
    auto* about = run.control<QPushButton>("Command3");
    QTest::mouseClick(about, Qt::LeftButton);
    const QString credits1 = run.control<QLabel>("Label3")->text();
    const auto windowsBefore = QApplication::topLevelWidgets().size();
    const auto messagesBefore = run.host.messages.size();

    QTest::mouseClick(about, Qt::LeftButton);
    QVERIFY(run.control<QLabel>("Label3")->isVisible());
    QVERIFY(run.control<QLabel>("Label4")->isVisible());
    QCOMPARE(run.control<QLabel>("Label3")->text(), credits1);
    QCOMPARE(QApplication::topLevelWidgets().size(), windowsBefore);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
    QCOMPARE(run.host.messages.size(), messagesBefore);
    QVERIFY(run.host.shown.empty());
}

void MainWindowTest::quitWritesTheConfigurationEvenIfNothingChanged() {
    // Written by hand with commas instead of print zones; the values read from
    // it are written back in the program's own layout.
    QByteArray ini = "1,3,5,2\r\n0,1\r\n\"Ann, the Bold\"\r\n\"ann@example.org\"\r\n"
                     "background.jpg\r\n";
    for (int line = 6; line <= 13; ++line)
        ini += line % 4 == 0   ? "6600,6600,6600,6600,6600\r\n"
               : line % 4 == 1 ? "9600,9600,9600,9600,9600\r\n"
                               : "0,0,0,0,0\r\n";
    ini += "0\r\n";
    for (int code = 1; code <= 19; ++code)
        ini += "-1\r\n";
    Run run({}, ini);
    run.window->show();

    QTest::mouseClick(run.control<QPushButton>("cmdquit"), Qt::LeftButton);

    QVERIFY(!run.window->isVisible());
    const QByteArray written = readFile(run.path("drem.INI"));
    QCOMPARE(written.count("\r\n"), 33);
    QVERIFY(written.endsWith("\r\n"));
    const QList<QByteArray> lines = written.split('\n');
    QCOMPARE(lines[0], QByteArray(" 1             3             5             2 \r"));
    QCOMPARE(lines[1], QByteArray(" 0             1 \r"));
    QCOMPARE(lines[2], QByteArray("\"Ann, the Bold\"\r"));
    QCOMPARE(lines[4], QByteArray("background.jpg\r"));
    QCOMPARE(lines[13], QByteArray(" 0 \r"));
    QCOMPARE(lines[14], QByteArray("-1 \r"));
}

void MainWindowTest::closingTwiceSavesOnce() {
    Run run;
    run.window->show();
    QVERIFY(run.window->close());
    QVERIFY(QFile::remove(run.path("drem.INI")));
    run.window->close();
    QVERIFY(!QFile::exists(run.path("drem.INI")));
}

void MainWindowTest::terminationSignalClosesTheMenuTheWayQuitDoes_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << SIGTERM;
    QTest::newRow("SIGINT") << SIGINT;
}

void MainWindowTest::terminationSignalClosesTheMenuTheWayQuitDoes() {
    QFETCH(int, signal);
    Run run;
    closeOnShutdown(*run.window);
    run.window->show();
    QVERIFY(!QFile::exists(run.path("drem.INI")));

    QCOMPARE(::raise(signal), 0);
    QTRY_VERIFY(!run.window->isVisible());
    std::signal(signal, SIG_DFL);
    QCOMPARE(readFile(run.path("drem.INI")).count("\r\n"), 33);
}

void MainWindowTest::missingDatabaseIsReportedAndStartUpGoesOn() {
    Run run({QStringLiteral("drem.dat")});
    int reports = 0;
    for (const Message& msg : run.host.messages) {
        if (msg.text.ends_with("\r\nlast item 0 ")) {
            ++reports;
            QVERIFY(msg.text.size() > std::string("\r\nlast item 0 ").size());
            QCOMPARE(msg.buttons, Buttons::Ok);
        }
    }
    QCOMPARE(reports, 1);
    QCOMPARE(run.game.db.nitems, std::int16_t{0});
    // The menu still comes up with its title, and the sound list was read after it.
    QCOMPARE(run.control<QLabel>("Label1")->text(), title);
    QVERIFY(!run.game.media.sndfile[0].empty());
}

void MainWindowTest::backgroundPictureComesFromTheConfiguration() {
    // No picture: the menu paints nothing of its own under the controls.
    Run plain({}, QByteArray("1,2,10,2\r\n0,-1\r\n\"\"\r\n\"\"\r\nno-such-picture.jpg\r\n"));
    QCOMPARE(plain.game.config.bgpicture, std::string("no-such-picture.jpg"));
    plain.window->resize(200, 150);
    const QImage without = plain.window->grab().toImage();

    Run pictured;
    QVERIFY(QFile::exists(pictured.path(pictured.game.config.bgpicture.c_str())));
    pictured.window->resize(200, 150);
    const QImage with = pictured.window->grab().toImage();
    // The corner is outside every control, so only the picture can colour it.
    QVERIFY(with.pixelColor(2, 2) != without.pixelColor(2, 2));
}

void MainWindowTest::theMenuOpensOnPlaySoSpaceStartsAGame() {
    Run run;
    run.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(run.window.get()));
    run.window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(run.window.get()));
    QCOMPARE(QApplication::focusWidget(), run.control<QPushButton>("Command1"));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(!run.host.shown.empty());
}

QTEST_MAIN(MainWindowTest)
#include "main_window_wtest.moc"
