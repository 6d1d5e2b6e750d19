// Every game's settings file through its table: the first-run file byte for byte, values
// that round-trip, the reading of single keys (a bad value keeps its default), and which
// values make the scoring custom. A game joins by adding its row to kGames.
#include "../TestSupport.h"
#include "elevens/FirstRunSettings.h"
#include "games/combinations/CombinationsSettings.h"
#include "games/eights/EightsSettings.h"
#include "games/elevens/ElevensSettings.h"
#include "games/fivecolumn/FiveColumnSettings.h"
#include "games/pairs/PairsSettings.h"
#include "games/phrase/PhraseSettings.h"
#include "games/pokergrid/PokerGridSettings.h"
#include "games/towers/TowersSettings.h"
#include "games/trips/TripsSettings.h"
#include "phrase/FirstRunSettings.h"
#include "pokergrid/PokerGridFirstRun.h"

#include <functional>
#include <gtest/gtest.h>

namespace {
struct KeyRead {
    const char* key;
    const char* text; // the value as the file holds it
    int32_t expected;
};

struct GameSettings {
    const char* name;
    const SettingsTable& (*table)();
    void (*reset)(); // the window's load defaults
    const char* file;
    QByteArray firstRun;
    WindowGeometry firstWindow;
    std::vector<KeyRead> reads;
    // Keys whose change marks the scoring custom, and keys whose change never does.
    std::vector<const char*> custom;
    std::vector<const char*> notCustom;
    const char* maximised; // the window blocks of a maximised window
};

// The topic outlives a window's load: a test starts from the program's first.
void ResetGlyphon() {
    PhraseOptions().Topic = 0;
    ResetPhraseLoadDefaults();
}

const std::vector<GameSettings> kGames = {
    {"Quintel",
     FiveColumnSettingsTable,
     ResetFiveColumnDefaults,
     "Quintel.Ini",
     "[Time]\r\n60\r\n\r\n"
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
     "\r\n",
     {WindowNormal, 9540, 7305},
     {{"[Time]", "90", 60},
      {"[Time]", "15", 15},
      {"[Time]", "075", 60},
      {"[Play Sounds]", "true", 0},
      {"[Play Music]", "True", 1},
      {"[Deck]", "7", 4},
      {"[Deck]", "2", 2},
      {"[Cards To Pass]", "0", 0},
      {"[Cards To Pass]", "11", 1},
      {"[TimeBonusMax]", "70000", 300},
      {"[TimeBonusMin]", "0", 100},
      {"[WaitPeriod]", "2500", 2500},
      {"[WaitPeriod]", "3600000", 2000},
      {"[BonusScore]", "-5", 200000},
      {"[BonusScore]", "123456", 123456},
      {"[CountDownScore]", "False", 0}},
     {"[TimeBonusMax]", "[TimeBonusMin]", "[BonusScore]", "[Cards To Pass]"},
     {"[WaitPeriod]", "[CountDownScore]", "[Time]", "[Deck]"},
     "[State]\r\n2\r\n\r\n[Width]\r\n9540\r\n\r\n[Height]\r\n7305\r\n"},
    {"Crestal",
     TowersSettingsTable,
     ResetTowersLoadDefaults,
     "Crestal.Ini",
     "[Play Music]\r\nFalse\r\n\r\n"
     "[Time]\r\n45\r\n\r\n"
     "[Play Sounds]\r\nTrue\r\n\r\n"
     "[Hi Run]\r\n0\r\n\r\n"
     "[Card Bonus]\r\n100\r\n\r\n"
     "[Bonus Score]\r\n40000\r\n\r\n"
     "[Tower Bonus]\r\n5000\r\n\r\n"
     "[High Run Bonus]\r\n1000\r\n\r\n"
     "[Count Down Score]\r\nTrue\r\n\r\n"
     "[Time Bonus]\r\n100\r\n\r\n"
     "[State]\r\n0\r\n\r\n"
     "[Width]\r\n9570\r\n\r\n"
     "[Height]\r\n7200\r\n\r\n"
     "[Deck]\r\n1\r\n\r\n",
     {WindowNormal, 9570, 7200},
     {{"[Time]", "120", 45},
      {"[Time]", "90", 90},
      {"[Play Sounds]", "true", 0},
      {"[Deck]", "7", 1},
      {"[Deck]", "3", 3},
      {"[Hi Run]", "seven", 0},
      {"[Hi Run]", "28", 28},
      {"[Hi Run]", "29", 0}, // longer than the field holds: no record
      {"[Card Bonus]", "5000", 100},
      {"[Card Bonus]", "250", 250},
      {"[Bonus Score]", "0", 0},
      {"[Bonus Score]", "-1", 40000},
      {"[Tower Bonus]", "99999999999", 5000},
      {"[High Run Bonus]", "32768", 1000},
      {"[High Run Bonus]", "32767", 32767},
      {"[Time Bonus]", "x", 100},
      {"[Count Down Score]", "False", 0}},
     {"[Card Bonus]", "[Bonus Score]", "[High Run Bonus]", "[Tower Bonus]", "[Time Bonus]"},
     {"[Count Down Score]", "[Hi Run]", "[Time]", "[Deck]"},
     "[State]\r\n2\r\n\r\n[Width]\r\n9570\r\n\r\n[Height]\r\n7200\r\n"},
    {"Sumbry",
     ElevensSettingsTable,
     ResetElevensLoadDefaults,
     "Sumbry.Ini",
     kFirstRunSumbryIni,
     {WindowNormal, 9540, 7200},
     {{"[Color]", "7", 1}, // passed over: the colour stays
      {"[Color]", "02", 1},
      {"[Color]", "4", 4},
      {"[Play Music]", "true", 0},
      {"[Play Music]", "True", 1},
      {"[Time]", "75", 90},
      {"[Time]", " 120", 120}, // blanks before an item are skipped
      {"[Time]", "0120", 90},
      {"[DrawTimer]", "False", 0},
      {"[Play Sounds]", "true", 0},
      {"[CardGoal]", "9", 11},
      {"[CardGoal]", "16", 11},
      {"[CardGoal]", "12.5", 12},
      {"[CardGoal]", "abc", 11},
      {"[Bonus Round Score]", "0", 80000},
      {"[Bonus Round Score]", "123456", 123456},
      {"[Completion Bonus]", "5000001", 10000},
      {"[Elevens Bonus]", "lots", 1500},
      {"[Elevens Bonus]", "4000000", 4000000},
      {"[Elevens Bonus ES]", "5000000", 5000000},
      {"[Time Bonus]", "2.5", 2},
      {"[New Score Mode]", "False", 0},
      {"[Deck]", "0", 1},
      {"[Deck]", "5", 1},
      {"[Deck]", "3", 3}},
     // Enhanced scoring is the default: its points per combination count, classic's do not.
     {"[Bonus Round Score]", "[Completion Bonus]", "[Time Bonus]", "[Elevens Bonus ES]"},
     {"[Elevens Bonus]", "[Time]", "[CardGoal]", "[Color]", "[DrawTimer]", "[Deck]"},
     "[State]\r\n2\r\n\r\n[New Score Mode]\r\nFalse\r\n\r\n[Width]\r\n9540\r\n\r\n"
     "[Height]\r\n7200\r\n"},
    {"Glyphon",
     PhraseSettingsTable,
     ResetGlyphon,
     "Glyphon.Ini",
     kFirstRunGlyphonIni,
     {WindowNormal, 9570, 7200},
     {{"[Play Music]", "true", 0},
      {"[Play Music]", "True", 1},
      {"[Time]", "50", 45}, // passed over: the time limit stays
      {"[Time]", "045", 45},
      {"[Time]", "105", 105},
      {"[Play Sounds]", "False", 0},
      {"[Count Down Score]", "False", 0},
      {"[Topic]", "9", 0},
      {"[Topic]", "6", 6},
      {"[Time Bonus]", "0", 100},
      {"[Time Bonus]", "5001", 100},
      {"[Time Bonus]", "5000", 5000},
      {"[Bonus Score]", "lots", 250000},
      {"[Bonus Score]", "1000000", 1000000},
      {"[Completion Bonus]", "100001", 10000},
      {"[Guess Bonus]", "50000", 50000},
      {"[Guess Count]", "0", 8}, // no face to lose
      {"[Guess Count]", "9", 8},
      {"[Guess Count]", "5", 5},
      {"[ShowPhrase]", "500", 5000},
      {"[ShowPhrase]", "2500", 2500}},
     {"[Time Bonus]", "[Bonus Score]", "[Completion Bonus]", "[Guess Bonus]", "[Guess Count]"},
     {"[ShowPhrase]", "[Count Down Score]", "[Time]", "[Topic]"},
     "[State]\r\n2\r\n\r\n[Width]\r\n9570\r\n\r\n[Height]\r\n7200\r\n"},
    {"Marvane",
     PokerGridSettingsTable,
     ResetPokerGridDefaults,
     "Marvane.Ini",
     kFirstRunMarvaneIni,
     {WindowNormal, 9540, 7305},
     {{"[Time]", "100", 75},
      {"[Time]", "120", 120},
      {"[Play Sounds]", "true", 0},
      {"[Play Music]", "True", 1},
      {"[Deck]", "5", 1},
      {"[Deck]", "3", 3},
      {"[Pair Score]", "50001", 50},
      {"[Two Pair Score]", "12abc", 70},
      {"[Trips Score]", "", 80},
      {"[Flush Score]", "12.5", 12},
      {"[Four Score]", "13.5", 14},
      {"[Straight Score]", "0", 0},
      {"[Royal Flush Score]", "100000", 100000}, // within its own, wider range
      {"[Straight Flush Score]", "50000", 50000},
      {"[Over Writes]", "27", 3}, // more could use the deck up
      {"[Over Writes]", "26", 26},
      {"[Time Bonus]", "-1", 1},
      {"[Time Bonus]", "10", 10},
      {"[Bonus Score]", "99999999999999", 100000},
      {"[Bonus Score]", "1000000", 1000000},
      {"[Count Down Score]", "False", 0}},
     {"[Time Bonus]", "[Bonus Score]", "[Pair Score]", "[Two Pair Score]", "[Trips Score]",
      "[Flush Score]", "[Full House Score]", "[Straight Score]", "[Four Score]",
      "[Straight Flush Score]", "[Royal Flush Score]", "[Over Writes]"},
     {"[Count Down Score]", "[Time]", "[Deck]", "[Play Sounds]"},
     "[State]\r\n2\r\n\r\n[Width]\r\n9570\r\n\r\n[Height]\r\n7200\r\n"},
    {"Tressel",
     TripsSettingsTable,
     ResetTripsLoadDefaults,
     "Tressel.Ini",
     "[Time]\r\n120\r\n\r\n"
     "[Play Sounds]\r\nTrue\r\n\r\n"
     "[Play Music]\r\nFalse\r\n\r\n"
     "[Count Down Score]\r\nTrue\r\n\r\n"
     "[Deck]\r\n1\r\n\r\n"
     "[Time Bonus]\r\n200\r\n\r\n"
     "[Bonus Score]\r\n100000\r\n\r\n"
     "[Trips Score]\r\n6000\r\n\r\n"
     "[Runs Score]\r\n300\r\n\r\n"
     "[Flush Score]\r\n5000\r\n\r\n"
     "[Deck Completion]\r\n15000\r\n\r\n"
     "[LeftOverCards]\r\n250\r\n\r\n"
     "[State]\r\n0\r\n\r\n"
     "[Width]\r\n9540\r\n\r\n"
     "[Height]\r\n7305\r\n\r\n",
     {WindowNormal, 9540, 7305},
     {{"[Time]", "100", 120},
      {"[Time]", "090", 120},
      {"[Time]", "90", 90},
      {"[Play Sounds]", "False", 0},
      {"[Play Music]", "True", 1},
      {"[Deck]", "5", 1},
      {"[Deck]", "3", 3},
      {"[Trips Score]", "7000", 7000},
      {"[Trips Score]", "lots", 6000},
      {"[Runs Score]", "20001", 300},
      {"[Runs Score]", "20000", 20000},
      {"[Flush Score]", "99999999999999", 5000},
      {"[Deck Completion]", "100001", 15000},
      {"[Deck Completion]", "100000", 100000},
      {"[LeftOverCards]", "-250", 250}, // the file keeps it positive
      {"[LeftOverCards]", "0", 0},
      {"[Bonus Score]", "-1", 100000},
      {"[Bonus Score]", "1000000", 1000000},
      {"[Time Bonus]", "", 200},
      {"[Time Bonus]", "5000", 5000},
      {"[Count Down Score]", "no", 0}},
     {"[Time Bonus]", "[Bonus Score]", "[Trips Score]", "[Runs Score]", "[Flush Score]",
      "[Deck Completion]", "[LeftOverCards]"},
     {"[Count Down Score]", "[Time]", "[Deck]", "[Play Music]"},
     "[State]\r\n2\r\n\r\n[Width]\r\n9540\r\n\r\n[Height]\r\n7305\r\n"},
    {"Wildrow",
     EightsSettingsTable,
     ResetEightsLoadDefaults,
     "Eights.Ini",
     "[Play Sounds]\r\nTrue\r\n\r\n"
     "[Play Music]\r\nFalse\r\n\r\n"
     "[Deck]\r\n1\r\n\r\n"
     "[Bonus Score]\r\n5000000\r\n\r\n"
     "[Eights CompleteBonus]\r\n50000\r\n\r\n"
     "[Time Bonus]\r\n100\r\n\r\n"
     "[Count Down]\r\nTrue\r\n\r\n"
     "[Time]\r\n90\r\n\r\n"
     "[Width]\r\n9540\r\n\r\n"
     "[Height]\r\n7305\r\n\r\n",
     {WindowNormal, 9540, 7305},
     {{"[Time]", "100", 90},
      {"[Time]", "60", 60},
      {"[Deck]", "5", 1},
      {"[Deck]", "2", 2},
      {"[Play Sounds]", "true", 0},
      {"[Play Music]", "True", 1},
      {"[Bonus Score]", "100000001", 5000000},
      {"[Bonus Score]", "100000000", 100000000},
      {"[Bonus Score]", "0", 0},
      {"[Time Bonus]", "-100", 100}, // a negative time bonus would take points away
      {"[Time Bonus]", "0", 100},
      {"[Time Bonus]", "10000", 10000},
      {"[Eights CompleteBonus]", "lots", 50000},
      {"[Eights CompleteBonus]", "2000000", 2000000},
      {"[Count Down]", "No", 1}, // neither truth value: the default stays
      {"[Count Down]", "False", 0}},
     {"[Bonus Score]", "[Eights CompleteBonus]", "[Time Bonus]"},
     {"[Count Down]", "[Time]", "[Deck]", "[Play Sounds]", "[Play Music]"},
     "[Width]\r\n9540\r\n\r\n[Height]\r\n7305\r\n"},
    {"Brisko",
     CombinationsSettingsTable,
     ResetCombinationsDefaults,
     "Brisko.Ini",
     "[Play Sounds]\r\nTrue\r\n\r\n"
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
     "\r\n",
     {WindowNormal, 9060, 7155},
     {{"[Timer Speed]", " 180", 180},
      {"[Timer Speed]", "360", 360},
      {"[Timer Speed]", "100", 90},
      {"[Time Limit]", "45", 90},
      {"[Time Limit]", "0", 90},
      {"[Time Limit]", "60", 60},
      {"[Play Sounds]", "true", 0},
      {"[Play Music]", "True", 1},
      {"[Deck]", "7", 4}, // Palm Tree
      {"[Deck]", "2", 2},
      {"[Cards To Pass]", "70000", 3},
      {"[Cards To Pass]", "10", 10},
      {"[TwentyOne Bonus Value]", "2000000000", 1000},
      {"[TwentyOne Bonus Value]", "2000", 2000},
      {"[Cards Used Bonus Value]", "-5", 100},
      {"[5 Cards Bonus Value]", "50001", 750},
      {"[5 Cards Bonus Value]", "50000", 50000},
      {"[Deck Completion Bonus]", "1000000", 1000000},
      {"[Wait Period]", "99999999999", 2000},
      {"[Wait Period]", "45000", 45000},
      {"[Bonus Round Score]", "99", 99},
      {"[Bonus Round Score]", "2147483647", 2147483647},
      {"[Count Down Score]", "False", 0}},
     {"[Timer Speed]", "[Cards To Pass]", "[Cards Used Bonus Value]", "[5 Cards Bonus Value]",
      "[Deck Completion Bonus]", "[Bonus Round Score]"},
     {"[TwentyOne Bonus Value]", "[Wait Period]", "[Count Down Score]", "[Time Limit]", "[Deck]"},
     "[State]\r\n2\r\n\r\n[Width]\r\n9060\r\n\r\n[Height]\r\n7155\r\n"},
    {"Twindle",
     PairsSettingsTable,
     ResetPairsLoadDefaults,
     "Twindle.Ini",
     "[Play Music]\r\nFalse\r\n\r\n"
     "[Time]\r\n45\r\n\r\n"
     "[Play Sounds]\r\nTrue\r\n\r\n"
     "[Play Music]\r\nFalse\r\n\r\n"
     "[Count Down Score]\r\nTrue\r\n\r\n"
     "[Pairs Bonus]\r\n3000\r\n\r\n"
     "[Runs Bonus]\r\n500\r\n\r\n"
     "[Time Bonus]\r\n100\r\n\r\n"
     "[Bonus Score]\r\n80000\r\n\r\n"
     "[Completion Bonus]\r\n10000\r\n\r\n"
     "[State]\r\n0\r\n\r\n"
     "[Width]\r\n9570\r\n\r\n"
     "[Height]\r\n7200\r\n\r\n"
     "[Deck]\r\n1\r\n\r\n",
     {WindowNormal, 9570, 7200},
     {{"[Time]", "100", 45},
      {"[Time]", "90", 90},
      {"[Play Sounds]", "true", 0},
      {"[Play Music]", "True", 1},
      {"[Deck]", "5", 1},
      {"[Deck]", "3", 3},
      {"[Pairs Bonus]", "-5", 3000},
      {"[Pairs Bonus]", "32767", 32767},
      {"[Runs Bonus]", "lots", 500},
      {"[Runs Bonus]", "700", 700},
      {"[Time Bonus]", "999999", 100},
      {"[Bonus Score]", "200000", 200000},
      {"[Bonus Score]", "200001", 80000},
      {"[Completion Bonus]", "99999999999", 10000},
      {"[Completion Bonus]", "0", 0},
      {"[Count Down Score]", "False", 0}},
     {"[Pairs Bonus]", "[Runs Bonus]", "[Time Bonus]", "[Bonus Score]", "[Completion Bonus]"},
     {"[Count Down Score]", "[Time]", "[Deck]", "[Play Music]"},
     "[State]\r\n2\r\n\r\n[Width]\r\n9570\r\n\r\n[Height]\r\n7200\r\n"},
};

void PrintTo(const GameSettings& g, std::ostream* os) {
    *os << g.name;
}

class SettingsFilesTest : public ::testing::TestWithParam<GameSettings> {
  protected:
    void SetUp() override { GetParam().reset(); }
    testsupport::ProgramSandbox box;
};
} // namespace

TEST_P(SettingsFilesTest, AFirstRunWritesTheDefaultsByteForByteAndReadsThemBack) {
    const GameSettings& g = GetParam();
    const SettingsTable& t = g.table();
    SettingsReader reader;
    t.addKeys(reader);
    ASSERT_TRUE(reader.load(box.path(g.file), t.defaultsFile(g.firstWindow)));
    EXPECT_EQ(box.read(g.file), g.firstRun);
    EXPECT_FALSE(t.isCustom());
}

TEST_P(SettingsFilesTest, EachKeyIsReadOnItsOwnAndABadValueKeepsItsDefault) {
    const GameSettings& g = GetParam();
    const SettingsTable& t = g.table();
    for (const KeyRead& r : g.reads) {
        g.reset();
        // Unknown keys and the blocks around it do no harm; the keys after it are read.
        t.apply(QByteArray("[Colour]\r\n3\r\n\r\n") + r.key + "\r\n" + r.text +
                "\r\n\r\n[Unknown]\r\n");
        EXPECT_EQ(t.value(QString::fromLatin1(r.key)), r.expected) << r.key << " " << r.text;
    }
    // The last of a key met twice wins.
    g.reset();
    const KeyRead& r = g.reads.back();
    t.apply(QByteArray(r.key) + "\r\nTrue\r\n" + r.key + "\r\n" + r.text + "\r\n");
    EXPECT_EQ(t.value(QString::fromLatin1(r.key)), r.expected);
}

TEST_P(SettingsFilesTest, TheValuesInForceRoundTripAndAMaximisedWindowStoresTheDesignSize) {
    const GameSettings& g = GetParam();
    const SettingsTable& t = g.table();
    // Every value read that differs from the default, all in one file.
    for (const KeyRead& r : g.reads)
        if (r.expected != t.defaultOf(QString::fromLatin1(r.key)))
            t.store(QString::fromLatin1(r.key), r.expected);
    std::vector<int32_t> before;
    for (const SettingRow& row : t.rows())
        if (row.get) before.push_back(row.get());
    const QByteArray text = t.file({WindowMaximised, 20000, 15000}).text();
    EXPECT_TRUE(text.contains(g.maximised)) << text.constData();
    g.reset();
    t.apply(text);
    std::vector<int32_t> after;
    for (const SettingRow& row : t.rows())
        if (row.get) after.push_back(row.get());
    EXPECT_EQ(after, before);
}

TEST_P(SettingsFilesTest, OnlyTheScoringValuesMarkTheScoringCustom) {
    const GameSettings& g = GetParam();
    const SettingsTable& t = g.table();
    auto changed = [&](const char* key) {
        g.reset();
        const QString k = QString::fromLatin1(key);
        t.store(k, t.defaultOf(k) == 0 ? 1 : t.defaultOf(k) - 1);
        return t.isCustom();
    };
    for (const char* key : g.custom)
        EXPECT_TRUE(changed(key)) << key;
    for (const char* key : g.notCustom)
        EXPECT_FALSE(changed(key)) << key;
}

INSTANTIATE_TEST_SUITE_P(Games, SettingsFilesTest, ::testing::ValuesIn(kGames),
                         [](const auto& info) { return std::string(info.param.name); });
