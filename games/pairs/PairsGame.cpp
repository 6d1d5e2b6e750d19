#include "games/pairs/PairsGame.h"

#include "frame/RoundClock.h"
#include "games/pairs/PairsSettings.h"
#include "services/Deck.h"
#include "services/SharedState.h"

int PairsGame::round() const {
    return Shared().Round;
}

bool PairsGame::deal() {
    if (!CreateDeck() || !ShuffleDeck() || !board_.deal(Shared().Deck)) {
        board_.clear();
        return false;
    }
    Shared().ElapsedSeconds = 0;
    Shared().GaugeElapsed = 0;
    completion_ = false;
    roundDealt();
    return true;
}

bool PairsGame::play() {
    SharedState& s = Shared();
    s.Round = 1;
    s.Score = 0;
    if (deal()) return true;
    toIdle();
    return false;
}

void PairsGame::abandon() {
    toIdle();
    board_.clear();
    completion_ = false;
}

PairsClick PairsGame::click(int place) {
    if (state() != PairsState::Running) return {};
    PairsClick r = board_.click(place);
    completion_ = r.topRowCleared;
    return r;
}

PairsDraw PairsGame::clickStack() {
    if (state() != PairsState::Running) return {};
    return board_.draw(false);
}

PairsTick PairsGame::tick() {
    PairsTick t;
    if (state() != PairsState::Running) return t;
    t.ticked = true;
    const RoundSecond second = AdvanceRoundSecond();
    t.elapsed = second.elapsed;
    t.secondsLeft = second.secondsLeft;
    t.status = second.warning;
    if (second.timeUp) {
        t.timeUp = true;
        t.status = QStringLiteral("Time has expired!");
        board_.clearSelection();
    }
    return t;
}

std::optional<std::vector<PairsBonus>> PairsGame::takeScore() {
    if (!startRoundEnd()) return std::nullopt;
    SharedState& s = Shared();
    board_.clearSelection();
    s.Round += 1;
    return PairsRoundBonuses(completion_, s.TimeLimit - s.ElapsedSeconds, board_.pairsMade(),
                             board_.runsMade());
}

std::vector<PairsBonus> PairsRoundBonuses(bool completed, int secondsLeft, int pairs, int runs) {
    const SharedState& s = Shared();
    const PairsSettings& o = PairsOptions();
    std::vector<PairsBonus> out;
    if (completed)
        out.push_back(
            {PairsBonusKind::Completion, 1, o.CompletionBonus, QStringLiteral("Completion Bonus")});
    if (secondsLeft > 0)
        out.push_back({PairsBonusKind::Speed, secondsLeft, s.TimeBonus, QString()});
    out.push_back({PairsBonusKind::Pairs, pairs, o.PairsBonus, QStringLiteral("Pairs Bonus")});
    out.push_back({PairsBonusKind::Runs, runs, o.RunsBonus, QStringLiteral("Runs Bonus")});
    return out;
}

PairsOutcome PairsGame::decide() {
    const SharedState& s = Shared();
    if (s.Round == 2) return PairsOutcome::RoundTwo;
    if (s.Round == 3 && s.Score >= s.BonusRoundScore) return PairsOutcome::BonusRound;
    return PairsOutcome::GameOver;
}

bool PairsGame::startNextRound() {
    if (state() != PairsState::RoundEnd) return false;
    return deal();
}

void PairsGame::finishGame() {
    if (!gameOver()) return;
    completion_ = false;
}
