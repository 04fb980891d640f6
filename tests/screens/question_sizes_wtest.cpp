// SPDX-License-Identifier: MIT
// The question screens at their least size: a size saved smaller opens at
// the least size, and the longest texts the bundled database can put into a
// control still show whole there.
#include "screens/program_windows.h"

#include <QLabel>
#include <QRadioButton>
#include <QtTest>

#include <cstring>
#include <memory>

namespace stratavex {
namespace {

using testing::Program;
using testing::WindowKind;

const WindowKind& kindNamed(const QByteArray& name) {
    static const std::vector<WindowKind> kinds = testing::windowKinds();
    for (const WindowKind& kind : kinds)
        if (name == kind.name)
            return kind;
    qFatal("no window %s", name.constData());
}

// Why the text does not show whole in the control; empty when it does.
QString cutText(QWidget& control, const QString& text) {
    QSize needed;
    if (auto* label = qobject_cast<QLabel*>(&control)) {
        label->setText(text);
        needed = QSize(label->width(), label->heightForWidth(label->width()));
    } else if (auto* option = qobject_cast<QRadioButton*>(&control)) {
        option->setText(text);
        needed = option->sizeHint();
    }
    if (needed.isEmpty())
        return QStringLiteral("not a label or an option");
    if (needed.width() <= control.width() && needed.height() <= control.height())
        return {};
    return QStringLiteral("%1x%2 shows what needs %3x%4")
        .arg(control.width())
        .arg(control.height())
        .arg(needed.width())
        .arg(needed.height());
}

} // namespace

class QuestionSizesTest : public QObject {
    Q_OBJECT

private slots:
    void aSizeSavedSmallerOpensAtTheLeastSize_data() {
        QTest::addColumn<QByteArray>("window");
        QTest::addColumn<int>("slot");
        QTest::newRow("mchoice") << QByteArray("mchoice") << 0;
        QTest::newRow("quote") << QByteArray("quote") << 0;
        QTest::newRow("qoddout") << QByteArray("qoddout") << 7;
        QTest::newRow("Ioddout") << QByteArray("Ioddout") << 7;
        QTest::newRow("qsort") << QByteArray("qsort") << 1;
    }
    void aSizeSavedSmallerOpensAtTheLeastSize() {
        QFETCH(QByteArray, window);
        QFETCH(int, slot);
        Program program;
        QVERIFY(program.started());
        WindowRecord& saved = program.game().config.winsize[static_cast<std::size_t>(slot)];
        saved.width = 1500;
        saved.height = 1200;
        const std::unique_ptr<QWidget> opened = program.open(kindNamed(window));
        testing::show(*opened);
        QCOMPARE(opened->size(), opened->minimumSize());
        QVERIFY(saved.width > 1500 && saved.height > 1200);
    }

    // The longest of each kind of text in the bundled database.
    void theLongestTextsFitAtTheLeastSize_data() {
        QTest::addColumn<QByteArray>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("text");
        QTest::newRow("mchoice question") << QByteArray("mchoice") << "Label1"
                                          << "When did Carcharodontosaurus live?";
        QTest::newRow("mchoice era with its span")
            << QByteArray("mchoice") << "choice4"
            << "Late Permian - Early Triassic  --  259.5 - 246.7 mya";
        QTest::newRow("quote name") << QByteArray("quote") << "choice4"
                                    << "Carcharodontosaurus";
        QTest::newRow("qoddout era prompt")
            << QByteArray("qoddout") << "Label1"
            << "Which did not live in the Late Permian - Early Triassic?";
        QTest::newRow("qoddout name with its family")
            << QByteArray("qoddout") << "Option13"
            << "Carcharodontosaurus (Carcharodontosauridae)";
        QTest::newRow("Ioddout diet prompt") << QByteArray("Ioddout") << "Label1"
                                             << "Which was not a plant and animal eater?";
        QTest::newRow("qsort era heading")
            << QByteArray("qsort") << "Label1"
            << "Sort by era (in millions of years ago), earliest on top";
    }
    void theLongestTextsFitAtTheLeastSize() {
        QFETCH(QByteArray, window);
        QFETCH(QString, control);
        QFETCH(QString, text);
        Program program;
        QVERIFY(program.started());
        const std::unique_ptr<QWidget> opened = program.open(kindNamed(window));
        testing::show(*opened);
        testing::resizeTo(*opened, opened->minimumWidth(), opened->minimumHeight());
        const QString cut = cutText(*testing::requireControl<QWidget>(*opened, control), text);
        QVERIFY2(cut.isEmpty(), qPrintable(cut));
    }
};

} // namespace stratavex

QTEST_MAIN(stratavex::QuestionSizesTest)
#include "question_sizes_wtest.moc"
