#include "FrameTestSupport.h"

#include "services/PictureList.h"
#include "services/Random.h"

#include <QFrame>
#include <QLocale>

namespace {
bool shows(const QLabel* img, const QPixmap& p) {
    return img->pixmap().toImage() == p.toImage();
}
} // namespace

TEST_F(FrameTest, StatusBarClockShowsTheTimeOfDayEveryMinute) {
    Shared().GameTitle = "Brisko!";
    auto w = window("frmBrisko"); // loaded at 9:04:30; its clock is Timer6
    EXPECT_EQ(w->StatusClockTimer()->objectName(), "Timer6");
    // This window's welcome adds its own "!" and six blanks.
    EXPECT_EQ(w->statusText(1), "Welcome to Brisko!!      ");
    w->setStatusText(3, "");
    platform::ProgramTime::advance(60000);
    EXPECT_EQ(w->statusText(3), "9:05 AM");
    EXPECT_EQ(w->statusText(4),
              QLocale::system().toString(QDate(2024, 3, 1), QLocale::ShortFormat));
    platform::ProgramTime::advance(15 * 3600 * 1000); // past midnight: the date panel follows
    EXPECT_EQ(w->statusText(3), "12:05 AM");
    EXPECT_EQ(w->statusText(4),
              QLocale::system().toString(QDate(2024, 3, 2), QLocale::ShortFormat));

    Shared().GameTitle = "Tressel!";
    auto trips = window("frmTrip"); // three blanks, no date panel
    EXPECT_EQ(trips->statusText(1), "Welcome to Tressel!   ");
    EXPECT_EQ(trips->statusText(4), "");
}

TEST_F(FrameTest, SplashTurnsBacksThenFacesOverTheFourImages) {
    SeedRandom(7);
    PictureList& pictures = CardPictureList();
    auto w = window("frmTwindle");
    w->mnuPalm_Click();
    for (int tick = 0; tick < 5; ++tick)
        w->Timer4_Timer();
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(shows(w->imgSplashImage(i), pictures.byKey("BACK"))) << i;
        EXPECT_EQ(w->imgSplashImage(i)->frameShape(), QFrame::NoFrame);
    }
    for (int tick = 0; tick < 8; ++tick)
        w->Timer4_Timer();
    for (int i = 0; i < 4; ++i) {
        EXPECT_FALSE(shows(w->imgSplashImage(i), pictures.byKey("BACK"))) << i;
        EXPECT_EQ(w->imgSplashImage(i)->frameShape(), QFrame::Box);
    }
}

TEST_F(FrameTest, ElevensSplashShowsItsOwnPictureAndContinuesAfterAStop) {
    PictureList& pictures = CardPictureList();
    auto w = window("frmElevens");
    EXPECT_EQ(w->Timer4()->interval(), 250);
    platform::ProgramTime::advance(3 * 250);
    w->ShowSplash(false); // mid-pass: images 0 and 1 turned
    platform::ProgramTime::advance(10 * 250);
    w->ShowSplash(true);
    platform::ProgramTime::advance(2 * 250);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(shows(w->imgSplashImage(i), pictures.byKey("BACK")));
    platform::ProgramTime::advance(8 * 250);
    for (int i = 0; i < 4; ++i)
        EXPECT_TRUE(shows(w->imgSplashImage(i), pictures.byKey("SMBY")));
}
