#include "FrameTestSupport.h"

#include <cmath>

namespace {

// Colour of the pie at half the radius, `clockAngle` degrees clockwise from 12 o'clock.
QColor pieAt(const GameWindow& w, double clockAngle) {
    const RoundClock& c = w.clock();
    const double a = (90.0 - clockAngle) * M_PI / 180.0;
    const double x = (c.centreX() + c.radius() / 2 * std::cos(a)) / 15.0;
    const double y = (c.centreY() - c.radius() / 2 * std::sin(a)) / 15.0;
    return w.Surface()->image().pixelColor(int(x), int(y));
}

const QColor kGreen(0, 255, 0), kYellow(255, 255, 0), kRed(255, 0, 0), kWhite(255, 255, 255);

} // namespace

TEST_F(FrameTest, ClockGeometryComesFromTheSurfaceInTwips) {
    auto w = window("frmCrestal");
    w->InitClock();
    EXPECT_EQ(w->clock().centreX(), 1125);
    EXPECT_EQ(w->clock().centreY(), 750);
    EXPECT_DOUBLE_EQ(w->clock().radius(), 720);
}

TEST_F(FrameTest, ClockQuartersFillGreenGreenYellowAndFlashRedWhite) {
    auto w = window("frmCrestal");
    w->InitClock();
    const QColor back = w->Surface()->backColour();
    for (double q : {45.0, 135.0, 225.0, 315.0})
        EXPECT_EQ(pieAt(*w, q), back) << q;

    w->DrawClock(90);
    EXPECT_EQ(pieAt(*w, 45), kGreen);
    EXPECT_EQ(pieAt(*w, 135), back);
    w->DrawClock(180);
    EXPECT_EQ(pieAt(*w, 135), kGreen);
    EXPECT_EQ(pieAt(*w, 225), back);
    w->DrawClock(270);
    EXPECT_EQ(pieAt(*w, 225), kYellow);
    EXPECT_EQ(pieAt(*w, 315), back);
    EXPECT_FALSE(w->Timer2()->isEnabled());

    // 300 degrees: the last quarter is filled up to 10 o'clock and flashes.
    w->DrawClock(300);
    EXPECT_EQ(pieAt(*w, 285), kRed);
    EXPECT_EQ(pieAt(*w, 330), back);
    EXPECT_TRUE(w->Timer2()->isEnabled());
    w->DrawClock(300);
    EXPECT_EQ(pieAt(*w, 285), kWhite);
    w->DrawClock(300);
    EXPECT_EQ(pieAt(*w, 285), kRed);

    w->DrawClock(360);
    EXPECT_EQ(pieAt(*w, 45), kGreen);
    EXPECT_EQ(pieAt(*w, 225), kYellow);
    EXPECT_EQ(pieAt(*w, 315), kRed);
    EXPECT_FALSE(w->Timer2()->isEnabled());

    w->DrawClock(361);
    for (double q : {45.0, 135.0, 225.0, 315.0})
        EXPECT_EQ(pieAt(*w, q), back) << q;
}

TEST_F(FrameTest, Timer2RedrawsFromGaugeElapsedSoTheLastQuarterFlashes) {
    auto w = window("frmCrestal");
    Shared().TimeLimit = 60;
    w->InitClock();
    Shared().GaugeElapsed = 50;
    w->DrawClock(w->ClockDegreesFor(50));
    EXPECT_EQ(pieAt(*w, 290), kRed);
    platform::ProgramTime::advance(200);
    EXPECT_EQ(pieAt(*w, 290), kWhite);
    platform::ProgramTime::advance(200);
    EXPECT_EQ(pieAt(*w, 290), kRed);
}

TEST_F(FrameTest, ClockDegreesRoundHalfToEvenAndNeverDivideByZero) {
    EXPECT_EQ(ClockDegrees(75, 1), 5);  // 4.8
    EXPECT_EQ(ClockDegrees(16, 1), 22); // 22.5
    EXPECT_EQ(ClockDegrees(48, 1), 8);  // 7.5
    EXPECT_EQ(ClockDegrees(45, 45), 360);
    EXPECT_EQ(ClockDegrees(0, 10), 0);
    EXPECT_EQ(ClockDegrees(-30, 10), 0);
}

TEST(ClockWarning, BelowAQuarterHurryUpToHalfRunningOut) {
    EXPECT_EQ(ClockWarning(120, 61), "");
    EXPECT_EQ(ClockWarning(120, 60), "Times running out!");
    EXPECT_EQ(ClockWarning(120, 30), "Times running out!");
    EXPECT_EQ(ClockWarning(120, 29), "Better Hurry!");
    // 75: half 37.5 -> 38, quarter 18.75 -> 19
    EXPECT_EQ(ClockWarning(75, 39), "");
    EXPECT_EQ(ClockWarning(75, 38), "Times running out!");
    EXPECT_EQ(ClockWarning(75, 18), "Better Hurry!");
    // 150: half 75, quarter 37.5 -> 38 (halves to the even neighbour)
    EXPECT_EQ(ClockWarning(150, 38), "Times running out!");
    EXPECT_EQ(ClockWarning(150, 37), "Better Hurry!");
    // 90: quarter 22.5 -> 22; 15: half 7.5 -> 8, quarter 3.75 -> 4
    EXPECT_EQ(ClockWarning(90, 22), "Times running out!");
    EXPECT_EQ(ClockWarning(90, 21), "Better Hurry!");
    EXPECT_EQ(ClockWarning(15, 9), "");
    EXPECT_EQ(ClockWarning(15, 8), "Times running out!");
    EXPECT_EQ(ClockWarning(15, 4), "Times running out!");
    EXPECT_EQ(ClockWarning(15, 3), "Better Hurry!");
}

TEST_F(FrameTest, EachWindowKeepsItsOwnClockAndTimer2) {
    auto a = window("frmCrestal");
    auto b = window("frmTwindle");
    b->Surface()->resize(90, 90);
    a->InitClock();
    b->InitClock();
    EXPECT_EQ(a->clock().centreX(), 1125);
    EXPECT_EQ(b->clock().centreX(), 675);
    a->DrawClock(300);
    EXPECT_TRUE(a->Timer2()->isEnabled());
    EXPECT_FALSE(b->Timer2()->isEnabled());
    // The first flash of the second window is red as well: no colour carries over.
    b->DrawClock(300);
    EXPECT_EQ(pieAt(*b, 285), kRed);
}

TEST_F(FrameTest, ARoundEndStopsTheFlashing) {
    auto w = window("frmCrestal");
    w->cmdPlay_Click();
    w->DrawClock(300);
    ASSERT_TRUE(w->Timer2()->isEnabled());
    w->RunRoundEnd([] {});
    EXPECT_FALSE(w->Timer2()->isEnabled());
}

TEST_F(FrameTest, GaugesShowAndHideAsGroups) {
    auto w = window("frmElevens");
    w->show();
    w->ShowTimerGauge(false);
    for (const char* name :
         {"Surface", "TimerRectangle", "TimerBevelBottom", "TimerBevelSide", "lblTime"})
        EXPECT_FALSE(w->findChild<QWidget*>(name)->isVisible()) << name;
    w->ShowTimerGauge(true);
    EXPECT_TRUE(w->Surface()->isVisible());
    // A gauge a window does not carry is skipped.
    auto* round = new QLabel("Round:", w->centralWidget());
    round->setObjectName("lblRound");
    w->ShowRoundGauge(false);
    EXPECT_FALSE(round->isVisible());
}
