// Grid play in the window: placements, hand labels and their sounds, overwrites, the deck
// picture, the deck click, and clicks that arrive while no round runs.
#include "PokerGridWindowTestSupport.h"

#include "frame/CardPictures.h"
#include "frame/VbColour.h"
#include "services/PictureList.h"

TEST_F(PokerGridWindowTest, ACardInTwoNewHandsSoundsTwiceAndNoClick) {
    // 7S to cell 5 (row 2), 7H to cell 3 (column 4), 7D to cell 8 (both).
    arrange({"7S 7H 7D 2C 3C"});
    auto w = openWindow();
    w->show();
    w->cmdPlay()->click();
    press(w->PlayCards(5));
    press(w->PlayCards(3));
    waves();
    press(w->PlayCards(8));
    EXPECT_EQ(waves(), (QStringList{"TwentyOne.wav", "TwentyOne.wav"}));
    EXPECT_EQ(text(*w, "lblRow_2"), "1 Pair");
    EXPECT_EQ(text(*w, "lblCol_4"), "1 Pair");
    EXPECT_EQ(ForeColour(w->lblRow(2)), VbColour(kVbBlue));
    EXPECT_NE(ForeColour(w->lblRow(1)), VbColour(kVbBlue));
    EXPECT_EQ(text(*w, "lblPointsEarned"), "Points Earned: 100");
    EXPECT_EQ(w->PlayCards(8)->pictureKey(), "7D");
    EXPECT_TRUE(w->PlayCards(8)->hasBorder());
    EXPECT_EQ(w->HoleCard()->pictureKey(), "2C");
    // The column label stays centred under its column with its new text.
    const QLabel* col = w->lblCol(4);
    EXPECT_NEAR(col->x() + col->width() / 2.0, w->PlayCards(23)->geometry().center().x(), 1.5);
    // A card that makes no new hand clicks.
    press(w->PlayCards(24));
    EXPECT_EQ(waves(), QStringList{"Click.wav"});
}

TEST_F(PokerGridWindowTest, TheLongestHandNamesStayClearOfTheDeckAtTheMinimumWidth) {
    // Bottom row: a royal flush; the row above: three of a kind.
    arrange({"10S 11S 12S 13S 1S 4H 4D 4C 2C 7D"});
    auto w = openWindow();
    w->show();
    w->cmdPlay()->click();
    for (int c : {20, 21, 22, 23, 24, 15, 16, 17, 18, 19})
        press(w->PlayCards(c));
    EXPECT_EQ(text(*w, "lblRow_5"), "Royal Flush");
    EXPECT_EQ(text(*w, "lblRow_4"), "3 of a kind");
    EXPECT_LE(w->lblRow(5)->geometry().right(), w->CardStackPicture()->x());
    const QLabel* row = w->lblRow(5);
    EXPECT_NEAR(row->geometry().center().y(), w->PlayCards(24)->geometry().center().y(), 1.5);
    EXPECT_TRUE(testsupport::CaptionsFit(*w));
}

TEST_F(PokerGridWindowTest, OverwritesRunOutRedAndAreRefusedWithAChord) {
    auto w = openWindow();
    w->show();
    w->cmdPlay()->click();
    press(w->PlayCards(0));
    for (int left = 2; left >= 0; --left) {
        press(w->PlayCards(0));
        EXPECT_EQ(text(*w, "lblOverWrites"), "Over Writes Remaining: " + QString::number(left));
        EXPECT_EQ(ForeColour(w->label("lblOverWrites")), VbColour(left == 0 ? kVbRed : kVbBlue));
    }
    const QString hole = w->HoleCard()->pictureKey();
    const QString cell = w->PlayCards(0)->pictureKey();
    waves();
    press(w->PlayCards(0));
    EXPECT_EQ(waves(), QStringList{"Chord.wav"});
    EXPECT_EQ(w->HoleCard()->pictureKey(), hole);
    EXPECT_EQ(w->PlayCards(0)->pictureKey(), cell);
    EXPECT_EQ(text(*w, "lblCards"), "Cards remaining: 47");
    // The deck cannot be clicked for a card.
    press(w->CardStackPicture());
    EXPECT_EQ(waves(), QStringList{"Chord.wav"});
    EXPECT_EQ(text(*w, "lblCards"), "Cards remaining: 47");
}

TEST_F(PokerGridWindowTest, DeckPictureShrinksWithTheDeck) {
    auto w = openWindow();
    PokerGridOptions().OverWrites = 26;
    w->show();
    w->cmdPlay()->click();
    auto isPicture = [&w](const char* key) {
        return w->CardStackPicture()->pixmap().cacheKey() ==
               CardPictureList().byKey(key).cacheKey();
    };
    EXPECT_TRUE(isPicture("FULL"));
    fillGrid(*w, 0, 0);
    for (int i = 0; i < 25; ++i)
        press(w->PlayCards(0));
    EXPECT_EQ(text(*w, "lblCards"), "Cards remaining: 25");
    EXPECT_TRUE(isPicture("HALF"));
    fillGrid(*w, 1, 12);
    EXPECT_EQ(text(*w, "lblCards"), "Cards remaining: 13");
    EXPECT_TRUE(isPicture("HALF"));
    press(w->PlayCards(13));
    EXPECT_TRUE(isPicture("BACK"));
}

TEST_F(PokerGridWindowTest, ClicksOutsideARoundDoNothing) {
    auto w = openWindow();
    w->show();
    waves();
    press(w->PlayCards(0)); // idle
    EXPECT_TRUE(waves().isEmpty());
    w->cmdPlay()->click();
    Shared().InputBlocked = true;
    press(w->PlayCards(0));
    EXPECT_FALSE(w->game().cards().grid().occupied(0));
    // While input is blocked, Play, Pause and Exit do nothing either.
    w->cmdPause()->click();
    EXPECT_EQ(w->state(), GameWindow::State::Running);
    Shared().InputBlocked = false;
}
