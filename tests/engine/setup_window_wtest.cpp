// SPDX-License-Identifier: MIT
#include "engine/setup_window.h"

#include "database/attributes.h"
#include "engine/game.h"
#include "qtsupport/qt_test_host.h"
#include "shell/qt_host.h"
#include "shell/qt_windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QRadioButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <memory>
#include <string>
#include <vector>

using namespace stratavex;

namespace {

using testing::RecordingQtHost;

} // namespace

class SetupWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void controlsShowTheirCaptionsAndTips_data();
    void controlsShowTheirCaptionsAndTips();
    void captionIsTheProgramTitleWithSetup();
    void minimumDifficultyControlsAreHidden();
    void everyButtonIsEnabled();
    void windowIsCentredWhenItOpens();
    void listShowsTheNamesWithTheSelectedOnesMarked();
    void typedNumbersAreCorrectedAtOnce_data();
    void typedNumbersAreCorrectedAtOnce();
    void spinnersStepAndStopAtTheBounds();
    void logOptionAndSoundBoxActAtOnce();
    void togglingAnEntryAndClosingStoresTheFlag();
    void closingWritesTheConfigurationOnce();
    void closeBoxStoresTheSettingsLikeOk();
    void helpOpensTheHelpText();
    void hofShowsTheHallOfFameModally();
    void editOpensTheEditorModally();
    void exportButtonsStartTheirRuns_data();
    void exportButtonsStartTheirRuns();
    void setupIsShownModallyThroughTheHost();

private:
    template <typename W> W* child(const char* name) {
        return testing::requireControl<W>(*window_, QString::fromLatin1(name));
    }
    QString iniPath() const { return folder_->filePath(QStringLiteral("drem.INI")); }
    void typeInto(const char* box, const QString& text);

    std::unique_ptr<testing::WorkingFolder> folder_;
    std::unique_ptr<RecordingQtHost> host_;
    std::unique_ptr<Game> game_;
    std::unique_ptr<setup> window_;
};

void SetupWindowTest::init() {
    folder_ = std::make_unique<testing::WorkingFolder>();
    QVERIFY(folder_->enter());
    host_ = std::make_unique<RecordingQtHost>(folder_->path());
    game_ = std::make_unique<Game>(*host_);
    inittables(*game_);
    game_->settings.nquest = 7;
    game_->settings.maxdif = 3;
    game_->settings.logstatus = 1;
    game_->settings.soundon = 1;
    game_->settings.selected[2] = 0;
    window_ = std::make_unique<setup>(*game_);
}

void SetupWindowTest::cleanup() {
    window_.reset();
    game_.reset();
    host_.reset();
    folder_.reset();
}

void SetupWindowTest::typeInto(const char* box, const QString& text) {
    auto* edit = child<QLineEdit>(box);
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

void SetupWindowTest::controlsShowTheirCaptionsAndTips_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tip");
    QTest::newRow("List1") << "List1"
                           << ""
                           << "Colored items are selected";
    QTest::newRow("Label4") << "Label4"
                            << "Questions per game"
                            << "";
    QTest::newRow("frameDiff") << "frameDiff"
                               << "Difficulty"
                               << "";
    QTest::newRow("Label6") << "Label6"
                            << "Maximum"
                            << "";
    QTest::newRow("Label5") << "Label5"
                            << "Minimum"
                            << "";
    QTest::newRow("Frame1") << "Frame1"
                            << "Log File Status"
                            << "";
    QTest::newRow("Option1 0") << "Option1[0]"
                               << "Off"
                               << "No logging takes place";
    QTest::newRow("Option1 1") << "Option1[1]"
                               << "All"
                               << "All questions and incorrect answers are sent to log file";
    QTest::newRow("Option1 2") << "Option1[2]"
                               << "Only incorrect"
                               << "Only wrong answers are sent to log file";
    QTest::newRow("Check1") << "Check1"
                            << "Sound effects"
                            << "";
    QTest::newRow("cmdEdit") << "cmdEdit"
                             << "Edit"
                             << "Change item data";
    QTest::newRow("cmdhof") << "cmdhof"
                            << "HOF"
                            << "Show Hall of Fame";
    QTest::newRow("cmdHelp") << "cmdHelp"
                             << "Help"
                             << "";
    QTest::newRow("cmdmakeq") << "cmdmakeq"
                              << "Make online questions"
                              << "";
    QTest::newRow("cmdTabbed") << "cmdTabbed"
                               << "Make 50 tabbed questions"
                               << "";
    QTest::newRow("cmdok") << "cmdok"
                           << "OK"
                           << "Click here to continue";
}

void SetupWindowTest::controlsShowTheirCaptionsAndTips() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, tip);
    auto* control = window_->findChild<QWidget*>(name);
    QVERIFY2(control != nullptr, qPrintable(name));
    QCOMPARE(testing::captionOf(*control), caption);
    QCOMPARE(control->toolTip(), tip);
}

void SetupWindowTest::captionIsTheProgramTitleWithSetup() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Stratavex: Dinosaur Trivia & Database Setup"));
}

void SetupWindowTest::minimumDifficultyControlsAreHidden() {
    window_->show();
    QVERIFY(!child<QLabel>("Label5")->isVisible());
    QVERIFY(!child<QLineEdit>("tmindif")->isVisible());
    QVERIFY(!child<QWidget>("UpDown2")->isVisible());
    QVERIFY(child<QLineEdit>("tmaxdif")->isVisible());
    QVERIFY(child<QWidget>("UpDown3")->isVisible());
    QVERIFY(child<QWidget>("UpDown1")->isVisible());
    QCOMPARE(child<QLineEdit>("tmindif")->text(), QStringLiteral("1"));
}

void SetupWindowTest::everyButtonIsEnabled() {
    window_->show();
    for (const char* name : {"cmdEdit", "cmdhof", "cmdHelp", "cmdmakeq", "cmdTabbed", "cmdok"}) {
        auto* button = child<QAbstractButton>(name);
        QVERIFY2(button->isVisible(), name);
        QVERIFY2(button->isEnabled(), name);
    }
}

void SetupWindowTest::windowIsCentredWhenItOpens() {
    const QRect screen = window_->screen()->geometry();
    const QPoint offset = window_->geometry().center() - screen.center();
    QVERIFY2(qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2,
             qPrintable(QStringLiteral("off centre by %1, %2").arg(offset.x()).arg(offset.y())));
}

void SetupWindowTest::listShowsTheNamesWithTheSelectedOnesMarked() {
    auto* list = child<QListWidget>("List1");
    QCOMPARE(list->count(), 19);
    QCOMPARE(list->selectionMode(), QAbstractItemView::MultiSelection);
    QCOMPARE(list->item(0)->text(), QStringLiteral("Image with name"));
    QCOMPARE(list->item(3)->text(), QStringLiteral("Nameme"));
    QCOMPARE(list->item(18)->text(), QStringLiteral("Image with order"));
    for (int i = 0; i < list->count(); ++i)
        QCOMPARE(list->item(i)->isSelected(), i != 1);
}

void SetupWindowTest::typedNumbersAreCorrectedAtOnce_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("stored"); // nquest or maxdif after closing
    QTest::newRow("questions 25 becomes 10") << "nquestion"
                                             << "25"
                                             << "10" << 10;
    QTest::newRow("questions 0 becomes 1") << "nquestion"
                                           << "0"
                                           << "1" << 1;
    QTest::newRow("questions 4 stays") << "nquestion"
                                       << "4"
                                       << "4" << 4;
    QTest::newRow("questions text becomes 1") << "nquestion"
                                              << "q"
                                              << "1" << 1;
    QTest::newRow("maximum 9 becomes 4") << "tmaxdif"
                                         << "9"
                                         << "4" << 4;
    QTest::newRow("maximum 0 becomes 1") << "tmaxdif"
                                         << "0"
                                         << "1" << 1;
}

void SetupWindowTest::typedNumbersAreCorrectedAtOnce() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, stored);
    const QByteArray name = box.toLatin1();
    typeInto(name.constData(), typed);
    QCOMPARE(child<QLineEdit>(name.constData())->text(), shown);
    window_->accept();
    const int value = box == "nquestion" ? game_->settings.nquest : game_->settings.maxdif;
    QCOMPARE(value, stored);
}

void SetupWindowTest::spinnersStepAndStopAtTheBounds() {
    auto* box = child<QLineEdit>("nquestion");
    auto* spinner = child<QWidget>("UpDown1");
    auto* up = spinner->findChild<QToolButton*>(QStringLiteral("up"));
    auto* down = spinner->findChild<QToolButton*>(QStringLiteral("down"));
    QVERIFY(up != nullptr && down != nullptr);
    up->click();
    QCOMPARE(box->text(), QStringLiteral("8"));
    for (int i = 0; i < 5; ++i)
        up->click();
    QCOMPARE(box->text(), QStringLiteral("10"));
    for (int i = 0; i < 12; ++i)
        down->click();
    QCOMPARE(box->text(), QStringLiteral("1"));

    auto* maxUp = child<QWidget>("UpDown3")->findChild<QToolButton*>(QStringLiteral("up"));
    maxUp->click();
    maxUp->click();
    QCOMPARE(child<QLineEdit>("tmaxdif")->text(), QStringLiteral("4"));
}

void SetupWindowTest::logOptionAndSoundBoxActAtOnce() {
    QVERIFY(child<QRadioButton>("Option1[1]")->isChecked());
    QVERIFY(child<QCheckBox>("Check1")->isChecked());
    child<QRadioButton>("Option1[2]")->click();
    QCOMPARE(game_->settings.logstatus, std::int16_t{2});
    child<QRadioButton>("Option1[0]")->click();
    QCOMPARE(game_->settings.logstatus, std::int16_t{0});
    child<QCheckBox>("Check1")->click();
    QCOMPARE(game_->settings.soundon, std::int16_t{0});
    QVERIFY(!QFile::exists(iniPath()));
}

void SetupWindowTest::togglingAnEntryAndClosingStoresTheFlag() {
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    auto* list = child<QListWidget>("List1");
    const auto clickEntry = [list](int row) {
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    };
    clickEntry(0); // selected: now off
    clickEntry(1); // off: now on
    QVERIFY(!list->item(0)->isSelected());
    QVERIFY(list->item(1)->isSelected());
    QCOMPARE(game_->settings.selected[1], std::int16_t{-1}); // stored only when closing
    child<QAbstractButton>("cmdok")->click();
    QCOMPARE(game_->settings.selected[1], std::int16_t{0});
    QCOMPARE(game_->settings.selected[2], std::int16_t{-1});
    QCOMPARE(game_->settings.selected[3], std::int16_t{-1});
}

void SetupWindowTest::closingWritesTheConfigurationOnce() {
    typeInto("nquestion", QStringLiteral("6"));
    child<QAbstractButton>("cmdok")->click();
    QVERIFY(QFile::exists(iniPath()));
    QFile ini(iniPath());
    QVERIFY(ini.open(QIODevice::ReadOnly));
    const QList<QByteArray> first = ini.readLine().simplified().split(' ');
    QCOMPARE(first, (QList<QByteArray>{"1", "3", "6", "1"}));
    ini.close();

    QFile::remove(iniPath());
    window_->reject();
    QVERIFY2(!QFile::exists(iniPath()), "a second close does not store again");
    QVERIFY(host_->messages.empty());
}

void SetupWindowTest::closeBoxStoresTheSettingsLikeOk() {
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    typeInto("tmaxdif", QStringLiteral("2"));
    window_->close();
    QVERIFY(!window_->isVisible());
    QCOMPARE(game_->settings.maxdif, std::int16_t{2});
    QVERIFY(QFile::exists(iniPath()));
}

void SetupWindowTest::helpOpensTheHelpText() {
    child<QAbstractButton>("cmdHelp")->click();
    QCOMPARE(host_->viewed, std::vector<std::string>{"dremhelp.txt"});
}

void SetupWindowTest::hofShowsTheHallOfFameModally() {
    int shown = 0;
    host_->registerWindow(WindowId::HOF, [&shown] { ++shown; });
    QVERIFY(child<QAbstractButton>("cmdhof")->isEnabled());
    child<QAbstractButton>("cmdhof")->click();
    QCOMPARE(shown, 1);
}

void SetupWindowTest::editOpensTheEditorModally() {
    int shown = 0;
    host_->registerWindow(WindowId::dremedit, [&shown] { ++shown; });
    child<QAbstractButton>("cmdEdit")->click();
    QCOMPARE(shown, 1);
}

void SetupWindowTest::exportButtonsStartTheirRuns_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("online");
    QTest::addColumn<int>("questions");
    QTest::addColumn<QString>("message");
    QTest::newRow("online") << "cmdmakeq" << true << 12
                            << "Will create 12 question file for online games";
    QTest::newRow("tabbed") << "cmdTabbed" << false << 50
                            << "Will create 50 questions in tabbed format";
}

void SetupWindowTest::exportButtonsStartTheirRuns() {
    QFETCH(QString, button);
    QFETCH(bool, online);
    QFETCH(int, questions);
    QFETCH(QString, message);
    child<QAbstractButton>(button.toLatin1().constData())->click();
    QCOMPARE(host_->messageTexts(), std::vector<std::string>{message.toStdString()});
    QCOMPARE(game_->makeonline, online);
    QCOMPARE(game_->maketabbed, !online);
    QCOMPARE(child<QLineEdit>("nquestion")->text(), QString::number(questions));
    QVERIFY(child<QRadioButton>("Option1[2]")->isChecked());
    QCOMPARE(int{game_->settings.logstatus}, 2);
    QFile log(folder_->filePath(QStringLiteral("dremquiz.log")));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QByteArray lines = log.readAll();
    QVERIFY2(lines.endsWith("\r\n") && lines.count("\r\n") == 1, lines.constData());
    child<QAbstractButton>("cmdok")->click();
    QCOMPARE(int{game_->settings.nquest}, questions);
}

void SetupWindowTest::setupIsShownModallyThroughTheHost() {
    window_.reset();
    registerWindows(*host_, *game_);
    QPointer<QWidget> seen;
    QString seenName;
    QTimer::singleShot(0, [&seen, &seenName] {
        seen = QApplication::activeModalWidget();
        if (seen != nullptr) {
            seenName = seen->objectName();
            seen->close();
        }
    });
    host_->showModal(WindowId::setup);
    QCOMPARE(seenName, QStringLiteral("setup"));
    QVERIFY2(seen.isNull(), "the window is destroyed when it closes");
    QVERIFY(QFile::exists(iniPath()));
}

QTEST_MAIN(SetupWindowTest)
#include "setup_window_wtest.moc"
