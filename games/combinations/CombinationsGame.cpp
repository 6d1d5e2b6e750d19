#include "games/combinations/CombinationsGame.h"

#include "frame/RoundClock.h"
#include "games/combinations/CombinationsSettings.h"
#include "services/Deck.h"
#include "services/SharedState.h"

namespace {
constexpr int32_t kBustPenalty = 100; // points a bust takes off the total
} // namespace

bool CombinationsGame::DefaultDeckMaker(bool newGame) {
    if (newGame) return CreateDeck() && ShuffleDeck();
    return ShuffleDeck();
}

bool CombinationsGame::deal(bool newGame) {
    if (!makeDeck || !makeDeck(newGame) || Shared().Deck.size() <= kDeckCards) return false;
    board_.startRound(Shared().Deck, CombinationsOptions().CardsToPass);
    counter_.reset();
    counterWasRunning_ = false;
    roundOver_ = false;
    Shared().ElapsedSeconds = 0;
    Shared().GaugeElapsed = 0;
    roundDealt();
    return true;
}

bool CombinationsGame::play() {
    if (gameRunning()) return false;
    Shared().Score = 0;
    round_ = 1;
    board_.clear();
    if (deal(true)) return true;
    abandon();
    return false;
}

void CombinationsGame::afterPause() {
    counterWasRunning_ = counter_.running();
    counter_.setRunning(false);
}

void CombinationsGame::afterResume() {
    counter_.setRunning(counterWasRunning_);
}

void CombinationsGame::abandon() {
    toIdle();
    board_.clear();
    counter_.reset();
    round_ = 0;
    roundOver_ = false;
    Shared().ElapsedSeconds = 0;
}

CombinationsHit CombinationsGame::hit(int column) {
    if (state() != CombinationsState::Running || roundOver_) return {};
    const CombinationsSettings& o = CombinationsOptions();
    SharedState& s = Shared();
    CombinationsHit r = board_.hit(column, o.TwentyOneBonusValue);
    switch (r.move) {
    case CombinationsMove::Bust:
        s.Score = AddScore(s.Score, -int64_t(kBustPenalty));
        break;
    case CombinationsMove::TwentyOne:
        counter_.restart();
        break;
    case CombinationsMove::Gimme:
        s.Score = AddScore(s.Score, o.FiveCardsBonusValue);
        counter_.rewind();
        break;
    case CombinationsMove::Placed:
    case CombinationsMove::Refused:
        break;
    }
    r.scoreBeforeCompletion = s.Score;
    if (r.deckComplete) {
        s.Score = AddScore(s.Score, o.DeckCompletionBonus);
        roundOver_ = true;
        // Nothing may tick into the tally: the next round starts on time and the bonus
        // the tally pays is the one it shows.
        counter_.setRunning(false);
    }
    return r;
}

bool CombinationsGame::pass() {
    if (state() != CombinationsState::Running || roundOver_) return false;
    return board_.pass();
}

CombinationsTick CombinationsGame::tick() {
    CombinationsTick t;
    if (state() != CombinationsState::Running || roundOver_) return t;
    const RoundSecond second = AdvanceRoundSecond();
    t.ticked = true;
    t.elapsed = second.elapsed;
    t.secondsLeft = second.secondsLeft;
    t.angle = second.angle;
    t.status = second.warning;
    if (second.timeUp) {
        t.timeUp = true;
        roundOver_ = true;
        counter_.setRunning(false);
    }
    return t;
}

CounterTick CombinationsGame::counterTick() {
    if (state() != CombinationsState::Running || roundOver_) return {};
    const CounterTick t = counter_.tick();
    if (t.ranOut) board_.setBonus(CombinationsOptions().TwentyOneBonusValue);
    return t;
}

std::optional<CombinationsRoundEnd> CombinationsGame::takeScore(bool countUp) {
    if (!startRoundEnd()) return std::nullopt;
    SharedState& s = Shared();
    const CombinationsSettings& o = CombinationsOptions();
    roundOver_ = true;
    counter_.reset();
    TallyInput in;
    in.score = s.Score;
    in.cardsUsed = board_.cardsUsed();
    in.twentyOnes = board_.twentyOnes();
    in.bonus = board_.bonus();
    in.countUp = countUp;
    in.cardsUsedBonusValue = o.CardsUsedBonusValue;
    in.twentyOneBonusValue = o.TwentyOneBonusValue;
    CombinationsRoundEnd end;
    end.tally = ComputeTally(in);
    s.Score = end.tally.score;
    board_.clearTwentyOnes();
    s.ElapsedSeconds = 0;
    ++round_;
    end.nextRound = round_;
    // The bonus round needs more than the bonus-round score after round 3.
    end.next = round_ < 4                                   ? CombinationsNext::Round
               : round_ == 4 && s.Score > s.BonusRoundScore ? CombinationsNext::BonusRound
                                                            : CombinationsNext::GameOver;
    pending_ = end.next;
    return end;
}

bool CombinationsGame::startNextRound() {
    if (state() != CombinationsState::RoundEnd || pending_ == CombinationsNext::GameOver)
        return false;
    if (deal(false)) return true;
    abandon();
    return false;
}

void CombinationsGame::finishGame() {
    if (pending_ != CombinationsNext::GameOver || !gameOver()) return;
    board_.clear();
    counter_.reset();
    round_ = 0;
    roundOver_ = false;
    Shared().ElapsedSeconds = 0;
}
