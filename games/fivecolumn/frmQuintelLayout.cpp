// Laying out the five-column window at its size: the columns spread with the width, every
// vertical place stays as designed, and the labels that must stay centred follow their
// references.
#include "games/fivecolumn/frmQuintel.h"

#include "frame/Captions.h"
#include "frame/CardPictures.h"
#include "frame/TwipsLayout.h"
#include "frame/VbColour.h"
#include "platform/Twips.h"
#include "services/HighScores.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <algorithm>

namespace {
constexpr double kColumnShare[5] = {0.0440251572327, 0.1965408805031, 0.3490566037736,
                                    0.501572327044, 0.6540880503145};
constexpr int kMinWidth = 9540;
constexpr int kMinHeight = 7305;

double centreLeft(const QWidget* reference, const QWidget* w) {
    return TwLeft(reference) + TwWidth(reference) / 2.0 - TwWidth(w) / 2.0;
}
} // namespace

void frmQuintel::centreOver(QWidget* w, const QWidget* reference) {
    if (w && reference) MoveLeftTw(w, centreLeft(reference, w));
}

void frmQuintel::resizeEvent(QResizeEvent* event) {
    GameWindow::resizeEvent(event);
    Form_Resize();
}

void frmQuintel::Form_Resize() {
    if (isMinimized()) return;
    const int w = PxToTw(width());
    const int h = PxToTw(height());
    if (!isMaximized() && !isFullScreen() && (w < kMinWidth || h < kMinHeight)) {
        resize(Tw(kMinWidth), Tw(kMinHeight)); // both, even when only one was too small
        return;
    }
    layoutControls(w, h);
}

void frmQuintel::layoutControls(int w, int h) {
    for (int c = 0; c < 5; ++c)
        for (CardPicture* img : columns_[size_t(c)].cards())
            MoveLeftTw(img, w * kColumnShare[c]);
    auto column = [this](int c) { return static_cast<QWidget*>(columns_[size_t(c)].card(0)); };
    for (int c = 0; c < 5; ++c)
        MoveLeftTw(hits_[size_t(c)], TwLeft(column(c)) + 1);

    auto* outline = findChild<QFrame*>("ScoringLabelOutline");
    const int outlineLeft = TwLeft(column(0));
    outline->setGeometry(Tw(outlineLeft), outline->y(),
                         Tw(TwLeft(column(4)) + TwWidth(column(4)) - outlineLeft),
                         outline->height());
    // A resize while a round's total is shown keeps the amount beside it, not across it.
    if (label("ScoringLabelRoundTotal")->isVisible()) {
        placeRoundTotal();
    } else {
        CenterScoringLabel();
        for (const char* name : {"ScoringLabelInfo", "ScoringLabelRoundTotal"})
            centreOver(label(name), outline);
    }

    QWidget* surface = Surface();
    centreOver(surface, column(3));
    centreOver(label("lblTime"), column(3));
    const int sx = TwLeft(surface), sy = TwTop(surface);
    PlaceBevelLine(findChild<QWidget*>("TimerBevelSide"), sx + TwWidth(surface) + 30, sy - 15,
                   sx + TwWidth(surface) + 30, sy + 1185);
    MoveTw(findChild<QWidget*>("TimerRectangle"), sx - 90, sy - 30);
    PlaceBevelLine(findChild<QWidget*>("TimerBevelBottom"), sx - 15, 1560, sx - 15 + 1200, 1560);
    CenterTimeBonus();

    QWidget* box = findChild<QWidget*>("ScoreRectangle");
    centreOver(label("lblScore"), column(4));
    centreOver(box, column(4));
    MoveTw(box, TwLeft(box), sy + TwHeight(surface) / 2.0 - TwHeight(box) / 2.0);
    const int bx = TwLeft(box), by = TwTop(box);
    const int right = bx + TwWidth(box) - 15;
    PlaceBevelLine(findChild<QWidget*>("ScoreBevelSide"), right, by + 15, right,
                   by + TwHeight(box) - 15);
    PlaceBevelLine(findChild<QWidget*>("ScoreBevelBottom"), bx + 15, by + TwHeight(box) - 15, right,
                   by + TwHeight(box) - 15);
    QLabel* score = label("lblTotalScore");
    MoveTw(score, centreLeft(box, score), by + (TwHeight(box) - TwHeight(score)) / 2.0);

    MoveLeftTw(frmScore_, w * 0.8029350104822);
    MoveLeftTw(pile_, TwLeft(column(0)));
    MoveLeftTw(nextCard_, TwLeft(column(1)));
    centreOver(cmdPlay(), frmScore_);
    MoveLeftTw(quitButton(), TwLeft(cmdPlay()));
    MoveLeftTw(cmdPause(), TwLeft(cmdPlay()));
    MoveTw(cmdPass_, TwLeft(column(2)), by);
    QLabel* heading = label("lblCurrentRoundScore");
    heading->setGeometry(frmScore_->x(), heading->y(), frmScore_->width(), heading->height());
    centreOver(cmdGiveUp_, frmScore_);
    ApplyCaptionRule(label("lblHighScore"));
    centreOver(label("lblRound"), cmdPass_);
    MoveTw(frmSplash(), w / 2.0 - TwWidth(frmSplash()) / 2.0,
           h / 2.0 - TwHeight(frmSplash()) / 2.0);

    const int y = TwTop(columns_[0].total()) + TwHeight(columns_[0].total()) / 2;
    for (int c = 0; c < 5; ++c) {
        const int x1 = TwLeft(column(c)) + TwWidth(column(c));
        const int x2 = c < 4 ? TwLeft(column(c + 1)) : TwLeft(frmScore_);
        lines_[size_t(c)]->setGeometry(Tw(x1), Tw(y) - 1, std::max(1, Tw(x2) - Tw(x1)), 3);
    }
    ResizeColumnHeaders();
}

void frmQuintel::ResizeColumnHeaders() {
    for (int c = 0; c < 5; ++c) {
        centreOver(columns_[size_t(c)].total(), columns_[size_t(c)].card(0));
        centreOver(columns_[size_t(c)].soft(), columns_[size_t(c)].card(0));
    }
    centreOver(label("lblCurrentTotal"), frmScore_);
}

void frmQuintel::CenterTimeBonus() {
    QLabel* bonus = label("lblTimeBonus");
    const QWidget* rect = findChild<QWidget*>("TimerRectangle");
    if (!bonus || !rect) return;
    // The divisor is 1.3, not 2: the number sits a little right of and below the centre.
    MoveTw(bonus, TwWidth(rect) / 2.0 - TwWidth(bonus) / 1.3,
           TwHeight(rect) / 2.0 - TwHeight(bonus) / 1.3);
}

void frmQuintel::CenterScoringLabel() {
    QLabel* l = label("ScoringLabel");
    const QWidget* outline = findChild<QWidget*>("ScoringLabelOutline");
    l->adjustSize();
    MoveTw(l, centreLeft(outline, l), TwTop(outline) + TwHeight(outline) / 2.0 - TwHeight(l) / 2.0);
}

void frmQuintel::setCurrentTotal(int total) {
    QLabel* l = label("lblCurrentTotal");
    l->setText(QString::number(total));
    HighlightScoreTable(total);
    centreOver(l, frmScore_);
}

void frmQuintel::setTotalScore(int32_t score) {
    SetCaption(label("lblTotalScore"), FormatScore(score));
}

void frmQuintel::setTimeBonus(const QString& shown) {
    QLabel* l = label("lblTimeBonus");
    l->setText(shown);
    l->adjustSize();
    CenterTimeBonus();
}

void frmQuintel::setScoringText(const QString& text, uint32_t colour) {
    QLabel* l = label("ScoringLabel");
    l->setText(text);
    SetForeColour(l, colour);
    CenterScoringLabel();
}
