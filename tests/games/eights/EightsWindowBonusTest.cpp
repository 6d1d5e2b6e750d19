// A whole wild-eights game of three completed decks, in the real window: where the bonus
// captions and their amounts stand while the player reads them, in every round.
#include "EightsWindowTestSupport.h"

#include "frame/VbColour.h"
#include "platform/Twips.h"

#include <QLabel>

namespace {
// What the player reads at a pause of a second or more.
struct Seen {
    QString round;
    QString message;
    QRect messageAt;
    bool amountShown = false;
    QString amount;
    QRect amountAt;
};
} // namespace

TEST_F(EightsWindowTest, EveryRoundsBonusesStandWholeAboveTheirAmounts) {
    platform::MessageScript answers;
    HighScoreAnswers tables;
    dealEveryRound(dealOrder(kHearts));
    auto w = open<frmEights>();
    w->show();
    QLabel* message = w->findChild<QLabel*>("lblMessage");
    QLabel* amount = w->findChild<QLabel*>("lblScoring");
    std::vector<Seen> seen;
    auto fixture = platform::ProgramTime::setPauseObserver(nullptr);
    platform::ProgramTime::setPauseObserver([&](int ms) {
        // Before the caption check, which lays the window out again at other sizes.
        if (ms >= 1000 && message->isVisible())
            seen.push_back({text(*w, "lblCurrentRound"), message->text(), message->geometry(),
                            amount->isVisible(), amount->text(), amount->geometry()});
        if (fixture) fixture(ms);
    });
    Shared().BonusScore = 1; // every round's bonuses are paid and the bonus round is played
    w->cmdPlay()->click();
    clearHearts(*w);
    // Round two runs: its pause shows "Game Paused" in red after the announcement's flashes.
    w->cmdPause()->click();
    EXPECT_EQ(text(*w, "lblMessage"), "Game Paused");
    EXPECT_EQ(ForeColour(message), VbColour(kVbRed));
    w->cmdPause()->click();
    clearHearts(*w);
    ASSERT_EQ(text(*w, "lblCurrentRound"), "Bonus");
    clearHearts(*w);
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
    platform::ProgramTime::setPauseObserver(std::move(fixture));

    // The window's middle, in the coordinates of the labels.
    const int W = w->width(), H = w->height();
    int speed = 0, deck = 0;
    for (const Seen& s : seen) {
        SCOPED_TRACE(qPrintable(QString("round %1: %2").arg(s.round, s.message)));
        const bool bonus = s.message == "Speed Bonus!" || s.message == "Deck Completion Bonus!";
        if (!bonus) continue;
        (s.message == "Speed Bonus!" ? speed : deck) += 1;
        // Sized to its text, centred across the window; the amount centred under it.
        EXPECT_GE(s.messageAt.width(), message->fontMetrics().horizontalAdvance(s.message));
        EXPECT_NEAR(s.messageAt.center().x(), W / 2, 1);
        ASSERT_TRUE(s.amountShown);
        EXPECT_NEAR(s.amountAt.center().x(), W / 2, 1);
        EXPECT_NEAR(s.amountAt.top(), (H - s.amountAt.height()) / 2, 1);
        EXPECT_GE(s.messageAt.left(), 0);
        EXPECT_LE(s.messageAt.right(), W);
        // The speed bonus stands 800 twips above the window's middle; the deck's is centred
        // in the window and raised by 800; both clear of the amount.
        const int top = s.message == "Speed Bonus!" ? H / 2 - Tw(800)
                                                    : (H - s.messageAt.height()) / 2 - Tw(800);
        EXPECT_NEAR(s.messageAt.top(), top, 1);
        EXPECT_LE(s.messageAt.bottom(), s.amountAt.top());
    }
    EXPECT_EQ(speed, 3);
    EXPECT_EQ(deck, 3);
    EXPECT_EQ(seen.back().message, "Game Over");
}
