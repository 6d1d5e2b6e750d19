#include "games/pokergrid/PokerGridSettingsFile.h"

#include "app/SharedState.h"
#include "games/pokergrid/PokerGridSettings.h"
#include "platform/SafeFile.h"

#include <QFileInfo>

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
const QString kState = QStringLiteral("[State]");
const QString kWidth = QStringLiteral("[Width]");
const QString kHeight = QStringLiteral("[Height]");

const QStringList kKeys = {kTime,       kSounds,     kMusic,    kCountDown, kDeck,
                           kTimeBonus,  kBonusScore, kPair,     kTwoPair,   kTrips,
                           kFlush,      kFullHouse,  kStraight, kFour,      kStraightFlush,
                           kRoyalFlush, kOverWrites, kState,    kWidth,     kHeight};

const std::vector<int> kTimeLimits = {30, 45, 60, 75, 90, 105, 120};
const std::vector<int> kDesigns = {1, 2, 3, 4};

// The size a maximised window records, so that it comes back at a normal size.
constexpr int kMaximisedWidth = 9570;
constexpr int kMaximisedHeight = 7200;

// A stored number within 0..max, else the default.
int32_t checked(const QString& text, int32_t max, int32_t fallback) {
    const auto v = SettingsWholeNumber(text);
    return v && *v >= 0 && *v <= max ? *v : fallback;
}

template <typename F, typename... A> void call(const F& f, A... args) {
    if (f) f(args...);
}

struct Reader {
    const PokerGridSettingsHandlers& h;
    int time = 0;

    void apply(const QString& key, const QString& value) {
        using namespace PokerGridLimits;
        const HandValues& d = PokerGridDefaults::Hands;
        SharedState& s = Shared();
        HandValues& v = PokerGridOptions().hands;
        if (key == kTime) {
            const int i = SettingsTextIndex(value, kTimeLimits);
            if (i >= 0) time = kTimeLimits[size_t(i)];
        } else if (key == kSounds) {
            s.SoundsOn = SettingsTruth(value);
            call(h.sounds, s.SoundsOn);
        } else if (key == kMusic) {
            s.MusicOn = SettingsTruth(value);
            call(h.music, s.MusicOn);
        } else if (key == kDeck) {
            const int i = SettingsTextIndex(value, kDesigns);
            call(h.deckDesign, i < 0 ? 0 : kDesigns[size_t(i)]);
        } else if (key == kCountDown) {
            s.CountDownScore = SettingsTruth(value);
        } else if (key == kTimeBonus) {
            s.TimeBonus = checked(value, TimeBonusMax, PokerGridDefaults::TimeBonus);
        } else if (key == kBonusScore) {
            s.BonusRoundScore = checked(value, BonusRoundMax, PokerGridDefaults::BonusRoundScore);
        } else if (key == kPair) {
            v.PairScore = checked(value, HandMax, d.PairScore);
        } else if (key == kTwoPair) {
            v.TwoPairScore = checked(value, HandMax, d.TwoPairScore);
        } else if (key == kTrips) {
            v.TripsScore = checked(value, HandMax, d.TripsScore);
        } else if (key == kFlush) {
            v.FlushScore = checked(value, HandMax, d.FlushScore);
        } else if (key == kFullHouse) {
            v.FullHouseScore = checked(value, HandMax, d.FullHouseScore);
        } else if (key == kStraight) {
            v.StraightScore = checked(value, HandMax, d.StraightScore);
        } else if (key == kFour) {
            v.FourScore = checked(value, HandMax, d.FourScore);
        } else if (key == kStraightFlush) {
            v.StraightFlushScore = checked(value, HandMax, d.StraightFlushScore);
        } else if (key == kRoyalFlush) {
            v.RoyalFlushScore = checked(value, RoyalFlushMax, d.RoyalFlushScore);
        } else if (key == kOverWrites) {
            PokerGridOptions().OverWrites =
                checked(value, OverWritesMax, PokerGridDefaults::OverWrites);
        } else if (key == kState) {
            // A window stored minimised opens in the normal state.
            const auto state = SettingsWholeNumber(value);
            if (state && *state >= GridWindowNormal && *state <= GridWindowMaximised)
                call(h.windowState,
                     *state == GridWindowMaximised ? GridWindowMaximised : GridWindowNormal);
        } else if (key == kWidth || key == kHeight) {
            if (h.currentWindowState && h.currentWindowState() == GridWindowMaximised) return;
            const auto size = SettingsWholeNumber(value);
            if (!size || *size <= 0) return;
            call(key == kWidth ? h.width : h.height, int(*size));
        }
    }
};

SettingsFile blocks(int time, bool sounds, bool music, bool countDown, int deck, int32_t timeBonus,
                    int32_t bonusScore, const HandValues& v, int overWrites,
                    const PokerGridWindowGeometry& window) {
    const bool maximised = window.state == GridWindowMaximised;
    SettingsFile f;
    f.addNumber(kTime, time)
        .addFlag(kSounds, sounds)
        .addFlag(kMusic, music)
        .addFlag(kCountDown, countDown)
        .addNumber(kDeck, deck)
        .addNumber(kTimeBonus, timeBonus)
        .addNumber(kBonusScore, bonusScore)
        .addNumber(kPair, v.PairScore)
        .addNumber(kTwoPair, v.TwoPairScore)
        .addNumber(kTrips, v.TripsScore)
        .addNumber(kFlush, v.FlushScore)
        .addNumber(kFullHouse, v.FullHouseScore)
        .addNumber(kStraight, v.StraightScore)
        .addNumber(kFour, v.FourScore)
        .addNumber(kStraightFlush, v.StraightFlushScore)
        .addNumber(kRoyalFlush, v.RoyalFlushScore)
        .addNumber(kOverWrites, overWrites)
        .addNumber(kState, maximised ? GridWindowMaximised : GridWindowNormal)
        .addNumber(kWidth, maximised ? kMaximisedWidth : window.width)
        .addNumber(kHeight, maximised ? kMaximisedHeight : window.height);
    return f;
}
} // namespace

QString PokerGridSettingsPath() {
    return Shared().ProgramFolder + QLatin1String(kPokerGridSettingsFile);
}

SettingsFile PokerGridSettingsBlocks(const PokerGridWindowGeometry& window) {
    const SharedState& s = Shared();
    const PokerGridSettings& o = PokerGridOptions();
    return blocks(s.TimeLimit, s.SoundsOn, s.MusicOn, s.CountDownScore, s.DeckDesign, s.TimeBonus,
                  s.BonusRoundScore, o.hands, o.OverWrites, window);
}

SettingsFile DefaultPokerGridSettingsBlocks() {
    namespace d = PokerGridDefaults;
    return blocks(d::TimeLimit, d::SoundsOn, d::MusicOn, d::CountDownScore, d::DeckDesign,
                  d::TimeBonus, d::BonusRoundScore, d::Hands, d::OverWrites,
                  PokerGridWindowGeometry{GridWindowNormal, d::Width, d::Height});
}

bool WritePokerGridSettings(const PokerGridWindowGeometry& window) {
    return PokerGridSettingsBlocks(window).write(PokerGridSettingsPath());
}

void ApplyPokerGridSettingsText(const QByteArray& text, const PokerGridSettingsHandlers& handlers) {
    Reader r{handlers};
    ReadSettingsText(text, kKeys, [&](const QString& k, const QString& v) { r.apply(k, v); });
    call(handlers.timeLimit, r.time);
}

bool LoadPokerGridSettings(const PokerGridSettingsHandlers& handlers) {
    const QString path = PokerGridSettingsPath();
    if (!QFileInfo::exists(path)) DefaultPokerGridSettingsBlocks().writeQuietly(path);
    QByteArray data;
    const bool read = platform::ReadFileWhole(path, data);
    ApplyPokerGridSettingsText(read ? data : QByteArray(), handlers);
    return read;
}
