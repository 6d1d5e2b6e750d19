// The settings reader, the window blocks, the count-up and the twips conversions every game
// window shares.
#include "FrameTestSupport.h"

#include "frame/WindowSettings.h"
#include "platform/Twips.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <limits>

TEST(SettingsReader, EachKeyFallsBackOnItsOwnAndTheRestStillApply) {
    int32_t bonus = -1, limit = -1;
    int time = -1;
    bool music = true;
    SettingsReader reader;
    reader.number("[Bonus]", 1, 5000000, 80000, bonus)
        .number("[Limit]", 0, 10, 1, limit)
        .choice("[Time]", {30, 60, 90}, 90, [&time](int t) { time = t; })
        .flag("[Music]", music);
    reader.apply("[Bonus]\r\n9999999\r\n\r\n[Time]\r\n060\r\n\r\n[Limit]\r\nten\r\n\r\n"
                 "[Music]\r\ntrue\r\n\r\n");
    EXPECT_EQ(bonus, 80000); // out of range
    EXPECT_EQ(time, 90);     // "060" is not one of the items
    EXPECT_EQ(limit, 1);     // not a number
    EXPECT_FALSE(music);     // only "True" is true
    reader.apply("[Limit]\r\n7\r\n\r\n[Bonus]\r\n5000000\r\n\r\n[Time]\r\n30\r\n\r\n");
    EXPECT_EQ(limit, 7);
    EXPECT_EQ(bonus, 5000000);
    EXPECT_EQ(time, 30);
}

TEST(SettingsReader,
     WindowBlocksStoreTheDesignSizeWhenMaximisedAndPassOverWhatTheScreenCannotHold) {
    WindowGeometry maximised{WindowMaximised, 20000, 15000};
    SettingsFile file;
    AddWindowBlocks(file, maximised, QSize(9540, 7305)).endWithExtraLineEnd();
    EXPECT_EQ(file.text(),
              "[State]\r\n2\r\n\r\n[Width]\r\n9540\r\n\r\n[Height]\r\n7305\r\n\r\n\r\n");
    EXPECT_EQ(StoredState({WindowMinimised, 9000, 7000}), WindowNormal);

    QMainWindow w;
    w.resize(640, 480);
    SettingsReader reader;
    ReadWindowBlocks(reader, w);
    reader.apply("[Width]\r\n2147483647\r\n\r\n[Height]\r\n-5\r\n\r\n[State]\r\n7\r\n\r\n");
    EXPECT_EQ(w.size(), QSize(640, 480));
    EXPECT_FALSE(w.isMaximized());
    // The screen's own size is the most a stored value may give.
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    reader.apply("[Width]\r\n" + QByteArray::number(screen.width() * 15) + "\r\n\r\n[Height]\r\n" +
                 QByteArray::number(screen.height() * 15 + 15) + "\r\n\r\n");
    EXPECT_EQ(w.size(), QSize(screen.width(), 480));
}

TEST(Twips, ConversionsHoldAtTheEndsOfTheRange) {
    EXPECT_EQ(Tw(15), 1);
    EXPECT_EQ(Tw(9540), 636);
    EXPECT_EQ(Tw(std::numeric_limits<int>::max()), 143165576);
    EXPECT_EQ(Tw(std::numeric_limits<int64_t>::max() - 7), std::numeric_limits<int>::max());
    EXPECT_EQ(PxToTw(std::numeric_limits<int>::max()), std::numeric_limits<int>::max());
}

TEST_F(FrameTest, CountUpAddsExactlyTheAmountInItsSteps) {
    auto w = window("frmCrestal");
    Shared().SoundsOn = true;
    Shared().Score = 100;
    w->CountUp(1000, 300, 50);
    EXPECT_EQ(Shared().Score, 1100);
    EXPECT_EQ(pauses(), (std::vector<int>{50, 50, 50, 50})); // 300, 300, 300, 100
    EXPECT_EQ(waves().size(), 4);
    w->CountUp(-250, 100, 10, QString());
    EXPECT_EQ(Shared().Score, 850);
    EXPECT_EQ(pauses(), (std::vector<int>{10})); // a step against the amount: one step
    EXPECT_TRUE(waves().isEmpty());
}
