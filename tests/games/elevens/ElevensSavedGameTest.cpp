// Saving a finished elevens game and replaying it from the file: the same deals, round by round.
#include "ElevensWindowTestSupport.h"

#include "platform/MessageBox.h"
#include "platform/Modal.h"

#include <QDialog>
#include <QLineEdit>

namespace {
// What a round put on the table: the field, the first up card and the pile in drawing order.
struct Deal {
    QStringList field;
    QStringList upCards;
    bool operator==(const Deal&) const = default;
};

class ElevensSavedGameTest : public ElevensWindowTest {
  protected:
    // Records the deal, draws the whole pile, then takes the score.
    static Deal playOut(frmElevens& w) {
        Deal d;
        for (int i = 0; i < kFieldPlaces; ++i)
            d.field << w.game().field().card(i).trimmed();
        d.upCards << w.game().upCard().trimmed();
        while (w.game().pileCount() > 0) {
            press(w.PlayCardPicture());
            d.upCards << w.game().upCard().trimmed();
        }
        w.cmdTakeScore()->click();
        return d;
    }
    // Plays a whole game of three rounds and returns its deals.
    static std::vector<Deal> playGame(frmElevens& w) {
        std::vector<Deal> deals;
        while (w.game().state() == ElevensState::Running)
            deals.push_back(playOut(w));
        return deals;
    }
    static void saveAs(frmElevens& w, const QString& name) {
        platform::ModalDriver driver([&](QDialog& d) {
            d.findChild<QLineEdit*>("txtGameName")->setText(name);
            d.findChild<QPushButton*>("cmdOK")->click();
        });
        w.mnuSave_Click();
    }
};
} // namespace

TEST_F(ElevensSavedGameTest, AReplayedFileDealsTheSameCardsForEveryGoal) {
    platform::MessageScript boxes;
    for (int goal = 10; goal <= 15; ++goal) {
        SCOPED_TRACE(goal);
        auto w = open();
        ElevensOptions().BonusRoundScore = 1; // every game reaches the bonus round
        w->GoalItem_Click(goal);
        EXPECT_FALSE(w->item("mnuSave")->isEnabled());
        w->cmdPlay_Click();
        const std::vector<Deal> played = playGame(*w);
        ASSERT_EQ(played.size(), 3u);
        ASSERT_TRUE(w->item("mnuSave")->isEnabled());
        const QString name = QString("goal%1").arg(goal);
        saveAs(*w, name); // no extension typed: ".smb" is added
        const QByteArray saved = file(name + ".smb");
        ASSERT_TRUE(saved.startsWith(QString("[Card Goal]\r\n%1\r\n").arg(goal).toLatin1()));
        EXPECT_TRUE(saved.contains("[Round 3 Deck]"));

        // Another goal chosen since does not change what the file holds or replays.
        w->GoalItem_Click(goal == 11 ? 12 : 11);
        LastElevensGame() = ElevensLastGame{};
        auto again = open();
        ElevensOptions().BonusRoundScore = 1;
        boxes.clearAsked();
        ASSERT_TRUE(again->OpenSavedGame(dir.path() + "/" + name + ".smb"));
        EXPECT_EQ(Shared().CardGoal, goal);
        ASSERT_EQ(boxes.asked().size(), 1u); // the same time limit: information only
        EXPECT_EQ(boxes.asked()[0].title, "Saved Game Information");
        EXPECT_EQ(again->game().state(), ElevensState::Running);
        EXPECT_EQ(playGame(*again), played);
    }
}

TEST_F(ElevensSavedGameTest, ABadFileChangesNothingAndTheCommandLineOpensOnce) {
    platform::MessageScript boxes;
    auto w = open();
    w->GoalItem_Click(13);
    QFile bad(dir.path() + "/bad.smb");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("[Card Goal]\r\n12\r\n[Round 1 Deck]\r\n1S\r\n");
    bad.close();
    EXPECT_FALSE(w->OpenSavedGame(bad.fileName()));
    EXPECT_EQ(Shared().CardGoal, 13);
    EXPECT_EQ(w->game().state(), ElevensState::Idle);
    ASSERT_EQ(boxes.asked().size(), 1u);
    EXPECT_TRUE(boxes.asked()[0].text.startsWith("Unable to open the requested file."));

    // A good file named on the command line opens at the first activation of the run only:
    // not again in that window, nor in the next one the launcher makes after a close.
    w->cmdPlay_Click();
    playGame(*w);
    saveAs(*w, "cmd.smb");
    Shared().CommandLine = dir.path() + "/cmd.smb";
    auto fresh = open();
    fresh->Form_Activate();
    EXPECT_EQ(fresh->game().state(), ElevensState::Running);
    EXPECT_TRUE(LastElevensGame().ReplayMode);
    boxes.then(platform::Answer::Yes); // end the game in progress
    fresh->cmdPlay_Click();
    fresh->Form_Activate();
    EXPECT_NE(fresh->game().state(), ElevensState::Running);
    fresh.reset();
    const size_t told = boxes.asked().size();
    auto second = open();
    second->show();
    QCoreApplication::processEvents(); // the activation after the first show
    second->Form_Activate();
    EXPECT_EQ(second->game().state(), ElevensState::Idle);
    EXPECT_FALSE(LastElevensGame().ReplayMode);
    EXPECT_EQ(boxes.asked().size(), told); // no "Saved Game Information" either
}
