// A whole Twindle game in the real window, offscreen and in virtual time: a cleared first
// round, a second round that runs out, the bonus round, the high-score check and Play again.

#include "TwindleWindowTestSupport.h"

#include "platform/GameTimer.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/ProgramTime.h"
#include "services/HighScores.h"
#include "services/PictureList.h"

#include <QAction>
#include <QLineEdit>
#include <QPushButton>

namespace {
// A bonus counted up in twenty steps after its one-second display.
std::vector<int> countUp() {
    std::vector<int> p{1000};
    p.insert(p.end(), 20, 75);
    return p;
}
std::vector<int> speedBonus(int seconds) {
    std::vector<int> p{2000};
    p.insert(p.end(), size_t(seconds), 75);
    return p;
}
std::vector<int> flashes(int times) {
    return std::vector<int>(size_t(times), 250);
}
std::vector<int> operator+(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}
} // namespace

TEST_F(TwindleWindowTest, AWholeGameFromAClearedRoundToTheHallOfFame) {
    const uint32_t seed = ClearingSeed();
    ASSERT_NE(seed, 0u);
    // What the test player makes of that deal, played without a window.
    SeedRandom(seed);
    PairsGame model;
    ASSERT_TRUE(model.play());
    ASSERT_TRUE(PlayOutRound(model));
    const int pairs = model.board().pairsMade();
    const int runs = model.board().runsMade();
    platform::MessageScript answers;
    int dialogs = 0;
    platform::ModalDriver driver([&dialogs](QDialog& d) {
        ++dialogs;
        if (d.objectName() == "frmHiScoreName") {
            d.findChild<QLineEdit*>("txtPlayerName")->setText("Zed");
            d.findChild<QPushButton*>("cmdOK")->click();
        } else if (d.objectName() == "frmHighScores") {
            d.findChild<QPushButton*>("cmdDone")->click();
        }
    });
    auto w = open<frmTwindle>();
    w->show();
    SeedRandom(seed);
    w->cmdPlay()->click();
    EXPECT_EQ(w->statusText(1), "Make 80,000 for Bonus Round!   ");
    EXPECT_EQ(w->statusText(2), "Create runs by clicking on exposed cards!   ");
    EXPECT_EQ(text(*w, "lblCards"), "28");
    EXPECT_EQ(text(*w, "lblTime"), "Time: 45");
    EXPECT_EQ(text(*w, "lblCurrentRound"), "1");
    EXPECT_EQ(w->cmdPlay()->text(), "&End Game");
    EXPECT_FALSE(w->item("mnuCustom")->isEnabled());
    EXPECT_FALSE(shown(*w, "frmSplash"));
    for (const char* name : {"PlayCard_0", "PlayCard_22", "PlayCard_23", "CardStackPicture",
                             "lblScorePairs", "Surface", "lblHighScore"})
        EXPECT_TRUE(shown(*w, name)) << name;

    // Round one: the top row is cleared with all 45 seconds left.
    ASSERT_TRUE(playRound(*w));
    std::vector<int> expected = countUp() + speedBonus(45);
    if (pairs > 0) expected = expected + countUp();
    if (runs > 0) expected = expected + countUp();
    EXPECT_EQ(pauses(), expected + flashes(11));
    const int32_t afterRoundOne = 10000 + 4500 + pairs * 3000 + runs * 500;
    EXPECT_EQ(Shared().Score, afterRoundOne);
    EXPECT_EQ(text(*w, "lblCurrentScore"), FormatScore(afterRoundOne));
    EXPECT_EQ(text(*w, "lblCurrentRound"), "2");
    EXPECT_EQ(text(*w, "lblScorePairs"), "0");
    EXPECT_EQ(text(*w, "lblCards"), "28");
    EXPECT_TRUE(w->cmdTakeScore()->isEnabled());

    // Round two runs out: "Times Up!" flashes, no speed bonus, nothing made, nothing counted.
    // The score it leaves is exactly the bonus-round score.
    Shared().BonusRoundScore = afterRoundOne;
    waves();
    platform::ProgramTime::advance(44 * 1000);
    EXPECT_EQ(w->statusText(2), "Better Hurry!");
    EXPECT_EQ(text(*w, "lblTime"), "Time: 1");
    pauses();
    platform::ProgramTime::advance(1000);
    EXPECT_EQ(pauses(), flashes(10) + flashes(11));
    EXPECT_TRUE(waves().contains("Applause.wav"));
    EXPECT_EQ(Shared().Round, 3);
    EXPECT_EQ(text(*w, "lblCurrentRound"), "3");
    EXPECT_EQ(Shared().Score, afterRoundOne);

    // The bonus round, ended at once by Take Score, ends the game.
    w->cmdTakeScore()->click();
    EXPECT_EQ(pauses(), speedBonus(45) + std::vector<int>{2000});
    EXPECT_EQ(Shared().Score, afterRoundOne + 4500);
    EXPECT_EQ(dialogs, 2);
    EXPECT_TRUE(file("Twindle Hi Score Table 45.Txt").contains("Zed"));
    EXPECT_EQ(w->state(), GameWindow::State::GameOver);
    EXPECT_EQ(text(*w, "lblMessage"), "Game Over");
    EXPECT_EQ(w->statusText(2), "Game Over");
    EXPECT_TRUE(shown(*w, "frmSplash"));
    EXPECT_TRUE(shown(*w, "lblCurrentScore"));
    for (const char* name : {"PlayCard_5", "PlayCard_23", "CardStackPicture", "Surface",
                             "lblScorePairs", "RoundRectangle", "lblHighScore"})
        EXPECT_FALSE(shown(*w, name)) << name;
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
    EXPECT_FALSE(w->cmdTakeScore()->isEnabled());
    EXPECT_TRUE(w->item("mnuCustom")->isEnabled());

    // Play again starts anew.
    w->cmdPlay()->click();
    EXPECT_EQ(Shared().Score, 0);
    EXPECT_EQ(Shared().Round, 1);
    EXPECT_EQ(text(*w, "lblCurrentRound"), "1");
    EXPECT_EQ(text(*w, "lblCurrentScore"), "0");
    EXPECT_FALSE(shown(*w, "lblMessage"));
}

TEST_F(TwindleWindowTest, RoundEndsPayTheirBonusesOntoTheScore) {
    using pairstest::place;
    using pairstest::stackDraw;
    using pairstest::upCard;
    struct Row {
        const char* name;
        std::map<int, QString> deck; // by deck position, kings of spades elsewhere
        int msBefore;                // before the first move
        std::vector<std::pair<int, int>> moves;
        int msAfter; // after the last
        int32_t score;
        std::vector<int> pauses;
    };
    const Row rows[] = {
        // The layout cleared row by row from the bottom, the odd card of rows 5, 3 and 1 with
        // the up card: 2 pairs and 11 runs with 20 s left. Completion 10,000, speed 2,000,
        // pairs 6,000, runs 5,500.
        {"top row cleared",
         {{place(18), " 5S"},  {place(19), " 5H"},    {place(20), " 6S"}, {place(21), " 7S"},
          {place(22), " 9S"},  {upCard(), " 10S"},    {place(14), " 3C"}, {place(15), " 3D"},
          {place(16), " 8C"},  {place(17), " 9C"},    {place(9), " 1S"},  {place(10), " 2S"},
          {place(11), " 11S"}, {place(12), " 12S"},   {place(13), " 4H"}, {stackDraw(1), " 5C"},
          {place(5), " 13H"},  {place(6), " 1H"},     {place(7), " 2H"},  {place(8), " 3H"},
          {place(0), " 6H"},   {place(1), " 7H"},     {place(2), " 8H"},  {place(3), " 9H"},
          {place(4), " 10H"},  {stackDraw(2), " 11H"}},
         25000,
         {{18, 19},
          {20, 21},
          {22, kUpPlace},
          {14, 15},
          {16, 17},
          {9, 10},
          {11, 12},
          {13, kUpPlace},
          {5, 6},
          {7, 8},
          {0, 1},
          {2, 3},
          {4, kUpPlace}},
         0,
         23500,
         countUp() + speedBonus(20) + countUp() + countUp() + flashes(11)},
        // Two pairs and no run when the clock runs out: no speed bonus, and the runs count
        // nothing up.
        {"time-out after two pairs",
         {{place(18), " 5S"}, {place(19), " 5H"}, {place(20), " 8D"}, {place(21), " 8C"}},
         0,
         {{18, 19}, {20, 21}},
         45000,
         6000,
         flashes(10) + countUp() + flashes(11)},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        platform::MessageScript answers;
        dealEveryRound(pairstest::layDeck(r.deck));
        auto w = open<frmTwindle>();
        w->show();
        w->cmdPlay()->click();
        platform::ProgramTime::advance(r.msBefore);
        pauses();
        for (const auto& [a, b] : r.moves) {
            press(w->PlayCard(a));
            press(w->PlayCard(b));
        }
        platform::ProgramTime::advance(r.msAfter);
        EXPECT_EQ(pauses(), r.pauses);
        EXPECT_EQ(Shared().Score, r.score);
        EXPECT_EQ(text(*w, "lblCurrentScore"), FormatScore(r.score));
        EXPECT_EQ(text(*w, "lblCurrentRound"), "2");
    }
}

TEST_F(TwindleWindowTest, OnePointBelowTheBonusRoundScoreEndsTheGame) {
    platform::MessageScript answers;
    platform::ModalDriver driver([](QDialog& d) { d.reject(); });
    auto w = open<frmTwindle>();
    w->cmdPlay_Click();
    w->cmdTakeScore_Click();
    EXPECT_EQ(pauses(), speedBonus(45) + flashes(11)); // nothing made: no pairs or runs count
    Shared().BonusRoundScore = 9001;
    w->cmdTakeScore_Click();
    EXPECT_EQ(Shared().Score, 9000);
    EXPECT_EQ(pauses(), speedBonus(45) + std::vector<int>{2000});
    EXPECT_EQ(w->state(), GameWindow::State::GameOver);
}

TEST_F(TwindleWindowTest, EndGameWithYesRecordsNothing) {
    platform::MessageScript answers;
    answers.then(platform::Answer::No).then(platform::Answer::Yes);
    platform::ModalDriver driver([](QDialog&) { FAIL() << "no high score expected"; });
    auto w = open<frmTwindle>();
    w->cmdPlay_Click();
    w->cmdTakeScore_Click();
    w->cmdPlay_Click(); // No: the game goes on
    EXPECT_EQ(w->state(), GameWindow::State::Running);
    EXPECT_TRUE(w->Timer1()->isEnabled());
    w->cmdPlay_Click(); // Yes
    EXPECT_EQ(answers.texts().back(),
              "You have a game in progress, are you sure you want to quit?");
    EXPECT_EQ(w->state(), GameWindow::State::Idle);
    EXPECT_FALSE(w->Timer1()->isEnabled());
    EXPECT_TRUE(shown(*w, "frmSplash"));
    EXPECT_FALSE(shown(*w, "PlayCard_20"));
    EXPECT_FALSE(shown(*w, "CardStackPicture"));
    EXPECT_TRUE(shown(*w, "lblCurrentScore"));
    EXPECT_FALSE(file("Twindle Hi Score Table 45.Txt").contains("Ada"));
}

TEST_F(TwindleWindowTest, PauseDropsTheSelectionAndResumeShowsOnlyCardsStillThere) {
    platform::MessageScript answers;
    auto w = open<frmTwindle>();
    w->cmdPlay_Click();
    const auto [a, b] = findMove(*w);
    ASSERT_GE(a, 0);
    press(w->PlayCard(a));
    press(w->PlayCard(b));
    int other = 18;
    while (!w->game().board().present(other))
        ++other;
    press(w->PlayCard(other));
    ASSERT_TRUE(w->game().board().selectionActive());
    platform::ProgramTime::advance(3000);
    w->cmdPause_Click();
    EXPECT_EQ(text(*w, "lblMessage"), "Game Paused");
    EXPECT_FALSE(w->game().board().selectionActive());
    for (int i = 0; i < kBoardPlaces; ++i)
        EXPECT_FALSE(w->PlayCard(i)->isVisibleTo(w.get())) << i;
    EXPECT_FALSE(shown(*w, "lblCards"));
    platform::ProgramTime::advance(10000);
    EXPECT_EQ(Shared().ElapsedSeconds, 3);
    w->cmdPause_Click();
    for (int i = 0; i < kBoardPlaces; ++i) {
        EXPECT_EQ(w->PlayCard(i)->isVisibleTo(w.get()), i == kUpPlace || (i != a && i != b)) << i;
        EXPECT_FALSE(w->FieldSelectionRectangle(i)->isVisibleTo(w.get()));
    }
    EXPECT_TRUE(shown(*w, "CardStackPicture"));
    EXPECT_TRUE(shown(*w, "lblCards"));
    EXPECT_FALSE(shown(*w, "lblMessage"));
}

TEST_F(TwindleWindowTest, ClicksShowTheSelectionSoundsAndStack) {
    platform::MessageScript answers;
    auto w = open<frmTwindle>();
    w->cmdPlay_Click();
    waves();
    press(w->PlayCard(0)); // covered
    EXPECT_EQ(waves(), QStringList{"Chord.wav"});
    press(w->PlayCard(20));
    EXPECT_TRUE(w->FieldSelectionRectangle(20)->isVisibleTo(w.get()));
    EXPECT_FALSE(w->PlayCard(20)->hasBorder());
    press(w->PlayCard(20));
    EXPECT_EQ(waves(), (QStringList{"Markq.wav", "Tick.wav"}));
    EXPECT_FALSE(w->FieldSelectionRectangle(20)->isVisibleTo(w.get()));
    EXPECT_TRUE(w->PlayCard(20)->hasBorder());
    press(w->PlayCard(21));
    for (int n = 1; n <= 28; ++n)
        press(w->CardStackPicture());
    EXPECT_FALSE(w->FieldSelectionRectangle(21)->isVisibleTo(w.get()));
    EXPECT_EQ(text(*w, "lblCards"), "0");
    EXPECT_EQ(w->CardStackPicture()->pixmap().cacheKey(),
              CardPictureList().byKey("EMPTY").cacheKey());
    waves();
    press(w->CardStackPicture());
    EXPECT_EQ(waves(), QStringList{"Chord.wav"});
    EXPECT_EQ(w->PlayCard(23)->pictureKey(), w->game().board().card(23).trimmed());
}
