// Pictures of the test window for a look by eye: set PARLOVEX_RENDER_DIR to write them.
#include "FrameTestSupport.h"

#include "app/Twips.h"

#include <QDir>

TEST_F(FrameTest, RendersIdleRunningAndPausedWindows) {
    const QString out = qEnvironmentVariable("PARLOVEX_RENDER_DIR");
    if (out.isEmpty()) GTEST_SKIP() << "PARLOVEX_RENDER_DIR not set";
    QDir().mkpath(out);
    auto w = window("frmCrestal");
    w->Surface()->setGeometry(TwRect(405, 375, 1155, 1140)); // the designed size
    w->mnuNight_Click();
    w->show();
    platform::ProgramTime::advance(60000 + 9 * 200); // status clock, splash with faces
    EXPECT_TRUE(w->grab().save(out + "/idle.png"));

    Shared().TimeLimit = 60;
    w->cmdPlay_Click();
    w->label("lblCurrentScore")->setText("12,500");
    w->label("lblTime")->setText("Time: 20");
    platform::ProgramTime::advance(40 * 1000); // 240 degrees: green half and part of yellow
    EXPECT_TRUE(w->grab().save(out + "/running.png"));
    platform::ProgramTime::advance(10 * 1000); // 300 degrees: the flashing quarter
    EXPECT_TRUE(w->grab().save(out + "/running-last-quarter.png"));

    w->cmdPause_Click();
    EXPECT_TRUE(w->grab().save(out + "/paused.png"));
    w->hide();
}
