#include "games/elevens/ElevensSettingsFile.h"
#include "ElevensTestSupport.h"
#include "FirstRunSettings.h"
#include "platform/SafeFile.h"

#include <QFile>
#include <vector>

namespace {
// Records every handler call as "name=value".
struct Recorder {
    std::vector<QString> calls;
    int currentState = WindowNormal;
    ElevensSettingsHandlers handlers() {
        ElevensSettingsHandlers h;
        auto rec = [this](const char* name) {
            return
                [this, name](int v) { calls.push_back(QString(name) + "=" + QString::number(v)); };
        };
        h.selectionColour = rec("colour");
        h.timeLimit = rec("time");
        h.deckDesign = rec("deck");
        h.cardGoal = rec("goal");
        h.width = rec("width");
        h.height = rec("height");
        h.windowState = [this](int s) {
            currentState = s;
            calls.push_back("state=" + QString::number(s));
        };
        h.currentWindowState = [this] { return currentState; };
        h.music = [this](bool on) { calls.push_back(on ? "music=on" : "music=off"); };
        return h;
    }
};
} // namespace

class ElevensSettingsFileTest : public ElevensTest {
  protected:
    QByteArray fileBytes() {
        QByteArray data;
        platform::ReadFileWhole(ElevensSettingsPath(), data);
        return data;
    }
    void writeFile(const QByteArray& data) {
        ASSERT_TRUE(platform::WriteFileWhole(ElevensSettingsPath(), data));
    }
};

TEST_F(ElevensSettingsFileTest, FirstRunWritesTheDefaultsAndReadsThemBack) {
    Shared().DeckDesign = 3; // left by another game: the first file still records design 1
    Shared().CardGoal = 13;
    Shared().SoundsOn = false;
    Recorder r;
    ASSERT_TRUE(LoadElevensSettings({WindowNormal, 9540, 7200}, r.handlers()));
    EXPECT_EQ(fileBytes(), kFirstRunSumbryIni);
    EXPECT_EQ(r.calls, (std::vector<QString>{"colour=1", "music=off", "time=90", "goal=11",
                                             "state=0", "width=9540", "height=7200", "deck=1"}));
    EXPECT_EQ(Shared().CardGoal, 11);
    EXPECT_TRUE(Shared().SoundsOn);
    EXPECT_TRUE(Shared().EnhancedScoring);
    EXPECT_EQ(Shared().DeckDesign, 1);

    // An existing file is read, not rewritten.
    writeFile("[CardGoal]\r\n12\r\n\r\n");
    ASSERT_TRUE(LoadElevensSettings({}, {}));
    EXPECT_EQ(Shared().CardGoal, 12);
    EXPECT_EQ(fileBytes(), "[CardGoal]\r\n12\r\n\r\n");
}

TEST_F(ElevensSettingsFileTest, QuitWritesTheCurrentValues) {
    SharedState& s = Shared();
    s.MusicOn = true;
    s.TimeLimit = 150;
    s.SoundsOn = false;
    s.CardGoal = 14;
    s.TimeBonus = 250;
    s.EnhancedScoring = false;
    s.DeckDesign = 4;
    ElevensOptions().SelectionColour = 5;
    ElevensOptions().DrawTimer = false;
    ElevensOptions().Bonus = 4000000;
    ElevensOptions().CardBonus = 7; // never stored
    ASSERT_TRUE(WriteElevensSettings(CurrentElevensSettings({WindowMaximised, 20000, 15000})));
    const QByteArray text = fileBytes();
    EXPECT_TRUE(
        text.startsWith("[Color]\r\n5\r\n\r\n[Play Music]\r\nTrue\r\n\r\n[Time]\r\n150\r\n"));
    EXPECT_TRUE(text.contains("[DrawTimer]\r\nFalse\r\n\r\n[Play Sounds]\r\nFalse\r\n"));
    EXPECT_TRUE(text.contains("[Elevens Bonus]\r\n4000000\r\n"));
    EXPECT_TRUE(
        text.contains("[State]\r\n2\r\n\r\n[New Score Mode]\r\nFalse\r\n\r\n"
                      "[Width]\r\n9540\r\n\r\n[Height]\r\n7200\r\n\r\n[Deck]\r\n4\r\n\r\n"));
    EXPECT_FALSE(text.contains("\r\n7\r\n"));

    // Minimised is stored as normal, with the size as it is.
    ASSERT_TRUE(WriteElevensSettings(CurrentElevensSettings({WindowMinimised, 10000, 8000})));
    EXPECT_TRUE(fileBytes().contains("[State]\r\n0\r\n\r\n[New Score Mode]\r\nFalse\r\n\r\n"
                                     "[Width]\r\n10000\r\n\r\n[Height]\r\n8000\r\n"));
}

TEST_F(ElevensSettingsFileTest, StoredValuesAreChecked) {
    struct Case {
        QByteArray text;
        std::vector<QString> calls;
    };
    const Case cases[] = {
        {"[CardGoal]\r\n9\r\n", {"goal=11"}},
        {"[CardGoal]\r\n16\r\n", {"goal=11"}},
        {"[CardGoal]\r\nabc\r\n", {"goal=11"}},
        {"[CardGoal]\r\n12.5\r\n", {"goal=12"}},
        {"[Time]\r\n75\r\n", {"time=90"}},
        {"[Time]\r\n 120\r\n", {"time=120"}}, // blanks before an item are skipped
        {"[Time]\r\n0120\r\n", {"time=90"}},
        {"[Color]\r\n7\r\n", {}},
        {"[Color]\r\n4\r\n", {"colour=4"}},
        {"[Deck]\r\n0\r\n", {"deck=1"}},
        {"[Deck]\r\n5\r\n", {"deck=1"}},
        {"[Deck]\r\n3\r\n", {"deck=3"}},
        {"[State]\r\n1\r\n", {"state=0"}},
        {"[State]\r\n7\r\n", {}},
        {"[Play Music]\r\ntrue\r\n", {"music=off"}},
        {"[Width]\r\n-5\r\n[Height]\r\nx\r\n", {}},
    };
    for (const Case& c : cases) {
        Recorder r;
        ApplyElevensSettingsText(c.text, r.handlers());
        EXPECT_EQ(r.calls, c.calls) << c.text.toStdString();
    }

    ApplyElevensSettingsText("[Bonus Round Score]\r\n0\r\n"
                             "[Completion Bonus]\r\n5000001\r\n"
                             "[Elevens Bonus]\r\nlots\r\n"
                             "[Elevens Bonus ES]\r\n5000000\r\n"
                             "[Time Bonus]\r\n2.5\r\n",
                             {});
    EXPECT_EQ(ElevensOptions().BonusRoundScore, 80000);
    EXPECT_EQ(ElevensOptions().CompletionBonus, 10000);
    EXPECT_EQ(ElevensOptions().Bonus, 1500);
    EXPECT_EQ(ElevensOptions().BonusES, 5000000);
    EXPECT_EQ(Shared().TimeBonus, 2);
}

TEST_F(ElevensSettingsFileTest, OrderFreeUnknownKeysSkippedLaterValueWins) {
    Recorder r;
    ApplyElevensSettingsText("[Deck]\r\n2\r\n\r\n[Unknown]\r\n[Time]\r\n\r\n"
                             "[time]\r\n30\r\n[State]\r\n2\r\n[Width]\r\n12000\r\n"
                             "[Time]\r\n60\r\n[Time]\r\n180\r\n[New Score Mode]\r\nFalse\r\n",
                             r.handlers());
    // "[Unknown]" is skipped and its value line "[Time]" read as the next key; the sizes are
    // skipped while the window is maximised.
    EXPECT_EQ(r.calls,
              (std::vector<QString>{"deck=2", "time=90", "state=2", "time=60", "time=180"}));
    EXPECT_EQ(Shared().TimeLimit, 180);
    EXPECT_FALSE(Shared().EnhancedScoring);
}

TEST_F(ElevensSettingsFileTest, UnreadableFileAppliesNothing) {
    Recorder r;
    EXPECT_FALSE(ReadElevensSettings(folder() + "missing.Ini", r.handlers()));
    EXPECT_TRUE(r.calls.empty());
}
