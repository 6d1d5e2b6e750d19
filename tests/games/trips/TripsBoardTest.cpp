// The board: selecting and placing, the column as a pile, column scoring, the up row and the
// blocked board.
#include "games/trips/TripsBoard.h"
#include "TestSupport.h"
#include "games/trips/TripsSettings.h"
#include "tests/games/trips/TripsTestSupport.h"

#include <gtest/gtest.h>

using namespace tripstest;

namespace {

class TripsBoardTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ResetTripsLoadDefaults();
        Shared().Score = 0;
    }
    testsupport::ProgramSandbox sandbox;
    TripsBoard board;
};

TEST(TripsColumnScore, TripsRunsAndFlushesReadFromTheTop) {
    EXPECT_EQ(ScoreColumn(" 7S", " 7H", " 7D"), ColumnKind::Trip);
    EXPECT_EQ(ScoreColumn(" 4H", " 5H", " 6H"), ColumnKind::FlushRun);
    EXPECT_EQ(ScoreColumn(" 4H", " 5S", " 6H"), ColumnKind::Run);
    EXPECT_EQ(ScoreColumn(" 12S", " 13H", " 1D"), ColumnKind::Run); // Q-K-A
    EXPECT_EQ(ScoreColumn(" 1S", " 13H", " 12D"), ColumnKind::Run); // A-K-Q
    EXPECT_EQ(ScoreColumn(" 3S", " 2H", " 1D"), ColumnKind::Run);   // falling to the ace
    EXPECT_EQ(ScoreColumn(" 9C", " 8C", " 7C"), ColumnKind::FlushRun);
    EXPECT_EQ(ScoreColumn(" 13S", " 1H", " 2D"), ColumnKind::None); // no run over the king
    EXPECT_EQ(ScoreColumn(" 2S", " 1H", " 13D"), ColumnKind::None);
    EXPECT_EQ(ScoreColumn(" 3S", " 5H", " 4D"), ColumnKind::None);
    EXPECT_EQ(ScoreColumn(" 5S", " 7H", " 6D"), ColumnKind::None); // order matters
    EXPECT_EQ(ScoreColumn(" 7S", " 7H", " 8D"), ColumnKind::None);
    EXPECT_EQ(ScoreColumn(" 7S", "", " 7D"), ColumnKind::None);
}

TEST_F(TripsBoardTest, DealShowsTheFirstThreeCardsAndPlaysDeckThreeFirst) {
    ASSERT_TRUE(DealPlaying(board, {"7S", "7H", "7D", "4H"}));
    // Deck(1)..(3) lie in up places 0..2; Deck(3) is played first.
    EXPECT_EQ(board.upCard(0), Shared().Deck[1]);
    EXPECT_EQ(board.upCard(1), Shared().Deck[2]);
    EXPECT_EQ(board.upCard(2), Shared().Deck[3]);
    EXPECT_EQ(board.upCard(2), " 7S");
    EXPECT_EQ(board.cardsRemaining(), 52);
    EXPECT_EQ(board.stockPictureKey(), "FULL");
    for (int c = 0; c < kTripsColumns; ++c)
        EXPECT_EQ(board.columnHeight(c), 0);

    UpToColumn(board, 0);
    EXPECT_EQ(board.fieldCard(0), " 7S");
    EXPECT_EQ(board.upCard(2), " 7H"); // Deck(2)
    EXPECT_EQ(board.upCard(0), Shared().Deck[4]);
    EXPECT_EQ(board.cardsRemaining(), 51);
}

TEST_F(TripsBoardTest, DealRefusesADeckThatIsShortOrDamaged) {
    Shared().Deck = QStringList(20, " 1S");
    EXPECT_FALSE(board.deal());
    EXPECT_TRUE(board.upCard(2).isEmpty());
    Shared().Deck = DeckPlaying({});
    Shared().Deck[17] = " XX";
    EXPECT_FALSE(board.deal());
}

TEST_F(TripsBoardTest, SelectingAndDeselectingPlayTheirSounds) {
    ASSERT_TRUE(DealPlaying(board, {"7S", "8H"}));
    EXPECT_EQ(board.clickField(5).sounds, QStringList{"Chord.wav"}); // empty column
    EXPECT_EQ(board.clickUpCard(0).sounds, QStringList{"Chord.wav"});
    EXPECT_EQ(board.clickUpCard(1).sounds, QStringList{"Chord.wav"});
    EXPECT_EQ(board.clickStorage(1).sounds, QStringList{"Chord.wav"}); // empty storage
    EXPECT_EQ(board.clickStock().sounds, QStringList{"Chord.wav"});
    EXPECT_FALSE(board.cardSelected());

    EXPECT_EQ(board.clickUpCard(2).sounds, QStringList{"Click.wav"});
    EXPECT_EQ(board.selectedFrom(), TripsSource::UpCard);
    EXPECT_EQ(board.clickUpCard(2).sounds, QStringList{"Markq.wav"});
    EXPECT_FALSE(board.cardSelected());

    UpToStorage(board, 1);
    EXPECT_EQ(board.storageCard(1), " 7S");
    EXPECT_EQ(board.clickStorage(1).sounds, QStringList{"Click.wav"});
    // A refused click keeps the selection.
    EXPECT_EQ(board.clickUpCard(2).sounds, QStringList{"Chord.wav"});
    EXPECT_EQ(board.selectedFrom(), TripsSource::Storage);
    EXPECT_EQ(board.clickStorage(1).sounds, QStringList{"Markq.wav"});
    EXPECT_FALSE(board.cardSelected());
}

TEST_F(TripsBoardTest, ACardLandsOnTheColumnsFirstFreePlaceWhereverClicked) {
    ASSERT_TRUE(DealPlaying(board, {"2S", "9H", "5D", "11C"}));
    UpToColumn(board, 1);
    EXPECT_EQ(board.fieldCard(1), " 2S");
    // Row 2 of column 1 was clicked: the card still lands in row 1.
    board.clickUpCard(2);
    EXPECT_EQ(board.clickField(9).sounds, QStringList{"Click.wav"});
    EXPECT_EQ(board.fieldCard(5), " 9H");
    EXPECT_TRUE(board.fieldCard(9).isEmpty());
    // Row 0 clicked on a two-card column: row 2.
    board.clickUpCard(2);
    board.clickField(1);
    EXPECT_EQ(board.fieldCard(9), " 5D");
    EXPECT_EQ(board.columnHeight(1), 3);
    // A full column takes no card.
    board.clickUpCard(2);
    EXPECT_EQ(board.clickField(5).sounds, QStringList{"Chord.wav"});
    EXPECT_EQ(board.selectedFrom(), TripsSource::UpCard);
}

TEST_F(TripsBoardTest, OnlyTheLowestCardOfAColumnIsTaken) {
    ASSERT_TRUE(DealPlaying(board, {"2S", "9H", "5D"}));
    UpToColumn(board, 0);
    UpToColumn(board, 0);
    UpToColumn(board, 0);
    // The top card of the full column was clicked: the bottom card is selected.
    EXPECT_EQ(board.clickField(0).sounds, QStringList{"Click.wav"});
    EXPECT_EQ(board.selectedFrom(), TripsSource::Field);
    EXPECT_EQ(board.selectedIndex(), 8);
    board.clickField(2);
    EXPECT_EQ(board.fieldCard(2), " 5D");
    EXPECT_EQ(board.columnHeight(0), 2);
    // After taking the bottom card the middle card is the next to go, and a card dropped on
    // the column lands in row 2 again, never under an empty row.
    board.clickField(4);
    EXPECT_EQ(board.selectedIndex(), 4);
    board.clickStorage(0);
    EXPECT_EQ(board.storageCard(0), " 9H");
    EXPECT_EQ(board.columnHeight(0), 1);
    board.clickField(2);
    board.clickField(8);
    EXPECT_EQ(board.fieldCard(4), " 5D");
    EXPECT_EQ(board.columnHeight(2), 0);
}

TEST_F(TripsBoardTest, ClickingTheSelectedCardsColumnTakesItBack) {
    ASSERT_TRUE(DealPlaying(board, {"2S", "9H"}));
    UpToColumn(board, 3);
    board.clickField(3);
    // The free place below the card is part of the column too.
    const TripsClick r = board.clickField(7);
    EXPECT_EQ(r.sounds, QStringList{"Markq.wav"});
    EXPECT_FALSE(board.cardSelected());
    EXPECT_EQ(board.fieldCard(3), " 2S");
    EXPECT_TRUE(board.fieldCard(7).isEmpty());
}

TEST_F(TripsBoardTest, MovingAColumnsOnlyCardEmptiesTheColumn) {
    ASSERT_TRUE(DealPlaying(board, {"2S"}));
    UpToColumn(board, 2);
    board.clickField(2);
    board.clickStorage(2);
    EXPECT_EQ(board.columnHeight(2), 0);
    EXPECT_EQ(board.storageCard(2), " 2S");
    // The empty column refuses a first click again.
    EXPECT_EQ(board.clickField(2).sounds, QStringList{"Chord.wav"});
}

TEST_F(TripsBoardTest, ATripAddsTheTripScoreAndEmptiesTheColumn) {
    ASSERT_TRUE(DealPlaying(board, {"7S", "7H", "7D"}));
    UpToColumn(board, 0);
    UpToColumn(board, 0);
    const TripsClick r = UpToColumn(board, 0);
    EXPECT_EQ(r.sounds, QStringList{"Click.wav"});
    ASSERT_EQ(r.scored.size(), 1u);
    EXPECT_EQ(r.scored[0].kind, ColumnKind::Trip);
    EXPECT_EQ(r.scored[0].points, 6000);
    EXPECT_EQ(r.scored[0].sound, "TwentyOne.wav");
    EXPECT_EQ(Shared().Score, 6000);
    EXPECT_EQ(board.tripsCount(), 1);
    EXPECT_EQ(board.runsCount(), 0);
    EXPECT_EQ(board.columnHeight(0), 0);
}

TEST_F(TripsBoardTest, AFlushRunEarnsTheRunAndTheFlush) {
    ASSERT_TRUE(DealPlaying(board, {"4H", "5H", "6H"}));
    UpToColumn(board, 1);
    UpToColumn(board, 1);
    const TripsClick r = UpToColumn(board, 1);
    ASSERT_EQ(r.scored.size(), 1u);
    EXPECT_EQ(r.scored[0].kind, ColumnKind::FlushRun);
    EXPECT_EQ(r.scored[0].column, 1);
    EXPECT_EQ(r.scored[0].points, 5300);
    EXPECT_EQ(r.scored[0].sound, "HighScore.wav");
    EXPECT_EQ(Shared().Score, 5300);
    EXPECT_EQ(board.runsCount(), 1);
}

TEST_F(TripsBoardTest, WrappedAndFallingRunsScoreTheRunOnly) {
    ASSERT_TRUE(DealPlaying(board, {"12S", "13H", "1D", "1C", "13S", "12H", "3S", "2H", "1H"}));
    for (int c = 0; c < 3; ++c)
        for (int i = 0; i < 3; ++i)
            UpToColumn(board, c);
    EXPECT_EQ(Shared().Score, 900);
    EXPECT_EQ(board.runsCount(), 3);
}

TEST_F(TripsBoardTest, AColumnThatScoresNothingStaysFull) {
    ASSERT_TRUE(DealPlaying(board, {"13S", "1H", "2D", "3S", "5H", "4D", "5C", "7H", "6D"}));
    for (int c = 0; c < 3; ++c)
        for (int i = 0; i < 3; ++i)
            UpToColumn(board, c);
    EXPECT_EQ(Shared().Score, 0);
    for (int c = 0; c < 3; ++c)
        EXPECT_EQ(board.columnHeight(c), 3);
    // The full column gives up its lowest card, and scores once it completes a run.
    board.clickField(0);
    board.clickStorage(0);
    EXPECT_EQ(board.columnHeight(0), 2);
}

TEST_F(TripsBoardTest, ChangedScoringValuesAreUsed) {
    TripsOptions().TripleScore = 7000;
    TripsOptions().RunScore = 0;
    TripsOptions().FlushScore = 20000;
    ASSERT_TRUE(DealPlaying(board, {"7S", "7H", "7D", "9C", "10C", "11C"}));
    for (int c = 0; c < 2; ++c)
        for (int i = 0; i < 3; ++i)
            UpToColumn(board, c);
    EXPECT_EQ(Shared().Score, 27000);
}

TEST_F(TripsBoardTest, TheWholeDeckPassesThroughTheUpRow) {
    // Trips of spades, hearts and clubs, then flush runs of diamonds: everything played
    // onto column 0 scores, except the last diamond.
    QStringList order;
    for (int rank = 1; rank <= 13; ++rank)
        for (const char* suit : {"S", "H", "C"})
            order << QString::number(rank) + suit;
    for (int rank = 1; rank <= 13; ++rank)
        order << QString::number(rank) + "D";
    ASSERT_TRUE(DealPlaying(board, order));
    const QStringList deck = Shared().Deck;
    QStringList played;
    for (int n = 0; n < 52; ++n) {
        played << board.upCard(2);
        UpToColumn(board, 0);
        if (n == 16) { // stock index 20
            EXPECT_EQ(board.stockPictureKey(), "HALF");
        }
        if (n == 31) { // 35
            EXPECT_EQ(board.stockPictureKey(), "HALF");
        }
        if (n == 32) { // 36
            EXPECT_EQ(board.stockPictureKey(), "BACK");
        }
        if (n == 47) { // 51
            EXPECT_EQ(board.stockPictureKey(), "BACK");
        }
        if (n == 48) { // 52: the rest is face up
            EXPECT_EQ(board.stockPictureKey(), "EMPTY");
        }
    }
    EXPECT_EQ(played[0], deck[3]);
    EXPECT_EQ(played[1], deck[2]);
    EXPECT_EQ(played[2], deck[1]);
    EXPECT_EQ(played[3], deck[4]);
    EXPECT_EQ(played[51], deck[52]);
    EXPECT_EQ(board.tripsCount(), 13);
    EXPECT_EQ(board.runsCount(), 4);
    EXPECT_EQ(Shared().Score, 13 * 6000 + 4 * 5300);
    EXPECT_EQ(board.fieldCard(0), " 13D");
    EXPECT_EQ(board.cardsRemaining(), 0);
    EXPECT_TRUE(board.deckUsedUp());
    EXPECT_EQ(board.stockPictureKey(), "EMPTY");
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(board.upCard(i).isEmpty());
    EXPECT_EQ(board.clickUpCard(2).sounds, QStringList{"Chord.wav"});
}

TEST_F(TripsBoardTest, FillingTheLastFreePlaceBlocksTheBoard) {
    // Four columns that score nothing (each K-A-2 read from the top), then the storage.
    ASSERT_TRUE(DealPlaying(board, {"13S", "1S", "2S", "13H", "1H", "2H", "13C", "1C", "2C", "13D",
                                    "1D", "2D", "5S", "6H", "9C"}));
    for (int c = 0; c < 4; ++c)
        for (int i = 0; i < 3; ++i) {
            const TripsClick r = UpToColumn(board, c);
            EXPECT_FALSE(r.blocked);
        }
    EXPECT_FALSE(UpToStorage(board, 0).blocked);
    EXPECT_FALSE(UpToStorage(board, 1).blocked);
    const TripsClick last = UpToStorage(board, 2);
    EXPECT_TRUE(last.blocked);
    EXPECT_TRUE(board.blocked());
}

TEST_F(TripsBoardTest, TheLastOpenColumnFillingWithoutScoringBlocksTheBoard) {
    ASSERT_TRUE(DealPlaying(board, {"5S", "6H", "9C", "13S", "1S", "2S", "13H", "1H", "2H", "13C",
                                    "1C", "2C", "13D", "1D", "2D"}));
    UpToStorage(board, 0);
    UpToStorage(board, 1);
    UpToStorage(board, 2);
    for (int c = 0; c < 4; ++c)
        for (int i = 0; i < 3; ++i) {
            const TripsClick r = UpToColumn(board, c);
            EXPECT_EQ(r.blocked, c == 3 && i == 2) << c << i;
        }
}

TEST_F(TripsBoardTest, LeftOverCardsAreListedFieldFirstFromTheBottom) {
    ASSERT_TRUE(DealPlaying(board, {"2S", "9H", "5D", "11C"}));
    UpToColumn(board, 0);
    UpToColumn(board, 0);
    UpToColumn(board, 3);
    UpToStorage(board, 1);
    EXPECT_EQ(board.leftOverField(), (std::vector<int>{4, 3, 0}));
    EXPECT_EQ(board.leftOverStorage(), (std::vector<int>{1}));
}

} // namespace
