// SPDX-License-Identifier: MIT
#include "shell/help_window.h"

#include "base/file_limits.h"
#include "base/qt_controls.h"
#include "base/qt_files.h"
#include "base/qt_text.h"

#include <QFile>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace stratavex {
namespace {

constexpr double openingWidth = 9000;
constexpr double openingHeight = 7000;
constexpr double leastWidth = 4500;
constexpr double leastHeight = 3000;

} // namespace

HelpWindow::HelpWindow(const QString& fileName, const QByteArray& text, QWidget* parent)
    : QDialog(parent),
      Text1(makeReadingText(this, {.name = "Text1", .accessibleName = "Help text"})),
      cmdClose(makeButton(this, {.name = "cmdClose", .caption = "Close"})) {
    setUpDialog(*this, "HelpWindow", QStringLiteral("Help: ") + fileName);
    // The help text lines its columns up with spaces.
    Text1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QString shown = fromWin1252(std::string_view(text.constData(), std::size_t(text.size())));
    Text1->setPlainText(shown.remove(QLatin1Char('\r')));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    auto* rows = new QVBoxLayout(this);
    rows->addWidget(Text1);
    rows->addLayout(buttons);

    setMinimumSize(twipsToPixelsX(*this, leastWidth), twipsToPixelsY(*this, leastHeight));
    resize(twipsToPixelsX(*this, openingWidth), twipsToPixelsY(*this, openingHeight));
    cmdClose->setDefault(true);
    Text1->setFocus();
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::accept);
}

std::optional<QByteArray> readHelpText(const QString& path) {
    if (!isFileWithin(path, largestHelpText))
        return std::nullopt;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    constexpr auto largest = static_cast<qint64>(largestHelpText);
    QByteArray text = file.read(largest + 1);
    if (text.size() > largest)
        return std::nullopt;
    return text;
}

} // namespace stratavex
