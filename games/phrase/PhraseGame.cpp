#include "games/phrase/PhraseGame.h"

#include "games/phrase/PhraseSettings.h"
#include "services/SharedState.h"

#include <algorithm>

void PhraseGame::newGame() {
    SharedState& s = Shared();
    s.Round = 1;
    s.Score = 0;
    phrasesSolved_ = 0;
}

RoundStart PhraseGame::initRound(PhraseLibrary& library, bool bonusPicks) {
    round_.reset(PhraseOptions().GuessCount, bonusPicks);
    Shared().ElapsedSeconds = 0;
    RoundStart start;
    PhraseChoice choice = library.choosePhrase(PhraseOptions().Topic);
    start.notices = std::move(choice.notices);
    if (!choice.found || !round_.setPhrase(choice.phrase)) return start;
    start.started = true;
    start.topic = choice.topic;
    return start;
}

LetterResult PhraseGame::clickLetter(int index) {
    LetterResult r = round_.clickLetter(index);
    if (r.ending == RoundEnding::Solved) ++phrasesSolved_;
    return r;
}

BarResult PhraseGame::barTick() {
    return round_.barTick(Shared().Round >= 3);
}

PhraseRoundEnd PhraseGame::endRound() {
    SharedState& s = Shared();
    ++s.Round;
    PhraseRoundEnd end;
    end.lost = round_.guessesLeft() < 0 || s.ElapsedSeconds >= s.TimeLimit;
    if (end.lost) return end;
    end.facesPaid = round_.guessesLeft() + 1;
    end.guessBonus = PhraseOptions().GuessBonus;
    if (round_.roundSolved()) end.completionBonus = PhraseOptions().CompletionBonus;
    end.secondsLeft = std::max(0, s.TimeLimit - s.ElapsedSeconds);
    return end;
}

PhraseNext PhraseGame::next() const {
    const SharedState& s = Shared();
    if (s.Round == 2) return PhraseNext::RoundTwo;
    if (s.Round == 3 && s.Score >= s.BonusRoundScore && phrasesSolved_ >= 2)
        return PhraseNext::BonusRound;
    return PhraseNext::GameOver;
}
