#include "../TestSupport.h"
#include "app/frmSelect.h"
#include "platform/ProgramTime.h"
#include "services/PictureList.h"

#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {
QLabel* splash(frmSelect& w, int i) {
    return w.findChild<QLabel*>(QString("imgSplashImage_%1").arg(i));
}
bool shows(QLabel* l, int pictureNumber) {
    return l->pixmap().cacheKey() == CardPictureList().picture(pictureNumber).cacheKey();
}
int faceShown(QLabel* l) {
    for (int n = 1; n <= CardPictureList().count(); ++n)
        if (shows(l, n)) return n;
    return 0;
}
} // namespace

TEST(LauncherTest, StartUpWritesAndReadsThePlayerDetails) {
    testsupport::ProgramSandbox box;
    {
        frmSelect w(box.dir.path());
        EXPECT_EQ(Shared().ProgramFolder, box.dir.path() + "/");
        EXPECT_EQ(Shared().NewHighScoreIndex, -1);
        EXPECT_EQ(box.read("User.ini").left(27), QByteArray("[User Name]\r\nUnknown User\r\n"));
        EXPECT_EQ(Shared().UserCountry, "United States");
    }
    // A second start reads what the first left; the close writes the current values.
    box.write("User.ini", "[User Name]\r\nAda\r\n\r\n[Country]\r\nPeru\r\n\r\n");
    frmSelect w(box.dir.path() + "/"); // a folder given with its "/" gets no second one
    EXPECT_EQ(Shared().ProgramFolder, box.dir.path() + "/");
    EXPECT_EQ(Shared().UserName, "Ada");
    EXPECT_EQ(Shared().UserHomeTown, "Unknown");
    Shared().UserHomeTown = "Lima";
    w.show();
    w.close();
    EXPECT_EQ(box.read("User.ini"),
              QByteArray("[User Name]\r\nAda\r\n\r\n[Hometown]\r\nLima\r\n\r\n"
                         "[State]\r\nNone\r\n\r\n[Country]\r\nPeru\r\n\r\n"));
}

TEST(LauncherTest, WindowButtonsCaptionsAndTabOrder) {
    testsupport::ProgramSandbox box;
    frmSelect w(box.dir.path());
    EXPECT_EQ(w.windowTitle(), "The Parlovex Collection");
    EXPECT_EQ(w.size(), QSize(500, 346));
    auto* frame = w.findChild<QGroupBox*>("frmGameChoice");
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->title(), "Select your game");
    EXPECT_EQ(frame->geometry(), QRect(8, 8, 483, 295));
    // A bold caption; the buttons keep the plain font and the splash cards black borders.
    EXPECT_TRUE(frame->font().bold());
    EXPECT_FALSE(w.findChild<QPushButton*>("cmdQuintel")->font().bold());
    EXPECT_EQ(splash(w, 0)->palette().color(QPalette::WindowText), QColor(Qt::black));

    const QStringList order{"cmdQuintel", "cmdEights",        "cmdTressel", "cmdElevens",
                            "cmdTwindle", "cmdScramble",      "cmdBrisko",  "cmdCrestal",
                            "cmdPhrase",  "cmdLaunchBrowser", "cmdClose"};
    const QStringList captions{"&Quintel", "&Wildrow", "&Tressel", "&Sumbry", "Twi&ndle",
                               "&Marvane", "&Brisko",  "&Crestal", "Gl&yphon"};
    const QStringList titles{"Quintel!", "Wildrow!", "Tressel!", "Sumbry!", "Twindle!",
                             "Marvane!", "Brisko!",  "Crestal!", "Glyphon!"};
    for (int i = 0; i < 9; ++i) {
        auto* b = w.findChild<QPushButton*>(order[i]);
        ASSERT_TRUE(b) << order[i].toStdString();
        EXPECT_EQ(b->text(), captions[i]);
        EXPECT_EQ(b->toolTip(), "Play " + titles[i]);
        EXPECT_EQ(b->parentWidget(), frame);
    }
    EXPECT_EQ(w.findChild<QPushButton*>("cmdQuintel")->geometry(), QRect(21, 48, 88, 28));
    EXPECT_EQ(w.findChild<QPushButton*>("cmdLaunchBrowser")->text(), "&Go to the Corvell website");
    EXPECT_EQ(w.findChild<QPushButton*>("cmdClose")->toolTip(), "Close the Quorvane");
    for (int i = 0; i + 1 < order.size(); ++i)
        EXPECT_EQ(w.findChild<QWidget*>(order[i])->nextInFocusChain()->objectName(), order[i + 1])
            << order[i].toStdString();
}

TEST(LauncherTest, OnlyTheFramesCaptionIsBlue) {
    testsupport::ProgramSandbox box;
    frmSelect w(box.dir.path());
    auto* frame = w.findChild<QGroupBox*>("frmGameChoice");
    const QImage shot = frame->grab().toImage();
    const int captionBottom = w.findChild<QPushButton*>("cmdTwindle")->y();
    int blueInCaption = 0, blueBelow = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (shot.pixelColor(x, y) == QColor(0, 0, 255))
                ++(y < captionBottom ? blueInCaption : blueBelow);
    EXPECT_GT(blueInCaption, 20);
    EXPECT_EQ(blueBelow, 0);
    // The buttons share one palette: the style draws alike buttons once for the first paint.
    EXPECT_EQ(w.findChild<QPushButton*>("cmdQuintel")->palette().cacheKey(),
              w.findChild<QPushButton*>("cmdEights")->palette().cacheKey());
}

TEST(LauncherTest, StartsWithoutDrawingTheCards) {
    testsupport::ProgramSandbox box;
    CardPictureList() = MakeCardPictureList(1.0); // as at the start of a run
    frmSelect w(box.dir.path());
    w.show();
    QApplication::processEvents();
    EXPECT_EQ(CardPictureList().drawnCount(), 0);
    // The ring's first pass shows the first design's back, the one picture drawn for it.
    platform::ProgramTime::advance(9 * 250);
    EXPECT_TRUE(shows(splash(w, 7), 2));
    EXPECT_EQ(CardPictureList().drawnCount(), 1);
}

TEST(LauncherTest, SplashRingAlternatesBacksAndFaces) {
    testsupport::ProgramSandbox box;
    frmSelect w(box.dir.path());
    Shared().InputBlocked = true;
    platform::ProgramTime::advance(250); // first tick: the ring stays empty
    EXPECT_FALSE(Shared().InputBlocked);
    for (int i = 0; i < 8; ++i)
        EXPECT_TRUE(splash(w, i)->pixmap().isNull());

    platform::ProgramTime::advance(8 * 250); // pictures 0..7 turn to the first design's back
    for (int i = 0; i < 8; ++i) {
        EXPECT_TRUE(shows(splash(w, i), 2)) << i;
        EXPECT_EQ(splash(w, i)->frameStyle(), int(QFrame::NoFrame));
    }
    platform::ProgramTime::advance(8 * 250 + 8 * 250); // walk back, then faces
    for (int i = 0; i < 8; ++i) {
        const int n = faceShown(splash(w, i));
        EXPECT_GE(n, 14);
        EXPECT_LE(n, 65);
        EXPECT_NE(splash(w, i)->frameStyle(), int(QFrame::NoFrame));
    }
    // Backs cycle through the first three designs: 2, 5, 8, then 2 again; 11 never shows.
    std::vector<int> backs;
    for (int pass = 0; pass < 4; ++pass) {
        platform::ProgramTime::advance(16 * 250);
        backs.push_back(faceShown(splash(w, 0)));
        platform::ProgramTime::advance(16 * 250);
    }
    EXPECT_EQ(backs, (std::vector<int>{5, 8, 2, 5}));
}
