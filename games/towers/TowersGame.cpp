#include "games/towers/TowersGame.h"

#include "frame/RoundClock.h"
#include "games/towers/TowersSettings.h"
#include "services/Deck.h"
#include "services/SharedState.h"

#include <algorithm>

namespace {
TowersGame::DeckMaker& deckMaker() {
    static TowersGame::DeckMaker maker;
    return maker;
}

bool makeDeck() {
    if (deckMaker()) return deckMaker()();
    // The deal needs both: a deck that failed to be made or shuffled is never dealt.
    return CreateDeck() && ShuffleDeck();
}

// The field, the stock and the first up card, each a card with a rank.
bool dealable(const QStringList& deck) {
    if (deck.size() < 53) return false;
    for (int i = 1; i <= 52; ++i)
        if (CardValue(deck[i]) < 1 || CardValue(deck[i]) > 13) return false;
    return true;
}
} // namespace

QString TowersSoundFile(TowersSound sound) {
    switch (sound) {
    case TowersSound::Take:
        return QStringLiteral("Markq.wav");
    case TowersSound::Refuse:
        return QStringLiteral("Chord.wav");
    case TowersSound::Tower:
        return QStringLiteral("HighScore.wav");
    case TowersSound::Draw:
        return QStringLiteral("Click.wav");
    }
    return QString();
}

QString StockPictureKey(int next) {
    if (next < kTowersStockFirst) return QString();
    if (next <= 34) return QStringLiteral("FULL");
    if (next <= 41) return QStringLiteral("HALF");
    if (next < kTowersStockFirst + kTowersStockCards) return QStringLiteral("BACK");
    return QStringLiteral("EMPTY");
}

QString CurrentRunCaption(int run) {
    return QStringLiteral("Current Run: ") + QString::number(run);
}

QString NextCardCaption(int64_t points) {
    return QStringLiteral("Next card worth: ") + QString::number(points) +
           QStringLiteral(" points");
}

QString TowersSorryText() {
    return QStringLiteral(
        "Sorry, you must complete at least\r\none tower to receive the time bonus!");
}

TowersGame::DeckMaker TowersGame::SetDeckMakerForTests(DeckMaker maker) {
    DeckMaker previous = std::move(deckMaker());
    deckMaker() = std::move(maker);
    return previous;
}

void TowersGame::setClockRunning(bool on) {
    clockRunning_ = on && state() == TowersState::Running;
}

bool TowersGame::play() {
    SharedState& s = Shared();
    round_ = 1;
    s.Round = 1;
    towersCompleted_ = 0;
    s.Score = 0;
    if (!deal()) {
        toIdle();
        field_.clear();
        return false;
    }
    return true;
}

bool TowersGame::deal() {
    if (!makeDeck() || !dealable(Shared().Deck)) return false;
    const QStringList& deck = Shared().Deck;
    std::vector<QString> fieldCards;
    for (int i = 0; i < 52; ++i) {
        dealt_[size_t(i)] = CardKey(deck[i + 1]);
        if (i < kTowersFieldCards) fieldCards.push_back(dealt_[size_t(i)]);
    }
    field_.deal(fieldCards);
    upCard_ = dealt_[kTowersFirstUpCard];
    upRank_ = CardValue(upCard_);
    nextStockIndex_ = kTowersStockFirst;
    stockLeft_ = kTowersStockCards;
    towerDone_.fill(false);
    newHighRun_ = false;
    currentRun_ = 0;
    cardValue_ = 0;
    Shared().ElapsedSeconds = 0;
    Shared().GaugeElapsed = 0;
    roundDealt();
    clockRunning_ = true;
    return true;
}

void TowersGame::abandon() {
    if (!gameRunning()) return;
    toIdle();
    clockRunning_ = false;
    field_.clear();
    towersCompleted_ = 0;
    towerDone_.fill(false);
    round_ = 1;
}

bool TowersGame::clearHighRun() {
    if (gameRunning()) return false;
    TowersOptions().HighRun = 0;
    return true;
}

bool TowersGame::legal(int index) const {
    return field_.faceUp(index) && RanksAdjacent(CardValue(field_.card(index)), upRank_);
}

bool TowersGame::canTake(int index) const {
    return state() == TowersState::Running && index >= 0 && index < kTowersFieldCards &&
           legal(index);
}

int64_t TowersGame::nextCardWorth() const {
    return int64_t(currentRun_ + 1) * TowersOptions().CardBonus;
}

TowersClick TowersGame::clickField(int index) {
    TowersClick r;
    if (state() != TowersState::Running || index < 0 || index >= kTowersFieldCards ||
        field_.taken(index))
        return r;
    if (!legal(index)) {
        r.sounds.push_back(TowersSound::Refuse);
        return r;
    }
    r.sounds.push_back(TowersSound::Take);
    r.took = true;
    upCard_ = field_.card(index);
    upRank_ = CardValue(upCard_);
    r.turnedUp = field_.take(index);

    TowersSettings& o = TowersOptions();
    cardValue_ += o.CardBonus;
    Shared().Score = AddScore(Shared().Score, cardValue_);
    currentRun_ += 1;
    if (currentRun_ > o.HighRun) {
        o.HighRun = currentRun_;
        newHighRun_ = true;
    }
    if (const int tower = TowerOfTop(index)) {
        towerDone_[size_t(tower - 1)] = true;
        towersCompleted_ += 1;
        r.towerCompleted = tower;
        r.sounds.push_back(TowersSound::Tower);
        r.allTowers = towersCompleted_ >= 3;
    }
    return r;
}

TowersClick TowersGame::clickStock() {
    TowersClick r;
    if (state() != TowersState::Running) return r;
    r.runReset = true;
    cardValue_ = 0;
    currentRun_ = 0;
    stockLeft_ = std::max(0, stockLeft_ - 1);
    r.sounds.push_back(TowersSound::Draw);
    // The stock holds only its own 23 cards; the deal's first up card never comes back.
    if (nextStockIndex_ < kTowersStockFirst + kTowersStockCards) {
        upCard_ = dealt_[size_t(nextStockIndex_)];
        upRank_ = CardValue(upCard_);
        nextStockIndex_ += 1;
        r.drew = true;
    } else {
        r.sounds.push_back(TowersSound::Refuse);
    }
    return r;
}

TowersClick TowersGame::clickUpCard() {
    TowersClick r;
    r.sounds.push_back(TowersSound::Refuse);
    return r;
}

TowersTick TowersGame::tick() {
    TowersTick t;
    if (state() != TowersState::Running || !clockRunning_) return t;
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

std::optional<TowersRoundEnd> TowersGame::takeScore() {
    if (!startRoundEnd()) return std::nullopt;
    const SharedState& s = Shared();
    const TowersSettings& o = TowersOptions();
    clockRunning_ = false;

    TowersRoundEnd end;
    end.secondsLeft = std::max(0, s.TimeLimit - s.ElapsedSeconds);
    if (end.secondsLeft > 0) {
        end.speedBonus = towersCompleted_ > 0;
        end.sorry = !end.speedBonus;
    }
    end.towers = towersCompleted_;
    towersCompleted_ = 0;
    end.highRunBonus = newHighRun_;
    end.highRun = o.HighRun;
    newHighRun_ = false;
    return end;
}

TowersNext TowersGame::nextStep() const {
    if (round_ == 1) return TowersNext::NextRound;
    if (round_ == 2 && Shared().Score >= Shared().BonusRoundScore) return TowersNext::BonusRound;
    return TowersNext::GameOver;
}

bool TowersGame::startNextRound() {
    if (state() != TowersState::RoundEnd || nextStep() == TowersNext::GameOver) return false;
    round_ += 1;
    Shared().Round = round_;
    if (!deal()) {
        toIdle();
        field_.clear();
        return false;
    }
    return true;
}

void TowersGame::finishGame() {
    if (!gameOver()) return;
    clockRunning_ = false;
    field_.clear();
    towerDone_.fill(false);
    round_ = 1;
}
