// SPDX-License-Identifier: MIT
#include "screens/choice_window.h"

#include "base/qt_text.h"

#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

namespace stratavex {

namespace {

constexpr int windowSlot = 0; // shared by both choice screens

// Help and skip, in twips inside Frame1.
constexpr double buttonWidth = 1400;
constexpr double buttonHeight = 500;
constexpr double helpLeft = 300;
constexpr double skipLeft = 1900;
constexpr double buttonsBottomMargin = 450;

// An option answers to a press anywhere on it, not only on its circle and
// caption: the options are as wide as the frame.
class OptionButton : public QRadioButton {
public:
    explicit OptionButton(QWidget* parent) : QRadioButton(parent) {}

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

} // namespace

ChoiceWindow::ChoiceWindow(ScreenState& game, const ChoiceKind& kind, QWidget* parent)
    : QuestionWindow(game, windowSlot, parent),
      Label1(makeLabel(Frame1, {.name = "Label1",
                                .look = {12, true},
                                .wordWrap = true,
                                .alignment = Qt::AlignLeft | Qt::AlignTop})),
      // Enter must not skip the question or open the help by accident.
      cmdhelp(makeButton(
          Frame1,
          {.name = "cmdhelp", .caption = "help", .tip = "How to answer", .autoDefault = false})),
      Command1(makeButton(Frame1, {.name = "Command1",
                                   .caption = "skip",
                                   .tip = "Go on to the next question",
                                   .autoDefault = false})),
      question_(game, kind) {
    setWindowTitle(QStringLiteral("Multiple Choice"));
    describeKeys(QStringLiteral("Keys: 1 to 5 choose an answer; Tab moves between the "
                                "controls; Space presses the one in focus; Esc skips"));
    cmdhelp->setAccessibleName(QStringLiteral("Help"));
    Command1->setAccessibleName(QStringLiteral("Skip"));
    for (int i = 0; i < nChoices; ++i) {
        auto* option = new OptionButton(Frame1);
        option->setObjectName(QStringLiteral("choice%1").arg(i));
        setTextLook(*option, {11, false});
        option->installEventFilter(this);
        option->setAccessibleName(numberedName("Option", i));
        option->setToolTip(QStringLiteral("Press %1 to choose this answer").arg(i + 1));
        connect(option, &QAbstractButton::pressed, this, [this, i] { choice_MouseDown(i); });
        choice[static_cast<std::size_t>(i)] = option;
    }
    connect(cmdhelp, &QPushButton::clicked, this, [this] { cmdhelp_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    orderTabs();
}

void ChoiceWindow::orderTabs(QWidget* first) {
    std::vector<QWidget*> chain;
    if (first != nullptr)
        chain.push_back(first);
    chain.insert(chain.end(), choice.begin(), choice.end());
    chain.insert(chain.end(), {cmdhelp, Command1});
    setTabChain(chain);
}

void ChoiceWindow::placeButtons(double top) {
    placeTwips(*cmdhelp, helpLeft, top, buttonWidth, buttonHeight);
    placeTwips(*Command1, skipLeft, top, buttonWidth, buttonHeight);
}

double ChoiceWindow::buttonsTopAtBottom() const {
    return pixelsToTwipsY(*Frame1, Frame1->height()) - buttonsBottomMargin - buttonHeight;
}

void ChoiceWindow::Form_Load() {
    restoreSizeAndCenter();
    Form_Resize();
    question_.load();
    for (int i = 0; i < nChoices; ++i) {
        QRadioButton* option = choice[static_cast<std::size_t>(i)];
        option->setText(buttonText(question_.caption(i)));
        option->setAccessibleName(numberedName("Option", i, question_.caption(i)));
        // Without a complete question there is nothing to answer: skip leaves.
        option->setEnabled(question_.built());
    }
    if (question_.built()) {
        setPlainText(*Label1, question_.question());
        showQuestion();
    }
}

// QAbstractButton reports only presses of the left button; the answer is the
// first press of any button.
bool ChoiceWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton) {
        for (int i = 0; i < nChoices; ++i) {
            if (watched == choice[static_cast<std::size_t>(i)]) {
                choice_MouseDown(i);
                return true;
            }
        }
    }
    return QuestionWindow::eventFilter(watched, event);
}

// A number key answers the way a press on that option does.
bool ChoiceWindow::takeKey(const QKeyEvent& key) {
    const int number = numberKey(key);
    if (number < 1 || number > nChoices)
        return false;
    choice_MouseDown(number - 1);
    return true;
}

void ChoiceWindow::choice_MouseDown(int index) {
    if (!question_.built() || question_.answered())
        return;
    choice[static_cast<std::size_t>(index)]->setChecked(true);
    if (question_.press(index))
        accept();
}

void ChoiceWindow::cmdhelp_Click() {
    question_.help();
}

void ChoiceWindow::Command1_Click() {
    close();
}

} // namespace stratavex
