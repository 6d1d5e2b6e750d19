#include "games/elevens/ElevensSettings.h"

#include "services/HighScores.h"
#include "services/SharedState.h"

QString ElevensTableName() {
    return QString("Sumbry Hi Score Table ") + (Shared().EnhancedScoring ? "ES " : "") +
           QString::number(Shared().CardGoal) + "_";
}

QString ElevensHallOfFameInfo() {
    const QString goal = QString::number(Shared().CardGoal);
    return Shared().EnhancedScoring
               ? QStringLiteral("V 7.0 Enhanced Scoring - High Scores for a card goal of ") + goal
               : QStringLiteral("High Scores for a card goal of ") + goal;
}

ElevensSettings& ElevensOptions() {
    static ElevensSettings settings;
    return settings;
}

ElevensLastGame& LastElevensGame() {
    static ElevensLastGame last;
    return last;
}

bool& ElevensCommandLineHandled() {
    static bool handled = false;
    return handled;
}

namespace {
constexpr int32_t kLeastValue = 1; // what the dialog accepts for every scoring value
constexpr int32_t kMostValue = 5000000;
} // namespace

const SettingsTable& ElevensSettingsTable() {
    SharedState& s = Shared();
    ElevensSettings& o = ElevensOptions();
    static const SettingsTable table(
        {
            SettingChoice(kElevensColor, o.SelectionColour, 1, {0, 1, 2, 3, 4, 5})
                .keepOnBadValue(), // Red
            SettingFlag(kElevensMusic, s.MusicOn, false),
            SettingChoice(kElevensTime, s.TimeLimit, 90, {30, 60, 90, 120, 150, 180}),
            SettingFlag(kElevensDrawTimer, o.DrawTimer, true),
            SettingFlag(kElevensSounds, s.SoundsOn, true),
            SettingNumber(kElevensCardGoal, s.CardGoal, 11, 10, 15),
            SettingNumber(kElevensBonusRound, o.BonusRoundScore, 80000, kLeastValue, kMostValue)
                .counts(),
            SettingNumber(kElevensCompletion, o.CompletionBonus, 10000, kLeastValue, kMostValue)
                .counts(),
            SettingNumber(kElevensBonus, o.Bonus, 1500, kLeastValue, kMostValue)
                .countsWhile(kElevensScoreMode, false),
            SettingNumber(kElevensBonusES, o.BonusES, 1000, kLeastValue, kMostValue)
                .countsWhile(kElevensScoreMode, true),
            SettingNumber(kElevensTimeBonus, s.TimeBonus, 100, kLeastValue, kMostValue).counts(),
            WindowBlock(kStateKey), SettingFlag(kElevensScoreMode, s.EnhancedScoring, true),
            WindowBlock(kWidthKey), WindowBlock(kHeightKey),
            SettingChoice(kElevensDeck, s.DeckDesign, 1, {1, 2, 3, 4}), // Palm Tree
        },
        QSize(9540, 7200), QStringLiteral("Sumbry.Ini"));
    return table;
}

namespace {
// The points per combination of the scoring mode in force.
QString comboKey() {
    return Shared().EnhancedScoring ? kElevensBonusES : kElevensBonus;
}
} // namespace

const SettingsTable& ElevensScoringTable() {
    const SettingsTable& file = ElevensSettingsTable();
    ElevensSettings& o = ElevensOptions();
    static const SettingsTable table(
        {
            file.row(kElevensBonusRound),
            file.row(kElevensCompletion),
            // Shown for the mode stored; stored for the mode the dialog chose, which it stores
            // first. Its default is the default mode's.
            SettingNumberVia(
                kElevensComboBonus, [&file] { return file.value(comboKey()); },
                [&file](int32_t v) { file.store(comboKey(), v); }, file.defaultOf(kElevensBonusES),
                kLeastValue, kMostValue),
            file.row(kElevensTimeBonus),
            SettingNumber(kElevensCardBonus, o.CardBonus, 1000, kLeastValue, kMostValue),
            file.row(kElevensScoreMode),
        },
        QSize(), QString());
    return table;
}

void ResetElevensLoadDefaults() {
    SharedState& s = Shared();
    ElevensSettingsTable().resetDefaults();
    ElevensOptions().CardBonus = ElevensScoringTable().defaultOf(kElevensCardBonus);
    s.CustomScoring = false;
    LastElevensGame().ReplayMode = false;
}

int32_t ElevensComboBonus() {
    return Shared().EnhancedScoring ? ElevensOptions().BonusES : ElevensOptions().Bonus;
}

QString GoalCaption(int goal) {
    static const char* const names[] = {
        "Tens:", "Elevens:", "Twelves:", "Thirteens:", "Fourteens:", "Fifteens:"};
    if (goal < 10 || goal > 15) return QString();
    return QString::fromLatin1(names[goal - 10]);
}

QString GoalStatusText(int goal) {
    return QStringLiteral("Click on exposed cards to total ") + QString::number(goal) +
           QStringLiteral("!   ");
}

QString BonusRoundStatusText() {
    return QStringLiteral("Make ") + FormatScore(ElevensOptions().BonusRoundScore) +
           QStringLiteral(" for Bonus Round!   ");
}

QString ElevensWindowCaption() {
    return Shared().GameTitle +
           (Shared().EnhancedScoring ? QStringLiteral(" - Enhanced Scoring") : QString());
}

int SelectionColourValue(int index) {
    static const int colours[] = {65535, 255, 16711680, 49152, 8388736, 0};
    return index >= 0 && index <= 5 ? colours[index] : 0;
}
