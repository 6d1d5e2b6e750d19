// The trips-and-runs window played as the player plays it: clicks on the real controls,
// offscreen, in virtual time.
#include "GameWindowTestSupport.h"
#include "frame/CardPictures.h"
#include "games/trips/TripsSettings.h"
#include "games/trips/frmTrip.h"
#include "platform/GameTimer.h"
#include "platform/MessageBox.h"
#include "tests/games/trips/TripsTestSupport.h"

#include <QAction>
#include <QPushButton>

using namespace tripstest;

namespace {

class TripsWindowTest : public testsupport::GameWindowTest {
  protected:
    TripsWindowTest() : GameWindowTest("frmTrip") { ResetTripsLoadDefaults(); }
    ~TripsWindowTest() override { ResetTripsLoadDefaults(); }

    std::unique_ptr<frmTrip> openWithDecks(std::vector<QStringList> decks) {
        auto w = open<frmTrip>();
        decks_ = std::move(decks);
        w->gameForTests().setDeckSource([this] {
            const size_t n = std::min(dealt_, decks_.size() - 1);
            ++dealt_;
            Shared().Deck = DeckPlaying(decks_[n]);
            return true;
        });
        return w;
    }
    static void upTo(frmTrip& w, int column) {
        press(w.UpCard(2));
        press(w.PlayCard(column));
    }
    static void upToStorage(frmTrip& w, int place) {
        press(w.UpCard(2));
        press(w.TempCard(place));
    }
    static void save(QWidget& w, const QString& name) {
        w.grab().save("/tmp/trips-png/" + name + ".png");
    }

    std::vector<QStringList> decks_;
    size_t dealt_ = 0;
};

TEST_F(TripsWindowTest, AFirstRunWritesTheSettingsAndTheTable) {
    auto w = open<frmTrip>();
    EXPECT_EQ(file("Tressel.Ini"),
              "[Time]\r\n120\r\n\r\n[Play Sounds]\r\nTrue\r\n\r\n[Play Music]\r\nFalse\r\n\r\n"
              "[Count Down Score]\r\nTrue\r\n\r\n[Deck]\r\n1\r\n\r\n[Time Bonus]\r\n200\r\n\r\n"
              "[Bonus Score]\r\n100000\r\n\r\n[Trips Score]\r\n6000\r\n\r\n"
              "[Runs Score]\r\n300\r\n\r\n[Flush Score]\r\n5000\r\n\r\n"
              "[Deck Completion]\r\n15000\r\n\r\n[LeftOverCards]\r\n250\r\n\r\n"
              "[State]\r\n0\r\n\r\n[Width]\r\n9540\r\n\r\n[Height]\r\n7305\r\n\r\n");
    EXPECT_TRUE(file("Tressel Hi Score Table 120.Txt").contains("50000"));
    EXPECT_EQ(w->statusText(1), "Welcome to Tressel!   ");
    EXPECT_EQ(text(*w, "lblHighScore"), "High Score: 50,000");
    EXPECT_TRUE(shown(*w, "frmSplash"));
    EXPECT_FALSE(Shared().CustomScoring);
    save(*w, "start");
}

TEST_F(TripsWindowTest, PlayDealsAndTakeScorePaysTheTimeLeft) {
    auto w = openWithDecks({{"4H", "5H", "6H", "7S", "7H", "7D"}});
    w->cmdPlay_Click();
    EXPECT_EQ(w->UpCard(0)->pictureKey(), Shared().Deck[1].trimmed());
    EXPECT_EQ(w->UpCard(2)->pictureKey(), "4H");
    EXPECT_EQ(text(*w, "lblCardCount"), "Cards remaining: 52");
    EXPECT_EQ(text(*w, "lblRound"), "Round: 1");
    EXPECT_EQ(w->statusText(1), "Make 100,000 for Bonus Round!   ");
    EXPECT_EQ(w->PlayCard(0)->pictureKey(), "EMPTY");
    EXPECT_TRUE(w->Timer1()->isEnabled());
    waves();

    upTo(*w, 1);
    upTo(*w, 1);
    press(w->UpCard(2));
    save(*w, "selection");
    press(w->PlayCard(9)); // the column's lowest free place, whichever was clicked
    EXPECT_EQ(waves(), (QStringList{"Click.wav", "Click.wav", "Click.wav", "Click.wav", "Click.wav",
                                    "Click.wav", "HighScore.wav"}));
    EXPECT_EQ(pauses(), std::vector<int>{250});
    EXPECT_EQ(text(*w, "lblCurrentScore"), "5,300");
    EXPECT_EQ(text(*w, "lblScoreRuns"), "1");
    EXPECT_EQ(w->PlayCard(1)->pictureKey(), "EMPTY");

    platform::ProgramTime::advance(75000);
    EXPECT_EQ(text(*w, "lblTime"), "Time: 45");
    w->cmdTakeScore_Click();
    EXPECT_EQ(Shared().Score, 5300 + 9000);
    std::vector<int> expected = repeated({2000}, 75, 45);
    expected.push_back(2000); // "Prepare For Round 2"
    EXPECT_EQ(pauses(), expected);
}

} // namespace
