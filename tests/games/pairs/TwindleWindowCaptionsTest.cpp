// Where the round-end captions stand: the message on the window's centre line whatever it
// says, red "Game Paused" after a round end's flashes, and the last game's "Game Over" under
// the idle splash.
#include "TwindleWindowTestSupport.h"
#include "frame/VbColour.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"

#include <QDialog>

namespace {
// Twice the distance of a control's centre from the window's centre line, in pixels.
int offCentre2(const QWidget& window, const QWidget* w) {
    return w->x() * 2 + w->width() - window.width();
}
} // namespace

TEST_F(TwindleWindowTest, RoundEndMessagesStayCentredAndGameOverEndsUnderTheSplash) {
    platform::MessageScript answers;
    platform::ModalDriver driver([](QDialog& d) { d.reject(); });
    auto w = open<frmTwindle>();
    w->show();
    QLabel* message = w->label("lblMessage");
    QStringList held;
    platform::ProgramTime::PauseObserver previous;
    previous = platform::ProgramTime::setPauseObserver([&](int ms) {
        if (previous) previous(ms);
        if (!message->isVisible() || (ms < 1000 && held.contains(message->text()))) return;
        held << message->text();
        EXPECT_GT(message->width(), 0) << qPrintable(message->text());
        EXPECT_LE(std::abs(offCentre2(*w, message)), 2) << qPrintable(message->text());
    });
    w->cmdPlay_Click();
    w->cmdTakeScore_Click();
    // After the round end's flashes the pause message is red again.
    w->cmdPause()->click();
    EXPECT_EQ(message->text(), "Game Paused");
    EXPECT_EQ(ForeColour(message), VbColour(kVbRed));
    EXPECT_LE(std::abs(offCentre2(*w, message)), 2);
    w->cmdPause()->click();
    Shared().BonusRoundScore = 1 << 30;
    w->cmdTakeScore_Click();
    platform::ProgramTime::setPauseObserver(std::move(previous));
    EXPECT_EQ(held,
              (QStringList{"Speed Bonus!", "Prepare for Round Two!", "Speed Bonus!", "Game Over"}));

    ASSERT_TRUE(shown(*w, "frmSplash"));
    QWidget* top = w->centralWidget()->childAt(message->geometry().center());
    EXPECT_TRUE(top == w->frmSplash() || w->frmSplash()->isAncestorOf(top));
    w->cmdPlay_Click();
    EXPECT_FALSE(shown(*w, "lblMessage"));
}
