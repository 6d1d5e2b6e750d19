// Where the round-end captions stand: the message on the window's centre line whatever it
// says, the score centred in its frame while it counts, the tower label over its card, and
// the last game's "Game Over" under the idle splash.
#include "CrestalWindowTestSupport.h"
#include "frame/VbColour.h"
#include "platform/Modal.h"

#include <QDialog>
#include <QFrame>
#include <QPushButton>

namespace {

struct Seen {
    int ms;
    QString message;
    int messageWidth;
    int messageCentreOff; // from the window's centre line, pixels
    int scoreCentreOff;   // from the score frame's centre
    bool messageRed;
};

// The horizontal distance of a control's centre from x (twice the pixels, so halves count).
int off2(const QWidget* w, int x2) {
    return w->x() * 2 + w->width() - x2;
}

} // namespace

TEST_F(CrestalWindowTest, RoundEndCaptionsStayCentredAndGameOverEndsUnderTheSplash) {
    towerstest::FixedDeck oneTower(towerstest::RunDeck(towerstest::TowerOneOrder()));
    platform::ModalDriver driver([](QDialog& d) { d.reject(); });
    auto w = openShown();
    QLabel* message = w->label("lblMessage");
    QLabel* score = w->label("lblCurrentScore");
    const QWidget* frame = w->findChild<QWidget*>("ScoreRectangle");
    std::vector<Seen> seen;
    platform::ProgramTime::PauseObserver previous;
    previous = platform::ProgramTime::setPauseObserver([&](int ms) {
        if (previous) previous(ms);
        if (!message->isVisible()) return;
        seen.push_back({ms, message->text(), message->width(), off2(message, w->width()),
                        off2(score, frame->x() * 2 + frame->width()),
                        ForeColour(message) == VbColour(kVbRed)});
    });

    w->cmdPlay()->click();
    platform::ProgramTime::advance(5000);
    for (int k : towerstest::TowerOneOrder())
        press(w->UpCardImage(k));
    // The tower's label is centred on its top card's left edge.
    QLabel* tower = w->label("lblTower1");
    EXPECT_EQ(tower->text(), "Tower 1 Completed!");
    EXPECT_LE(std::abs(off2(tower, w->UpCardImage(0)->x() * 2)), 2);

    // Taken before any pause: the speed bonus still shows its caption.
    w->cmdTakeScore()->click();
    w->cmdPause()->click();
    w->cmdPause()->click();
    platform::ProgramTime::advance(2000);
    w->cmdTakeScore()->click(); // no tower in round two: "Sorry", then the game is over

    QStringList held;
    for (const Seen& s : seen) {
        if (s.ms < 1000) continue;
        held << s.message;
        EXPECT_GT(s.messageWidth, 0) << qPrintable(s.message);
        EXPECT_LE(std::abs(s.messageCentreOff), 2) << qPrintable(s.message);
        EXPECT_LE(std::abs(s.scoreCentreOff), 2) << qPrintable(s.message);
        EXPECT_TRUE(s.messageRed) << qPrintable(s.message);
    }
    EXPECT_EQ(held, (QStringList{"Speed Bonus!", "Tower Bonus!", "Highest Run Bonus!",
                                 "Sorry, you must complete at least\r\none tower to receive the "
                                 "time bonus!",
                                 "Game Over"}));
    platform::ProgramTime::setPauseObserver(std::move(previous));

    // Idle: the splash covers the last message; the next game starts without it.
    ASSERT_TRUE(shown(*w, "frmSplash"));
    QWidget* top = w->centralWidget()->childAt(message->geometry().center());
    EXPECT_TRUE(top == w->frmSplash() || w->frmSplash()->isAncestorOf(top));
    w->cmdPlay()->click();
    EXPECT_FALSE(shown(*w, "lblMessage"));
}

TEST_F(CrestalWindowTest, GamePausedAfterARoundEndIsRedAndCentred) {
    auto w = openShown();
    w->cmdPlay()->click();
    platform::ProgramTime::advance(45000); // "Times Up!" flashes and leaves it either colour
    ASSERT_EQ(text(*w, "lblCurrentRound"), "2");
    w->cmdPause()->click();
    QLabel* message = w->label("lblMessage");
    EXPECT_EQ(message->text(), "Game Paused");
    EXPECT_TRUE(message->isVisible());
    EXPECT_EQ(ForeColour(message), VbColour(kVbRed));
    EXPECT_LE(std::abs(off2(message, w->width())), 2);
}
