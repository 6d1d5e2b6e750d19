// The one way a caption changes, without a game, and the count-ups' message places.
#include "CaptionFit.h"
#include "FrameTestSupport.h"

#include "frame/Captions.h"
#include "frame/TwipsLayout.h"

#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>

namespace {

struct Board {
    QWidget window;
    QLabel* amount = new QLabel("0", &window);
    QLabel* message = new QLabel("Message", &window);
    Board() {
        window.resize(600, 400);
        amount->setObjectName("lblScoring");
        amount->setGeometry(300, 200, 100, 30);
        message->setObjectName("lblMessage");
        message->setGeometry(40, 100, 60, 30);
    }
    int textWidth(const QLabel* l) const {
        return QFontMetrics(l->font()).horizontalAdvance(l->text());
    }
};

} // namespace

TEST(Captions, DefaultRuleGrowsAroundTheAnchorOfTheAlignmentAndComesBackToTheDesign) {
    Board b;
    const QString longText = "Deck Completion Bonus, a caption far wider than its design";
    // Left-aligned: the left edge stays.
    SetCaption(b.message, longText);
    EXPECT_EQ(b.message->x(), 40);
    EXPECT_GE(b.message->width(), b.textWidth(b.message));
    // A short caption: back to the design size, not below it.
    SetCaption(b.message, "Hi");
    EXPECT_EQ(b.message->geometry(), QRect(40, 100, 60, 30));

    // Centred: the centre stays.
    b.amount->setAlignment(Qt::AlignCenter);
    const int centre = b.amount->geometry().center().x();
    SetCaption(b.amount, longText);
    EXPECT_GE(b.amount->width(), b.textWidth(b.amount));
    EXPECT_LE(std::abs(b.amount->geometry().center().x() - centre), 1);
    EXPECT_TRUE(testsupport::CaptionFitFailures(b.window).isEmpty())
        << testsupport::CaptionFitFailures(b.window).join("\n").toStdString();
}

TEST(Captions, ARegisteredRuleSizesToTheTextThenPlacesAndCatchesWritesBehindItsBack) {
    Board b;
    // "AutoSize, then 100 twips left of the amount."
    SetCaptionRule(&b.window, "lblMessage",
                   {CaptionSize::AutoSize, LeftOfLabel("lblScoring", 100)});
    SetCaption(b.message, "Speed Bonus!");
    EXPECT_EQ(b.message->width(), b.message->sizeHint().width());
    EXPECT_EQ(b.message->x() + b.message->width() + Tw(100), b.amount->x());
    EXPECT_TRUE(CaptionsOutOfRule(&b.window).isEmpty());
    EXPECT_EQ(CaptionRuleNames(&b.window), QStringList{"lblMessage"});

    b.message->setText("Phrase Completion Bonus!"); // behind the rule's back
    EXPECT_EQ(CaptionsOutOfRule(&b.window).size(), 1);
    EXPECT_FALSE(testsupport::CaptionFitFailures(b.window).isEmpty()); // and it is cut
    ApplyCaptionRule(b.message);
    EXPECT_TRUE(CaptionsOutOfRule(&b.window).isEmpty());

    // Centred on a point of the design, in twips.
    SetCaptionRule(&b.window, "lblScoring",
                   {CaptionSize::AutoSize, CentreOnX([] { return 4500.0; })});
    SetCaption(b.amount, "12,345");
    EXPECT_NEAR(TwLeft(b.amount) + TwWidth(b.amount) / 2.0, 4500, 15);
}

TEST(CaptionFit, FindsCutWrappedCoveredAndOutsideCaptions) {
    QWidget window;
    window.resize(300, 200);
    auto* wrapped = new QLabel("Score required for Bonus, a caption in two lines", &window);
    wrapped->setObjectName("wrapped");
    wrapped->setWordWrap(true);
    wrapped->setGeometry(10, 10, 120, 18); // one line high
    auto* outside = new QLabel("Times Up!", &window);
    outside->setObjectName("outside");
    outside->adjustSize();
    outside->move(280, 100);
    auto* under = new QLabel("Speed Bonus!", &window);
    under->setObjectName("under");
    under->adjustSize();
    under->move(10, 150);
    auto* outline = new QFrame(&window);
    outline->setObjectName("outline");
    outline->setAutoFillBackground(true);
    outline->setGeometry(0, 140, 40, 40);
    auto* hiddenUnder = new QLabel("Game Over", &window);
    hiddenUnder->setObjectName("hiddenUnder");
    hiddenUnder->adjustSize();
    hiddenUnder->move(150, 60);
    auto* splash = new QFrame(&window);
    splash->setAutoFillBackground(true);
    splash->setGeometry(140, 50, 150, 60);
    auto* empty = new QLabel(&window);
    empty->setGeometry(0, 0, 1, 1);

    const QStringList faults = testsupport::CaptionFitFailures(window);
    ASSERT_EQ(faults.size(), 3) << faults.join("\n").toStdString();
    EXPECT_TRUE(faults[0].startsWith("wrapped ")) << faults[0].toStdString();
    EXPECT_TRUE(faults[1].startsWith("outside ")) << faults[1].toStdString();
    EXPECT_TRUE(faults[2].contains("partly under outline")) << faults[2].toStdString();

    wrapped->resize(120, 80);
    outside->move(150, 150);
    outline->move(0, 0);
    outline->lower();
    EXPECT_TRUE(testsupport::CaptionFitFailures(window).isEmpty())
        << testsupport::CaptionFitFailures(window).join("\n").toStdString();
}

// The amount is centred in the window, the message 100 twips left of it, each sized to its
// text first; a window that raises the message puts it 800 twips above the window's middle.
TEST_F(FrameTest, CountUpsPlaceTheMessageByTheAmountAfterSizingBoth) {
    auto trip = window("frmTrip");
    trip->label("lblMessage")->setGeometry(TwRect(100, 2000, 600, 300)); // narrower than the text
    SharedState& s = Shared();
    s.TimeLimit = 60;
    s.ElapsedSeconds = 50;
    s.CountDownScore = false;
    QRect message, amount;
    platform::ProgramTime::setPauseObserver([&](int) {
        message = trip->label("lblMessage")->geometry();
        amount = trip->label("lblScoring")->geometry();
    });
    trip->CountTimeBonus(10);
    const QLabel* m = trip->label("lblMessage");
    EXPECT_GE(message.width(), QFontMetrics(m->font()).horizontalAdvance("Speed Bonus!"));
    EXPECT_NEAR(PxToTw(message.right() + 1) + 100, PxToTw(amount.left()), 15); // a pixel
    EXPECT_NEAR(PxToTw(amount.center().x()), PxToTw(trip->width()) / 2.0, 15);
}

TEST_F(FrameTest, PausedCaptionIsRedAfterARoundEndAndGameOverGoesWithTheNextGame) {
    auto w = window("frmTwindle");
    w->cmdPlay_Click();
    QLabel* state = w->label("lblMessage");
    SetForeColour(state, kVbBlack); // as a round end's flashes leave it
    w->cmdPause_Click();
    EXPECT_EQ(state->text(), "Game Paused");
    EXPECT_EQ(ForeColour(state), VbColour(kVbRed));
    w->cmdPause_Click();

    SetCaption(state, "Game Over");
    state->show();
    w->GameFinished();
    w->cmdPlay_Click();
    EXPECT_FALSE(state->isVisibleTo(w.get()));
    EXPECT_NE(state->text(), "Game Over");
}
