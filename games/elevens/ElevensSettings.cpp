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

void ResetElevensLoadDefaults() {
    SharedState& s = Shared();
    s.CustomScoring = false;
    s.MusicOn = false;
    s.TimeLimit = ElevensDefaults::TimeLimit;
    s.CardGoal = ElevensDefaults::CardGoal;
    s.TimeBonus = ElevensDefaults::TimeBonus;
    s.EnhancedScoring = true;
    LastElevensGame().ReplayMode = false;
    ElevensSettings& o = ElevensOptions();
    o.BonusRoundScore = ElevensDefaults::BonusRoundScore;
    o.CompletionBonus = ElevensDefaults::CompletionBonus;
    o.Bonus = ElevensDefaults::Bonus;
    o.BonusES = ElevensDefaults::BonusES;
}

bool ElevensScoringIsCustom() {
    const ElevensSettings& o = ElevensOptions();
    const bool enhanced = Shared().EnhancedScoring;
    return o.BonusRoundScore != ElevensDefaults::BonusRoundScore ||
           o.CompletionBonus != ElevensDefaults::CompletionBonus ||
           Shared().TimeBonus != ElevensDefaults::TimeBonus ||
           (enhanced ? o.BonusES != ElevensDefaults::BonusES : o.Bonus != ElevensDefaults::Bonus);
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
