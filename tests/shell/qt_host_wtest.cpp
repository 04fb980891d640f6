// SPDX-License-Identifier: MIT
// The Qt side of the shell: text conversion, twips, message boxes, windows
// and sound files.
#include "base/file_limits.h"
#include "base/qt_controls.h"
#include "base/qt_text.h"
#include "base/services.h"
#include "engine/game.h"
#include "shell/help_window.h"
#include "shell/qt_host.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <cstdint>
#include <string>

#include <sys/stat.h>

using namespace stratavex;

Q_DECLARE_METATYPE(stratavex::Buttons)
Q_DECLARE_METATYPE(stratavex::Answer)

namespace {

QByteArray littleEndian(std::uint32_t value, int size) {
    QByteArray bytes;
    for (int i = 0; i < size; ++i)
        bytes.append(static_cast<char>((value >> (8 * i)) & 0xFF));
    return bytes;
}

QByteArray chunk(const QByteArray& id, const QByteArray& body) {
    QByteArray out = id + littleEndian(static_cast<std::uint32_t>(body.size()), 4) + body;
    if (body.size() % 2 != 0)
        out.append('\0');
    return out;
}

struct WaveShape {
    int format = 1; // PCM
    int bits = 16;
    bool dataChunk = true;
    bool listFirst = false; // a metadata chunk (odd length) before the format chunk
};

QByteArray wave(const WaveShape& shape) {
    const int channels = 1;
    const int rate = 8000;
    const int blockAlign = channels * shape.bits / 8;
    QByteArray fmt = littleEndian(static_cast<std::uint32_t>(shape.format), 2) +
                     littleEndian(channels, 2) + littleEndian(rate, 4) +
                     littleEndian(static_cast<std::uint32_t>(rate * blockAlign), 4) +
                     littleEndian(static_cast<std::uint32_t>(blockAlign), 2) +
                     littleEndian(static_cast<std::uint32_t>(shape.bits), 2);
    QByteArray body = "WAVE";
    if (shape.listFirst)
        body += chunk("LIST", QByteArray("INFOISFT", 8) + littleEndian(3, 4) + "sox");
    body += chunk("fmt ", fmt);
    if (shape.dataChunk)
        body += chunk("data", QByteArray(800 * blockAlign, '\x10'));
    return chunk("RIFF", body);
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Acts on the message box that the next modal call opens.
void answerNextBox(std::function<void(QMessageBox&)> act) {
    QTimer::singleShot(0, [act] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        act(*box);
    });
}

} // namespace

class QtHostTest : public QObject {
    Q_OBJECT

private slots:
    void win1252DecodesEveryByteItsOwnWay_data();
    void win1252DecodesEveryByteItsOwnWay();
    void everyByteSurvivesARoundTrip();
    void unrepresentableCharactersBecomeQuestionMarks_data();
    void unrepresentableCharactersBecomeQuestionMarks();
    void databaseTextIsShownAsPlainText();

    void twipsFollowTheLogicalDpi();
    void formReportsStateColourAndSizeInTwips();
    void centerframeCentresTheFrameAndShowsIt();

    void messageBoxHasTheAskedButtons_data();
    void messageBoxHasTheAskedButtons();
    void messageBoxTitleIsTheProgramsUnlessGiven();
    void showModalRunsTheRegisteredWindowOnly();

    void aDesktopWithoutAProgramForItOpensNothing_data();
    void aDesktopWithoutAProgramForItOpensNothing();
    void helpWithoutAViewerOpensTheProgramsOwnWindow();
    void anUnreadableHelpTextIsReported();
    void anAddressNoBrowserOpensIsShownInAMessage();

    void onlyPcmWavesOf8Or16BitsArePlayable_data();
    void onlyPcmWavesOf8Or16BitsArePlayable();
    void playSoundFailsWithoutAPlayableFile_data();
    void playSoundFailsWithoutAPlayableFile();
    void playSoundStartsAPlayableFile();
    void programFolderIsTheExecutablesFolder();
};

void QtHostTest::win1252DecodesEveryByteItsOwnWay_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::newRow("ASCII") << QByteArray("T. rex") << QStringLiteral("T. rex");
    QTest::newRow("0x80 is the euro sign") << QByteArray("\x80") << QString(QChar(0x20AC));
    QTest::newRow("0x92 is a right quote") << QByteArray("\x92") << QString(QChar(0x2019));
    QTest::newRow("0x9F is Y diaeresis") << QByteArray("\x9F") << QString(QChar(0x0178));
    QTest::newRow("0xE9 is e acute") << QByteArray("\xE9") << QString(QChar(0x00E9));
    QTest::newRow("0xA0 is a no-break space") << QByteArray("\xA0") << QString(QChar(0x00A0));
    QTest::newRow("undefined 0x81 keeps its value") << QByteArray("\x81") << QString(QChar(0x0081));
    QTest::newRow("CR LF kept") << QByteArray("a\r\nb") << QStringLiteral("a\r\nb");
}

void QtHostTest::win1252DecodesEveryByteItsOwnWay() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QCOMPARE(fromWin1252(std::string_view(bytes.constData(), bytes.size())), text);
    QCOMPARE(QByteArray::fromStdString(toWin1252(text)), bytes);
}

void QtHostTest::everyByteSurvivesARoundTrip() {
    std::string all;
    for (int b = 0; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    QCOMPARE(toWin1252(fromWin1252(all)), all);
}

void QtHostTest::unrepresentableCharactersBecomeQuestionMarks_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("Greek omega") << QString(QChar(0x03A9)) << QByteArray("?");
    QTest::newRow("C1 control that 1252 uses for the euro")
        << QString(QChar(0x0080)) << QByteArray("?");
    QTest::newRow("character outside the BMP is one mark")
        << QString::fromUcs4(U"a\U0001F996b") << QByteArray("a?b");
}

void QtHostTest::unrepresentableCharactersBecomeQuestionMarks() {
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);
    QCOMPARE(QByteArray::fromStdString(toWin1252(text)), bytes);
}

void QtHostTest::databaseTextIsShownAsPlainText() {
    QLabel label;
    label.setTextFormat(Qt::RichText);
    setPlainText(label, "<b>Big</b> \x96 lizard\r\nline two");
    QCOMPARE(label.textFormat(), Qt::PlainText);
    QCOMPARE(label.text(), QString::fromUtf8("<b>Big</b> \u2013 lizard\nline two"));
}

void QtHostTest::twipsFollowTheLogicalDpi() {
    QWidget parent;
    QWidget child(&parent);
    const int dpiX = child.logicalDpiX();
    const int dpiY = child.logicalDpiY();
    QCOMPARE(twipsToPixelsX(child, 1440), dpiX);
    QCOMPARE(twipsToPixelsY(child, 720), qRound(dpiY / 2.0));
    QCOMPARE(pixelsToTwipsX(child, dpiX), 1440.0);
    placeTwips(child, 1440, 720, 2880, 1440);
    QCOMPARE(child.geometry(), QRect(dpiX, qRound(dpiY / 2.0), 2 * dpiX, dpiY));
}

void QtHostTest::formReportsStateColourAndSizeInTwips() {
    QWidget window;
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, QColor(1, 2, 3));
    window.setPalette(palette);
    QtForm form(window);
    QCOMPARE(form.backColor(), 1 + 256 * 2 + 65536 * 3);

    form.setWidth(2880);
    form.setHeight(1440);
    QCOMPARE(window.size(), QSize(2 * window.logicalDpiX(), window.logicalDpiY()));
    QCOMPARE(form.width(), 2880.0);
    QCOMPARE(form.height(), 1440.0);

    QCOMPARE(form.windowState(), std::int16_t{0});
    form.setWindowState(2);
    QCOMPARE(form.windowState(), std::int16_t{2});
    form.setWindowState(1);
    QCOMPARE(form.windowState(), std::int16_t{1});
    form.setWindowState(0);
    QCOMPARE(form.windowState(), std::int16_t{0});

    const QRect screen = window.screen()->geometry();
    QCOMPARE(form.screenWidth(), pixelsToTwipsX(window, screen.width()));
    QCOMPARE(form.screenHeight(), pixelsToTwipsY(window, screen.height()));
}

void QtHostTest::centerframeCentresTheFrameAndShowsIt() {
    QWidget window;
    window.resize(400, 300);
    QWidget frame(&window);
    frame.setGeometry(5, 7, 100, 50);
    window.show();
    centerframe(frame, window);
    QCOMPARE(frame.pos(), QPoint(150, 125));
    QCOMPARE(frame.size(), QSize(100, 50));
    QVERIFY(frame.isVisible());
}

void QtHostTest::messageBoxHasTheAskedButtons_data() {
    QTest::addColumn<stratavex::Buttons>("buttons");
    QTest::addColumn<bool>("secondIsDefault");
    QTest::addColumn<int>("expectedButtons");
    QTest::addColumn<int>("expectedDefault");
    QTest::addColumn<int>("press");
    QTest::addColumn<stratavex::Answer>("answer");
    QTest::newRow("OK") << Buttons::Ok << false << int(QMessageBox::Ok) << int(QMessageBox::Ok)
                        << int(QMessageBox::Ok) << Answer::Ok;
    QTest::newRow("OK/Cancel, OK default")
        << Buttons::OkCancel << false << int(QMessageBox::Ok | QMessageBox::Cancel)
        << int(QMessageBox::Ok) << int(QMessageBox::Cancel) << Answer::Cancel;
    QTest::newRow("OK/Cancel, Cancel default")
        << Buttons::OkCancel << true << int(QMessageBox::Ok | QMessageBox::Cancel)
        << int(QMessageBox::Cancel) << int(QMessageBox::Ok) << Answer::Ok;
    QTest::newRow("Yes/No, Yes default")
        << Buttons::YesNo << false << int(QMessageBox::Yes | QMessageBox::No)
        << int(QMessageBox::Yes) << int(QMessageBox::Yes) << Answer::Yes;
    QTest::newRow("Yes/No, No default")
        << Buttons::YesNo << true << int(QMessageBox::Yes | QMessageBox::No) << int(QMessageBox::No)
        << int(QMessageBox::No) << Answer::No;
}

void QtHostTest::messageBoxHasTheAskedButtons() {
    QFETCH(stratavex::Buttons, buttons);
    QFETCH(bool, secondIsDefault);
    QFETCH(int, expectedButtons);
    QFETCH(int, expectedDefault);
    QFETCH(int, press);
    QFETCH(stratavex::Answer, answer);
    QtHost host;
    int shownButtons = 0;
    int shownDefault = 0;
    answerNextBox([&](QMessageBox& box) {
        shownButtons = int(box.standardButtons());
        shownDefault = int(box.standardButton(box.defaultButton()));
        box.button(QMessageBox::StandardButton(press))->click();
    });
    const Answer got = host.message({"Question?", buttons, Icon::Question, "", secondIsDefault});
    QCOMPARE(shownButtons, expectedButtons);
    QCOMPARE(shownDefault, expectedDefault);
    QCOMPARE(got, answer);
}

void QtHostTest::messageBoxTitleIsTheProgramsUnlessGiven() {
    QtHost host;
    QString title;
    QString text;
    Qt::TextFormat format = Qt::AutoText;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    const auto look = [&](QMessageBox& box) {
        title = box.windowTitle();
        text = box.text();
        format = box.textFormat();
        icon = box.icon();
        box.button(QMessageBox::Ok)->click();
    };
    answerNextBox(look);
    host.message({"<i>No such file</i>\r\nlast item 0 ", Buttons::Ok, Icon::Critical, ""});
    QCOMPARE(title, QStringLiteral("Stratavex: Dinosaur Trivia & Database"));
    QCOMPARE(text, QStringLiteral("<i>No such file</i>\nlast item 0 "));
    QCOMPARE(format, Qt::PlainText);
    QCOMPARE(icon, QMessageBox::Critical);

    answerNextBox(look);
    host.message({"Saved.", Buttons::Ok, Icon::Exclamation, "Hall of Fame \x96 local"});
    QCOMPARE(title, QString::fromUtf8("Hall of Fame \u2013 local"));
    QCOMPARE(icon, QMessageBox::Warning);
}

void QtHostTest::showModalRunsTheRegisteredWindowOnly() {
    QtHost host;
    int shown = 0;
    host.registerWindow(WindowId::HOF, [&shown] { ++shown; });
    host.showModal(WindowId::setup);
    QCOMPARE(shown, 0);
    host.showModal(WindowId::HOF);
    QCOMPARE(shown, 1);
}

void QtHostTest::aDesktopWithoutAProgramForItOpensNothing_data() {
    QTest::addColumn<QString>("query");
    QTest::newRow("no program named") << QStringLiteral("true");
    QTest::newRow("the query fails") << QStringLiteral("false");
    QTest::newRow("no query program") << QStringLiteral("/nonexistent/xdg-mime");
}
void QtHostTest::aDesktopWithoutAProgramForItOpensNothing() {
    QFETCH(QString, query);
    QtHost host;
    host.useHandlerQuery(query);
    QVERIFY(!host.viewText("dremhelp.txt"));
    QVERIFY(!host.openUrl("http://www.example.org/games/triv/triviahf.asp?game=drem"));
}

void QtHostTest::helpWithoutAViewerOpensTheProgramsOwnWindow() {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("dremhelp.txt"));
    QVERIFY(writeFile(path, "Stratavex help\r\nCaf\xe9 rules\r\n"));
    QtHost host;
    host.useHandlerQuery(QStringLiteral("false"));
    ProgramState game(host);
    QString shown;
    bool readOnly = false;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<HelpWindow*>(QApplication::activeModalWidget());
        QVERIFY(window != nullptr);
        shown = window->Text1->toPlainText();
        readOnly = window->Text1->isReadOnly();
        window->cmdClose->click();
    });
    viewtext(game, QFile::encodeName(path).toStdString());
    QCOMPARE(shown, QStringLiteral("Stratavex help\nCaf\u00e9 rules\n"));
    QVERIFY(readOnly);
}

void QtHostTest::anUnreadableHelpTextIsReported() {
    QTemporaryDir dir;
    QtHost host;
    QString said;
    answerNextBox([&said](QMessageBox& box) {
        said = box.text();
        box.button(QMessageBox::Ok)->click();
    });
    // A folder where the help file should be.
    host.showText(QFile::encodeName(dir.path()).toStdString());
    QVERIFY(said.startsWith(QStringLiteral("The help text \"")));
    QVERIFY(said.endsWith(QStringLiteral("\" could not be read.")));
}

void QtHostTest::anAddressNoBrowserOpensIsShownInAMessage() {
    QtHost host;
    host.useHandlerQuery(QStringLiteral("false"));
    ProgramState game(host);
    const std::string url = "http://www.example.org/games/triv/triviahf.asp?game=drem";
    bool selectable = false;
    QString said;
    answerNextBox([&](QMessageBox& box) {
        said = box.text();
        selectable = box.textInteractionFlags().testFlag(Qt::TextSelectableByMouse);
        box.button(QMessageBox::Ok)->click();
    });
    openurl(game, url);
    QVERIFY(said.contains(QString::fromStdString(url)));
    QVERIFY(selectable);
}

void QtHostTest::onlyPcmWavesOf8Or16BitsArePlayable_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("playable");
    QTest::newRow("16-bit PCM") << wave({}) << true;
    QTest::newRow("8-bit PCM") << wave({.bits = 8}) << true;
    QTest::newRow("metadata before the format") << wave({.listFirst = true}) << true;
    QTest::newRow("32-bit PCM") << wave({.bits = 32}) << false;
    QTest::newRow("32-bit float") << wave({.format = 3, .bits = 32}) << false;
    QTest::newRow("no data chunk") << wave({.dataChunk = false}) << false;
    QTest::newRow("header cut short") << wave({}).left(30) << false;
    QTest::newRow("samples cut short") << wave({}).chopped(100) << false;
    QTest::newRow("not a RIFF file") << QByteArray("ID3\x03 an mp3 file, really") << false;
    QTest::newRow("empty file") << QByteArray() << false;
}

void QtHostTest::onlyPcmWavesOf8Or16BitsArePlayable() {
    QFETCH(QByteArray, bytes);
    QFETCH(bool, playable);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("sound.wav"));
    QVERIFY(writeFile(path, bytes));
    QCOMPARE(isPlayableWave(path), playable);
}

void QtHostTest::playSoundFailsWithoutAPlayableFile_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("empty name") << QString();
    QTest::newRow("missing file") << QStringLiteral("no-such-sound.wav");
    QTest::newRow("32-bit file") << QStringLiteral("deep.wav");
    QTest::newRow("a pipe") << QStringLiteral("pipe.wav");
    QTest::newRow("a file over the sound limit") << QStringLiteral("long.wav");
}

void QtHostTest::playSoundFailsWithoutAPlayableFile() {
    QFETCH(QString, name);
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(QStringLiteral("deep.wav")), wave({.bits = 32})));
    QCOMPARE(
        ::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe.wav"))).constData(), 0644), 0);
    // Playable but for its length: the player would hold all of it in memory.
    const QString longWave = dir.filePath(QStringLiteral("long.wav"));
    QVERIFY(writeFile(longWave, wave({})));
    QVERIFY(QFile::resize(longWave, static_cast<qint64>(largestSound) + 1));
    QVERIFY(QDir::setCurrent(dir.path()));
    QtHost host;
    QVERIFY(!host.playSound(toWin1252(name)));
}

void QtHostTest::playSoundStartsAPlayableFile() {
    QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(QStringLiteral("ok.wav")), wave({})));
    QVERIFY(QDir::setCurrent(dir.path()));
    QtHost host;
    // Relative names are found in the current folder, the program folder.
    QVERIFY(host.playSound("ok.wav"));
    QTest::qWait(200);
    QVERIFY(host.playSound("ok.wav"));
    // Let the sound back end finish setting up before the effect goes away.
    QTest::qWait(200);
}

void QtHostTest::programFolderIsTheExecutablesFolder() {
    QtHost host;
    QCOMPARE(QString::fromStdString(host.programFolder()), QCoreApplication::applicationDirPath());
}

QTEST_MAIN(QtHostTest)
#include "qt_host_wtest.moc"
