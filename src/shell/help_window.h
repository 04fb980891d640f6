// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QDialog>
#include <QString>

#include <optional>

class QPlainTextEdit;
class QPushButton;

namespace stratavex {

// The program's own read-only window for a text file, for a desktop that has
// no text viewer: the text to scroll through and a button that closes it.
class HelpWindow : public QDialog {
    Q_OBJECT
public:
    // The text is the file's Windows-1252 bytes, already read.
    HelpWindow(const QString& fileName, const QByteArray& text, QWidget* parent = nullptr);

    QPlainTextEdit* Text1;
    QPushButton* cmdClose;
};

// The text of a help file, or nothing when it cannot be read as one: missing,
// not a plain file, or larger than any help text.
std::optional<QByteArray> readHelpText(const QString& path);

} // namespace stratavex
