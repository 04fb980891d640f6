// SPDX-License-Identifier: MIT
#include "screens/NameMe_window.h"

#include "base/qt_controls.h"
#include "base/qt_text.h"
#include "base/services.h"
#include "screens/qt_screen.h"

#include <QColor>
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPushButton>

namespace stratavex {

namespace {

// Design geometry in twips.
constexpr double windowWidth = 8610;
constexpr double windowHeight = 6330;
constexpr TwipsRect image2Design{360, 480, 4095, 2655};
constexpr TwipsRect label2Design{360, 5520, 6735, 735};
constexpr TwipsRect label1Design{360, 4680, 4335, 690};
constexpr TwipsRect label3Design{5880, 4080, 1455, 1095};
// Wide enough for the style's least push button, 80 pixels at 96 per inch;
// it grows to the left, short of the word line.
constexpr TwipsRect command1Design{7185, 5520, 1230, 615};

constexpr int wrongLettersPoints = 12;
constexpr double warningPoints = 9.75;
constexpr int quitPoints = 12;
// Room between the word and the ends of its red line.
constexpr double wordMargin = 90;
// The word line never shrinks below this to fit a long name.
constexpr int smallestWordPoints = 8;

void place(QWidget& control, const TwipsRect& r) {
    placeTwips(control, r.left, r.top, r.width, r.height);
}

// A key that types a character; Tab keeps moving the focus, and the keys
// without a character (Shift, arrows, function keys) are not typing.
bool typesACharacter(const QKeyEvent& key) {
    return !key.text().isEmpty() && key.key() != Qt::Key_Tab && key.key() != Qt::Key_Backtab;
}

} // namespace

NameMe::NameMe(ScreenState& game, QWidget* parent) : QDialog(parent), puzzle_(game) {
    setObjectName(QStringLiteral("NameMe"));
    createControls();
    puzzle_.onSolved([this] { render(); });
    Form_Load();
}

int NameMe::exec() {
    return puzzle_.built() ? QDialog::exec() : Rejected;
}

void NameMe::createControls() {
    setFixedSize(twipsToPixelsX(*this, windowWidth), twipsToPixelsY(*this, windowHeight));

    setToolTip(QStringLiteral("Keys: type the letters A to Z of the name"));
    setAccessibleDescription(toolTip());

    createPictures();
    createWordLabel();

    Label1 = makeLabel(this, {.name = "Label1",
                              .look = {wrongLettersPoints, true},
                              .wordWrap = true,
                              .alignment = Qt::AlignLeft | Qt::AlignVCenter});
    place(*Label1, label1Design);

    // The warning stays readable when the grown creature reaches it.
    Label3 = makeLabel(this, {.name = "Label3",
                              .look = {warningPoints, true},
                              .wordWrap = true,
                              .alignment = Qt::AlignCenter});
    place(*Label3, label3Design);
    Label3->raise();
    Label3->hide();

    // Enter and Space are the player's typing, never a press of quit.
    Command1 = makeButton(
        this, {.name = "Command1", .caption = "quit", .look = {quitPoints}, .autoDefault = false});
    Command1->setFocusPolicy(Qt::NoFocus);
    Command1->setAccessibleName(QStringLiteral("Quit"));
    place(*Command1, command1Design);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });

    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>())
        child->installEventFilter(this);
}

void NameMe::createPictures() {
    Image2 = new PictureBox(this);
    Image2->setObjectName(QStringLiteral("Image2"));
    Image2->setAccessibleName(QStringLiteral("Picture of the dinosaur to name"));
    place(*Image2, image2Design);

    Image1 = new PictureBox(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAccessibleName(QStringLiteral("The creature"));
    place(*Image1, NameMePuzzle::creatureDesign);
    Image1->hide();
}

// The name being guessed, yellow on red.
void NameMe::createWordLabel() {
    Label2 = makeLabel(this, {.name = "Label2",
                              .look = {static_cast<double>(wordFontPoints(0)), true},
                              .alignment = Qt::AlignCenter});
    Label2->setAutoFillBackground(true);
    Label2->setContentsMargins(twipsToPixelsX(*this, wordMargin), 0,
                               twipsToPixelsX(*this, wordMargin), 0);
    QPalette colours = Label2->palette();
    colours.setColor(QPalette::Window, QColor(Qt::red));
    colours.setColor(QPalette::WindowText, QColor(Qt::yellow));
    Label2->setPalette(colours);
    place(*Label2, label2Design);
}

void NameMe::Form_Load() {
    QtForm form(*this);
    centerform(form);
    setWindowTitle(QString::fromLatin1(NameMePuzzle::caption));
    puzzle_.load();
    Image2->load(puzzle_.dinosaurPicture());
    render();
}

bool NameMe::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && widget->window() == this)
            return takeKey(*static_cast<QKeyEvent*>(event));
    }
    return QDialog::eventFilter(watched, event);
}

// A held key is one keystroke: its repeats would otherwise close a lost
// puzzle the moment it is lost.
bool NameMe::takeKey(const QKeyEvent& key) {
    if (!typesACharacter(key))
        return false;
    if (key.isAutoRepeat())
        return true;
    const std::string typed = toWin1252(key.text());
    Form_KeyPress(static_cast<unsigned char>(typed.front()));
    return true;
}

void NameMe::Form_KeyPress(int keyAscii) {
    const NameMePuzzle::Key outcome = puzzle_.Form_KeyPress(keyAscii);
    render();
    if (outcome == NameMePuzzle::Key::closes)
        accept();
}

void NameMe::Command1_Click() {
    accept();
}

void NameMe::render() {
    setPlainText(*Label1, puzzle_.Label1());
    setPlainText(*Label3, puzzle_.Label3());
    Label3->setVisible(puzzle_.label3Visible());

    // The size the name's length calls for, unless the line would still be too short for it.
    setPlainText(*Label2, puzzle_.Label2());
    QFont font = Label2->font();
    int points = puzzle_.label2Points();
    font.setPointSize(points);
    const int room = Label2->contentsRect().width();
    while (points > smallestWordPoints &&
           QFontMetrics(font).horizontalAdvance(Label2->text()) > room)
        font.setPointSize(--points);
    Label2->setFont(font);

    if (!puzzle_.creatureVisible()) {
        Image1->hide();
        return;
    }
    place(*Image1, puzzle_.creatureGeometry());
    if (creatureShown_ != puzzle_.creaturePicture()) {
        creatureShown_ = puzzle_.creaturePicture();
        Image1->load(creatureShown_);
    }
    Image1->show();
}

} // namespace stratavex
