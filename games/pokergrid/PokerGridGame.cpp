#include "games/pokergrid/PokerGridGame.h"

#include "frame/RoundClock.h"
#include "games/pokergrid/PokerGridSettings.h"
#include "services/Deck.h"
#include "services/SharedState.h"

#include <algorithm>

namespace {
PokerGridGame::Shuffle& testShuffle() {
    static PokerGridGame::Shuffle shuffle;
    return shuffle;
}

bool shuffle() {
    if (!testShuffle()) return ShuffleDeck();
    testShuffle()(Shared().Deck);
    return true;
}
} // namespace

void PokerGridGame::SetShuffleForTests(Shuffle s) {
    testShuffle() = std::move(s);
}

bool PokerGridGame::play() {
    SharedState& s = Shared();
    s.InputBlocked = false;
    s.Round = 1;
    s.Score = 0;
    s.GameAbandoned = false;
    s.ElapsedSeconds = 0;
    s.GaugeElapsed = 0;
    cards_.clear();
    error_.clear();
    if (!CreateDeck() || !shuffle() || !deal()) {
        // A start that fails leaves no clock running on an empty grid.
        toIdle();
        cards_.clear();
        return false;
    }
    roundDealt();
    return true;
}

bool PokerGridGame::deal() {
    dealSounds_.clear();
    if (cards_.deal(Shared().Deck, &dealSounds_)) return true;
    error_ = QStringLiteral("Unable to deal the cards.");
    return false;
}

void PokerGridGame::abandon() {
    if (!gameRunning()) return;
    toIdle();
    Shared().GameAbandoned = true;
    cards_.clear();
}

Placement PokerGridGame::click(int cell) {
    if (state() != PokerGridState::Running || Shared().InputBlocked) return Placement{};
    return cards_.place(cell, PokerGridOptions().OverWrites, PokerGridOptions().hands);
}

PokerGridTick PokerGridGame::tick() {
    PokerGridTick t;
    if (state() != PokerGridState::Running) return t;
    SharedState& s = Shared();
    t.ticked = true;
    s.ElapsedSeconds += 1;
    t.angle = ClockDegrees(s.TimeLimit, s.GaugeElapsed);
    s.GaugeElapsed = s.ElapsedSeconds;
    t.secondsLeft = s.TimeLimit - s.ElapsedSeconds;
    t.timeUp = s.ElapsedSeconds >= s.TimeLimit;
    return t;
}

std::optional<PokerRoundEnd> PokerGridGame::endRound(bool timeUp) {
    if (!startRoundEnd()) return std::nullopt;
    SharedState& s = Shared();
    s.InputBlocked = true;
    s.Round += 1;
    PokerRoundEnd end;
    end.timeUp = timeUp;
    end.roundPoints = roundPoints();
    end.secondsLeft = timeUp ? 0 : std::max(0, s.TimeLimit - s.ElapsedSeconds);
    end.pointsText = QString::number(end.roundPoints) + QStringLiteral(" X ") +
                     QString::number(end.secondsLeft) + QStringLiteral(" =");
    return end;
}

PokerRoundOutcome PokerGridGame::outcome() const {
    const SharedState& s = Shared();
    if (s.Round < 4) return PokerRoundOutcome::NextRound;
    if (s.Round == 4 && s.Score >= s.BonusRoundScore) return PokerRoundOutcome::BonusRound;
    return PokerRoundOutcome::GameOver;
}

bool PokerGridGame::startNextRound() {
    if (state() != PokerGridState::RoundEnd || outcome() == PokerRoundOutcome::GameOver)
        return false;
    SharedState& s = Shared();
    cards_.clear();
    s.ElapsedSeconds = 0;
    s.GaugeElapsed = 0;
    shuffle();
    if (!deal()) {
        toIdle();
        cards_.clear();
        return false;
    }
    roundDealt();
    return true;
}

void PokerGridGame::finishGame() {
    if (!gameOver()) return;
    cards_.clear();
}

int PokerGridGame::overWritesLeft() const {
    return PokerGridOptions().OverWrites - cards_.overWritesUsed();
}

QString PokerRoundCaption(int round) {
    return round == 4 ? QStringLiteral("Bonus Round")
                      : QStringLiteral("Round: ") + QString::number(round);
}

QString PokerRoundAnnouncement(int round) {
    return round == 4
               ? QStringLiteral("Bonus round!")
               : QStringLiteral("Prepare for round  ") + QString::number(round) + QLatin1Char('!');
}

QString OverWritesCaption(int left) {
    return QStringLiteral("Over Writes Remaining: ") + QString::number(left);
}

QString PointsEarnedCaption(int32_t points) {
    return QStringLiteral("Points Earned: ") + QString::number(points);
}

QString CardsRemainingCaption(int cards) {
    return QStringLiteral("Cards remaining: ") + QString::number(cards);
}
