#include "games/phrase/PhraseSettings.h"

#include "services/SharedState.h"

PhraseSettings& PhraseOptions() {
    static PhraseSettings settings;
    return settings;
}

void RestorePhraseScoringDefaults() {
    SharedState& s = Shared();
    PhraseSettings& o = PhraseOptions();
    o.GuessBonus = PhraseDefaults::GuessBonus;
    s.BonusRoundScore = PhraseDefaults::BonusRoundScore;
    o.CompletionBonus = PhraseDefaults::CompletionBonus;
    o.GuessCount = PhraseDefaults::GuessCount;
    s.TimeBonus = PhraseDefaults::TimeBonus;
    o.ShowPhraseTime = PhraseDefaults::ShowPhraseTime;
    s.CountDownScore = true;
}

void ResetPhraseLoadDefaults() {
    SharedState& s = Shared();
    s.TimeLimit = PhraseDefaults::TimeLimit;
    s.SoundsOn = true;
    s.MusicOn = false;
    s.DeckDesign = 1;
    RestorePhraseScoringDefaults();
}

bool IsCustomScoring() {
    const SharedState& s = Shared();
    const PhraseSettings& o = PhraseOptions();
    return s.BonusRoundScore != PhraseDefaults::BonusRoundScore ||
           o.CompletionBonus != PhraseDefaults::CompletionBonus ||
           o.GuessBonus != PhraseDefaults::GuessBonus || s.TimeBonus != PhraseDefaults::TimeBonus ||
           o.GuessCount != PhraseDefaults::GuessCount;
}
