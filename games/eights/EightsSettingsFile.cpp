#include "games/eights/EightsSettingsFile.h"

#include "app/SharedState.h"
#include "games/eights/EightsSettings.h"

#include <QFileInfo>

namespace {
const QString kSounds = QStringLiteral("[Play Sounds]");
const QString kMusic = QStringLiteral("[Play Music]");
const QString kDeck = QStringLiteral("[Deck]");
const QString kBonusScore = QStringLiteral("[Bonus Score]");
const QString kCompleteBonus = QStringLiteral("[Eights CompleteBonus]");
const QString kTimeBonus = QStringLiteral("[Time Bonus]");
const QString kCountDown = QStringLiteral("[Count Down]");
const QString kTime = QStringLiteral("[Time]");
const QString kWidth = QStringLiteral("[Width]");
const QString kHeight = QStringLiteral("[Height]");
const QString kState = QStringLiteral("[State]");

const QStringList kKeys = {kSounds,    kMusic, kDeck,  kBonusScore, kCompleteBonus, kTimeBonus,
                           kCountDown, kTime,  kWidth, kHeight,     kState};

const std::vector<int> kTimeLimits = {60, 75, 90, 105, 120};
const std::vector<int> kDesigns = {1, 2, 3, 4};

template <typename F, typename... A> void call(const F& f, A... args) {
    if (f) f(args...);
}

// A scoring value the dialog would accept, else the one already in force.
void scoringValue(const QString& text, int32_t low, int32_t high, int32_t& into) {
    const auto v = SettingsWholeNumber(text);
    if (v && *v >= low && *v <= high) into = *v;
}

struct Reader {
    const EightsSettingsHandlers& h;
    bool timeSeen = false;
    bool deckSeen = false;

    void apply(const QString& key, const QString& value) {
        SharedState& s = Shared();
        using namespace EightsDefaults;
        if (key == kTime) {
            const int i = SettingsTextIndex(value, kTimeLimits);
            timeSeen = true;
            call(h.timeLimit, i < 0 ? TimeLimit : kTimeLimits[std::size_t(i)]);
        } else if (key == kDeck) {
            const int i = SettingsTextIndex(value, kDesigns);
            deckSeen = true;
            call(h.deckDesign, i < 0 ? DeckDesign : kDesigns[std::size_t(i)]);
        } else if (key == kSounds) {
            s.SoundsOn = SettingsTruth(value);
            call(h.sounds, s.SoundsOn);
        } else if (key == kMusic) {
            s.MusicOn = SettingsTruth(value);
            call(h.music, s.MusicOn);
        } else if (key == kBonusScore) {
            scoringValue(value, MinBonusScore, MaxBonusScore, s.BonusScore);
        } else if (key == kCompleteBonus) {
            scoringValue(value, MinCompleteBonus, MaxCompleteBonus,
                         EightsOptions().EightsCompleteBonus);
        } else if (key == kTimeBonus) {
            scoringValue(value, MinTimeBonus, MaxTimeBonus, s.TimeBonus);
        } else if (key == kCountDown) {
            if (value == QLatin1String("True") || value == QLatin1String("False"))
                s.CountDownScore = SettingsTruth(value);
        } else if (key == kState) {
            // Only a maximised state is taken: a window must never open minimised.
            const auto state = SettingsWholeNumber(value);
            if (state && *state == EightsMaximised) call(h.maximise);
        } else if (key == kWidth || key == kHeight) {
            if (h.isMaximised && h.isMaximised()) return;
            const auto size = SettingsWholeNumber(value);
            if (!size || *size <= 0) return;
            call(key == kWidth ? h.width : h.height, int(*size));
        }
    }

    void finish() {
        if (!timeSeen) call(h.timeLimit, EightsDefaults::TimeLimit);
        if (!deckSeen) call(h.deckDesign, EightsDefaults::DeckDesign);
    }
};
} // namespace

QString EightsSettingsPath() {
    return Shared().ProgramFolder + QLatin1String(kEightsSettingsFile);
}

EightsSettingsValues CurrentEightsSettings(bool maximised, int width, int height) {
    const SharedState& s = Shared();
    EightsSettingsValues v;
    v.playSounds = s.SoundsOn;
    v.playMusic = s.MusicOn;
    v.deckDesign = s.DeckDesign;
    v.bonusScore = s.BonusScore;
    v.completeBonus = EightsOptions().EightsCompleteBonus;
    v.timeBonus = s.TimeBonus;
    v.countDown = s.CountDownScore;
    v.timeLimit = s.TimeLimit;
    v.maximised = maximised;
    v.width = width;
    v.height = height;
    return v;
}

SettingsFile EightsSettingsBlocks(const EightsSettingsValues& v) {
    SettingsFile f;
    f.addFlag(kSounds, v.playSounds)
        .addFlag(kMusic, v.playMusic)
        .addNumber(kDeck, v.deckDesign)
        .addNumber(kBonusScore, v.bonusScore)
        .addNumber(kCompleteBonus, v.completeBonus)
        .addNumber(kTimeBonus, v.timeBonus)
        .addFlag(kCountDown, v.countDown)
        .addNumber(kTime, v.timeLimit)
        .addNumber(kWidth, v.maximised ? EightsDefaults::Width : v.width)
        .addNumber(kHeight, v.maximised ? EightsDefaults::Height : v.height);
    return f;
}

bool WriteEightsSettings(const EightsSettingsValues& values) {
    return EightsSettingsBlocks(values).write(EightsSettingsPath());
}

void ApplyEightsSettingsText(const QByteArray& text, const EightsSettingsHandlers& handlers) {
    Reader r{handlers};
    ReadSettingsText(text, kKeys, [&](const QString& k, const QString& v) { r.apply(k, v); });
    r.finish();
}

bool LoadEightsSettings(const EightsSettingsHandlers& handlers) {
    Reader r{handlers};
    // The first run's file holds the defaults and the design size.
    const bool read = LoadSettingsFile(EightsSettingsPath(), EightsSettingsBlocks({}), kKeys,
                                       [&](const QString& k, const QString& v) { r.apply(k, v); });
    r.finish();
    return read;
}
