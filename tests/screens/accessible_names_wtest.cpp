// SPDX-License-Identifier: MIT
// What a screen reader can say about every control of every window: each
// control the player can use has a name, and no name tells more about the
// question than the screen shows.
#include "screens/program_windows.h"
#include "screens/qt_screen.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QtTest>

#include <memory>

namespace stratavex {
namespace {

using testing::Program;
using testing::WindowKind;

// A control the player can press, type in, choose from or reach with Tab.
bool interactive(const QWidget& control) {
    return qobject_cast<const QAbstractButton*>(&control) != nullptr ||
           qobject_cast<const QAbstractItemView*>(&control) != nullptr ||
           qobject_cast<const QLineEdit*>(&control) != nullptr ||
           qobject_cast<const QComboBox*>(&control) != nullptr ||
           qobject_cast<const QAbstractSpinBox*>(&control) != nullptr ||
           qobject_cast<const QPlainTextEdit*>(&control) != nullptr ||
           qobject_cast<const QTextEdit*>(&control) != nullptr ||
           qobject_cast<const PictureBox*>(&control) != nullptr ||
           (control.focusPolicy() & Qt::TabFocus) != 0;
}

// The parts of its own that Qt builds into a list or a text box (viewport,
// scroll bars) are named by Qt and are not the program's controls.
bool ownControl(const QWidget& control, const QWidget& window) {
    return control.window() == &window && !control.objectName().isEmpty() &&
           !control.objectName().startsWith(QLatin1String("qt_"));
}

// The text the control shows, as the player reads it.
QString shownText(const QWidget& control) {
    if (const auto* button = qobject_cast<const QAbstractButton*>(&control))
        return QString(button->text()).replace(QStringLiteral("&&"), QStringLiteral("&"));
    if (const auto* label = qobject_cast<const QLabel*>(&control))
        return label->text();
    if (const auto* box = qobject_cast<const QLineEdit*>(&control))
        return box->text();
    if (const auto* box = qobject_cast<const QPlainTextEdit*>(&control))
        return box->toPlainText();
    return {};
}

struct Checked {
    int controls = 0;
    QStringList failures;
};

Checked check(const QWidget& window, const QStringList& secrets) {
    Checked result;
    for (const QWidget* control : window.findChildren<QWidget*>()) {
        if (!ownControl(*control, window) || !interactive(*control))
            continue;
        ++result.controls;
        const QString name = control->accessibleName();
        if (name.trimmed().isEmpty()) {
            result.failures << control->objectName() + QStringLiteral(" has no name");
            continue;
        }
        // A name may repeat what the control shows; beyond that it says nothing.
        QString beyondTheScreen = name + QLatin1Char(' ') + control->accessibleDescription();
        const QString shown = shownText(*control);
        if (!shown.isEmpty())
            beyondTheScreen.remove(shown);
        for (const QString& secret : secrets)
            if (beyondTheScreen.contains(secret, Qt::CaseInsensitive))
                result.failures << control->objectName() + QStringLiteral(" says ") + secret +
                                       QStringLiteral(": ") + name;
    }
    return result;
}

} // namespace

class AccessibleNamesTest : public QObject {
    Q_OBJECT

private slots:
    void theMainMenusButtonsHaveNames() {
        Program program;
        QVERIFY(program.started());
        const Checked checked = check(program.menu(), {});
        QCOMPARE(checked.controls, 4);
        QVERIFY2(checked.failures.isEmpty(), qPrintable(checked.failures.join('\n')));
    }

    void everyControlHasANameThatGivesNoAnswerAway_data() {
        QTest::addColumn<int>("kind");
        const std::vector<WindowKind> kinds = testing::windowKinds();
        for (std::size_t k = 0; k < kinds.size(); ++k)
            QTest::newRow(kinds[k].name) << static_cast<int>(k);
    }
    void everyControlHasANameThatGivesNoAnswerAway() {
        QFETCH(int, kind);
        Program program;
        QVERIFY(program.started());
        const std::vector<WindowKind> kinds = testing::windowKinds();
        const WindowKind& window = kinds[static_cast<std::size_t>(kind)];
        const std::unique_ptr<QWidget> shown = program.open(window);
        const QStringList secrets = window.qtype != 0 ? program.pickedNames() : QStringList();
        QCOMPARE(secrets.isEmpty(), window.qtype == 0);
        const Checked checked = check(*shown, secrets);
        QVERIFY(checked.controls >= 2);
        QVERIFY2(checked.failures.isEmpty(), qPrintable(checked.failures.join('\n')));
    }

    // The names the screens are built to say, row by row of controls.
    void theQuestionScreensNameTheirControlsByPlace_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("withCaption");
        QTest::newRow("mchoice option") << "mchoice"
                                        << "choice2"
                                        << "Option 3" << true;
        QTest::newRow("quote option") << "quote"
                                      << "choice4"
                                      << "Option 5" << true;
        QTest::newRow("qoddout option") << "qoddout"
                                        << "Option10"
                                        << "Option 1" << true;
        QTest::newRow("Ioddout picture") << "Ioddout"
                                         << "Image13"
                                         << "Picture 4" << false;
        QTest::newRow("imatch picture") << "imatch"
                                        << "Image11"
                                        << "Picture 2" << false;
        QTest::newRow("imatch name") << "imatch"
                                     << "Btn10"
                                     << "Name 1" << true;
        QTest::newRow("qmatch bar") << "qmatch"
                                    << "Btn14"
                                    << "Name 5" << true;
        QTest::newRow("qmatch description") << "qmatch"
                                            << "Label20"
                                            << "Description 1" << true;
        QTest::newRow("qsort list") << "qsort"
                                    << "List1"
                                    << "Items to sort" << false;
        QTest::newRow("NameMe picture") << "NameMe"
                                        << "Image2"
                                        << "Picture of the dinosaur to name" << false;
    }
    void theQuestionScreensNameTheirControlsByPlace() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(bool, withCaption);
        Program program;
        QVERIFY(program.started());
        for (const WindowKind& kind : testing::windowKinds()) {
            if (window != QLatin1String(kind.name))
                continue;
            const std::unique_ptr<QWidget> shown = program.open(kind);
            const QWidget* found = shown->findChild<QWidget*>(control);
            QVERIFY(found != nullptr);
            const QString caption = shownText(*found);
            QCOMPARE(found->accessibleName(),
                     withCaption ? name + QStringLiteral(": ") + caption : name);
            return;
        }
        QFAIL("no such window");
    }
};

} // namespace stratavex

QTEST_MAIN(stratavex::AccessibleNamesTest)
#include "accessible_names_wtest.moc"
