// The elevens window's commands around a game: a deal that fails, pause and questions,
// closing during a round end, minimise and restore, Save Last Game's enabling, the pointer.
#include "ElevensWindowTestSupport.h"
#include "platform/Twips.h"

#include "frame/VbColour.h"
#include "platform/MessageBox.h"
#include "services/PictureList.h"

#include <QCloseEvent>

using platform::Answer;

namespace {
const QString kQuitRunning = "You have a game in progress. Are you sure you want to quit now?";
const QString kEndGame = "You have a game in progress, are you sure you want to quit now?";

class FailingDeal : public frmElevens {
  protected:
    bool DealNewGame() override { return false; }
};

// Records sounds and lets a test act when one of them plays.
struct HookedAudio : platform::RecordingAudio {
    std::function<void(const QString&)> onWave;
    void playWave(const QString& path) override {
        RecordingAudio::playWave(path);
        if (onWave) onWave(path.mid(path.lastIndexOf('/') + 1));
    }
};
} // namespace

TEST_F(ElevensWindowTest, AFailedDealReturnsToIdleAndKeepsTheWindowOpen) {
    platform::MessageScript script;
    FailingDeal w;
    w.show();
    w.cmdPlay()->click();
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.asked()[0].text, "Unknown Error! Unable to play Sumbry!");
    EXPECT_EQ(script.asked()[0].buttons, platform::Buttons::OKCancel);
    EXPECT_EQ(script.asked()[0].icon, platform::Icon::Critical);
    EXPECT_EQ(script.asked()[0].title, "Sumbry!");
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.state(), GameWindow::State::Idle);
    EXPECT_EQ(w.cmdPlay()->text(), "&Play");
    EXPECT_FALSE(w.cmdPause()->isEnabled());
    EXPECT_FALSE(w.cmdTakeScore()->isEnabled()); // nothing was dealt: nothing to replay
    EXPECT_FALSE(w.item("mnuSave")->isEnabled());
    EXPECT_TRUE(w.item("mnuGoal")->isEnabled() && w.item("mnuTime")->isEnabled());
    EXPECT_TRUE(w.frmSplash()->isVisible() && w.Timer4()->isEnabled());
    EXPECT_FALSE(w.Timer1()->isEnabled());
    EXPECT_FALSE(w.FieldCardPicture(0)->isVisible());
}

TEST_F(ElevensWindowTest, PauseShowsBacksRefusesCardsAndQuestionsKeepThePlayersPause) {
    platform::MessageScript script;
    auto w = open();
    w->cmdPlay()->click();
    playRound(*w, 1);
    ASSERT_TRUE(w->Timer1()->isEnabled());
    int card = kFieldPlaces - 1;
    while (!w->game().field().present(card))
        --card;
    w->cmdPause()->click();
    EXPECT_EQ(text(*w, "lblMessage"), "Game Paused");
    // At the pile's height, or just under the fifth tier's backs where they reach below it.
    EXPECT_GE(w->label("lblMessage")->y(), w->PlayCardPicture()->y());
    EXPECT_LE(w->label("lblMessage")->y(), w->PlayCardPicture()->y() + Tw(160) + 1);
    EXPECT_EQ(w->FieldCardPicture(card)->pictureKey(), "BACK");
    EXPECT_FALSE(w->FieldCardPicture(card)->hasBorder());
    EXPECT_FALSE(shown(*w, "PlayCardPicture") || shown(*w, "lblCurrentTotal"));
    EXPECT_FALSE(w->cmdPlay()->isEnabled() || w->item("mnuPlay")->isEnabled());
    waves();
    w->FieldCardPicture_Click(card);
    EXPECT_EQ(waves(), QStringList{"Chord.wav"});
    // A new card back redraws the face-down field at once.
    w->mnuHot_Click();
    EXPECT_EQ(w->FieldCardPicture(card)->picture().cacheKey(),
              CardPictureList().byKey("BACK").cacheKey());

    // No to the quit question: the player's pause stays.
    script.then(Answer::No);
    EXPECT_FALSE(w->requestQuit());
    EXPECT_EQ(script.texts(), std::vector<QString>{kQuitRunning});
    EXPECT_EQ(w->state(), GameWindow::State::Paused);
    EXPECT_FALSE(w->Timer1()->isEnabled());

    // Resumed, the faces come back; a question pauses the game and No resumes it.
    w->cmdPause()->click();
    EXPECT_TRUE(w->FieldCardPicture(card)->hasBorder());
    EXPECT_EQ(w->FieldCardPicture(card)->pictureKey(), w->game().field().card(card).trimmed());
    EXPECT_TRUE(shown(*w, "PlayCardPicture") && shown(*w, "lblCurrentTotal"));
    const int elapsed = Shared().ElapsedSeconds;
    script.then(Answer::No);
    w->cmdPlay()->click();
    EXPECT_EQ(script.texts().back(), kEndGame);
    EXPECT_EQ(w->state(), GameWindow::State::Running);
    EXPECT_TRUE(w->Timer1()->isEnabled());
    platform::ProgramTime::advance(1000);
    EXPECT_EQ(Shared().ElapsedSeconds, elapsed + 1);
}

TEST_F(ElevensWindowTest, SaveLastGameWaitsForAFinishedOrAbandonedGame) {
    platform::MessageScript script;
    auto w = open();
    EXPECT_FALSE(w->item("mnuSave")->isEnabled());
    w->item("mnuPlay")->trigger(); // the menu starts a game too
    EXPECT_FALSE(w->item("mnuSave")->isEnabled());
    EXPECT_FALSE(w->item("mnuOpen")->isEnabled());
    playRound(*w, 1);
    script.then(Answer::Yes);
    w->cmdPlay()->click(); // End Game, Yes
    EXPECT_EQ(w->state(), GameWindow::State::Idle);
    EXPECT_TRUE(w->item("mnuSave")->isEnabled());
    EXPECT_TRUE(w->item("mnuOpen")->isEnabled());
    EXPECT_EQ(w->cmdTakeScore()->text(), "&Replay");
    EXPECT_EQ(w->cmdTakeScore()->toolTip(), "Replays the last game");
    EXPECT_TRUE(w->cmdTakeScore()->isEnabled());
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
    EXPECT_EQ(text(*w, "lblTime"), "Time:");
    EXPECT_EQ(text(*w, "lblCurrentScore"), "0");
    EXPECT_GT(LastElevensGame().LastGameScore, 0);
    EXPECT_FALSE(shown(*w, "lblMessage") || shown(*w, "FieldCardPicture_7"));
    EXPECT_TRUE(w->frmSplash()->isVisibleTo(w.get()));
    // Replay of the abandoned game: Save is off again while it runs.
    w->cmdTakeScore()->click();
    EXPECT_TRUE(w->game().gameRunning());
    EXPECT_FALSE(w->item("mnuSave")->isEnabled());
}

TEST_F(ElevensWindowTest, AClosingRequestDuringARoundEndWaitsForItsEnd) {
    platform::MessageScript script;
    auto hooked = std::make_unique<HookedAudio>();
    HookedAudio* sounds = hooked.get();
    auto fixtureAudio = platform::SetAudioBackend(std::move(hooked));
    auto w = open();
    w->show();
    w->cmdPlay()->click();
    playRound(*w, 2);
    size_t askedDuringRoundEnd = 99;
    sounds->onWave = [&](const QString& name) {
        if (name != "Snap.wav" || askedDuringRoundEnd != 99) return;
        EXPECT_FALSE(w->requestQuit());
        askedDuringRoundEnd = script.asked().size();
    };
    script.then(Answer::No);
    w->cmdTakeScore()->click();
    EXPECT_EQ(askedDuringRoundEnd, 0u);
    EXPECT_EQ(script.texts(), std::vector<QString>{kQuitRunning});
    EXPECT_EQ(text(*w, "lblCurrentRound"), "2");
    EXPECT_EQ(w->state(), GameWindow::State::Running); // No: the new round goes on
    EXPECT_TRUE(w->isVisible());

    // The same when the round ran out of time; Yes then closes after the round end.
    playRound(*w, 1);
    askedDuringRoundEnd = 99;
    script.then(Answer::Yes);
    ElevensOptions().BonusRoundScore = 5000000;
    platform::ProgramTime::advance(95 * 1000);
    EXPECT_EQ(askedDuringRoundEnd, 1u);
    EXPECT_EQ(script.texts().size(), 2u);
    EXPECT_FALSE(w->isVisible());
    EXPECT_EQ(w->game().state(), ElevensState::GameOver);
    sounds->onWave = nullptr;
    platform::SetAudioBackend(std::move(fixtureAudio));
}

TEST_F(ElevensWindowTest, OnlyARestoreFromMinimisedResumesTheClockAndMusic) {
    auto w = open();
    w->show();
    w->mnuMusic_Click();
    w->cmdPlay()->click();
    ASSERT_EQ(audio->music.size(), 1u);
    playRound(*w, 1);
    platform::ProgramTime::advance(3000);
    EXPECT_EQ(Shared().ElapsedSeconds, 3);

    // Resizing a running game restarts nothing.
    w->resize(700, 520);
    w->resize(650, 500);
    EXPECT_EQ(audio->music.size(), 1u);

    w->setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(w->Timer1()->isEnabled());
    EXPECT_FALSE(audio->playing);
    platform::ProgramTime::advance(5000);
    EXPECT_EQ(Shared().ElapsedSeconds, 3);
    w->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(w->Timer1()->isEnabled());
    EXPECT_EQ(audio->music.size(), 2u);
    platform::ProgramTime::advance(1000);
    EXPECT_EQ(Shared().ElapsedSeconds, 4);

    // A paused game stays paused through minimise, restore and resizing.
    w->cmdPause()->click();
    w->setWindowState(Qt::WindowMinimized);
    w->setWindowState(Qt::WindowNoState);
    w->resize(720, 540);
    EXPECT_FALSE(w->Timer1()->isEnabled());
    EXPECT_EQ(audio->music.size(), 2u);
    EXPECT_EQ(text(*w, "lblMessage"), "Game Paused");
    platform::ProgramTime::advance(5000);
    EXPECT_EQ(Shared().ElapsedSeconds, 4);
}

TEST_F(ElevensWindowTest, ThePointerShowsOverPlayableCardsOnly) {
    auto w = open();
    w->show();
    w->cmdPlay()->click();
    EXPECT_TRUE(w->FieldCardPicture(21)->showsPointer()); // never covered
    EXPECT_FALSE(w->FieldCardPicture(0)->showsPointer()); // under places 3 and 4
    EXPECT_TRUE(w->UpCardPicture()->showsPointer());
    EXPECT_TRUE(w->PlayCardPicture()->showsPointer());
    EXPECT_EQ(w->FieldCardPicture(21)->cursor().hotSpot(), QPoint(13, 1));
    // A click at the centre of a selected card reaches the card through its frame.
    for (int i = 0; i < kFieldPlaces; ++i)
        if (w->game().field().exposed(i) && CardValue(w->game().field().card(i)) < 11) {
            press(w->FieldCardPicture(i));
            EXPECT_TRUE(w->FieldSelectionRectangle(i)->isVisibleTo(w.get()));
            EXPECT_EQ(hitAtCentreOf(*w, w->FieldCardPicture(i)), w->FieldCardPicture(i));
            break;
        }
    while (w->game().pileCount() > 0)
        press(w->PlayCardPicture());
    EXPECT_EQ(w->PlayCardPicture()->pictureKey(), "EMPTY");
    EXPECT_FALSE(w->PlayCardPicture()->showsPointer());
    EXPECT_EQ(text(*w, "lblCardCount"), "Cards: 0");
}

TEST_F(ElevensWindowTest, GamePausedAfterARoundEndIsRedAndWhole) {
    platform::MessageScript script;
    auto w = open();
    w->show();
    w->cmdPlay()->click();
    playRound(*w, 1);
    platform::ProgramTime::advance(90000); // "Times Up!" flashes and leaves it either colour
    ASSERT_EQ(text(*w, "lblCurrentRound"), "2");
    playRound(*w, 1);
    w->cmdPause()->click();
    QLabel* message = w->label("lblMessage");
    EXPECT_EQ(message->text(), "Game Paused");
    EXPECT_TRUE(message->isVisible());
    EXPECT_EQ(ForeColour(message), VbColour(kVbRed));
    EXPECT_EQ(testsupport::CaptionFaults(*w, true).join("\n").toStdString(), "");
}
