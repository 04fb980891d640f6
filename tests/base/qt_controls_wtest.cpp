// SPDX-License-Identifier: MIT
// What the shared controls do beyond their looks: boxes that refuse what the
// game's files cannot store, and windows that unload once.
#include "base/qt_controls.h"

#include "base/file_limits.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QtTest>

#include <string>
#include <string_view>

#include <sys/stat.h>

using namespace stratavex;

namespace {

constexpr std::size_t longest = 16;

// A rule of the kind the core gives: the files keep text between double
// quotes, and this field holds at most sixteen characters.
std::string accepted(std::string_view text) {
    std::string kept;
    for (char c : text)
        if (c != '"' && kept.size() < longest)
            kept += c;
    return kept;
}

enum class Entry { typed, pasted, set };

class CountingDialog : public UnloadingDialog {
public:
    int unloads = 0;

protected:
    void Form_Unload() override { ++unloads; }
};

class CountingWindow : public UnloadingWindow {
public:
    int unloads = 0;

protected:
    void Form_Unload() override { ++unloads; }
};

enum class Closing { ok, cancel, closeBox, escape, okThenCancel, okTwice, hiddenOnly };

void close(QDialog& dialog, Closing how) {
    switch (how) {
    case Closing::ok:
        dialog.accept();
        break;
    case Closing::cancel:
        dialog.reject();
        break;
    case Closing::closeBox:
        dialog.close();
        break;
    case Closing::escape:
        QTest::keyClick(&dialog, Qt::Key_Escape);
        break;
    case Closing::okThenCancel:
        dialog.accept();
        dialog.reject();
        break;
    case Closing::okTwice:
        dialog.done(QDialog::Accepted);
        dialog.done(QDialog::Accepted);
        break;
    case Closing::hiddenOnly:
        dialog.hide();
        break;
    }
}

} // namespace

Q_DECLARE_METATYPE(Entry)
Q_DECLARE_METATYPE(Closing)

class ControlsTest : public QObject {
    Q_OBJECT

private slots:
    void lineBoxKeepsWhatTheRuleAccepts_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<Entry>("entry");
        QTest::addColumn<QString>("entered");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("keptCursor");
        QTest::newRow("a typed double quote is dropped")
            << "" << 0 << Entry::typed << "Al \"T\" Rex"
            << "Al T Rex" << 8;
        QTest::newRow("a pasted text loses only the double quotes")
            << "" << 0 << Entry::pasted << "\"al\"@x.org"
            << "al@x.org" << 8;
        QTest::newRow("the cursor stays after the last kept character")
            << "for a reason" << 4 << Entry::typed << "\"x\""
            << "for xa reason" << 5;
        QTest::newRow("a character Windows-1252 lacks shows as the file keeps it")
            << "" << 0 << Entry::pasted << "\u03A9mega"
            << "?mega" << 5;
        QTest::newRow("a character beyond sixteen bits is one question mark")
            << "ab" << 1 << Entry::pasted << "\U0001F995"
            << "a?b" << 2;
        QTest::newRow("the euro sign is a Windows-1252 character")
            << "" << 0 << Entry::pasted << "5 \u20AC"
            << "5 \u20AC" << 3;
        QTest::newRow("the rule's length holds") << "" << 0 << Entry::pasted << "Tyrannosaurus rex"
                                                 << "Tyrannosaurus re" << 16;
        QTest::newRow("a text set by the program is kept the same way")
            << "" << 0 << Entry::set << "say \"ah\""
            << "say ah" << 6;
    }

    void lineBoxKeepsWhatTheRuleAccepts() {
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(Entry, entry);
        QFETCH(QString, entered);
        QFETCH(QString, kept);
        QFETCH(int, keptCursor);
        QLineEdit box;
        box.setText(before);
        refuseCharacters(box, accepted);
        box.setCursorPosition(cursor);
        QSignalSpy changes(&box, &QLineEdit::textChanged);
        if (entry == Entry::typed)
            QTest::keyClicks(&box, entered);
        else if (entry == Entry::pasted)
            box.insert(entered);
        else
            box.setText(entered);
        QCOMPARE(box.text(), kept);
        QCOMPARE(box.cursorPosition(), keptCursor);
        for (const QList<QVariant>& change : changes)
            QVERIFY2(!change.at(0).toString().contains(QLatin1Char('"')),
                     "a refused character is never reported as typed");
    }

    void multiLineBoxKeepsWhatTheRuleAccepts_data() {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("keptCursor");
        QTest::newRow("a double quote is dropped") << "ab\"c"
                                                   << "abc" << 3;
        QTest::newRow("lines stay lines") << "one\ntwo\""
                                          << "one\ntwo" << 7;
        QTest::newRow("a no-break space stays") << "a\u00A0b"
                                                << "a\u00A0b" << 3;
        QTest::newRow("a character Windows-1252 lacks shows as the file keeps it") << "\u03A9"
                                                                                   << "?" << 1;
    }

    void multiLineBoxKeepsWhatTheRuleAccepts() {
        QFETCH(QString, pasted);
        QFETCH(QString, kept);
        QFETCH(int, keptCursor);
        QPlainTextEdit box;
        refuseCharacters(box, [](std::string_view text) {
            std::string all(text);
            std::erase(all, '"');
            return all;
        });
        box.insertPlainText(pasted);
        QCOMPARE(boxText(box), kept);
        QCOMPARE(box.textCursor().position(), keptCursor);
    }

    void dialogUnloadsOnceHoweverItCloses_data() {
        QTest::addColumn<Closing>("how");
        QTest::addColumn<int>("unloads");
        QTest::newRow("OK") << Closing::ok << 1;
        QTest::newRow("Cancel") << Closing::cancel << 1;
        QTest::newRow("the close box") << Closing::closeBox << 1;
        QTest::newRow("Escape") << Closing::escape << 1;
        QTest::newRow("OK, then Cancel") << Closing::okThenCancel << 1;
        QTest::newRow("OK twice") << Closing::okTwice << 1;
        QTest::newRow("hidden without closing") << Closing::hiddenOnly << 0;
    }

    void dialogUnloadsOnceHoweverItCloses() {
        QFETCH(Closing, how);
        QFETCH(int, unloads);
        CountingDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        close(dialog, how);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.unloads, unloads);
    }

    void windowUnloadsOnceWhenClosedTwice() {
        CountingWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(window.close());
        QCOMPARE(window.unloads, 1);
        window.close();
        QCOMPARE(window.unloads, 1);
    }

    // A picture file is only handed to Qt's reader when it is a regular file
    // of a picture's size: a pipe would stop the window for ever.
    void pictureBoxLoadsOnlyAPictureFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("shown");
        QTest::newRow("a picture") << QStringLiteral("picture") << true;
        QTest::newRow("a link to a picture") << QStringLiteral("link") << true;
        QTest::newRow("a pipe") << QStringLiteral("pipe") << false;
        QTest::newRow("a folder") << QStringLiteral("folder") << false;
        QTest::newRow("a file over the picture limit") << QStringLiteral("large") << false;
    }

    void pictureBoxLoadsOnlyAPictureFile() {
        QFETCH(QString, kind);
        QFETCH(bool, shown);
        QTemporaryDir dir;
        const QString picture = QStringLiteral(STRATAVEX_DATA_DIR "/trex.jpg");
        const QString path = dir.filePath(QStringLiteral("thing.jpg"));
        if (kind == QStringLiteral("picture") || kind == QStringLiteral("large"))
            QVERIFY(QFile::copy(picture, path));
        if (kind == QStringLiteral("large"))
            QVERIFY(QFile::resize(path, static_cast<qint64>(largestPicture) + 1));
        if (kind == QStringLiteral("link"))
            QVERIFY(QFile::link(picture, path));
        if (kind == QStringLiteral("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0644), 0);
        if (kind == QStringLiteral("folder"))
            QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("thing.jpg")));
        PictureBox box;
        box.load(QFile::encodeName(path).toStdString());
        QCOMPARE(box.hasPicture(), shown);
    }
};

QTEST_MAIN(ControlsTest)
#include "qt_controls_wtest.moc"
