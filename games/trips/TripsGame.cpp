#include "games/trips/TripsGame.h"

#include "frame/RoundClock.h"
#include "games/trips/TripsSettings.h"
#include "services/Deck.h"
#include "services/SharedState.h"

#include <algorithm>

namespace {
const QString kDealFailed = QStringLiteral("Unable to deal the cards.");
} // namespace

bool TripsGame::dealRound() {
    Shared().ElapsedSeconds = 0;
    Shared().GaugeElapsed = 0;
    error_.clear();
    const bool made = deckSource_ ? deckSource_() : CreateDeck() && ShuffleDeck();
    if (!made || !board_.deal()) {
        board_.clear();
        error_ = kDealFailed;
        return false;
    }
    roundDealt();
    return true;
}

bool TripsGame::play() {
    round_ = 1;
    Shared().Score = 0;
    if (dealRound()) return true;
    toIdle();
    return false;
}

void TripsGame::abandon() {
    if (!gameRunning()) return;
    toIdle();
    board_.clear();
    Shared().ElapsedSeconds = 0;
}

TripsClick TripsGame::clickField(int place) {
    return state() == TripsState::Running ? board_.clickField(place) : TripsClick{};
}

TripsClick TripsGame::clickStorage(int place) {
    return state() == TripsState::Running ? board_.clickStorage(place) : TripsClick{};
}

TripsClick TripsGame::clickUpCard(int place) {
    return state() == TripsState::Running ? board_.clickUpCard(place) : TripsClick{};
}

TripsClick TripsGame::clickStock() {
    return state() == TripsState::Running ? board_.clickStock() : TripsClick{};
}

TripsTick TripsGame::tick() {
    TripsTick t;
    SharedState& s = Shared();
    if (state() != TripsState::Running || s.ElapsedSeconds >= s.TimeLimit) return t;
    t.ticked = true;
    const RoundSecond second = AdvanceRoundSecond();
    t.elapsed = second.elapsed;
    t.secondsLeft = second.secondsLeft;
    t.angle = second.angle;
    t.status = second.warning;
    // At or past the limit: a limit changed under a running clock still ends the round.
    t.timeUp = second.timeUp;
    return t;
}

std::optional<TripsTally> TripsGame::endRound() {
    if (!startRoundEnd()) return std::nullopt;
    SharedState& s = Shared();
    board_.clearSelection();

    TripsTally tally;
    tally.secondsLeft = std::max(0, s.TimeLimit - s.ElapsedSeconds);
    tally.deckCompleted = board_.deckUsedUp();
    if (tally.deckCompleted) {
        const TripsSettings& o = TripsOptions();
        tally.deckBonus = o.DeckCompletionBonus;
        s.Score = AddScore(s.Score, tally.deckBonus);
        tally.scoreAfterDeckBonus = s.Score;
        tally.penalty = o.LeftOverPenalty;
        for (int place : board_.leftOverField()) {
            s.Score = AddScore(s.Score, -int64_t(tally.penalty));
            board_.removeFieldCard(place);
            tally.leftOver.push_back({false, place, s.Score});
        }
        for (int place : board_.leftOverStorage()) {
            s.Score = AddScore(s.Score, -int64_t(tally.penalty));
            board_.removeStorageCard(place);
            tally.leftOver.push_back({true, place, s.Score});
        }
    }
    return tally;
}

TripsOutcome TripsGame::outcome() const {
    if (round_ == 1) return TripsOutcome::NextRound;
    if (round_ == 2 && Shared().Score >= Shared().BonusRoundScore) return TripsOutcome::BonusRound;
    return TripsOutcome::GameOver;
}

bool TripsGame::startNextRound() {
    if (state() != TripsState::RoundEnd || outcome() == TripsOutcome::GameOver) return false;
    ++round_;
    return dealRound();
}

void TripsGame::finishGame() {
    if (!gameOver()) return;
    board_.clear();
    Shared().ElapsedSeconds = 0;
}
