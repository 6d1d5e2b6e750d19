// Letter play on a phrase, the letter bar, "Solve It", the bonus picks, and the bonuses and
// the next step at a round end.
#include "games/phrase/PhraseGame.h"

#include "TestSupport.h"
#include "games/phrase/PhraseSettings.h"
#include "services/Random.h"

#include <gtest/gtest.h>

namespace {
int letter(char c) {
    return c - 'A';
}

class PhraseGameTest : public ::testing::Test {
  protected:
    void SetUp() override {
        SeedRandom(11);
        PhraseOptions() = PhraseSettings{};
        ResetPhraseLoadDefaults();
        Phrases().reset();
        Shared().TimeLimit = 45;
    }
    // A round on the given phrase.
    PhraseRound& start(const char* phrase, bool picks = false) {
        game.round().reset(PhraseOptions().GuessCount, picks);
        EXPECT_TRUE(game.round().setPhrase(phrase));
        return game.round();
    }
    // Clicks the letters of the phrase on the board until it is solved.
    void solveByLetters() {
        const QString p = game.round().phrase().toUpper();
        for (int i = 0; i < kLetterCount; ++i)
            if (p.contains(QChar('A' + i)) && game.round().letterEnabled(i)) game.clickLetter(i);
    }
    int hiddenLetters() const {
        int n = 0;
        for (int k = 0; k < kBoardCells; ++k)
            n += game.round().cellVisible(k) && game.round().cellCaption(k).isEmpty();
        return n;
    }
    testsupport::ProgramSandbox sandbox;
    PhraseGame game;
};
} // namespace

TEST_F(PhraseGameTest, RightLetterPaysPerOccurrenceAndOpensTheVowels) {
    PhraseRound& r = start("A PENNY SAVED IS A PENNY EARNED");
    for (int v : {0, 4, 8, 14, 20, 24})
        EXPECT_FALSE(r.letterEnabled(v));
    r.setLetterValue(2000);
    const LetterResult res = game.clickLetter(letter('N'));
    EXPECT_EQ(res.occurrences, 5);
    EXPECT_EQ(Shared().Score, 10000);
    EXPECT_EQ(res.sounds, std::vector<QString>{"Click.wav"});
    EXPECT_FALSE(r.letterEnabled(letter('N')));
    EXPECT_TRUE(r.letterEnabled(letter('E')));
    EXPECT_EQ(r.letterValue() % 250, 0);
    EXPECT_GE(r.letterValue(), 250);
    EXPECT_LE(r.letterValue(), 32 * 250);
}

TEST_F(PhraseGameTest, WrongLettersTurnFacesFromTheTopAndTheLastOneLoses) {
    PhraseRound& r = start("HELLO WORLD");
    const char wrong[] = "BCFGJKMN";
    for (int i = 0; i < 7; ++i) {
        const LetterResult res = game.clickLetter(letter(wrong[i]));
        EXPECT_EQ(res.sounds, std::vector<QString>{"Chord.wav"});
        EXPECT_EQ(r.face(7 - i), Face::Unhappy);
        EXPECT_EQ(r.face(0), Face::Happy);
        EXPECT_EQ(res.ending, RoundEnding::None);
    }
    EXPECT_EQ(game.clickLetter(letter('N')).ending, RoundEnding::Lost);
    EXPECT_EQ(r.face(0), Face::Unhappy);
    EXPECT_EQ(r.guessesLeft(), -1);
    EXPECT_FALSE(game.clickLetter(letter('H')).accepted); // the round is over
    r.reveal();
    EXPECT_EQ(r.colour(), BoardColour::Lost);
    EXPECT_EQ(r.cellCaption(32), "H");
    EXPECT_EQ(r.cellCaption(37), " "); // the blank shows as a blank
}

TEST_F(PhraseGameTest, SolvingUncoversEverythingButPunctuationNeedsNoButton) {
    PhraseRound& r = start("IT'S OK!");
    EXPECT_EQ(hiddenLetters(), 5);
    EXPECT_FALSE(game.clickLetter(letter('I')).accepted); // vowels wait for a right letter
    for (char c : {'T', 'S', 'I', 'O'})
        EXPECT_EQ(game.clickLetter(letter(c)).ending, RoundEnding::None);
    EXPECT_EQ(game.clickLetter(letter('K')).ending, RoundEnding::Solved);
    EXPECT_TRUE(r.roundSolved());
    EXPECT_EQ(r.colour(), BoardColour::Solved);
    EXPECT_EQ(game.phrasesSolved(), 1);
}

TEST_F(PhraseGameTest, SolveModeFreezesTheValueAndOneWrongLetterEndsIt) {
    PhraseRound& r = start("HELLO WORLD");
    game.solve();
    EXPECT_TRUE(r.letterEnabled(letter('O'))); // the vowels open with Solve It
    const int32_t value = r.letterValue();
    game.clickLetter(letter('L'));
    EXPECT_EQ(r.letterValue(), value);
    EXPECT_EQ(Shared().Score, 3 * value);
    const LetterResult wrong = game.clickLetter(letter('Z'));
    EXPECT_EQ(wrong.ending, RoundEnding::Lost);
    EXPECT_TRUE(wrong.sounds.empty());
    EXPECT_TRUE(wrong.messageCleared);
    EXPECT_EQ(r.face(7), Face::Happy);
}

TEST_F(PhraseGameTest, FullLetterBarCostsAFaceOrTheRound) {
    PhraseRound& r = start("HELLO WORLD");
    for (int i = 0; i < 100; ++i)
        EXPECT_FALSE(game.barTick().faceLost);
    EXPECT_EQ(r.bar(), 100);
    const BarResult full = game.barTick();
    EXPECT_TRUE(full.faceLost);
    EXPECT_EQ(r.face(7), Face::Unhappy);
    EXPECT_EQ(r.bar(), 0);
    game.solve();
    for (int i = 0; i < 100; ++i)
        game.barTick();
    EXPECT_EQ(game.barTick().ending, RoundEnding::Lost);
    EXPECT_EQ(r.face(6), Face::Happy);
}

TEST_F(PhraseGameTest, BonusPicksAreFiveConsonantsAndOneVowelThenPlayedInOrder) {
    Shared().Round = 3;
    PhraseRound& r = start("SLOW AND STEADY", true);
    EXPECT_TRUE(r.letterEnabled(letter('A')));
    EXPECT_EQ(r.pickPrompt(), "Select 5 consonants and 1 vowel");
    game.clickLetter(letter('S'));
    EXPECT_EQ(r.pickPrompt(), "Select 4 consonants and 1 vowel");
    game.clickLetter(letter('E'));
    EXPECT_EQ(r.pickPrompt(), "Select 4 consonants and no vowels");
    EXPECT_FALSE(r.letterEnabled(letter('A'))); // no second vowel
    for (char c : {'T', 'B', 'C'})
        game.clickLetter(letter(c));
    EXPECT_EQ(Shared().Score, 0); // nothing is uncovered before the sixth pick
    const LetterResult sixth = game.clickLetter(letter('D'));
    EXPECT_TRUE(sixth.picksPlayed);
    EXPECT_EQ(sixth.ending, RoundEnding::None);
    EXPECT_EQ(sixth.occurrences, 2 + 1 + 1 + 2); // S, E, T, D
    EXPECT_TRUE(r.solveMode());
    EXPECT_EQ(r.guessesLeft(), 0);
    EXPECT_FALSE(r.collectingPicks());
    EXPECT_TRUE(r.letterEnabled(letter('A')));
    EXPECT_FALSE(r.letterEnabled(letter('B')));
    EXPECT_EQ(game.clickLetter(letter('X')).ending, RoundEnding::Lost);
}

TEST_F(PhraseGameTest, PicksThatEndTheRoundStopThereAndASolveByPicksPaysOneFace) {
    Shared().Round = 3;
    PhraseRound& r = start("BEST DOG", true);
    for (char c : {'B', 'S', 'T', 'D', 'G', 'O'})
        game.clickLetter(letter(c));
    EXPECT_TRUE(r.solveMode()); // E is left to find
    // A fresh phrase that the first three picks complete.
    r.reset(8, true);
    ASSERT_TRUE(r.setPhrase("BIG BIG"));
    LetterResult last;
    for (char c : {'I', 'B', 'G', 'C', 'D', 'F'})
        last = game.clickLetter(letter(c));
    EXPECT_EQ(last.ending, RoundEnding::Solved);
    EXPECT_EQ(last.sounds.size(), 1u + 3u); // no wrong pick was played after the solve
    EXPECT_EQ(r.guessesLeft(), 0);
    EXPECT_FALSE(r.solveMode()); // the pick sequence did not run on
    Shared().ElapsedSeconds = 0;
    EXPECT_EQ(game.endRound().facesPaid, 1);

    // Wrong picks that use the last face end the round with the reveal.
    PhraseOptions().GuessCount = 2;
    r.reset(2, true);
    ASSERT_TRUE(r.setPhrase("ZOO"));
    for (char c : {'B', 'C', 'D', 'F', 'G', 'A'})
        last = game.clickLetter(letter(c));
    EXPECT_EQ(last.ending, RoundEnding::Lost);
    EXPECT_EQ(last.sounds.size(), 1u + 2u); // the pick's click, then two faces
}

TEST_F(PhraseGameTest, RoundEndBonusesOfASolvedPhrase) {
    Shared().Round = 1;
    start("HELLO WORLD");
    for (char c : {'B', 'C', 'F'})
        game.clickLetter(letter(c));
    for (char c : {'H', 'E', 'L', 'O', 'W', 'R', 'D'})
        game.clickLetter(letter(c));
    Shared().ElapsedSeconds = 20;
    const PhraseRoundEnd end = game.endRound();
    EXPECT_EQ(Shared().Round, 2);
    EXPECT_FALSE(end.lost);
    EXPECT_EQ(end.facesPaid * end.guessBonus, 15000);
    EXPECT_EQ(end.completionBonus, 10000);
    EXPECT_EQ(end.secondsLeft * Shared().TimeBonus, 2500);
    EXPECT_EQ(game.next(), PhraseNext::RoundTwo);

    // The bonus round solved at 12 seconds.
    Shared().Round = 3;
    start("HI", true);
    for (char c : {'B', 'C', 'D', 'F', 'G', 'A'})
        game.clickLetter(letter(c));
    game.clickLetter(letter('H'));
    EXPECT_EQ(game.clickLetter(letter('I')).ending, RoundEnding::Solved);
    Shared().ElapsedSeconds = 12;
    const PhraseRoundEnd bonus = game.endRound();
    EXPECT_EQ(bonus.facesPaid * bonus.guessBonus, 3000);
    EXPECT_EQ(bonus.completionBonus, 10000);
    EXPECT_EQ(bonus.secondsLeft * Shared().TimeBonus, 3300);
    EXPECT_EQ(Shared().Round, 4);
    EXPECT_EQ(game.next(), PhraseNext::GameOver);
}

TEST_F(PhraseGameTest, LostRoundsPayNothingMore) {
    Shared().Round = 1;
    start("HELLO WORLD");
    game.clickLetter(letter('L'));
    const int32_t letters = Shared().Score;
    Shared().ElapsedSeconds = 45;
    EXPECT_TRUE(game.endRound().lost);
    EXPECT_EQ(Shared().Score, letters);
}

TEST_F(PhraseGameTest, BonusRoundNeedsTheScoreAndBothPhrases) {
    sandbox.write("GLP.Dat", "CURRENT_PHRASE_NUMBER=1\r\nHI\r\nOK\r\n\r\n");
    PhraseOptions().Topic = 3;
    game.newGame();
    for (int round = 1; round <= 2; ++round) {
        const RoundStart s = game.initRound(Phrases(), false);
        ASSERT_TRUE(s.started);
        EXPECT_EQ(s.topic, 3);
        game.solve();
        solveByLetters();
        EXPECT_TRUE(game.round().roundSolved());
        game.endRound();
    }
    EXPECT_EQ(game.phrasesSolved(), 2);
    Shared().Score = 250000;
    EXPECT_EQ(game.next(), PhraseNext::BonusRound);
    Shared().Score = 249999;
    EXPECT_EQ(game.next(), PhraseNext::GameOver);

    // One phrase solved is not enough, whatever the score.
    game.newGame();
    game.initRound(Phrases(), false);
    game.clickLetter(letter('Z'));
    game.solve();
    game.clickLetter(letter('Q'));
    game.endRound();
    game.initRound(Phrases(), false);
    game.solve();
    solveByLetters();
    game.endRound();
    Shared().Score = 900000;
    EXPECT_EQ(game.phrasesSolved(), 1);
    EXPECT_EQ(game.next(), PhraseNext::GameOver);
}

TEST_F(PhraseGameTest, NoRoundStartsWithoutAPhrase) {
    sandbox.write("GLS.Dat", "\r\n\r\n");
    PhraseOptions().Topic = 4;
    game.newGame();
    const RoundStart s = game.initRound(Phrases(), false);
    EXPECT_FALSE(s.started);
    ASSERT_EQ(s.notices.size(), 1u);
    EXPECT_EQ(s.notices[0].kind, PhraseNotice::UnusableTopic);
}
