// SPDX-License-Identifier: MIT
#include "screens/oddout_window.h"

#include "base/qt_text.h"
#include "screens/screen_state.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace stratavex {

OddOutWindow::OddOutWindow(ScreenState& game, const OddOutScreen& screen, QWidget* parent)
    : QuestionWindow(game, oddOutSizeSlot, parent),
      Label1(makeLabel(Frame1, {.name = "Label1",
                                .look = {13, true},
                                .wordWrap = true,
                                .alignment = Qt::AlignLeft | Qt::AlignVCenter})),
      // Enter must not skip the question or open the help by accident.
      cmdhelp(makeButton(Frame1, {.name = "cmdhelp", .caption = "Help", .autoDefault = false})),
      cmdSkip(makeButton(Frame1, {.name = "cmdSkip",
                                  .caption = "Skip",
                                  .tip = "Click here when you are ready to proceed",
                                  .autoDefault = false})),
      question_(game, screen) {
    Frame1->setTitle(QString());
    cmdhelp->setAccessibleName(QStringLiteral("Help"));
    cmdSkip->setAccessibleName(QStringLiteral("Skip"));
    describeKeys(QStringLiteral("Keys: 1 to 4 choose the one that does not fit; Tab moves "
                                "between the controls; Space presses the one in focus; "
                                "Esc skips"));
    connect(cmdhelp, &QPushButton::clicked, this, [this] { cmdhelp_Click(); });
    connect(cmdSkip, &QPushButton::clicked, this, [this] { cmdSkip_Click(); });
}

void OddOutWindow::Form_Load() {
    restoreSizeAndCenter();
    setWindowTitle(displayText(game_.qname[static_cast<std::size_t>(game_.qtype)]));
    question_.load();
    if (question_.built())
        setPlainText(*Label1, question_.prompt());
    showItems(question_.built());
}

void OddOutWindow::itemClicked(int position) {
    if (!question_.built() || question_.answered())
        return;
    question_.answer(position);
    accept();
}

bool OddOutWindow::takeKey(const QKeyEvent& key) {
    const int number = numberKey(key);
    if (number < 1 || number > oddOutItems)
        return false;
    itemClicked(number - 1);
    return true;
}

void OddOutWindow::orderTabs(const std::vector<QWidget*>& items) {
    std::vector<QWidget*> chain = items;
    chain.insert(chain.end(), {cmdhelp, cmdSkip});
    setTabChain(chain);
}

void OddOutWindow::cmdhelp_Click() {
    question_.help();
}

void OddOutWindow::cmdSkip_Click() {
    close();
}

} // namespace stratavex
