#include "games/fivecolumn/FiveColumnSettingsFile.h"
#include "FiveColumnTestSupport.h"

#include <QFile>

class FiveColumnSettingsFileTest : public FiveColumnTest {
  protected:
    QByteArray fileText() const {
        QFile f(folder() + "Quintel.Ini");
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    static FiveColumnSettingsValues read(const QByteArray& blocks) {
        return ReadFiveColumnSettingsText(blocks);
    }
    // The window's load: the file written first when missing, then read.
    FiveColumnSettingsValues load() const {
        FiveColumnSettingsValues v;
        SettingsReader r;
        AddFiveColumnKeys(r, v).load(folder() + "Quintel.Ini",
                                     FiveColumnSettingsBlocks(v, {WindowNormal, 9540, 7305}));
        return v;
    }
};

TEST_F(FiveColumnSettingsFileTest, FirstRunWritesTheDefaultsByteForByte) {
    const auto v = std::optional(load());
    EXPECT_EQ(fileText(), QByteArray("[Time]\r\n60\r\n\r\n"
                                     "[Play Sounds]\r\nTrue\r\n\r\n"
                                     "[Play Music]\r\nFalse\r\n\r\n"
                                     "[Deck]\r\n4\r\n\r\n"
                                     "[TimeBonusMax]\r\n300\r\n\r\n"
                                     "[TimeBonusMin]\r\n100\r\n\r\n"
                                     "[BonusScore]\r\n200000\r\n\r\n"
                                     "[WaitPeriod]\r\n2000\r\n\r\n"
                                     "[CountDownScore]\r\nTrue\r\n\r\n"
                                     "[Cards To Pass]\r\n1\r\n\r\n"
                                     "[State]\r\n0\r\n\r\n"
                                     "[Width]\r\n9540\r\n\r\n"
                                     "[Height]\r\n7305\r\n\r\n"
                                     "\r\n"));
    EXPECT_EQ(v->timeLimit, 60);
    EXPECT_EQ(v->deckDesign, 4);
}

TEST_F(FiveColumnSettingsFileTest, StoredValuesRoundTripAndAMaximisedWindowStoresTheDesignSize) {
    Shared().TimeLimit = 45;
    Shared().SoundsOn = false;
    Shared().MusicOn = true;
    Shared().DeckDesign = 2;
    Shared().BonusScore = 123456;
    Shared().CountDownScore = false;
    FiveColumnOptions() = {500, 50, 2500, 0};
    ASSERT_TRUE(
        FiveColumnSettingsBlocks(CurrentFiveColumnSettings(), {WindowMaximised, 20000, 15000})
            .write(folder() + "Quintel.Ini"));
    const QByteArray text = fileText();
    EXPECT_TRUE(text.contains("[State]\r\n2\r\n\r\n[Width]\r\n9540\r\n\r\n[Height]\r\n7305\r\n"));
    const FiveColumnSettingsValues v = read(text);
    EXPECT_EQ(v.timeLimit, 45);
    EXPECT_FALSE(v.playSounds);
    EXPECT_TRUE(v.playMusic);
    EXPECT_EQ(v.deckDesign, 2);
    EXPECT_EQ(v.timeBonusMax, 500);
    EXPECT_EQ(v.timeBonusMin, 50);
    EXPECT_EQ(v.bonusScore, 123456);
    EXPECT_EQ(v.waitPeriod, 2500);
    EXPECT_FALSE(v.countDownScore);
    EXPECT_EQ(v.cardsToPass, 0);

    ResetFiveColumnDefaults();
    ApplyFiveColumnSettings(v);
    EXPECT_EQ(FiveColumnOptions().CardsToPass, 0);
    EXPECT_EQ(Shared().BonusScore, 123456);
    EXPECT_TRUE(FiveColumnScoringIsCustom());
}

TEST_F(FiveColumnSettingsFileTest, ValuesTheGameCannotTakeGiveTheirDefaultsAndReadingGoesOn) {
    // Limits no item offers, designs outside 1-4, lower-case truth, values out of range or
    // over 16 bits: each its default, and the keys after them are still read.
    const FiveColumnSettingsValues v = read("[Time]\r\n90\r\n\r\n"
                                            "[Deck]\r\n7\r\n\r\n"
                                            "[Play Sounds]\r\ntrue\r\n\r\n"
                                            "[TimeBonusMax]\r\n70000\r\n\r\n"
                                            "[TimeBonusMin]\r\n0\r\n\r\n"
                                            "[Cards To Pass]\r\n11\r\n\r\n"
                                            "[WaitPeriod]\r\n3600000\r\n\r\n"
                                            "[BonusScore]\r\n-5\r\n\r\n"
                                            "[CountDownScore]\r\nFalse\r\n");
    EXPECT_EQ(v.timeLimit, 60);
    EXPECT_EQ(v.deckDesign, 4);
    EXPECT_FALSE(v.playSounds);
    EXPECT_EQ(v.timeBonusMax, 300);
    EXPECT_EQ(v.timeBonusMin, 100);
    EXPECT_EQ(v.cardsToPass, 1);
    EXPECT_EQ(v.waitPeriod, 2000);
    EXPECT_EQ(v.bonusScore, 200000);
    EXPECT_FALSE(v.countDownScore);

    // A minimum at or above the maximum would make the bonus rise: both go back.
    FiveColumnSettingsValues rising = read("[TimeBonusMax]\r\n200\r\n[TimeBonusMin]\r\n200\r\n");
    EXPECT_EQ(rising.timeBonusMax, 300);
    EXPECT_EQ(rising.timeBonusMin, 100);
    FiveColumnSettingsValues low = read("[TimeBonusMax]\r\n150\r\n[TimeBonusMin]\r\n1\r\n");
    EXPECT_EQ(low.timeBonusMax, 150);
    EXPECT_EQ(low.timeBonusMin, 1);
}

TEST_F(FiveColumnSettingsFileTest, KeysInAnyOrderUnknownKeysAndTheLastKeyWins) {
    const FiveColumnSettingsValues v = read("[Colour]\r\n3\r\n[Cards To Pass]\r\n4\r\n"
                                            "[time]\r\n15\r\n[Time]\r\n30\r\n[Time]\r\n75\r\n"
                                            "[Cards To Pass]\r\n6\r\n");
    EXPECT_EQ(v.timeLimit, 75);
    EXPECT_EQ(v.cardsToPass, 6);
}
