#include "games/fivecolumn/FiveColumnGame.h"

#include "frame/RoundClock.h"
#include "games/fivecolumn/FiveColumnScoreTable.h"
#include "games/fivecolumn/FiveColumnSettings.h"
#include "services/Deck.h"
#include "services/SharedState.h"

std::vector<CountStep> RoundScoreSteps(int32_t score, int cardTotalValue, int32_t timeBonus) {
    std::vector<CountStep> steps;
    const int64_t each = 2 * int64_t(timeBonus);
    int64_t left = int64_t(cardTotalValue) * timeBonus;
    for (int i = 1; i <= cardTotalValue / 2; ++i) {
        CountStep step;
        step.shown = int32_t(left);
        score = AddScore(score, each);
        left -= each;
        step.score = score;
        step.tick = i % 3 == 0;
        steps.push_back(step);
    }
    return steps;
}

bool FiveColumnGame::DefaultDeckMaker() {
    return CreateDeck() && ShuffleDeck();
}

bool FiveColumnGame::deal() {
    if (!makeDeck || !makeDeck()) return false;
    SharedState& s = Shared();
    board_.start(s.Deck, FiveColumnOptions().CardsToPass);
    s.ElapsedSeconds = 0;
    s.GaugeElapsed = 0;
    // A score taken before the first tick earns the full bonus.
    s.TimeBonus = FiveColumnOptions().TimeBonusMax;
    timeUp_ = false;
    roundDealt();
    return true;
}

bool FiveColumnGame::play() {
    if (gameRunning()) return false;
    Shared().Score = 0;
    round_ = 1;
    if (deal()) return true;
    abandon();
    return false;
}

void FiveColumnGame::abandon() {
    toIdle();
    board_.clear();
    round_ = 0;
    timeUp_ = false;
    Shared().Score = 0;
    Shared().ElapsedSeconds = 0;
}

FiveColumnHit FiveColumnGame::hit(int column) {
    if (state() != FiveColumnState::Running || timeUp_) return {};
    return board_.hit(column);
}

bool FiveColumnGame::pass() {
    if (state() != FiveColumnState::Running || timeUp_) return false;
    return board_.pass();
}

FiveColumnTick FiveColumnGame::tick() {
    FiveColumnTick t;
    if (state() != FiveColumnState::Running || timeUp_) return t;
    const RoundSecond second = AdvanceRoundSecond();
    t.ticked = true;
    t.elapsed = second.elapsed;
    t.angle = second.angle;
    Shared().TimeBonus = CurrentTimeBonus(second.elapsed);
    t.timeBonus = Shared().TimeBonus;
    t.timeUp = timeUp_ = second.timeUp;
    return t;
}

std::optional<FiveColumnRoundEnd> FiveColumnGame::endRound(bool countUp) {
    if (!startRoundEnd()) return std::nullopt;
    SharedState& s = Shared();
    FiveColumnRoundEnd end;
    end.roundPlayed = round_;
    ++round_;
    if (board_.takesScore()) {
        end.scored = true;
        end.cardTotalValue = board_.cardTotalValue();
        end.timeBonus = s.TimeBonus;
        end.roundScore = int32_t(int64_t(end.cardTotalValue) * end.timeBonus);
        end.awesome = end.cardTotalValue == 1000;
        if (countUp) end.steps = RoundScoreSteps(s.Score, end.cardTotalValue, end.timeBonus);
        s.Score = AddScore(s.Score, end.roundScore);
    } else {
        end.failure = board_.currentTotal() >= kLowestScoringTotal
                          ? QStringLiteral("Busted!")
                          : QStringLiteral("Sorry, 97 or more needed to win!");
    }
    // The bonus round needs the bonus score reached after round 3.
    if (round_ == 4 && s.Score < s.BonusScore) round_ = 5;
    end.next = round_ <= 3   ? FiveColumnNext::Round
               : round_ == 4 ? FiveColumnNext::BonusRound
                             : FiveColumnNext::GameOver;
    end.nextRound = round_;
    pending_ = end.next;
    s.ElapsedSeconds = 0;
    return end;
}

bool FiveColumnGame::startNextRound() {
    if (state() != FiveColumnState::RoundEnd || pending_ == FiveColumnNext::GameOver) return false;
    if (deal()) return true;
    abandon();
    return false;
}

void FiveColumnGame::finishGame() {
    if (pending_ != FiveColumnNext::GameOver || !gameOver()) return;
    board_.clear();
    round_ = 0;
    timeUp_ = false;
    Shared().Score = 0;
    Shared().ElapsedSeconds = 0;
}
