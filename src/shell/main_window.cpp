// SPDX-License-Identifier: MIT
#include "shell/main_window.h"

#include "base/qt_text.h"
#include "base/services.h"
#include "engine/game.h"
#include "engine/game_loop.h"
#include "shell/qt_panel.h"
#include "shell/startup.h"

#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPen>
#include <QPushButton>

#include <algorithm>
#include <array>
#include <string>

namespace stratavex {
namespace {

// Designed size of the menu, in twips.
constexpr double designWidth = 9600;
constexpr double designHeight = 7200;

constexpr double margin = 360;
constexpr double buttonWidth = 1560;
constexpr double buttonHeight = 480;
constexpr double buttonGap = 240;

const char* const credits1 = "Stratavex 2.11 - written by the Stratavex developers, MIT licence";
const char* const credits2 =
    "Dinosaur clip art: Francesco Rollandin (openclipart.org, public domain)";

// A text on a light panel, which keeps it readable on any background
// picture. Painted here rather than with a style sheet, which would set up
// the style sheet machinery for the whole menu at start-up.
class PanelLabel : public QLabel {
public:
    explicit PanelLabel(QWidget* parent) : QLabel(parent) {
        setContentsMargins(panelBorder + 8, panelBorder + 2, panelBorder + 8, panelBorder + 2);
        QPalette colours = palette();
        colours.setColor(QPalette::WindowText, QColor(0x2a, 0x1e, 0x10));
        setPalette(colours);
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(QColor(90, 60, 20, 160), panelBorder));
        painter.setBrush(QColor(255, 250, 235, 215));
        const double inset = panelBorder / 2.0;
        paintRoundedPanel(painter, QRectF(rect()).adjusted(inset, inset, -inset, -inset), 6);
        painter.end();
        QLabel::paintEvent(event);
    }

private:
    static constexpr int panelBorder = 1;
};

} // namespace

main::main(Game& game, QWidget* parent) : UnloadingWindow(parent), game_(game) {
    setObjectName(QStringLiteral("main"));
    createControls();
    Form_Load();
}

void main::createControls() {
    cmdsetup = makeButton(this, {.name = "cmdsetup",
                                 .caption = "Setup",
                                 .tip = "Conditions for the game",
                                 .look = {.bold = true}});
    cmdquit = makeButton(this, {.name = "cmdquit", .caption = "Quit", .look = {.bold = true}});
    Command3 = makeButton(this, {.name = "Command3", .caption = "About", .look = {.bold = true}});
    Command1 = makeButton(
        this,
        {.name = "Command1", .caption = "Play", .tip = "Play the game", .look = {.bold = true}});
    Label1 = makeLabel<PanelLabel>(
        this, {.name = "Label1", .look = {18, true}, .alignment = Qt::AlignCenter});
    Label2 = makeLabel<PanelLabel>(
        this, {.name = "Label2", .look = {11, true}, .alignment = Qt::AlignCenter});
    Label3 = makeLabel<PanelLabel>(
        this, {.name = "Label3", .look = {9, false}, .alignment = Qt::AlignCenter});
    Label4 = makeLabel<PanelLabel>(
        this, {.name = "Label4", .look = {9, false}, .alignment = Qt::AlignCenter});
    Command1->setAccessibleName(QStringLiteral("Play"));
    cmdsetup->setAccessibleName(QStringLiteral("Setup"));
    Command3->setAccessibleName(QStringLiteral("About"));
    cmdquit->setAccessibleName(QStringLiteral("Quit"));

    setTabOrder(Command1, cmdsetup);
    setTabOrder(cmdsetup, Command3);
    setTabOrder(Command3, cmdquit);
    // The menu opens on Play, so Space or Enter at once starts a game.
    Command1->setFocus();

    connect(Command1, &QPushButton::clicked, this, [this] { playgame(game_); });
    connect(cmdsetup, &QPushButton::clicked, this, &main::cmdsetup_Click);
    connect(cmdquit, &QPushButton::clicked, this, &main::cmdquit_Click);
    connect(Command3, &QPushButton::clicked, this, &main::Command3_Click);
}

void main::Form_Load() {
    resize(twipsToPixelsX(*this, designWidth), twipsToPixelsY(*this, designHeight));
    layoutControls();
    QtForm form(*this);
    centerform(form);
    setWindowTitle(QString::fromLatin1(appTitle));

    startGameEngine(game_);
    loadBackground();
    prepareFonts();

    Label1->setText(QString::fromLatin1(appTitle));
    Label2->setText(QStringLiteral("Version ") + QString::fromLatin1(appVersion));
    Label3->setText(QString::fromLatin1(credits1));
    Label4->setText(QString::fromLatin1(credits2));
    Label3->hide();
    Label4->hide();
    keepEverythingInView();

    loadGameFiles(game_);
}

void main::Form_Unload() {
    mainFormUnload(game_);
}

// The least size still shows the whole title, the credits above the buttons
// and the row of buttons, none over another.
void main::keepEverythingInView() {
    const double rowWidth = 4 * buttonWidth + 3 * buttonGap;
    const int titleWidth = Label1->sizeHint().width() + twipsToPixelsX(*this, 2 * margin);
    const double leastHeight = 5400;
    setMinimumSize(std::max(twipsToPixelsX(*this, rowWidth + 2 * margin), titleWidth),
                   twipsToPixelsY(*this, leastHeight));
}

void main::loadBackground() {
    // A name that is empty or that no picture loads from leaves the menu plain.
    const std::string& name = game_.config.bgpicture;
    background_.load(blank(name) ? QString() : fromWin1252(name), size(), devicePixelRatioF());
    update();
}

// The first paint waits for the background picture, and drawing the first
// text then sets up fontconfig and the fonts, one after the other. Setting up
// the menu's fonts now lets that go on while the picture decodes.
void main::prepareFonts() {
    for (const QWidget* control : {static_cast<QWidget*>(Label1), static_cast<QWidget*>(Label2),
                                   static_cast<QWidget*>(Command1)})
        static_cast<void>(control->fontMetrics().height());
}

void main::layoutControls() {
    const double w = pixelsToTwipsX(*this, width());
    const double h = pixelsToTwipsY(*this, height());

    placeTwips(*Label1, margin, margin, w - 2 * margin, 720);
    const double versionWidth = 2400;
    placeTwips(*Label2, (w - versionWidth) / 2, margin + 840, versionWidth, 400);

    // Buttons in one row along the bottom, in the order a player reads them.
    const double rowWidth = 4 * buttonWidth + 3 * buttonGap;
    const double rowLeft = (w - rowWidth) / 2;
    const double rowTop = h - margin - buttonHeight;
    const std::array<QPushButton*, 4> row = {Command1, cmdsetup, Command3, cmdquit};
    for (std::size_t i = 0; i < row.size(); ++i)
        placeTwips(*row[i], rowLeft + static_cast<double>(i) * (buttonWidth + buttonGap), rowTop,
                   buttonWidth, buttonHeight);

    const double creditsHeight = 340;
    placeTwips(*Label4, margin, rowTop - 240 - creditsHeight, w - 2 * margin, creditsHeight);
    placeTwips(*Label3, margin, rowTop - 300 - 2 * creditsHeight, w - 2 * margin, creditsHeight);
}

void main::paintEvent(QPaintEvent*) {
    const QImage& picture = background_.scaledTo(size(), devicePixelRatioF());
    if (picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(QPoint(0, 0), picture);
}

void main::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layoutControls();
}

void main::cmdsetup_Click() {
    game_.host.showModal(WindowId::setup);
}

void main::cmdquit_Click() {
    close();
}

void main::Command3_Click() {
    Label3->show();
    Label4->show();
}

} // namespace stratavex
