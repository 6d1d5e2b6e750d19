// The poker grid window's layout for its current size, and the centring of the large
// message and of the seconds over the clock.
#include "games/pokergrid/frmScramble.h"

#include "frame/Captions.h"
#include "frame/CardPictures.h"
#include "games/pokergrid/PokerGridLayout.h"
#include "platform/Twips.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QResizeEvent>
#include <cmath>

namespace {
using namespace PokerGridDesign;

int px(double twips) {
    return Tw(int(std::lround(twips)));
}
int twipsOf(int pixels) {
    return pixels * 15;
}
} // namespace

void frmScramble::resizeEvent(QResizeEvent* event) {
    GameWindow::resizeEvent(event);
    Form_Resize();
}

void frmScramble::centreOn(QWidget* w, const QWidget* on) {
    if (w && on) w->move(on->x() + (on->width() - w->width()) / 2, w->y());
}

void frmScramble::placeLabel(const char* name, double left, double top) {
    if (QLabel* l = label(name)) l->move(px(left), px(top));
}

void frmScramble::Form_Resize() {
    if (resizing_ || !cells_[0]) return;
    const Qt::WindowStates state = windowState();
    if (!(state & (Qt::WindowMaximized | Qt::WindowMinimized)) &&
        (height() < Tw(7305) || width() < Tw(9540))) {
        // Both, even when only one was too small; the resize that follows lays out.
        resize(Tw(9540), Tw(7305));
        return;
    }
    resizing_ = true;
    const PokerGridLayout l = LayOutPokerGrid(twipsOf(width()), twipsOf(height()));

    for (int r = 0; r < 5; ++r)
        for (int c = 0; c < 5; ++c)
            PlayCards(5 * r + c)->move(px(l.columnLeft[size_t(c)]), px(l.rowTop[size_t(r)]));
    for (int c = 0; c < 5; ++c) {
        QLabel* col = lblCol(c + 1);
        col->move(0, px(l.columnLabelsTop));
        centreOn(col, PlayCards(20 + c));
    }
    CardStackPicture()->move(px(l.deckLeft), px(l.cardsTop));
    HoleCard()->move(px(l.holeLeft), px(l.cardsTop));
    for (int r = 0; r < 5; ++r) {
        lblRow(r + 1)->move(px(l.rowLabelsLeft), 0);
        placeRowLabel(r);
    }

    // The clock panel.
    ClockSurface* surface = Surface();
    surface->move(px(l.surfaceLeft), Tw(SurfaceTop));
    QLabel* time = label("lblTime");
    centreOn(time, surface);
    const int sx = twipsOf(surface->x());
    if (auto* side = findChild<QWidget*>("TimerBevelSide"))
        PlaceBevelLine(side, sx + SurfaceWidth + 30, 2805, sx + SurfaceWidth + 30, 4005);
    if (auto* rect = findChild<QWidget*>("TimerRectangle")) rect->move(Tw(sx - 90), Tw(2790));
    if (auto* bottom = findChild<QWidget*>("TimerBevelBottom"))
        PlaceBevelLine(bottom, sx - 15, 4005, sx - 15 + 1200, 4005);
    CenterTimeBonus();

    // The score panel.
    auto* score = findChild<QWidget*>("ScoreRectangle");
    score->move(px(l.scoreLeft), Tw(ScoreRectangleTop));
    const int scoreLeft = twipsOf(score->x());
    const int bevelX = scoreLeft + ScoreRectangleWidth - 15;
    PlaceBevelLine(findChild<QWidget*>("ScoreBevelSide"), bevelX, 1875, bevelX, 2360);
    PlaceBevelLine(findChild<QWidget*>("ScoreBevelBottom"), scoreLeft + 15, 2355, bevelX, 2355);
    centreOn(label("lblCurrentScore"), score);
    centreOn(label("lblScore"), score);

    // Under the grid.
    QLabel* cards = label("lblCards");
    cards->move(0, px(l.labelsTop));
    centreOn(cards, PlayCards(21));
    QLabel* high = label("lblHighScore");
    high->move(0, cards->y());
    centreOn(high, PlayCards(23));
    label("lblPointsEarned")->move(lblRow(1)->x(), cards->y());

    QLabel* round = label("lblRound");
    round->move(0, CardStackPicture()->y() - Tw(300));
    centreOn(round, surface);
    placeOverWrites();

    for (QPushButton* b : {cmdPlay(), cmdPause(), quitButton()})
        b->move(surface->x(), b->y());
    cmdPlay()->move(cmdPlay()->x(), Tw(30));
    cmdPause()->move(cmdPause()->x(), Tw(427));
    quitButton()->move(quitButton()->x(), Tw(825));

    frmSplash()->move(px(l.splashLeft), px(l.splashTop));
    if (auto* outline = findChild<QWidget*>("ScoringLabelOutline"))
        outline->move(px(twipsOf(score->x()) / 2.0 - OutlineWidth / 2.0), px(l.splashTop));
    CenterScoringLabel();
    resizing_ = false;
}

// A row's hand name sits right of the grid, centred on its row. At the narrower widths the
// room before the deck is less than the longest names need; such a name breaks onto a second
// line rather than run over the deck picture.
void frmScramble::placeRowLabel(int row) {
    QLabel* l = lblRow(row + 1);
    FitCaptionWithin(l, CardStackPicture()->x() - l->x() - Tw(45));
    const CardPicture* last = PlayCards(5 * row + 4);
    l->move(l->x(), last->y() + (last->height() - l->height()) / 2);
}

void frmScramble::CenterScoringLabel() {
    const QWidget* outline = findChild<QWidget*>("ScoringLabelOutline");
    QLabel* big = label("ScoringLabel");
    QLabel* message = label("lblMessage");
    if (!outline || !big || !message) return;
    big->adjustSize();
    message->adjustSize();
    big->move(outline->x() + outline->width() / 2 - big->width() / 2,
              outline->y() + outline->height() / 2 - big->height() / 2);
    message->move(outline->x() + outline->width() / 2 - message->width() / 2,
                  big->y() - message->height() - Tw(100));
}

void frmScramble::CenterTimeBonus() {
    QLabel* seconds = label("lblTimeBonus");
    if (!seconds) return;
    seconds->adjustSize();
    // Inside the clock, a little up and left of its centre, as the frame's rectangle sits.
    seconds->move(int(Tw(TimerRectangleWidth) / 2 - seconds->width() / 1.3),
                  int(Tw(TimerRectangleHeight) / 2 - seconds->height() / 1.3));
}
