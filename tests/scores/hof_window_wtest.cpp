// SPDX-License-Identifier: MIT
#include "scores/HOF_window.h"
#include "scores/NameEntry_window.h"

#include "engine/game.h"
#include "qtsupport/qt_test_host.h"
#include "scores/hof.h"
#include "shell/qt_host.h"
#include "shell/qt_windows.h"
#include "support/sample_items.h"

#include <QApplication>
#include <QFile>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace stratavex {
namespace {

using testing::requireControl;

// The recording host on a fixed day, so the rows a test expects are known.
class RecordingQtHost : public testing::RecordingQtHost {
public:
    std::string shortDate() override { return "12/7/2026"; }
};

const QString header = QStringLiteral("Rank  Score   % Dif Name                  Date ");
const QString player1Row = QStringLiteral("  1      27  60  3  Player1               12/7/2026");

enum class Closing { LocalButton, WebsiteButton, CloseBox, Escape };
enum class Window { NameEntry, HOF };

// A column of the list: its heading and where it stands in each entry's row.
enum class Column { ScoreEnd, NameStart, DateStart };

// The widest entries the list can hold beside a short one.
const std::vector<HofEntry> unevenEntries = {
    {32767, "drem    ", 100, "4  Rex Tester, the Grea", "31/12/2026", 0},
    {5, "drem    ", 7, "1  Al", "9 Dec 2026", 0},
    {-32768, "drem    ", -5, "2  ABCDEFGHIJKLMNOPQRST", "1/2/26", 0},
};

// The x at which a column starts (or, for right-aligned numbers, ends) in
// one line of the list, in the list's own font.
int columnX(const QPlainTextEdit& list, int line, const QString& fragment, bool atEnd) {
    const QTextBlock block = list.document()->findBlockByNumber(line);
    const int at = static_cast<int>(block.text().indexOf(fragment));
    if (at < 0)
        return -1;
    QTextCursor cursor(block);
    cursor.setPosition(block.position() + at + (atEnd ? static_cast<int>(fragment.size()) : 0));
    return list.cursorRect(cursor).left();
}

} // namespace
} // namespace stratavex

Q_DECLARE_METATYPE(stratavex::Closing)
Q_DECLARE_METATYPE(stratavex::Window)
Q_DECLARE_METATYPE(stratavex::Column)

namespace stratavex {

class HofWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<testing::WorkingFolder> folder_;
    std::unique_ptr<RecordingQtHost> host_;
    std::unique_ptr<Game> game_;

    // Acts once on the next modal window of type W, whenever it comes up.
    template <typename W> void whenModal(std::function<void(W&)> act) {
        auto* poll = new QTimer(this);
        poll->setInterval(10);
        connect(poll, &QTimer::timeout, this, [poll, act] {
            auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
            if (window == nullptr)
                return;
            poll->stop();
            poll->deleteLater();
            act(*window);
        });
        poll->start();
    }

    static void close(QWidget& window, Closing how) {
        switch (how) {
        case Closing::LocalButton:
            requireControl<QPushButton>(window, "OK")->click();
            break;
        case Closing::WebsiteButton:
            requireControl<QPushButton>(window, "Command1")->click();
            break;
        case Closing::CloseBox:
            window.close();
            break;
        case Closing::Escape:
            QTest::keyClick(&window, Qt::Key_Escape);
            break;
        }
    }

    void fill(const std::vector<int>& scores) { game_->hof = testing::earlierResults(scores); }

    std::unique_ptr<QDialog> open(Window window) {
        if (window == Window::NameEntry)
            return std::make_unique<NameEntry>(*game_);
        return std::make_unique<HOF>(*game_);
    }

    static QByteArray fileBytes() { return testing::readFile(QStringLiteral("drem.hof")); }

    static void verifyCentred(QWidget& window) {
        const QRect screen = window.screen()->geometry();
        const QPoint offset = window.frameGeometry().center() - screen.center();
        const QPoint inner = window.geometry().center() - screen.center();
        QVERIFY2((qAbs(offset.x()) <= 2 && qAbs(offset.y()) <= 2) ||
                     (qAbs(inner.x()) <= 2 && qAbs(inner.y()) <= 2),
                 qPrintable(QStringLiteral("off centre by %1, %2").arg(inner.x()).arg(inner.y())));
    }

private slots:
    void init() {
        folder_ = std::make_unique<testing::WorkingFolder>();
        QVERIFY(folder_->enter());
        host_ = std::make_unique<RecordingQtHost>();
        game_ = std::make_unique<Game>(*host_);
        registerWindows(*host_, *game_);
        game_->settings.maxdif = 3;
        game_->settings.soundon = 0;
        game_->config.playername = "Player1";
        game_->config.playeremail = "p1@example.org";
    }

    void cleanup() {
        game_.reset();
        host_.reset();
        folder_.reset();
    }

    // --- the name entry ---

    void controlsShowTheirCaptionsAndTips_data() {
        QTest::addColumn<Window>("window");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tip");
        QTest::newRow("the name entry's invitation names the rank reached")
            << Window::NameEntry << "Label1"
            << "You have made number 4 on the Hall of Fame list. Please enter your name:"
            << "";
        QTest::newRow("the name entry asks for the address") << Window::NameEntry << "Label2"
                                                             << "  Please enter email address:"
                                                             << "";
        QTest::newRow("the address box tells why it is wanted") << Window::NameEntry << "email"
                                                                << ""
                                                                << "Need email for online entry";
        QTest::newRow("the name entry's local button") << Window::NameEntry << "OK"
                                                       << "Local HOF only"
                                                       << "";
        QTest::newRow("the name entry's website button")
            << Window::NameEntry << "Command1"
            << "Website HOF entry"
            << "Enters your name in the Varlune online HOF";
        QTest::newRow("the list's online button") << Window::HOF << "cmdOnline"
                                                  << "Online HOF"
                                                  << "Check Varlune Website HOFs";
        QTest::newRow("the list's clear button") << Window::HOF << "cmdClear"
                                                 << "Clear"
                                                 << "";
        QTest::newRow("the list's OK button") << Window::HOF << "cmdOK"
                                              << "OK"
                                              << "";
    }

    void controlsShowTheirCaptionsAndTips() {
        QFETCH(Window, window);
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, tip);
        fill({10});
        game_->hof.hofrank = 4;
        const std::unique_ptr<QDialog> shown = open(window);
        const auto* control = requireControl<QWidget>(*shown, name);
        QCOMPARE(testing::captionOf(*control), caption);
        QCOMPARE(control->toolTip(), tip);
    }

    void nameEntryIsPrefilledAndCentred() {
        NameEntry window(*game_);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* name = requireControl<QLineEdit>(window, "Name1");
        QCOMPARE(name->text(), QStringLiteral("Player1"));
        QCOMPARE(requireControl<QLineEdit>(window, "email")->text(),
                 QStringLiteral("p1@example.org"));
        // Typing at once replaces the remembered name.
        QCOMPARE(QApplication::focusWidget(), name);
        QCOMPARE(name->selectedText(), QStringLiteral("Player1"));
        verifyCentred(window);
    }

    void fieldsKeepWhatTheFilesCanStore_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<bool>("pasted");
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("kept");
        QTest::newRow("twenty characters fit the name")
            << "Name1" << false << "ABCDEFGHIJKLMNOPQRST"
            << "ABCDEFGHIJKLMNOPQRST";
        QTest::newRow("the twenty-first is refused by the name")
            << "Name1" << false << "ABCDEFGHIJKLMNOPQRSTU"
            << "ABCDEFGHIJKLMNOPQRST";
        QTest::newRow("the thirty-first is refused by the address")
            << "email" << false << "abcdefghij@abcdefghij.example12"
            << "abcdefghij@abcdefghij.example1";
        QTest::newRow("a double quote typed into the name is refused")
            << "Name1" << false << "Al \"T\" Rex"
            << "Al T Rex";
        QTest::newRow("a double quote pasted into the name is dropped")
            << "Name1" << true << "Al \"T\" Rex"
            << "Al T Rex";
        QTest::newRow("a double quote typed into the address is refused")
            << "email" << false << "\"al\"@x.org"
            << "al@x.org";
        QTest::newRow("a double quote pasted into the address is dropped")
            << "email" << true << "\"al\"@x.org"
            << "al@x.org";
    }

    void fieldsKeepWhatTheFilesCanStore() {
        QFETCH(QString, box);
        QFETCH(bool, pasted);
        QFETCH(QString, entered);
        QFETCH(QString, kept);
        NameEntry window(*game_);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* field = window.findChild<QLineEdit*>(box);
        QVERIFY(field != nullptr);
        field->setFocus();
        field->selectAll();
        if (pasted)
            field->insert(entered);
        else
            QTest::keyClicks(field, entered);
        QCOMPARE(field->text(), kept);
    }

    void howTheNameEntryClosesDecidesTheOnlineEntry_data() {
        QTest::addColumn<Closing>("how");
        QTest::addColumn<bool>("online");
        QTest::newRow("Local HOF only") << Closing::LocalButton << false;
        QTest::newRow("Website HOF entry") << Closing::WebsiteButton << true;
        QTest::newRow("the close box, like Local HOF only") << Closing::CloseBox << false;
        QTest::newRow("Escape, like Local HOF only") << Closing::Escape << false;
    }

    // A whole entry through the real windows: the typed name is kept however
    // the name entry closes, and only the website button sends it online.
    void howTheNameEntryClosesDecidesTheOnlineEntry() {
        QFETCH(Closing, how);
        QFETCH(bool, online);
        bool named = false;
        QString listed;
        whenModal<NameEntry>([&](NameEntry& window) {
            auto* name = requireControl<QLineEdit>(window, "Name1");
            name->selectAll();
            QTest::keyClicks(name, QStringLiteral("Zed"));
            close(window, how);
            named = true;
        });
        whenModal<HOF>([&](HOF& window) {
            listed = requireControl<QPlainTextEdit>(window, "Text1")->toPlainText();
            requireControl<QPushButton>(window, "cmdOK")->click();
        });
        enterHof(*game_, 27, "drem", 60, game_->config.playername, 0);
        QVERIFY(named);
        QCOMPARE(game_->config.playername, std::string("Zed"));
        QCOMPARE(game_->webentry, online);
        QCOMPARE(listed,
                 header + QStringLiteral("\n  1      27  60  3  Zed                   12/7/2026"));
        QVERIFY(fileBytes().contains("\"3  Zed\"\r\n"));
        QCOMPARE(host_->urls.size(), std::size_t(online ? 1 : 0));
        if (online)
            QCOMPARE(host_->urls.front(),
                     onlineListUrl() + "&a=27&b=Zed%20dif%3D3&c=p1%40example.org");
        QVERIFY(host_->messages.empty());
    }

    // --- the Hall of Fame window ---

    void hofShowsTheListInAFixedPitchFont() {
        game_->hof.hof[1] = {27, "drem    ", 60, "3  Player1", "12/7/2026", 0};
        game_->hof.hofcount = 1;
        HOF window(*game_);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* text = requireControl<QPlainTextEdit>(window, "Text1");
        QCOMPARE(text->toPlainText(), header + QStringLiteral("\n") + player1Row);
        QVERIFY(text->isReadOnly());
        QCOMPARE(text->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(QFontInfo(text->font()).fixedPitch());
        const QFontMetrics metrics(text->font());
        QCOMPARE(metrics.horizontalAdvance(QLatin1Char('i')),
                 metrics.horizontalAdvance(QLatin1Char('W')));
        // A whole row fits without scrolling sideways.
        QVERIFY(metrics.horizontalAdvance(player1Row) < text->viewport()->width());
        QVERIFY(host_->messages.empty());
        verifyCentred(window);
    }

    void listColumnsLineUp_data() {
        QTest::addColumn<Column>("column");
        QTest::addColumn<QString>("heading");
        QTest::newRow("scores end under the end of their heading") << Column::ScoreEnd << "Score";
        QTest::newRow("names start under their heading") << Column::NameStart << "Name";
        QTest::newRow("dates start under their heading, after the longest name")
            << Column::DateStart << "Date";
    }

    // Measured in the window's font: every row's column, the longest name
    // and the widest score included, stands at the heading's x.
    void listColumnsLineUp() {
        QFETCH(Column, column);
        QFETCH(QString, heading);
        for (std::size_t i = 0; i < unevenEntries.size(); ++i)
            game_->hof.hof[i + 1] = unevenEntries[i];
        game_->hof.hofcount = static_cast<int>(unevenEntries.size());
        HOF window(*game_);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto* list = requireControl<QPlainTextEdit>(window, "Text1");
        const bool atEnd = column == Column::ScoreEnd;
        const int headingX = columnX(*list, 0, heading, atEnd);
        QVERIFY(headingX > 0);
        for (std::size_t i = 0; i < unevenEntries.size(); ++i) {
            const HofEntry& entry = unevenEntries[i];
            const std::string name = entry.name.substr(3);
            const QString fragment = column == Column::ScoreEnd ? QString::number(entry.score)
                                     : column == Column::NameStart
                                         ? QString::fromStdString(name)
                                         : QString::fromStdString(entry.date);
            QCOMPARE(columnX(*list, static_cast<int>(i) + 1, fragment, atEnd), headingX);
        }
        // The widest row shows without scrolling sideways.
        QCOMPARE(list->horizontalScrollBar()->maximum(), 0);
    }

    void anEmptyHofSaysItWasCleared() {
        HOF window(*game_);
        QCOMPARE(requireControl<QPlainTextEdit>(window, "Text1")->toPlainText(), header);
        QCOMPARE(host_->messages.size(), std::size_t(1));
        QCOMPARE(host_->messages[0].text, std::string("Hof was recently cleared"));
    }

    void onlineOpensTheOnlineListAndKeepsTheWindowOpen() {
        fill({10});
        HOF window(*game_);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        requireControl<QPushButton>(window, "cmdOnline")->click();
        QCOMPARE(host_->urls, std::vector<std::string>{onlineListUrl()});
        QVERIFY(window.isVisible());
    }

    void clearWithNoKeepsTheList() {
        fill({50, 30});
        putHOF(game_->host, game_->hof);
        const QByteArray before = fileBytes();
        host_->answers.push_back(Answer::No);
        HOF window(*game_);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        requireControl<QPushButton>(window, "cmdClear")->click();
        QCOMPARE(host_->messages.size(), std::size_t(1));
        const Message& ask = host_->messages[0];
        QCOMPARE(ask.text, std::string("Really clear Hall of Fame?"));
        QCOMPARE(ask.title, std::string("Clear HOF"));
        QCOMPARE(ask.buttons, Buttons::YesNo);
        QCOMPARE(ask.icon, Icon::Question);
        QVERIFY(ask.secondIsDefault);
        QVERIFY(window.isVisible());
        QCOMPARE(game_->hof.hofcount, 2);
        QCOMPARE(fileBytes(), before);
    }

    void clearWithYesDeletesTheFileAndCloses() {
        fill({50, 30});
        putHOF(game_->host, game_->hof);
        host_->answers.push_back(Answer::Yes);
        HOF window(*game_);
        bool clicked = false;
        QTimer::singleShot(0, this, [&] {
            if (auto* modal = qobject_cast<HOF*>(QApplication::activeModalWidget())) {
                requireControl<QPushButton>(*modal, "cmdClear")->click();
                clicked = true;
            }
        });
        window.exec();
        QVERIFY(clicked);
        QVERIFY(!window.isVisible());
        QVERIFY(!QFile::exists(QStringLiteral("drem.hof")));
        QCOMPARE(game_->hof.hofcount, 0);
        // Opened again, the list explains why it is empty.
        host_->messages.clear();
        HOF again(*game_);
        QCOMPARE(requireControl<QPlainTextEdit>(again, "Text1")->toPlainText(), header);
        QCOMPARE(host_->messages.size(), std::size_t(1));
        QCOMPARE(host_->messages[0].text, std::string("Hof was recently cleared"));
    }
};

} // namespace stratavex

QTEST_MAIN(stratavex::HofWindowTest)
#include "hof_window_wtest.moc"
