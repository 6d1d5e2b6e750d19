#include "games/pokergrid/PokerGridSettingsFile.h"

#include "games/pokergrid/PokerGridSettings.h"
#include "services/SharedState.h"

namespace {
const QString kTime = QStringLiteral("[Time]");
const QString kSounds = QStringLiteral("[Play Sounds]");
const QString kMusic = QStringLiteral("[Play Music]");
const QString kCountDown = QStringLiteral("[Count Down Score]");
const QString kDeck = QStringLiteral("[Deck]");
const QString kTimeBonus = QStringLiteral("[Time Bonus]");
const QString kBonusScore = QStringLiteral("[Bonus Score]");
const QString kPair = QStringLiteral("[Pair Score]");
const QString kTwoPair = QStringLiteral("[Two Pair Score]");
const QString kTrips = QStringLiteral("[Trips Score]");
const QString kFlush = QStringLiteral("[Flush Score]");
const QString kFullHouse = QStringLiteral("[Full House Score]");
const QString kStraight = QStringLiteral("[Straight Score]");
const QString kFour = QStringLiteral("[Four Score]");
const QString kStraightFlush = QStringLiteral("[Straight Flush Score]");
const QString kRoyalFlush = QStringLiteral("[Royal Flush Score]");
const QString kOverWrites = QStringLiteral("[Over Writes]");

const std::vector<int> kTimeLimits = {30, 45, 60, 75, 90, 105, 120};

template <typename F, typename... A> void call(const F& f, A... args) {
    if (f) f(args...);
}

struct Values {
    int time;
    bool sounds;
    bool music;
    bool countDown;
    int deck;
    int32_t timeBonus;
    int32_t bonusScore;
    HandValues hands;
    int overWrites;
};

SettingsFile blocks(const Values& v, const WindowGeometry& window) {
    SettingsFile f;
    f.addNumber(kTime, v.time)
        .addFlag(kSounds, v.sounds)
        .addFlag(kMusic, v.music)
        .addFlag(kCountDown, v.countDown)
        .addNumber(kDeck, v.deck)
        .addNumber(kTimeBonus, v.timeBonus)
        .addNumber(kBonusScore, v.bonusScore)
        .addNumber(kPair, v.hands.PairScore)
        .addNumber(kTwoPair, v.hands.TwoPairScore)
        .addNumber(kTrips, v.hands.TripsScore)
        .addNumber(kFlush, v.hands.FlushScore)
        .addNumber(kFullHouse, v.hands.FullHouseScore)
        .addNumber(kStraight, v.hands.StraightScore)
        .addNumber(kFour, v.hands.FourScore)
        .addNumber(kStraightFlush, v.hands.StraightFlushScore)
        .addNumber(kRoyalFlush, v.hands.RoyalFlushScore)
        .addNumber(kOverWrites, v.overWrites);
    return AddWindowBlocks(f, window, kPokerGridRestoreSize);
}
} // namespace

QString PokerGridSettingsPath() {
    return Shared().ProgramFolder + QLatin1String(kPokerGridSettingsFile);
}

SettingsFile PokerGridSettingsBlocks(const WindowGeometry& window) {
    const SharedState& s = Shared();
    const PokerGridSettings& o = PokerGridOptions();
    return blocks({s.TimeLimit, s.SoundsOn, s.MusicOn, s.CountDownScore, s.DeckDesign, s.TimeBonus,
                   s.BonusRoundScore, o.hands, o.OverWrites},
                  window);
}

SettingsFile DefaultPokerGridSettingsBlocks() {
    namespace d = PokerGridDefaults;
    return blocks({d::TimeLimit, d::SoundsOn, d::MusicOn, d::CountDownScore, d::DeckDesign,
                   d::TimeBonus, d::BonusRoundScore, d::Hands, d::OverWrites},
                  WindowGeometry{WindowNormal, d::Width, d::Height});
}

bool WritePokerGridSettings(const WindowGeometry& window) {
    return PokerGridSettingsBlocks(window).write(PokerGridSettingsPath());
}

PokerGridSettingsReader::PokerGridSettingsReader(PokerGridSettingsHandlers handlers)
    : handlers_(std::move(handlers)) {
    using namespace PokerGridLimits;
    SharedState& s = Shared();
    HandValues& v = PokerGridOptions().hands;
    const HandValues& d = PokerGridDefaults::Hands;
    const auto h = handlers_;
    reader_.choice(kTime, kTimeLimits, 0, [time = time_](int t) { *time = t; })
        .flag(kSounds,
              [&s, h](bool on) {
                  s.SoundsOn = on;
                  call(h.sounds, on);
              })
        .flag(kMusic,
              [&s, h](bool on) {
                  s.MusicOn = on;
                  call(h.music, on);
              })
        .choice(kDeck, {1, 2, 3, 4}, 0, [h](int design) { call(h.deckDesign, design); })
        .flag(kCountDown, s.CountDownScore)
        .number(kTimeBonus, 0, TimeBonusMax, PokerGridDefaults::TimeBonus, s.TimeBonus)
        .number(kBonusScore, 0, BonusRoundMax, PokerGridDefaults::BonusRoundScore,
                s.BonusRoundScore)
        .number(kPair, 0, HandMax, d.PairScore, v.PairScore)
        .number(kTwoPair, 0, HandMax, d.TwoPairScore, v.TwoPairScore)
        .number(kTrips, 0, HandMax, d.TripsScore, v.TripsScore)
        .number(kFlush, 0, HandMax, d.FlushScore, v.FlushScore)
        .number(kFullHouse, 0, HandMax, d.FullHouseScore, v.FullHouseScore)
        .number(kStraight, 0, HandMax, d.StraightScore, v.StraightScore)
        .number(kFour, 0, HandMax, d.FourScore, v.FourScore)
        .number(kStraightFlush, 0, HandMax, d.StraightFlushScore, v.StraightFlushScore)
        .number(kRoyalFlush, 0, RoyalFlushMax, d.RoyalFlushScore, v.RoyalFlushScore)
        .number(kOverWrites, 0, OverWritesMax, PokerGridDefaults::OverWrites,
                [](int32_t n) { PokerGridOptions().OverWrites = int(n); });
}

void PokerGridSettingsReader::finish() {
    call(handlers_.timeLimit, *time_);
    *time_ = 0;
}

void PokerGridSettingsReader::apply(const QByteArray& text) {
    reader_.apply(text);
    finish();
}

bool PokerGridSettingsReader::load() {
    const bool read = reader_.load(PokerGridSettingsPath(), DefaultPokerGridSettingsBlocks());
    finish();
    return read;
}
