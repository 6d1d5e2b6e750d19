// Window size and layout: the minimum size, the field spread over the window by fixed
// ratios, the gauges on the field's columns, and labels that move with their text.
#include "games/elevens/frmElevens.h"

#include "frame/Captions.h"
#include "frame/CardPictures.h"
#include "frame/TwipsLayout.h"
#include "frame/VbColour.h"
#include "platform/GameTimer.h"
#include "services/HighScores.h"
#include "services/SharedState.h"
#include "services/Sound.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <algorithm>
#include <cmath>

namespace {
constexpr int kMinWidth = 9540;
constexpr int kMinHeight = 7200;
constexpr int kCardWidth = 1065;
constexpr int kCardHeight = 1455;

// Offsets of each field place from place 0: columns left and right, rows by tier.
constexpr int kColumn[22] = {0,     -2610, 2610, -630, 585,  -3285, -1935, 0,    1935, 3285,  -3960,
                             -2610, -1260, 1260, 2610, 3960, -3285, -1935, 1935, 3285, -2610, 2610};
constexpr int kTierTop[6] = {0, 500, 1000, 1500, 2000, 2400};
constexpr int kTierOf[22] = {0, 1, 1, 1, 1, 2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5};

} // namespace

void frmElevens::resizeEvent(QResizeEvent* event) {
    GameWindow::resizeEvent(event);
    Form_Resize();
}

void frmElevens::changeEvent(QEvent* event) {
    GameWindow::changeEvent(event); // minimise and restore hold and resume the round
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

void frmElevens::Form_Resize() {
    const int w = width() * 15;
    const int h = height() * 15;
    if (isMinimized() || w < kMinWidth || h < kMinHeight) {
        if (isMinimized() || isMaximized() || isFullScreen()) return;
        resize(Tw(kMinWidth), Tw(kMinHeight));
        // A hidden window gets its resize event only when shown: lay it out now.
        if (width() * 15 >= kMinWidth && height() * 15 >= kMinHeight)
            layoutControls(width() * 15, height() * 15);
        return;
    }
    layoutControls(w, h);
}

int frmElevens::columnCentre(int column) const {
    return slotLeft_[size_t(column)] * 2 + kCardWidth; // doubled: halves stay exact
}

void frmElevens::centreOnColumn(QWidget* w, int column) {
    if (w) MoveLeftTw(w, columnCentre(column) / 2.0 - TwWidth(w) / 2.0);
}

void frmElevens::centreIn(QLabel* l, const char* rectangle, bool rounded) {
    const QWidget* r = findChild<QWidget*>(rectangle);
    if (!l || !r) return;
    // A value on a filled background fills its gauge across: sized to its digits it looked
    // like selected text.
    if (l->autoFillBackground()) {
        l->setAlignment(Qt::AlignCenter);
        l->resize(r->width() - 2 * Tw(90), l->height());
    }
    if (rounded)
        MoveLeftTw(l, TwLeft(r) + (TwWidth(r) - TwWidth(l)) / 2);
    else
        MoveLeftTw(l, TwLeft(r) + TwWidth(r) / 2.0 - TwWidth(l) / 2.0);
}

void frmElevens::placeGaugeBevels(const char* rectangle, const char* side, const char* bottom,
                                  int bottomInset) {
    const QWidget* r = findChild<QWidget*>(rectangle);
    if (!r) return;
    const int left = TwLeft(r), top = TwTop(r);
    const int x = left + TwWidth(r) - 15;
    const int y = top + TwHeight(r) - 15;
    PlaceBevelLine(findChild<QWidget*>(side), x, top + 15, x, y);
    PlaceBevelLine(findChild<QWidget*>(bottom), left + bottomInset, y, x, y);
}

void frmElevens::layoutControls(int w, int h) {
    for (const char* name : {"cmdPlay", "cmdTakeScore", "cmdPause", "cmdExit"})
        MoveLeftTw(button(name), w - 1320);

    const int x0 = int(std::lround(w / 2.208333333333));
    const int y0 = int(std::lround(h / 5.142857142857));
    MoveTw(frmSplash(), x0 - 3405, y0 + 400);

    for (int i = 0; i < kFieldPlaces; ++i) {
        slotLeft_[size_t(i)] = x0 + kColumn[i];
        slotTop_[size_t(i)] = y0 + kTierTop[kTierOf[i]];
        const QRect r = TwRect(slotLeft_[size_t(i)], slotTop_[size_t(i)], kCardWidth, kCardHeight);
        FieldSelectionRectangle(i)->setGeometry(r);
        FieldCardPicture(i)->setGeometry(r);
    }

    // The card-total gauge below place 0.
    QLabel* total = label("lblTotal");
    centreOnColumn(total, 0);
    MoveTw(total, TwLeft(total), y0 + 2470);
    QWidget* totalRect = findChild<QWidget*>("CardTotalRectangle");
    totalRect->setGeometry(TwRect(x0, y0 + 2740, kCardWidth, 435));
    QLabel* current = label("lblCurrentTotal");
    MoveTw(current, x0 + (kCardWidth - TwWidth(current)) / 2,
           y0 + 2740 + 435 / 2.0 - TwHeight(current) / 2.0);
    placeGaugeBevels("CardTotalRectangle", "CardTotalBevelSide", "CardTotalBevelBottom", 15);

    // Gauge captions and the clock on the columns of places 0, 1 and 2.
    centreOnColumn(label("lblScore"), 0);
    centreOnColumn(label("lblElevens"), 2);
    centreOnColumn(label("lblRound"), 2);
    centreOnColumn(label("lblTime"), 1);
    centreOnColumn(Surface(), 1);
    const double surfaceLeft = columnCentre(1) / 2.0 - TwWidth(Surface()) / 2.0;
    const int sideX = int(std::lround(surfaceLeft + TwWidth(Surface()) + 30));
    PlaceBevelLine(findChild<QWidget*>("TimerBevelSide"), sideX, 375, sideX, 1560);
    MoveLeftTw(findChild<QWidget*>("TimerRectangle"), surfaceLeft - 90);
    const int bottomX = int(std::lround(surfaceLeft - 15));
    PlaceBevelLine(findChild<QWidget*>("TimerBevelBottom"), bottomX, 1545, bottomX + 1200, 1545);

    MoveLeftTw(findChild<QWidget*>("ScoreRectangle"), x0);
    MoveLeftTw(findChild<QWidget*>("ElevensRectangle"), slotLeft_[2]);
    MoveLeftTw(findChild<QWidget*>("RoundRectangle"), slotLeft_[2]);
    placeGaugeBevels("ScoreRectangle", "ScoreBevelSide", "ScoreBevelBottom", 15);
    placeGaugeBevels("ElevensRectangle", "ElevensBevelSide", "ElevensBevelBottom", 15);
    placeGaugeBevels("RoundRectangle", "RoundBevelSide", "RoundBevelBottom", 25);
    centreIn(label("lblCurrentScore"), "ScoreRectangle", false);
    centreIn(label("lblCurrentElevens"), "ElevensRectangle", false);
    centreIn(label("lblCurrentRound"), "RoundRectangle", true);

    // The pile row; the message follows the pile's new height.
    pileTop_ = int(std::lround(h * 0.6520833333333));
    MoveTw(pilePicture_, w / 2.595918367347, pileTop_);
    MoveTw(upPicture_, w / 1.921450151057, pileTop_);
    upFrame_->setGeometry(upPicture_->geometry());
    placeMessage(true);
    QLabel* count = label("lblCardCount");
    MoveTw(count, TwLeft(pilePicture_) - 870, pileTop_ + kCardHeight / 2.0 - TwHeight(count) / 2.0);
    QLabel* high = label("lblHighScore");
    MoveTw(high, 135, pileTop_ + kCardHeight - TwHeight(high));
}

void frmElevens::placeMessage(bool resizing) {
    QLabel* m = label("lblMessage");
    QLabel* total = label("lblTotal");
    m->adjustSize(); // the frame writes "Game Paused" without sizing the label
    const bool atPile = messageSpot_ == MessageSpot::AtPile ||
                        (resizing && messageSpot_ == MessageSpot::UnderFieldThenPile);
    const int top = atPile ? pileTop_ : slotTop_[0] + 1905;
    MoveTw(m, TwLeft(total) + TwWidth(total) / 2.0 - TwWidth(m) / 2.0, top);
    if (!atPile) return;
    // The fifth tier reaches below the pile's top: a message level with the pile drops under
    // the field cards it would otherwise be written across (the pause shows their backs).
    int below = m->y();
    for (const CardPicture* card : fieldPictures_)
        if (card->isVisibleTo(this) && card->x() < m->geometry().right() &&
            card->geometry().right() > m->x())
            below = std::max(below, card->geometry().bottom() + 1);
    m->move(m->x(), below);
}

void frmElevens::placeTimeLabel() {
    centreOnColumn(label("lblTime"), 1);
}

void frmElevens::setMessage(const QString& text, MessageSpot place) {
    QLabel* m = label("lblMessage");
    m->setText(text);
    messageSpot_ = place;
    placeMessage();
}

void frmElevens::setScoreText(int32_t score) {
    QLabel* l = label("lblCurrentScore");
    SetCaption(l, FormatScore(score));
    SetForeColour(l, score >= 0 ? kVbBlue : kVbRed);
}

void frmElevens::setValueText(const char* name, const QString& text) {
    QLabel* l = label(name);
    l->setText(text);
    l->adjustSize();
    const QString n = name;
    if (n == "lblCurrentElevens")
        centreIn(l, "ElevensRectangle", true);
    else if (n == "lblCurrentRound")
        centreIn(l, "RoundRectangle", true);
    else if (n == "lblCurrentTotal")
        centreIn(l, "CardTotalRectangle", true);
    else if (n == "lblTime")
        placeTimeLabel();
}
