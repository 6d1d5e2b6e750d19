#include "games/eights/EightsGame.h"

#include "frame/RoundClock.h"
#include "games/eights/EightsSettings.h"
#include "services/Deck.h"
#include "services/SharedState.h"

#include <algorithm>
#include <limits>

namespace {
EightsGame::DeckSource& deckSource() {
    static EightsGame::DeckSource source;
    return source;
}

bool makeDeck(QStringList& deck) {
    if (deckSource()) return deckSource()(deck);
    return CreateDeck() && ShuffleDeck();
}

// Applause when the round used most of the deck, else the slide of the cards left.
EightsSound noMovesSound(int pileRemaining) {
    return pileRemaining < 21 ? EightsSound::Applause : EightsSound::Slide;
}
} // namespace

QString EightsSoundFile(EightsSound sound) {
    switch (sound) {
    case EightsSound::Select:
        return QStringLiteral("Markq.wav");
    case EightsSound::Deselect:
    case EightsSound::Refuse:
        return QStringLiteral("Chord.wav");
    case EightsSound::Move:
        return QStringLiteral("Click.wav");
    case EightsSound::Applause:
        return QStringLiteral("Applause.wav");
    case EightsSound::Slide:
        return QStringLiteral("Slide.wav");
    }
    return QString();
}

EightsGame::EightsGame() = default;

EightsGame::DeckSource EightsGame::SetDeckSourceForTests(DeckSource source) {
    DeckSource previous = std::move(deckSource());
    deckSource() = std::move(source);
    return previous;
}

QString EightsGame::roundCaption() const {
    return round_ >= 3 ? QStringLiteral("Bonus") : QString::number(round_);
}

bool EightsGame::newGame() {
    round_ = 1;
    Shared().Score = 0;
    return startRound();
}

bool EightsGame::startRound() {
    SharedState& s = Shared();
    s.GameInProgress = true;
    s.ElapsedSeconds = 0;
    selected_ = 0;
    board_.resetSpotValues();
    if (!makeDeck(s.Deck) || !board_.deal(s.Deck)) {
        board_.clear();
        toIdle();
        s.GameInProgress = false;
        return false;
    }
    roundDealt();
    return true;
}

void EightsGame::abandon() {
    toIdle();
    selected_ = 0;
    moveTimer_.resetBar();
    Shared().GameInProgress = false;
}

EightsSelect EightsGame::clickLower(int spot) {
    EightsSelect r;
    if (state() != EightsState::Running || spot < 1 || spot > kLowerSpots) return r;
    r.handled = true;
    // An empty spot can be marked like any other; it just has nowhere to go.
    if (selected_ == spot) {
        selected_ = 0;
        r.sound = EightsSound::Deselect;
    } else {
        selected_ = spot;
        r.selected = true;
        r.sound = EightsSound::Select;
    }
    return r;
}

EightsMove EightsGame::clickUpper(int spot) {
    EightsMove r;
    if (state() != EightsState::Running || spot < 1 || spot > kUpperSpots) return r;
    r.handled = true;
    r.upper = spot;
    r.lower = selected_;
    if (selected_ == 0) {
        r.sounds.push_back(EightsSound::Refuse);
        return r;
    }
    selected_ = 0;
    r.check = board_.checkMove(r.lower, spot);
    if (r.check == MoveCheck::Illegal) {
        r.sounds.push_back(EightsSound::Refuse);
        return r;
    }
    r.sounds.push_back(EightsSound::Move);
    r.made = board_.move(r.lower, spot);
    r.points = int32_t(std::min<int64_t>(int64_t(r.made.spotValue) * moveTimer_.value(),
                                         std::numeric_limits<int32_t>::max()));
    Shared().Score = AddScore(Shared().Score, r.points);
    moveTimer_.resetBar();
    r.left = board_.checkForLegalMove();
    if (r.left == LegalMoves::None) r.sounds.push_back(noMovesSound(board_.pileRemaining()));
    if (r.left == LegalMoves::BoardCleared) r.sounds.push_back(EightsSound::Applause);
    return r;
}

EightsTick EightsGame::tick() {
    EightsTick t;
    SharedState& s = Shared();
    if (state() != EightsState::Running || s.ElapsedSeconds >= s.TimeLimit) return t;
    t.ticked = true;
    const RoundSecond second = AdvanceRoundSecond();
    t.degrees = second.angle;
    t.secondsLeft = second.secondsLeft;
    t.status = second.warning;
    if (second.timeUp) {
        t.timeUp = true;
        t.status = QStringLiteral("Time has expired!");
    }
    return t;
}

std::optional<EightsRoundEnd> EightsGame::endRound(bool deckCompleted) {
    if (!startRoundEnd()) return std::nullopt;
    const SharedState& s = Shared();
    selected_ = 0;
    EightsRoundEnd end;
    end.round = round_;
    end.secondsLeft = std::max(0, s.TimeLimit - s.ElapsedSeconds);
    end.deckCompleted = deckCompleted;
    end.deckBonus = deckCompleted ? EightsOptions().EightsCompleteBonus : 0;
    // The bonus round is earned by the score before round 2's bonuses; a player who misses it
    // is still paid them before the game ends.
    if (round_ == 1)
        end.next = EightsNext::RoundTwo;
    else if (round_ == 2)
        end.next = s.Score >= s.BonusScore ? EightsNext::BonusRound : EightsNext::GameOver;
    else
        end.next = EightsNext::GameOver;
    board_.resetSpotValues();
    if (round_ < 3) ++round_;
    return end;
}

void EightsGame::finishGame() {
    if (!gameOver()) return;
    selected_ = 0;
    Shared().GameInProgress = false;
}
