#include "games/pairs/PairsSettingsFile.h"

#include "app/SharedState.h"
#include "games/pairs/PairsSettings.h"
#include "platform/SafeFile.h"

#include <QFileInfo>

namespace {
const QString kMusic = QStringLiteral("[Play Music]");
const QString kTime = QStringLiteral("[Time]");
const QString kSounds = QStringLiteral("[Play Sounds]");
const QString kCountDown = QStringLiteral("[Count Down Score]");
const QString kPairs = QStringLiteral("[Pairs Bonus]");
const QString kRuns = QStringLiteral("[Runs Bonus]");
const QString kTimeBonus = QStringLiteral("[Time Bonus]");
const QString kBonusScore = QStringLiteral("[Bonus Score]");
const QString kCompletion = QStringLiteral("[Completion Bonus]");
const QString kState = QStringLiteral("[State]");
const QString kWidth = QStringLiteral("[Width]");
const QString kHeight = QStringLiteral("[Height]");
const QString kDeck = QStringLiteral("[Deck]");

const QStringList kKeys = {kMusic, kTime,      kSounds,     kCountDown,  kPairs,
                           kRuns,  kTimeBonus, kBonusScore, kCompletion, kState,
                           kWidth, kHeight,    kDeck};

const std::vector<int> kTimeLimits = {30, 45, 60, 75, 90, 105, 120};
const std::vector<int> kDesigns = {1, 2, 3, 4};

// What a maximised window records, so that it comes back at the minimum when restored.
constexpr int kMaximisedWidth = 9570;
constexpr int kMaximisedHeight = 7200;

int32_t checked(const QString& text, int32_t maximum, int32_t fallback) {
    const auto v = SettingsWholeNumber(text);
    return v && *v >= 0 && *v <= maximum ? *v : fallback;
}

template <typename F, typename... A> void call(const F& f, A... args) {
    if (f) f(args...);
}

int offered(const QString& value, const std::vector<int>& allowed) {
    const int i = SettingsTextIndex(value, allowed);
    return i < 0 ? 0 : allowed[size_t(i)];
}

struct Reader {
    const PairsSettingsHandlers& h;
    bool timeSeen = false;

    void apply(const QString& key, const QString& value) {
        using namespace PairsDefaults;
        SharedState& s = Shared();
        PairsSettings& o = PairsOptions();
        if (key == kMusic) {
            s.MusicOn = SettingsTruth(value);
            call(h.music, s.MusicOn);
        } else if (key == kSounds) {
            s.SoundsOn = SettingsTruth(value);
            call(h.sounds, s.SoundsOn);
        } else if (key == kTime) {
            timeSeen = true;
            call(h.timeLimit, offered(value, kTimeLimits));
        } else if (key == kCountDown) {
            s.CountDownScore = SettingsTruth(value);
        } else if (key == kPairs) {
            o.PairsBonus = checked(value, MaxBonus, PairsBonus);
        } else if (key == kRuns) {
            o.RunsBonus = checked(value, MaxBonus, RunsBonus);
        } else if (key == kTimeBonus) {
            s.TimeBonus = checked(value, MaxBonus, TimeBonus);
        } else if (key == kBonusScore) {
            s.BonusRoundScore = checked(value, MaxBonusRoundScore, BonusRoundScore);
        } else if (key == kCompletion) {
            o.CompletionBonus = checked(value, MaxBonus, CompletionBonus);
        } else if (key == kState) {
            // A window closed while minimised opens normal, so its size and card backs apply.
            const auto state = SettingsWholeNumber(value);
            if (state && *state >= PairsWindowNormal && *state <= PairsWindowMaximised)
                call(h.windowState,
                     *state == PairsWindowMaximised ? PairsWindowMaximised : PairsWindowNormal);
        } else if (key == kWidth || key == kHeight) {
            if (h.currentWindowState && h.currentWindowState() == PairsWindowMaximised) return;
            const auto size = SettingsWholeNumber(value);
            if (!size || *size <= 0) return;
            call(key == kWidth ? h.width : h.height, int(*size));
        } else if (key == kDeck) {
            call(h.deckDesign, offered(value, kDesigns));
        }
    }
    void finish() {
        if (!timeSeen) call(h.timeLimit, int(PairsDefaults::TimeLimit));
    }
};
} // namespace

QString PairsSettingsPath() {
    return Shared().ProgramFolder + QLatin1String(kPairsSettingsFile);
}

PairsSettingsValues DefaultPairsSettings(const PairsWindowGeometry& window) {
    PairsSettingsValues v;
    v.window = window;
    return v;
}

PairsSettingsValues CurrentPairsSettings(const PairsWindowGeometry& window) {
    const SharedState& s = Shared();
    const PairsSettings& o = PairsOptions();
    PairsSettingsValues v;
    v.timeLimit = s.TimeLimit;
    v.playSounds = s.SoundsOn;
    v.playMusic = s.MusicOn;
    v.deckDesign = s.DeckDesign;
    v.pairsBonus = o.PairsBonus;
    v.runsBonus = o.RunsBonus;
    v.timeBonus = s.TimeBonus;
    v.bonusRoundScore = s.BonusRoundScore;
    v.completionBonus = o.CompletionBonus;
    v.countDown = s.CountDownScore;
    v.window = window;
    return v;
}

SettingsFile PairsSettingsBlocks(const PairsSettingsValues& v) {
    const bool maximised = v.window.state == PairsWindowMaximised;
    SettingsFile f;
    f.addFlag(kMusic, v.playMusic)
        .addNumber(kTime, v.timeLimit)
        .addFlag(kSounds, v.playSounds)
        .addFlag(kMusic, v.playMusic)
        .addFlag(kCountDown, v.countDown)
        .addNumber(kPairs, v.pairsBonus)
        .addNumber(kRuns, v.runsBonus)
        .addNumber(kTimeBonus, v.timeBonus)
        .addNumber(kBonusScore, v.bonusRoundScore)
        .addNumber(kCompletion, v.completionBonus)
        .addNumber(kState, maximised ? PairsWindowMaximised : PairsWindowNormal)
        .addNumber(kWidth, maximised ? kMaximisedWidth : v.window.width)
        .addNumber(kHeight, maximised ? kMaximisedHeight : v.window.height)
        .addNumber(kDeck, v.deckDesign);
    return f;
}

bool WritePairsSettings(const PairsSettingsValues& values) {
    return PairsSettingsBlocks(values).write(PairsSettingsPath());
}

void ApplyPairsSettingsText(const QByteArray& text, const PairsSettingsHandlers& handlers) {
    Reader r{handlers};
    ReadSettingsText(text, kKeys,
                     [&](const QString& key, const QString& value) { r.apply(key, value); });
    r.finish();
}

void LoadPairsSettings(const PairsWindowGeometry& window, const PairsSettingsHandlers& handlers) {
    const QString path = PairsSettingsPath();
    if (!QFileInfo::exists(path))
        PairsSettingsBlocks(DefaultPairsSettings(window)).writeQuietly(path);
    QByteArray data;
    if (!platform::ReadFileWhole(path, data)) data.clear();
    ApplyPairsSettingsText(data, handlers);
}
