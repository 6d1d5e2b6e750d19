#include "games/elevens/ElevensGame.h"

#include "frame/RoundClock.h"
#include "games/elevens/ElevensDeck.h"
#include "games/elevens/ElevensSettings.h"
#include "services/Deck.h"
#include "services/SharedState.h"

namespace {
// Field (22), the first up card, and a card value for each: anything less cannot be dealt.
bool dealable(const QStringList& deck) {
    if (deck.size() < kFieldPlaces + 2) return false;
    for (qsizetype i = 1; i < deck.size(); ++i)
        if (CardValue(deck[i]) < 1) return false;
    return true;
}

QStringList& roundDeck(int round) {
    ElevensLastGame& last = LastElevensGame();
    return round == 3 ? last.Round3Deck : round == 2 ? last.Round2Deck : last.Round1Deck;
}
} // namespace

QString ElevensSoundFile(ElevensSound sound) {
    switch (sound) {
    case ElevensSound::Select:
        return QStringLiteral("Markq.wav");
    case ElevensSound::Deselect:
        return QStringLiteral("Tick.wav");
    case ElevensSound::Refuse:
        return QStringLiteral("Chord.wav");
    case ElevensSound::Combination:
        return QStringLiteral("TwentyOne.wav");
    case ElevensSound::None:
        break;
    }
    return QString();
}

QString PilePictureKey(int cardsLeft) {
    return StockPictureKey(cardsLeft, 11, 20);
}

void ElevensGame::setClockRunning(bool on) {
    clockRunning_ = on && state() == ElevensState::Running;
}

bool ElevensGame::play() {
    error_.clear();
    ElevensLastGame& last = LastElevensGame();
    QStringList& deck = Shared().Deck;
    bool ok = true;
    if (last.ReplayMode && dealable(last.Round1Deck)) {
        deck = last.Round1Deck;
    } else {
        last.ReplayMode = false;
        ok = CreateElevensDeck() && ShuffleDeck();
        const QStringList empty(deck.size(), QString());
        last.Round1Deck = last.Round2Deck = last.Round3Deck = empty;
        last.CardGoal = Shared().CardGoal;
    }
    last.TimeLimit = Shared().TimeLimit;
    last.Custom = Shared().CustomScoring;
    if (ok) ok = deal(true);
    if (!ok) toIdle();
    return ok;
}

bool ElevensGame::deal(bool newGame) {
    const QStringList& deck = Shared().Deck;
    if (!dealable(deck)) {
        error_ = QStringLiteral("Unable to deal the cards.");
        return false;
    }
    field_.deal(std::vector<QString>(deck.begin() + 1, deck.begin() + 1 + kFieldPlaces));
    // The first up card is not also in the pile: the pile is the rest of the deck.
    upStack_.assign(1, deck[kFieldPlaces + 1]);
    pile_.assign(deck.begin() + kFieldPlaces + 2, deck.end());
    upSelected_ = false;
    runningTotal_ = 0;
    combinations_ = 0;
    Shared().ElapsedSeconds = 0;
    if (newGame) {
        LastElevensGame().LastGameScore = Shared().Score;
        Shared().Score = 0;
        round_ = 1;
    }
    roundDeck(round_) = deck;
    roundDealt();
    // Classic scoring runs the clock from the deal, enhanced from the first combination.
    clockRunning_ = !Shared().EnhancedScoring;
    return true;
}

void ElevensGame::afterPause() {
    clockRunning_ = false;
    field_.clearSelection();
    upSelected_ = false;
    runningTotal_ = 0;
}

void ElevensGame::abandon() {
    if (!gameRunning()) return;
    toIdle();
    clockRunning_ = false;
    LastElevensGame().ReplayMode = false;
    LastElevensGame().LastGameScore = Shared().Score;
    Shared().Score = 0;
    Shared().ElapsedSeconds = 0;
    field_.clear();
    upStack_.clear();
    pile_.clear();
    upSelected_ = false;
    runningTotal_ = 0;
    combinations_ = 0;
    round_ = 1;
}

QString ElevensGame::upCard() const {
    return upStack_.empty() ? QString() : upStack_.back();
}

int ElevensGame::upCardPoints() const {
    return UpCardPoints(Shared().EnhancedScoring, field_.firstEmpty());
}

bool ElevensGame::canSelect(int place) const {
    return state() != ElevensState::GameOver && field_.exposed(place);
}

ElevensClick ElevensGame::clickField(int place) {
    ElevensClick r;
    if (place < 0 || place >= kFieldPlaces || !field_.present(place)) return r;
    if (!clickAllowed() || !field_.exposed(place)) {
        r.sounds.push_back(ElevensSound::Refuse);
        return r;
    }
    const int value = CardValue(field_.card(place));
    if (field_.selected(place)) {
        runningTotal_ -= value;
        field_.setSelected(place, false);
        r.sounds.push_back(ElevensSound::Deselect);
        return r;
    }
    if (runningTotal_ + value > Shared().CardGoal) {
        r.sounds.push_back(ElevensSound::Refuse);
        return r;
    }
    field_.setSelected(place, true);
    runningTotal_ += value;
    r.sounds.push_back(ElevensSound::Select);
    return checkTotal(r);
}

ElevensClick ElevensGame::clickUpCard() {
    ElevensClick r;
    if (!clickAllowed() || upStack_.empty()) {
        r.sounds.push_back(ElevensSound::Refuse);
        return r;
    }
    const int value = CardValue(upStack_.back());
    if (upSelected_) {
        runningTotal_ -= value;
        upSelected_ = false;
        r.sounds.push_back(ElevensSound::Deselect);
        return r;
    }
    if (runningTotal_ + value > Shared().CardGoal) {
        r.sounds.push_back(ElevensSound::Refuse);
        return r;
    }
    upSelected_ = true;
    runningTotal_ += value;
    r.sounds.push_back(ElevensSound::Select);
    return checkTotal(r);
}

ElevensClick ElevensGame::clickPile() {
    if (!clickAllowed()) {
        ElevensClick r;
        r.sounds.push_back(ElevensSound::Refuse);
        return r;
    }
    return drawFromPile(false);
}

void ElevensGame::startClock() {
    clockRunning_ = true;
}

ElevensClick ElevensGame::checkTotal(ElevensClick r) {
    if (runningTotal_ != Shared().CardGoal) return r;
    SharedState& s = Shared();
    const bool enhanced = s.EnhancedScoring;
    r.sounds.push_back(ElevensSound::Combination);
    r.combination = true;
    bool upUsed = false;
    if (upSelected_) {
        // Valued before this combination's field cards leave their places.
        s.Score = AddScore(s.Score, upCardPoints());
        if (enhanced) startClock();
        upUsed = true;
        upSelected_ = false;
        upStack_.pop_back();
    }
    for (int place : field_.selectedPlaces()) {
        s.Score = AddScore(s.Score, PlacePoints(place, enhanced));
        if (enhanced) startClock();
        field_.remove(place);
    }
    ++combinations_;
    runningTotal_ = 0;
    if (field_.cleared()) {
        r.fieldCleared = true;
        return r;
    }
    // The last up card was used: the next one comes up from the pile by itself.
    if (upUsed && upStack_.empty()) {
        const ElevensClick drawn = drawFromPile(true);
        r.drew = drawn.drew;
    }
    return r;
}

ElevensClick ElevensGame::drawFromPile(bool silent) {
    ElevensClick r;
    if (pile_.empty()) {
        if (!silent) r.sounds.push_back(ElevensSound::Refuse);
        return r;
    }
    if (!upStack_.empty()) {
        const int place = field_.firstEmpty();
        if (place >= 0) {
            field_.put(place, upStack_.back());
            upStack_.pop_back();
            const bool enhanced = Shared().EnhancedScoring;
            Shared().Score = AddScore(Shared().Score, -(enhanced ? PlacePoints(place, true) : 100));
            r.movedToPlace = place;
        }
    }
    if (!silent) r.sounds.push_back(ElevensSound::Select);
    upStack_.push_back(pile_.back());
    pile_.pop_back();
    r.drew = true;
    field_.clearSelection();
    upSelected_ = false;
    runningTotal_ = 0;
    return r;
}

ElevensTick ElevensGame::tick() {
    ElevensTick t;
    if (state() != ElevensState::Running || !clockRunning_) return t;
    t.ticked = true;
    const RoundSecond second = AdvanceRoundSecond();
    t.elapsed = second.elapsed;
    t.angle = second.angle;
    t.secondsLeft = second.secondsLeft;
    t.status = second.warning;
    if (second.timeUp) {
        t.timeUp = true;
        t.status = QStringLiteral("Time has expired!");
        clockRunning_ = false;
    }
    return t;
}

std::optional<ElevensRoundEnd> ElevensGame::takeScore(bool countUp) {
    if (!startRoundEnd()) return std::nullopt;
    SharedState& s = Shared();
    const ElevensSettings& o = ElevensOptions();
    clockRunning_ = false;
    field_.clearSelection();
    upSelected_ = false;
    runningTotal_ = 0;

    ElevensRoundEnd end;
    end.cleared = field_.cleared();
    end.combinations = combinations_;
    RoundEndInput in;
    in.score = s.Score;
    in.cleared = end.cleared;
    in.combinations = combinations_;
    in.pileCards = pileCount();
    in.timeLimit = s.TimeLimit;
    in.elapsed = s.ElapsedSeconds;
    in.enhanced = s.EnhancedScoring;
    in.countUp = countUp;
    in.goalName = GoalCaption(s.CardGoal);
    in.goalName.chop(1);
    in.completionBonus = o.CompletionBonus;
    in.comboBonus = ElevensComboBonus();
    in.cardBonus = o.CardBonus;
    in.timeBonus = s.TimeBonus;
    end.bonuses = ComputeRoundBonuses(in);

    if (!end.bonuses.empty()) s.Score = end.bonuses.back().scoreAfter;
    combinations_ = 0;
    for (const RoundBonus& b : end.bonuses) {
        if (b.kind == BonusKind::Cards) pile_.clear();
        if (b.kind == BonusKind::Speed) {
            s.ElapsedSeconds = s.TimeLimit;
            if (countUp) s.GaugeElapsed = s.TimeLimit;
        }
    }
    end.score = s.Score;
    if (round_ == 1)
        end.outcome = RoundOutcome::NextRound;
    else if (round_ == 2)
        end.outcome = s.Score < o.BonusRoundScore ? RoundOutcome::GameOverAfterRound2
                                                  : RoundOutcome::BonusRound;
    else
        end.outcome = RoundOutcome::GameOverAfterBonus;
    pending_ = end.outcome;
    return end;
}

bool ElevensGame::startNextRound() {
    error_.clear();
    if (state() != ElevensState::RoundEnd) return false;
    if (pending_ != RoundOutcome::NextRound && pending_ != RoundOutcome::BonusRound) return false;
    ElevensLastGame& last = LastElevensGame();
    round_ = pending_ == RoundOutcome::NextRound ? 2 : 3;
    const QStringList& stored = roundDeck(round_);
    bool ok = true;
    if (last.ReplayMode && dealable(stored))
        Shared().Deck = stored;
    else
        ok = ShuffleDeck();
    if (ok) ok = deal(false);
    if (round_ == 3) last.ReplayMode = false;
    return ok;
}

void ElevensGame::finishGame() {
    if (!gameOver()) return;
    clockRunning_ = false;
    field_.clear();
    upStack_.clear();
    pile_.clear();
    upSelected_ = false;
    runningTotal_ = 0;
    round_ = 1;
    LastElevensGame().LastGameScore = Shared().Score;
    LastElevensGame().ReplayMode = false;
    Shared().ElapsedSeconds = 0;
}
