#include "games/pokergrid/PokerGridRound.h"
#include "PokerGridTestSupport.h"

class PokerGridPlay : public PokerGridTest {
  protected:
    // Places the hole card into each cell in turn.
    void fill(PokerGridRound& r, const std::vector<int>& cells, int overWrites = 3) {
        for (int c : cells)
            ASSERT_TRUE(r.place(c, overWrites, HandValues{}).accepted) << c;
    }
};

TEST_F(PokerGridPlay, DealTurnsUpTheFirstCard) {
    PokerGridRound r;
    QStringList sounds;
    ASSERT_TRUE(r.deal(deckStartingWith({"5H"}), &sounds));
    EXPECT_EQ(r.holeCard(), "5H");
    EXPECT_EQ(r.cardsRemaining(), 51);
    EXPECT_EQ(r.deckPictureKey(), "FULL");
    EXPECT_EQ(sounds, QStringList{"Click.wav"});
    EXPECT_EQ(r.grid().filled(), 0);
    EXPECT_EQ(r.roundPoints(), 0);

    // A deck that is not 52 cards cannot be dealt and leaves nothing showing.
    PokerGridRound bad;
    QStringList short_ = deckStartingWith({});
    short_.removeLast();
    EXPECT_FALSE(bad.deal(short_));
    EXPECT_EQ(bad.holeCard(), "");
    QStringList damaged = deckStartingWith({});
    damaged[7] = "??";
    EXPECT_FALSE(bad.deal(damaged));
}

TEST_F(PokerGridPlay, PlacingAnEmptyCellTurnsUpTheNextCard) {
    PokerGridRound r;
    ASSERT_TRUE(r.deal(deckStartingWith({"5H", "9C"})));
    const Placement p = r.place(12, 3, HandValues{});
    EXPECT_TRUE(p.accepted);
    EXPECT_FALSE(p.overwrite);
    EXPECT_EQ(r.grid().code(12), "5H");
    EXPECT_EQ(r.holeCard(), "9C");
    EXPECT_EQ(r.cardsRemaining(), 50);
    EXPECT_EQ(r.overWritesUsed(), 0);
    EXPECT_EQ(p.sounds, QStringList{"Click.wav"});
    EXPECT_TRUE(p.changedLines.empty());
}

TEST_F(PokerGridPlay, ANewHandSoundsOncePerLineInsteadOfTheClick) {
    PokerGridRound r;
    // 7S to row 2 (cell 5), 7H to column 4 (cell 3), then 7D to row 2 column 4 (cell 8).
    ASSERT_TRUE(r.deal(deckStartingWith({"7S", "7H", "7D", "2C", "2D"})));
    fill(r, {5, 3});
    Placement p = r.place(8, 3, HandValues{});
    EXPECT_EQ(r.roundPoints(), 100);
    EXPECT_EQ(p.sounds, (QStringList{"TwentyOne.wav", "TwentyOne.wav"}));
    EXPECT_EQ(p.changedLines, (std::vector<int>{1, 8}));
    EXPECT_EQ(PokerHandName(r.score().hands[1]), "1 Pair");
    EXPECT_EQ(PokerHandName(r.score().hands[8]), "1 Pair");

    // A card that changes no hand clicks again; the unchanged pairs stay silent.
    p = r.place(24, 3, HandValues{});
    EXPECT_EQ(p.sounds, QStringList{"Click.wav"});
    EXPECT_TRUE(p.changedLines.empty());

    // An overwrite that breaks a hand changes its label to "Nothing" without a sound.
    p = r.place(8, 3, HandValues{});
    EXPECT_TRUE(p.overwrite);
    EXPECT_EQ(p.changedLines, (std::vector<int>{1, 8}));
    EXPECT_EQ(p.sounds, QStringList{"Click.wav"});
    EXPECT_EQ(r.roundPoints(), 0);
    EXPECT_EQ(r.grid().code(8), "2D"); // the seven that was there is lost
}

TEST_F(PokerGridPlay, OverwritesRunOutAndAreThenRefused) {
    PokerGridRound r;
    ASSERT_TRUE(r.deal(deckStartingWith({})));
    fill(r, {0});
    for (int i = 1; i <= 3; ++i) {
        const Placement p = r.place(0, 3, HandValues{});
        EXPECT_TRUE(p.accepted && p.overwrite);
        EXPECT_EQ(r.overWritesUsed(), i);
    }
    const QString hole = r.holeCard();
    const int left = r.cardsRemaining();
    const Placement refused = r.place(0, 3, HandValues{});
    EXPECT_FALSE(refused.accepted);
    EXPECT_EQ(refused.sounds, QStringList{"Chord.wav"});
    EXPECT_EQ(r.holeCard(), hole);
    EXPECT_EQ(r.cardsRemaining(), left);
    EXPECT_EQ(r.overWritesUsed(), 3);
    // An empty cell still takes the card.
    EXPECT_TRUE(r.place(1, 3, HandValues{}).accepted);

    PokerGridRound none;
    ASSERT_TRUE(none.deal(deckStartingWith({})));
    fill(none, {4}, 0);
    EXPECT_FALSE(none.place(4, 0, HandValues{}).accepted);
}

TEST_F(PokerGridPlay, DeckPictureFollowsTheCardsLeft) {
    PokerGridRound r;
    ASSERT_TRUE(r.deal(deckStartingWith({})));
    fill(r, {0});
    // Overwrite one cell until the deck is used up: 51 more cards.
    const std::map<int, QString> expected = {{26, "FULL"}, {25, "HALF"}, {13, "HALF"},
                                             {12, "BACK"}, {1, "BACK"},  {0, "EMPTY"}};
    while (r.cardsRemaining() > 0) {
        ASSERT_TRUE(r.place(0, 100, HandValues{}).accepted);
        auto it = expected.find(r.cardsRemaining());
        if (it != expected.end()) {
            EXPECT_EQ(r.deckPictureKey(), it->second) << it->first;
        }
    }
    // The 52nd card shows as the hole card; placing it finds no card left.
    EXPECT_EQ(r.holeCard(), "13D");
    const Placement last = r.place(0, 100, HandValues{});
    EXPECT_TRUE(last.accepted);
    EXPECT_EQ(last.sounds.back(), "Chord.wav");
    EXPECT_EQ(r.holeCard(), "");
    EXPECT_EQ(r.cardsRemaining(), 0);
    EXPECT_EQ(r.deckPictureKey(), "EMPTY");
    // Without a hole card every cell refuses, occupied or empty, and nothing is placed.
    const Placement onOccupied = r.place(0, 100, HandValues{});
    const Placement onEmpty = r.place(1, 100, HandValues{});
    EXPECT_FALSE(onOccupied.accepted);
    EXPECT_FALSE(onEmpty.accepted);
    EXPECT_EQ(onEmpty.sounds, QStringList{"Chord.wav"});
    EXPECT_EQ(r.grid().code(0), "13D");
    EXPECT_FALSE(r.grid().occupied(1));
}

TEST_F(PokerGridPlay, FillingTheLastCellEndsTheRound) {
    PokerGridRound r;
    ASSERT_TRUE(r.deal(deckStartingWith({})));
    for (int c = 0; c < 24; ++c) {
        const Placement p = r.place(c, 3, HandValues{});
        ASSERT_FALSE(p.gridFull);
    }
    const Placement p = r.place(24, 3, HandValues{});
    EXPECT_TRUE(p.gridFull);
    EXPECT_EQ(p.sounds.back(), "Wingame.wav");
    EXPECT_EQ(r.cardsRemaining(), 26);
    // Spades 1-5, 6-10, then 11S-13S with 1H, 2H, ...: every line is scored.
    EXPECT_EQ(PokerHandName(r.score().hands[0]), "St. Flush");
    EXPECT_EQ(PokerHandName(r.score().hands[1]), "St. Flush");
}
