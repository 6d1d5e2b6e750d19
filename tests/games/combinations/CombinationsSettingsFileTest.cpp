#include "games/combinations/CombinationsSettingsFile.h"
#include "CombinationsTestSupport.h"

#include <QFile>

class CombinationsSettingsFileTest : public CombinationsTest {
  protected:
    QByteArray fileText() const {
        QFile f(folder() + "Brisko.Ini");
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // The window's load: the file written first when missing, then read.
    CombinationsSettingsValues load() const {
        CombinationsSettingsValues v;
        SettingsReader r;
        AddCombinationsKeys(r, v).load(folder() + "Brisko.Ini",
                                       CombinationsSettingsBlocks(v, {WindowNormal, 9060, 7155}));
        return v;
    }
};

TEST_F(CombinationsSettingsFileTest, FirstRunWritesTheDefaultsByteForByte) {
    const auto v = std::optional(load());
    EXPECT_EQ(fileText(), QByteArray("[Play Sounds]\r\nTrue\r\n\r\n"
                                     "[Timer Speed]\r\n 90\r\n\r\n"
                                     "[Play Music]\r\nFalse\r\n\r\n"
                                     "[Deck]\r\n3\r\n\r\n"
                                     "[Cards To Pass]\r\n3\r\n\r\n"
                                     "[TwentyOne Bonus Value]\r\n1000\r\n\r\n"
                                     "[Cards Used Bonus Value]\r\n100\r\n\r\n"
                                     "[5 Cards Bonus Value]\r\n750\r\n\r\n"
                                     "[Deck Completion Bonus]\r\n100000\r\n\r\n"
                                     "[Wait Period]\r\n2000\r\n\r\n"
                                     "[Time Limit]\r\n90\r\n\r\n"
                                     "[Bonus Round Score]\r\n250000\r\n\r\n"
                                     "[Count Down Score]\r\nTrue\r\n\r\n"
                                     "[State]\r\n0\r\n\r\n"
                                     "[Width]\r\n9060\r\n\r\n"
                                     "[Height]\r\n7155\r\n\r\n"
                                     "\r\n"));
    EXPECT_EQ(v->timerSpeed, 90);
    EXPECT_EQ(v->timerSpeedResets, 0);
    EXPECT_EQ(v->deckDesign, 3);
    EXPECT_EQ(v->timeLimit, 90);
    ApplyCombinationsSettings(*v);
    EXPECT_FALSE(CombinationsScoringIsCustom());
}

TEST_F(CombinationsSettingsFileTest, StoredValuesRoundTrip) {
    CombinationsOptions() = {360, 0, 5000, 0, 50000, 1000000, 60000};
    Shared().TimeLimit = 15;
    Shared().BonusRoundScore = 2147483647;
    Shared().CountDownScore = false;
    Shared().DeckDesign = 1;
    ASSERT_TRUE(
        CombinationsSettingsBlocks(CurrentCombinationsSettings(), {WindowMaximised, 12000, 9000})
            .write(folder() + "Brisko.Ini"));
    EXPECT_TRUE(fileText().contains("[Timer Speed]\r\n 360\r\n"));
    EXPECT_TRUE(fileText().contains("[Width]\r\n9060\r\n\r\n[Height]\r\n7155\r\n"));
    const CombinationsSettingsValues v = ReadCombinationsSettingsText(fileText());
    EXPECT_EQ(v.timerSpeed, 360);
    EXPECT_EQ(v.cardsToPass, 0);
    EXPECT_EQ(v.twentyOneBonusValue, 5000);
    EXPECT_EQ(v.cardsUsedBonusValue, 0);
    EXPECT_EQ(v.fiveCardsBonusValue, 50000);
    EXPECT_EQ(v.deckCompletionBonus, 1000000);
    EXPECT_EQ(v.waitPeriod, 60000);
    EXPECT_EQ(v.timeLimit, 15);
    EXPECT_EQ(v.bonusRoundScore, 2147483647);
    EXPECT_FALSE(v.countDownScore);
    EXPECT_EQ(v.deckDesign, 1);
}

TEST_F(CombinationsSettingsFileTest, ValuesTheGameCannotTakeGiveTheirDefaults) {
    const CombinationsSettingsValues v =
        ReadCombinationsSettingsText("[Timer Speed]\r\n100\r\n\r\n"
                                     "[Time Limit]\r\n0\r\n\r\n"
                                     "[TwentyOne Bonus Value]\r\n2000000000\r\n\r\n"
                                     "[Cards Used Bonus Value]\r\n-5\r\n\r\n"
                                     "[Wait Period]\r\n99999999999\r\n\r\n"
                                     "[Cards To Pass]\r\n70000\r\n\r\n"
                                     "[Deck]\r\n7\r\n\r\n"
                                     "[Play Sounds]\r\ntrue\r\n\r\n"
                                     "[Bonus Round Score]\r\n99\r\n");
    EXPECT_EQ(v.timerSpeed, 90);
    EXPECT_EQ(v.timerSpeedResets, 1);
    EXPECT_EQ(v.timeLimit, 90);
    EXPECT_EQ(v.twentyOneBonusValue, 1000);
    EXPECT_EQ(v.cardsUsedBonusValue, 100);
    EXPECT_EQ(v.waitPeriod, 2000);
    EXPECT_EQ(v.cardsToPass, 3);
    EXPECT_EQ(v.deckDesign, 4); // Palm Tree
    EXPECT_FALSE(v.playSounds);
    EXPECT_EQ(v.bonusRoundScore, 99); // read on after the bad values

    // " 180" (its blank skipped) and "180" both give the slow counter.
    EXPECT_EQ(ReadCombinationsSettingsText("[Timer Speed]\r\n 180\r\n").timerSpeed, 180);
    EXPECT_EQ(ReadCombinationsSettingsText("[Timer Speed]\r\n180\r\n").timerSpeed, 180);
    EXPECT_EQ(ReadCombinationsSettingsText("[Time Limit]\r\n60\r\n").timeLimit, 60);
}
