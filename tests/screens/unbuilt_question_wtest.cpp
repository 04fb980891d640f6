// SPDX-License-Identifier: MIT
// A question screen whose question cannot be built tells the player, opens
// the settings, and then closes by itself as a skipped question: it never
// stands open blank.
#include "screens/program_windows.h"

#include <QDialog>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace stratavex {
namespace {

using testing::Program;
using testing::WindowKind;

} // namespace

class UnbuiltQuestionTest : public QObject {
    Q_OBJECT

private slots:
    void theScreenClosesAfterTheMessageAndTheSettings_data() {
        QTest::addColumn<int>("index");
        const std::vector<WindowKind> kinds = testing::windowKinds();
        for (std::size_t i = 0; i < kinds.size(); ++i)
            if (kinds[i].qtype != 0)
                QTest::newRow(kinds[i].name) << static_cast<int>(i);
    }
    void theScreenClosesAfterTheMessageAndTheSettings() {
        QFETCH(int, index);
        Program program;
        QVERIFY(program.started());
        // No animal is easy enough: nothing can be picked.
        program.game().settings.maxdif = 0;
        const std::unique_ptr<QWidget> window =
            program.open(testing::windowKinds()[static_cast<std::size_t>(index)]);
        auto* dialog = qobject_cast<QDialog*>(window.get());
        QVERIFY(dialog != nullptr);
        QCOMPARE(program.host().messages.size(), std::size_t{1});
        QVERIFY(program.host().messages[0].text.starts_with("Current set doesn't provide"));
        QCOMPARE(program.host().timesShown(WindowId::setup), 1);

        // A screen left open would be closed here, and the test would fail.
        bool leftOpen = false;
        QTimer::singleShot(3000, dialog, [&] {
            leftOpen = dialog->isVisible();
            dialog->done(QDialog::Accepted);
        });
        QCOMPARE(dialog->exec(), int{QDialog::Rejected});
        QVERIFY(!leftOpen);
        QVERIFY(!dialog->isVisible());
    }

    void aBuiltQuestionOpensItsScreen() {
        Program program;
        QVERIFY(program.started());
        const std::unique_ptr<QWidget> window = program.open(testing::windowKinds()[5]);
        auto* dialog = qobject_cast<QDialog*>(window.get());
        bool shown = false;
        QTimer::singleShot(0, dialog, [&] {
            shown = dialog->isVisible();
            dialog->done(QDialog::Accepted);
        });
        QCOMPARE(dialog->exec(), int{QDialog::Accepted});
        QVERIFY(shown);
        QVERIFY(program.host().messages.empty());
    }
};

} // namespace stratavex

QTEST_MAIN(stratavex::UnbuiltQuestionTest)
#include "unbuilt_question_wtest.moc"
