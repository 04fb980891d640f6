// SPDX-License-Identifier: MIT
// A long session through the real windows: a thousand questions, each
// answered on its screen and followed by the score display, leave the
// program's resident memory where it stood after the first hundred.
#include "engine/game_loop.h"
#include "screens/program_windows.h"
#include "shell/qt_windows.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <algorithm>
#include <fstream>
#include <set>
#include <unistd.h>

namespace stratavex {
namespace {

using testing::Program;

constexpr int questionsPerRound = 10;
constexpr int rounds = 100;
constexpr int roundsBeforeTheFirstReading = 10;
constexpr double mostGrowthMegabytes = 5;

double residentMegabytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1 << 20);
}

QPushButton* buttonNamed(QWidget& window, const char* name) {
    return window.findChild<QPushButton*>(QLatin1String(name));
}

// Answers whatever window is open, the way a quick player would: the first
// option, Done on a matching or sorting screen, the letters in turn on Name
// Me, and OK on everything else.
class Player : public QObject {
public:
    Player() {
        connect(&tick_, &QTimer::timeout, this, [this] { act(); });
        tick_.start(0);
    }

private:
    // An answer may open the next window modally; it is sent from the event
    // loop so that the timer goes on ticking inside that window's loop.
    void act() {
        QWidget* window = QApplication::activeModalWidget();
        if (window == nullptr || answering_)
            return;
        answering_ = true;
        QTimer::singleShot(0, this, [this, shown = QPointer<QWidget>(window)] {
            answering_ = false;
            if (shown)
                answer(*shown);
        });
    }

    void answer(QWidget& window) {
        const QString name = window.objectName();
        static const std::set<QString> byNumber = {"mchoice", "quote", "qoddout", "Ioddout"};
        static const std::set<QString> byDone = {"imatch", "qmatch", "qsort"};
        if (byNumber.count(name) != 0) {
            QTest::keyClick(&window, Qt::Key_1);
        } else if (byDone.count(name) != 0) {
            buttonNamed(window, "Command1")->click();
        } else if (name == QLatin1String("NameMe")) {
            QTest::keyClick(&window, static_cast<char>('A' + letter_));
            letter_ = (letter_ + 1) % 26;
        } else if (auto* box = qobject_cast<QMessageBox*>(&window)) {
            box->defaultButton()->click();
        } else if (auto* dialog = qobject_cast<QDialog*>(&window)) {
            dialog->accept();
        }
    }

    QTimer tick_;
    int letter_ = 0;
    bool answering_ = false;
};

} // namespace

class LongRunTest : public QObject {
    Q_OBJECT

private slots:
    void aThousandQuestionsLeaveTheMemoryWhereItWas() {
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the address checker holds freed memory back; the plain build measures it");
#endif
        Program program;
        QVERIFY(program.started());
        Game& game = program.game();
        registerWindows(program.host(), game);
        game.settings.nquest = questionsPerRound;
        Player player;

        double afterTheFirstHundred = 0;
        for (int round = 1; round <= rounds; ++round) {
            // A new session's use counters, so the items never run out.
            game.db.itemuse.assign(game.db.itemuse.size(), 0);
            game.settings.selected = Settings::allSelected();
            game.player = ScoreRecord{};
            runquestions(game);
            if (round == roundsBeforeTheFirstReading)
                afterTheFirstHundred = residentMegabytes();
        }
        const double growth = residentMegabytes() - afterTheFirstHundred;
        qInfo("resident memory after 100 questions %.1f MB, grown by %.2f MB at 1000",
              afterTheFirstHundred, growth);
        QVERIFY2(growth < mostGrowthMegabytes,
                 qPrintable(QStringLiteral("grew by %1 MB").arg(growth)));
        const auto& shown = program.host().shown;
        const auto questions = std::count_if(shown.begin(), shown.end(), [](WindowId window) {
            return window >= WindowId::mchoice;
        });
        QCOMPARE(questions, rounds * questionsPerRound);
    }
};

} // namespace stratavex

QTEST_MAIN(stratavex::LongRunTest)
#include "long_run_wtest.moc"
