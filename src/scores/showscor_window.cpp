// SPDX-License-Identifier: MIT
#include "scores/showscor_window.h"

#include "base/qt_controls.h"
#include "base/qt_text.h"
#include "base/services.h"
#include "scores/qt_text_width.h"
#include "scores/score_state.h"
#include "scores/showscor.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QResizeEvent>
#include <QScreen>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace stratavex {
namespace {

// The score display never remembers its size; its slot is kept for the rule.
constexpr int sizeSlot = 3;

// The least size the window opens at, in twips; longer texts make it larger.
constexpr double designWidth = 7200;
constexpr double designHeight = 4500;
// Narrower, the heading would need more lines than the verdict keeps.
constexpr double leastWidth = 4500;
// The verdict box always shows at least this many lines.
const QString leastVerdict = QStringLiteral("1\n2\n3");
// A long verdict widens the window up to this share of the screen and
// lengthens it up to this share of its height; beyond that it scrolls.
constexpr double widestShare = 0.75;
constexpr double tallestShare = 0.9;

// The frame keeps a 100-twip border in the window; below this width the
// verdict box keeps its place.
constexpr double frameLeft = 50;
constexpr double frameTop = 50;
constexpr double frameBorder = 100;
constexpr double minimumTextLayoutWidth = 3000;

// Inside the frame, in twips. The verdict box keeps 100 twips to the frame's
// left edge and 300 to its right; the labels and the button follow the
// frame. The verdict box takes whatever height the other rows leave.
constexpr double textLeft = frameLeft + 100;
constexpr double textMargins = 400; // frame width less verdict width
constexpr double labelLeft = textLeft;
constexpr double labelMargins = 300; // frame width less label width
constexpr double headingTop = 300;   // below the frame's edge and title
constexpr double leastHeadingHeight = 450;
constexpr double headingGap = 100;
constexpr double leastScoreHeight = 350;
constexpr double rowGap = 150;
constexpr double buttonWidth = 1200;
constexpr double buttonHeight = 420;
constexpr double bottomMargin = 180;

// The height a text takes when it wraps as the verdict box wraps it. Lines
// are a fraction of a pixel taller than the font's whole-pixel spacing.
int wrappedHeight(const QString& text, const QFont& font, int width) {
    QTextOption wrapping;
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    qreal height = 0;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font);
        layout.setTextOption(wrapping);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            height += line.height();
        }
        layout.endLayout();
    }
    return static_cast<int>(std::ceil(height));
}

QRect availableScreen(const QWidget& window) {
    const QScreen* screen = window.screen();
    return screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

} // namespace

showscor::showscor(ScoreState& game, QWidget* parent) : QDialog(parent), game_(game) {
    setUpDialog(*this, "showscor", QStringLiteral("Score"));
    createControls();
    Form_Load();
}

void showscor::createControls() {
    Frame1 = named(new QGroupBox(QStringLiteral(" "), this), "Frame1");

    Label1 = makeLabel(
        Frame1,
        {.name = "Label1", .look = {11, true}, .wordWrap = true, .alignment = Qt::AlignCenter});

    Text1 = makeReadingText(
        Frame1,
        {.name = "Text1", .accessibleName = "Verdict", .look = {10}, .scrollBarAlwaysOn = true});

    Label2 = makeLabel(Frame1, {.name = "Label2",
                                .look = {10, true},
                                .wordWrap = true,
                                .alignment = Qt::AlignLeft | Qt::AlignVCenter});

    Command1 = makeButton(
        Frame1, {.name = "Command1", .caption = "ok", .tip = "Click here when  ready to proceed"});
    Command1->setAccessibleName(QStringLiteral("OK"));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &showscor::Command1_Click);

    // The player reads the verdict and goes on with Enter.
    setTabOrder(Command1, Text1);
    Command1->setFocus();
}

void showscor::Form_Load() {
    QtForm form(*this);
    sizeform(game_, form, sizeSlot, 1);
    scoreCaption(game_);
    showTexts();
    fitToTexts();
    centerform(form);
}

void showscor::showTexts() {
    setPlainText(*Label1, game_.showscor.Label1);
    Text1->setPlainText(displayText(game_.showscor.Text1));
    setPlainText(*Label2, game_.showscor.Label2);
}

// Opens wide enough for the heading and the verdict's lines and tall enough
// for the whole verdict, as far as the screen allows; the least size keeps
// the heading, a few verdict lines, the score and the button whole.
void showscor::fitToTexts() {
    const int border = twipsToPixelsX(*this, frameBorder);
    const int verdictChrome = twipsToPixelsX(*this, textMargins) + widthBesideLines(*Text1);
    const int headingWidth =
        widestLine(Label1->text(), Label1->font()) + twipsToPixelsX(*this, labelMargins);
    const int wanted =
        border +
        std::max(widestLine(Text1->toPlainText(), Text1->font()) + verdictChrome, headingWidth);
    const QRect screen = availableScreen(*this);
    const int least = twipsToPixelsX(*this, designWidth);
    const int width =
        std::clamp(wanted, least, std::max(least, static_cast<int>(screen.width() * widestShare)));

    const int leastFrame = twipsToPixelsX(*this, leastWidth) - border;
    setMinimumSize(leastFrame + border,
                   windowHeight(leastFrame, verdictHeight(leastFrame, leastVerdict)));

    const int frameWidth = width - border;
    const int whole = windowHeight(frameWidth, verdictHeight(frameWidth, Text1->toPlainText()));
    const int height = std::max({std::min(whole, static_cast<int>(screen.height() * tallestShare)),
                                 twipsToPixelsY(*this, designHeight), minimumHeight()});
    resize(width, height);
    Form_Resize();
}

void showscor::Form_Resize() {
    QtForm form(*this);
    sizeform(game_, form, sizeSlot, 0);
    const int frameWidth = std::max(0, width() - twipsToPixelsX(*this, frameBorder));
    const int frameHeight = std::max(0, height() - twipsToPixelsY(*this, frameBorder));
    Frame1->setGeometry(twipsToPixelsX(*this, frameLeft), twipsToPixelsY(*this, frameTop),
                        frameWidth, frameHeight);
    if (form.width() < minimumTextLayoutWidth)
        return;
    layoutInside(frameWidth, frameHeight);
}

int showscor::headingHeight(int frameWidth) const {
    const int width = frameWidth - twipsToPixelsX(*this, labelMargins);
    return std::max(twipsToPixelsY(*this, leastHeadingHeight), Label1->heightForWidth(width));
}

int showscor::scoreHeight(int frameWidth) const {
    const int width = frameWidth - twipsToPixelsX(*this, labelMargins);
    return std::max(twipsToPixelsY(*this, leastScoreHeight), Label2->heightForWidth(width));
}

// The height of the verdict box that shows `text` whole in a frame this wide:
// the lines, the document's margins and the frame, and a pixel against
// rounding on each side.
int showscor::verdictHeight(int frameWidth, const QString& text) const {
    const int lineWidth =
        frameWidth - twipsToPixelsX(*this, textMargins) - widthBesideLines(*Text1);
    const int margins =
        2 * (static_cast<int>(Text1->document()->documentMargin()) + Text1->frameWidth() + 1);
    return wrappedHeight(text, Text1->font(), std::max(1, lineWidth)) + margins;
}

int showscor::windowHeight(int frameWidth, int verdictPixels) const {
    const double twips =
        headingTop + headingGap + 2 * rowGap + buttonHeight + bottomMargin + frameBorder;
    return twipsToPixelsY(*this, twips) + headingHeight(frameWidth) + verdictPixels +
           scoreHeight(frameWidth);
}

// The heading and the score line take the height their text needs at this
// width; the verdict gets the rest, the button stays at the bottom.
void showscor::layoutInside(int frameWidth, int frameHeight) {
    const auto x = [this](double twips) { return twipsToPixelsX(*this, twips); };
    const auto y = [this](double twips) { return twipsToPixelsY(*this, twips); };
    const int labelWidth = frameWidth - x(labelMargins);
    const int heading = headingHeight(frameWidth);
    Label1->setGeometry(x(labelLeft), y(headingTop), labelWidth, heading);

    const int buttonTop = frameHeight - y(bottomMargin) - y(buttonHeight);
    Command1->setGeometry((frameWidth - x(buttonWidth)) / 2, buttonTop, x(buttonWidth),
                          y(buttonHeight));
    const int score = scoreHeight(frameWidth);
    const int scoreTop = buttonTop - y(rowGap) - score;
    Label2->setGeometry(x(labelLeft), scoreTop, labelWidth, score);

    const int textTop = y(headingTop) + heading + y(headingGap);
    Text1->setGeometry(x(textLeft), textTop, frameWidth - x(textMargins),
                       std::max(0, scoreTop - y(rowGap) - textTop));
}

void showscor::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Form_Resize();
}

void showscor::Command1_Click() {
    accept();
}

} // namespace stratavex
