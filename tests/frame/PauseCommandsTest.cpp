// While a round is paused nothing may end it: Take Score waits with Play and the quit button.
#include "FrameTestSupport.h"

#include <QAction>
#include <QPushButton>

TEST_F(FrameTest, PauseHoldsTakeScoreUntilTheResume) {
    for (const char* name : {"frmElevens", "frmBrisko"}) {
        SCOPED_TRACE(name);
        auto w = window(name);
        w->cmdPlay_Click();
        ASSERT_NE(w->cmdTakeScore(), nullptr);
        EXPECT_TRUE(w->cmdTakeScore()->isEnabled());
        w->cmdPause_Click();
        EXPECT_FALSE(w->cmdTakeScore()->isEnabled());
        if (QAction* item = w->item("mnuTakeScore")) {
            EXPECT_FALSE(item->isEnabled());
        }
        // A click that reaches the handler anyway ends nothing.
        w->cmdTakeScore_Click();
        EXPECT_EQ(w->count("TakeScore"), 0);
        EXPECT_EQ(w->state(), GameWindow::State::Paused);
        w->cmdPause_Click();
        EXPECT_TRUE(w->cmdTakeScore()->isEnabled());
        if (QAction* item = w->item("mnuTakeScore")) {
            EXPECT_TRUE(item->isEnabled());
        }
    }
}
