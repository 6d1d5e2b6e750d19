// The board in the window: the cards as the game holds them, the clicks, the column scores
// with their "Flush!" notice, and the blocked board.
#include "games/trips/frmTrip.h"

#include "frame/Captions.h"
#include "frame/CardPictures.h"
#include "frame/TwipsLayout.h"
#include "games/trips/TripsSettings.h"
#include "platform/Pause.h"
#include "services/HighScores.h"
#include "services/PictureList.h"
#include "services/SharedState.h"
#include "services/Sound.h"

#include <QLabel>

namespace {
QString faceKey(const QString& code) {
    return code.trimmed();
}
} // namespace

void frmTrip::setScoreText(int64_t score) {
    QLabel* l = label("lblCurrentScore");
    SetCaption(l, FormatScore(score));
    l->repaint();
}

void frmTrip::setCount(const char* name, int count) {
    SetCaption(label(name), QString::number(count));
}

void frmTrip::updateHeadings() {
    SetCaption(label("lblTrips"), "Trips (" + QString::number(TripsOptions().TripleScore) + "):");
    SetCaption(label("lblRuns"), "Runs (" + QString::number(TripsOptions().RunScore) + "):");
}

void frmTrip::showBoard() {
    const TripsBoard& b = game_.board();
    const bool shown = game_.state() == TripsState::Running;
    for (int i = 0; i < kTripsFieldPlaces; ++i) {
        CardPicture* p = PlayCard(i);
        const QString code = b.fieldCard(i);
        const int column = i % kTripsColumns;
        if (!code.isEmpty()) {
            p->showPicture(faceKey(code), true);
            p->setVisible(shown);
        } else if (i < kTripsColumns) {
            p->showPicture("EMPTY", false);
            p->setVisible(shown);
        } else {
            // The free place below a column's lowest card takes clicks for the column.
            p->showPicture(QString(), false);
            p->setVisible(shown && b.dropPlace(column) == i);
        }
    }
    for (int i = 0; i < kTripsStoragePlaces; ++i) {
        const QString code = b.storageCard(i);
        TempCard(i)->showPicture(code.isEmpty() ? QStringLiteral("EMPTY") : faceKey(code),
                                 !code.isEmpty());
        TempCard(i)->setVisible(shown);
    }
    for (int i = 0; i < kTripsUpPlaces; ++i) {
        const QString code = b.upCard(i);
        UpCard(i)->showPicture(code.isEmpty() ? QStringLiteral("EMPTY") : faceKey(code),
                               !code.isEmpty());
        UpCard(i)->setVisible(shown);
    }
    if (QLabel* stock = label("CardStackPicture")) {
        stock->setPixmap(CardPictureList().byKey(b.stockPictureKey()));
        stock->setVisible(shown);
    }
    for (int i = 0; i < kTripsFieldPlaces; ++i)
        PlayCardSelection(i)->setVisible(shown && b.selectedFrom() == TripsSource::Field &&
                                         b.selectedIndex() == i);
    for (int i = 0; i < kTripsStoragePlaces; ++i)
        TempCardSelection(i)->setVisible(shown && b.selectedFrom() == TripsSource::Storage &&
                                         b.selectedIndex() == i);
    upFrame_->setVisible(shown && b.selectedFrom() == TripsSource::UpCard);
    SetCaption(label("lblCardCount"), "Cards remaining: " + QString::number(b.cardsRemaining()));
}

void frmTrip::ShowCards(bool visible) {
    if (visible && game_.state() == TripsState::Running) {
        showBoard();
        return;
    }
    for (CardPicture* p : field_)
        p->setVisible(visible && !p->pictureKey().isEmpty());
    for (CardPicture* p : storage_)
        p->setVisible(visible);
    for (CardPicture* p : up_)
        p->setVisible(visible);
    for (SelectionFrame* f : fieldFrames_)
        f->hide();
    for (SelectionFrame* f : storageFrames_)
        f->hide();
    upFrame_->hide();
    if (QLabel* stock = label("CardStackPicture")) stock->setVisible(visible);
}

void frmTrip::ShowControls(bool visible, bool) {
    for (const char* name :
         {"lblScore", "ScoreRectangle", "ScoreBevelSide", "ScoreBevelBottom", "lblCurrentScore"})
        findChild<QWidget*>(name)->show();
    for (const char* name :
         {"lblHighScore",     "lblCardCount",     "lblTime",  "TimerBevelSide", "TimerRectangle",
          "TimerBevelBottom", "lblRound",         "lblTrips", "lblScoreTrips",  "TripsRectangle",
          "TripsBevelSide",   "TripsBevelBottom", "lblRuns",  "lblScoreRuns",   "RunRectangle",
          "RunBevelSide",     "RunBevelBottom",   "lblTemp",  "lblFieldCards",  "FieldRect"})
        findChild<QWidget*>(name)->setVisible(visible);
    Surface()->setVisible(visible);
}

bool frmTrip::acceptsClicks() const {
    // Clicks that arrive while a round ends ("Times Up!" included) are dropped.
    return game_.state() == TripsState::Running && !Shared().InputBlocked && !inRoundEnd();
}

void frmTrip::PlayCard_Click(int index) {
    if (acceptsClicks()) applyClick(game_.clickField(index));
}

void frmTrip::TempCard_Click(int index) {
    if (acceptsClicks()) applyClick(game_.clickStorage(index));
}

void frmTrip::UpCard_Click(int index) {
    if (acceptsClicks()) applyClick(game_.clickUpCard(index));
}

void frmTrip::CardStackPicture_Click() {
    if (acceptsClicks()) applyClick(game_.clickStock());
}

void frmTrip::applyClick(const TripsClick& click) {
    for (const QString& sound : click.sounds)
        PlaySound(sound);
    if (click.changed) showBoard();
    for (const ColumnScored& scored : click.scored)
        showScored(scored);
    if (!click.blocked) return;
    noMovesLeft();
    cmdTakeScore_Click();
}

void frmTrip::showScored(const ColumnScored& scored) {
    if (scored.kind == ColumnKind::FlushRun) {
        QLabel* flush = label("lblFlush");
        ApplyCaptionRule(flush);
        const CardPicture* top = PlayCard(scored.column);
        MoveTw(flush, TwLeft(top) + TwWidth(top) / 2.0 - TwWidth(flush) / 2.0,
               TwTop(top) + TwHeight(top) / 2.0 - TwHeight(flush) / 2.0);
        flush->show();
        flush->raise();
        repaint();
        platform::Sleep(250);
    }
    PlaySound(scored.sound);
    setScoreText(scored.scoreAfter);
    label("lblFlush")->hide();
    const TripsBoard& b = game_.board();
    setCount("lblScoreTrips", b.tripsCount());
    setCount("lblScoreRuns", b.runsCount());
}

void frmTrip::placeOverUpRow(QLabel* l) {
    MoveTw(l, (TwWidth(this) - TwWidth(l)) / 2.0, TwTop(upFrame_));
    l->show();
    l->raise();
}

void frmTrip::noMovesLeft() {
    setCursor(Qt::WaitCursor);
    for (CardPicture* p : up_)
        p->hide();
    upFrame_->hide();
    label("CardStackPicture")->hide();
    ShowControls(false, false);
    QLabel* scoring = label("lblScoring");
    SetCaption(scoring, "No more legal moves left!");
    PlaySound("Slide.wav");
    placeOverUpRow(scoring);
    repaint();
    platform::Sleep(2000);
}
