#pragma once
// The frame every game window is built on: the Play, Pause, Take Score and Exit commands,
// the Options and Help menus with their time-limit, card-back, sound and music items, the
// round-clock pie and gauges, the bonus count-ups, the shared end of a game, the status-bar
// clock, the idle splash, and the quit confirmation that returns to the launcher.
//
// A game derives from GameWindow, passes its GameDescriptor (with the window's profile), lays
// out its own board and the frame's controls, and implements the hooks below. A window keeps
// one state of play: that of the game's rules where it names them (UsePlayModel), else the
// frame's own. The commands act on it and the captions the player sees follow it.

#include "dialogs/RulesText.h"
#include "frame/GameProfile.h"
#include "frame/PlayModel.h"
#include "frame/PlayState.h"
#include "frame/RoundClock.h"
#include "frame/SettingsTable.h"
#include "platform/MessageBox.h"
#include "services/GameRegistry.h"

#include <QMainWindow>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class QAction;
struct ScoringForm;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class StatusPanels;
namespace platform {
class GameTimer;
}

class GameWindow : public QMainWindow {
    Q_OBJECT
  public:
    using State = PlayState;

    explicit GameWindow(const GameDescriptor& game, QWidget* parent = nullptr);
    ~GameWindow() override;

    const GameDescriptor& descriptor() const { return game_; }
    const GameProfile& profile() const { return profile_; }
    State state() const { return play_->state(); }
    // A game is under way: running, paused or being scored.
    bool gameRunning() const;
    bool inRoundEnd() const { return roundEndDepth_ > 0; }

    // --- controls (by their window names) -------------------------------------------
    QLabel* label(const QString& name) const; // nullptr when the window has none
    QAction* item(const QString& name) const;
    QMenu* menu(const QString& name) const;
    QPushButton* button(const QString& name) const;
    ClockSurface* Surface() const { return surface_; }
    QFrame* frmSplash() const { return frmSplash_; }
    QLabel* imgSplashImage(int index) const { return splash_[size_t(index)]; }
    QPushButton* cmdPlay() const { return cmdPlay_; }
    QPushButton* cmdPause() const { return cmdPause_; }
    QPushButton* cmdTakeScore() const { return cmdTakeScore_; } // nullptr when absent
    QPushButton* quitButton() const { return quitButton_; }
    platform::GameTimer* Timer1() const { return timer1_; }
    platform::GameTimer* Timer2() const { return timer2_; }
    platform::GameTimer* StatusClockTimer() const { return statusClock_; } // Timer3 / Timer6
    platform::GameTimer* Timer4() const { return timer4_; }
    QString statusText(int panel) const; // panels 1 to 3, and 4 (the date) where there is one
    void setStatusText(int panel, const QString& text); // panels 1 to 3

    // --- commands -------------------------------------------------------------------
    void cmdPlay_Click();
    void mnuPlay_Click();
    void cmdPause_Click();
    void mnuPause_Click();
    void cmdTakeScore_Click();
    void mnuTakeScore_Click();
    void cmdExit_Click(); // the quit button, cmdExit or cmdQuit
    void mnuExit_Click();
    // What Exit and the desktop's close come to: the question, and on Yes the settings saved,
    // the window closed and the launcher shown. During a round end it is asked once the round
    // has been scored; while the question is already open it changes nothing. True when the
    // window closed.
    bool requestQuit();
    // The question and what its answer does; `cancel` keeps the window open.
    void Form_Unload(bool& cancel);

    // --- menu entries ---------------------------------------------------------------
    void mnuView_Click();
    void mnuClear_Click();
    void mnuCustom_Click();
    void mnuRules_Click();
    void mnuAbout_Click();
    void TimeItem_Click(int seconds);
    void CardBack_Click(CardBack design);
    void mnuPalm_Click() { CardBack_Click(PalmTree); }
    void mnuMagic_Click() { CardBack_Click(MagicHands); }
    void mnuNight_Click() { CardBack_Click(NightCastle); }
    void mnuHot_Click() { CardBack_Click(HotCards); }
    void ClearBackgroundMenuChecks();
    void mnuMusic_Click();
    void mnuSounds_Click();

    // --- timers ---------------------------------------------------------------------
    void Timer2_Timer();
    void StatusClock_Timer();
    void Timer4_Timer();

    // --- services for the game's code ---------------------------------------------------
    void InitClock();
    void DrawClock(int degrees);
    int ClockDegreesFor(int seconds) const; // against the current TimeLimit
    const RoundClock& clock() const { return clock_; }
    void ShowTimerGauge(bool visible);
    // A gauge named X: lblX, XRectangle, XBevelSide, XBevelBottom and lblCurrentX.
    void ShowGauge(const QString& name, bool visible);
    void ShowRoundGauge(bool visible) { ShowGauge("Round", visible); }
    void CountTimeBonus(int32_t pointsPerSecond);
    void CountBonus(int32_t count, int32_t pointsEach, const QString& message);
    // Adds `amount` to the score in steps of `step` (the last step what remains), the score
    // label following and lblScoring showing what is still to come; `sound` (when sounds are
    // on) and a pause of `pauseMs` after each step.
    void CountUp(int64_t amount, int64_t step, int pauseMs = 75,
                 const QString& sound = QStringLiteral("Snap.wav"));
    // The shared end of a game: back to idle, then the high-score check; Play and the quit
    // button come back after it or, where the profile says so, with the splash.
    void EndGame(const QString& tableName, const QString& defaultTop);
    // The same with the game's table and its end-of-game top score.
    void EndGame();
    // The table's top score in lblHighScore, placed by the label's rule where the window
    // registered one.
    void ShowTopScore(const QString& tableName, const QString& defaultTop);
    // The same for the window's table, with the top score a new table gets.
    void ShowTopScore();
    // For games that end in their own code: the high-score check against the window's table,
    // then its top score as the end of a game shows it.
    void RecordHighScore();
    // For games that end in their own code: the frame's commands back to idle, and a game
    // still under way ends in `to` (Idle where it was given up or could not go on). Play and
    // the quit button come back here or, where the profile says so, with the splash.
    void GameFinished(State to = State::GameOver);
    // Play, the quit button and their items back now, for an ending that gives them back
    // before its result is shown although the window's profile waits for it.
    void GivePlayBack() { givePlayBack(true); }
    // Pause and its item offered or withdrawn while a game is under way, for a game that
    // withdraws them between its rounds. A paused game keeps its Resume, and a game no longer
    // under way is offered no pause.
    void OfferPause(bool on);
    // Scores a round: the clocks stop, clicks and keys on the window are dropped (also those
    // that queued up meanwhile), a close request waits until the end.
    void RunRoundEnd(const std::function<void()>& scoring);
    // A round end that a timer causes (the clock at the limit, a game's own timer). Under a
    // question or window that left the round running it waits, with the clock and the game's
    // timers held, and runs once after the answer; it is dropped when the round ends another
    // way, a new round is dealt, or the game ends or is given up.
    void TimerEndsRound(const std::function<void()>& roundEnd);
    // The clock reached the limit: the lead-in ("Times Up!" and what the game shows) and the
    // round end as one, as if Take Score had been pressed; `after` still belongs to it. It
    // ends the round through TimerEndsRound.
    void TimeUp(const std::function<void()>& leadIn, const std::function<void()>& after = {});
    // Play could not start the game: the message, then the window is idle again with its
    // clocks stopped.
    void FailPlay(const QString& message, platform::Buttons buttons = platform::Buttons::OK);
    // Splash panel shown and animated, or hidden and still. Shown once no game is under way,
    // it brings Play and the quit button back with it.
    void ShowSplash(bool visible);
    // "Welcome to " and the title, with the window's own blanks: status-bar panel 1.
    QString WelcomeText() const;
    // The load steps every window shares: defaults, status bar, load time, splash.
    void LoadFrameDefaults();
    // Apply stored settings through the menu items; values no item offers fall back to the
    // game's default item.
    void ApplyStoredTimeLimit(int seconds);
    void ApplyStoredDeckDesign(int number);
    // Set by the settings reader: flag and check mark together, nothing started.
    void SetMusicSwitch(bool on);
    void SetSoundsSwitch(bool on);

    // What a confirmed quit does last: the launcher sets it to show itself again.
    static void SetReturnToLauncher(std::function<void()> back);

    // Test seam: replaces the high-score insertion of the shared end of game; returns the
    // previous one (an empty function restores InsertHighScore).
    using HighScoreInsert = std::function<bool(const QString& tableName, QWidget* window)>;
    static HighScoreInsert SetHighScoreInsertForTests(HighScoreInsert insert);

  protected:
    // --- hooks a game implements ----------------------------------------------------
    // Starts a new game; the frame has already set the commands for a running game.
    virtual void Play() = 0;
    // The player confirmed ending the game in progress: back to idle, no high-score check.
    virtual void AbandonGame() = 0;
    // Hides or shows the board and stops or restarts the game's own timers besides Timer1;
    // the state, with the game's rules, has already been paused or resumed.
    virtual void PauseGame(bool pause) { (void)pause; }
    // Ends the round (Take Score, or the clock at the limit); runs inside RunRoundEnd.
    virtual void TakeScore() {}
    // The Take Score command while no game runs (a game may offer a replay there).
    virtual void TakeScoreWhileIdle() {}
    // The one-second game clock.
    virtual void Timer1_Timer() {}
    virtual void ReadSettingsINI() {}
    // By default the profile's settings table, written with the window as it is.
    virtual void WriteSettingsINI();
    // By default whether the profile's settings table holds other than its defaults.
    virtual void CheckForCustom();
    virtual void ShowCustomScoring() {}
    // Shows the game's custom-scoring form modally over the window; without a mark of its own
    // the form's custom mark is CheckForCustom.
    void ShowScoringForm(ScoringForm form);
    // Reads the profile's settings table: its rows (with `hooks` run for their values), then
    // what `more` adds, then the window's blocks; a missing file is first written with the
    // defaults and the window as it is. Then, read or refused, the time limit, card back, music
    // and sounds are applied from their variables through their menu items. False when the
    // file could not be read.
    bool LoadSettingsFile(const SettingsHooks& hooks = {},
                          const std::function<void(SettingsReader&)>& more = {});
    // The time-limit, card-back, music and sound items set from their variables.
    void ShowStoredMenuMarks();
    // The window's music, for the frame and the game alike: asked for while the window is
    // minimised, it waits for the restore, which starts it; a stop meanwhile cancels it.
    int PlayMusic();
    int StopMusic();
    // Called by the shared end of game.
    virtual void ShowCards(bool visible) { (void)visible; }
    virtual void ShowControls(bool visible, bool scoresVisible) {
        (void)visible;
        (void)scoresVisible;
    }
    // Redraw after a card-back change (where the profile asks for it).
    virtual void RefreshPlayCard() {}
    virtual void RefreshFieldCards() {}
    // Unchecks every time-limit item.
    virtual void ClearTimeCheck();
    // After a time item set TimeLimit (the game's own derived values).
    virtual void TimeLimitChanged() {}
    // The high-score table of the menus and time items.
    virtual QString HighScoreTableName() const;
    // The values the rules text quotes: the game's defaults with the program-wide values in
    // force; a game overrides it to add its own settings.
    virtual RulesValues RulesValuesNow() const;
    // The round clock as the game runs it (a game may start it later than the deal).
    virtual bool ClockRunning() const;
    virtual void SetClockRunning(bool on);
    // The game's own timers besides Timer1 and Timer2, stopped while the window is minimised
    // or a round end waits for a question or window. Each hold is given back once, when the
    // round runs on or the end runs or is dropped: a game starts again only what its state
    // still runs.
    virtual void HoldGameTimers(bool hold) { (void)hold; }
    // The points of the round, multiplied into the time bonus where the profile says so.
    virtual int32_t RoundPoints() const { return 0; }
    // Adds an entry of the game's own to a frame menu, for a token of the profile's layout.
    virtual void AddOwnMenuEntry(const QString& token, QMenu* menu) {
        (void)token;
        (void)menu;
    }

    // Builds the menus from the profile's layout; call once the game can add its entries.
    void BuildMenus();
    // The game's rules keep the window's state: the frame pauses and resumes them, and its
    // commands read them. Called once, by a window whose game has a rules class.
    void UsePlayModel(PlayModel& model) { play_ = &model; }

    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Runs a question or modal window; a round end a timer causes meanwhile waits for it.
    void askOverRound(const std::function<void()>& ask);
    // Once no question or window is open: the round end that waited, as if it came now.
    void runDueRoundEnd();
    // The waiting round end no longer belongs to a round in play; `release` gives the game its
    // timers back, for it to run them as its state says.
    void dropDueRoundEnd(bool release = true);
    bool inputDropped() const;
    // A round that runs while the window is minimised waits for the restore: its clock and
    // its timers held. False when nothing is held.
    bool holdIfMinimised();
    // Timer1: a clock the game started while the window was minimised waits too.
    void clockTick() {
        if (!holdIfMinimised()) Timer1_Timer();
    }
    // A menu or other pop-up the player left open closes: the round end shows, and takes
    // nothing from it.
    void closeOwnPopups();
    // The state the commands act on: a round end under way, whatever the game reports.
    State commandState() const;
    void takeScoreCommand(bool fromButton, bool timeUp, const std::function<void()>& leadIn,
                          const std::function<void()>& after);
    void createControls();
    void createTimers();
    QAction* addItem(QMenu* menu, const MenuEntry& entry, void (GameWindow::*handler)());
    void addMenuToken(const QString& token, QMenu* menu);
    bool gated(unsigned gate) const;
    // The name entry and the table window when the score beats a row of the table; a table
    // gone missing is made first with `defaultTop`.
    void insertHighScore(const QString& tableName, const QString& defaultTop);
    void playCommand(bool fromMenu);
    void pauseCommand(unsigned gate);
    void startNewGame(bool fromMenu);
    void abandonGame();
    // Back to idle or to the game's result, all but Play and the quit button.
    void resetCommands(State to);
    // Play, the quit button and their items, once no game is under way and the window's
    // profile lets them come back; `resultShown`: the game's result is over, whatever the
    // profile waits for.
    void givePlayBack(bool resultShown);
    // False when the game's rules refused: nothing changed.
    bool setPaused(bool pause);
    // The button Return presses where no other has the focus: Play, or none.
    QPushButton* defaultButton() const { return profile_.playIsDefault ? cmdPlay_ : nullptr; }
    bool pauseForQuestion();
    void resumeAfterQuestion(bool pausedHere);
    void withPause(PauseAround form, const std::function<void()>& show);
    QString quitQuestion() const;
    QLabel* makeLabel(const QString& name, const QString& caption = QString());

    const GameDescriptor& game_;
    const GameProfile& profile_;
    PlayModel framePlay_; // the state of a window whose game names no rules of its own
    PlayModel* play_ = &framePlay_;
    bool pauseShown_ = false; // the state label shows what the pause put there
    int commandResets_ = 0;   // to see whether a game's own end reset the commands
    int roundEndDepth_ = 0;
    bool closePending_ = false; // a quit asked for during a round end, asked after it
    bool quitAsking_ = false;   // the quit question is open
    bool quitQueued_ = false;   // the desktop's close, to be asked from the event loop
    int questionsOpen_ = 0;
    std::function<void()> dueRoundEnd_;    // empty while no round end waits
    std::vector<QObject*> offWhilePaused_; // commands the pause switched off
    bool unloaded_ = false;
    bool playing_ = false; // Play is dealing
    // Minimised during a round: what runs again on the restore.
    bool minimised_ = false;
    bool minimiseHeld_ = false; // the round's clock and timers are held for the restore
    bool clockBeforeMinimise_ = false;
    bool musicWanted_ = false; // played and not stopped since, whether heard or held

    RoundClock clock_;
    ClockSurface* surface_ = nullptr;
    QFrame* frmSplash_ = nullptr;
    std::array<QLabel*, 4> splash_{};
    std::array<QLabel*, 4> panels_{}; // the fourth only with a date panel
    StatusPanels* statusPanels_ = nullptr;
    QPushButton* cmdPlay_ = nullptr;
    QPushButton* cmdPause_ = nullptr;
    QPushButton* cmdTakeScore_ = nullptr;
    QPushButton* quitButton_ = nullptr;
    platform::GameTimer* timer1_ = nullptr;
    platform::GameTimer* timer2_ = nullptr;
    platform::GameTimer* statusClock_ = nullptr;
    platform::GameTimer* timer4_ = nullptr;
    std::map<QString, QAction*> items_;
    std::map<QString, QMenu*> menus_;

    // Idle splash animation, kept for the life of the window.
    int SplashIndex_ = 0;
    bool SplashForward_ = false;
    bool SplashShowBack_ = false;
};
