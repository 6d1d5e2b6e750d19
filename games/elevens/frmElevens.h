#pragma once
// The elevens game's window: the field of 22 cards in six tiers, the draw pile and the up
// card, the score, combination, round and card-total gauges, and the elevens menus (card
// goal, selection colour, count-up switch, saved games). It shows what ElevensGame holds,
// plays the sounds it names and paces the round end; the frame supplies the commands, the
// clock pie, the splash, the shared menus and the quit confirmation.

#include "frame/GameWindow.h"
#include "frame/SettingsTable.h"
#include "frame/SplashTexts.h"
#include "games/elevens/ElevensGame.h"

#include <array>

class CardPicture;
class QFrame;
class SelectionFrame;

class frmElevens : public GameWindow {
    Q_OBJECT
  public:
    explicit frmElevens(QWidget* parent = nullptr);
    ~frmElevens() override;

    const ElevensGame& game() const { return game_; }

    // --- load and layout (frmElevensLayout.cpp, frmElevensLoad.cpp) -----------------------
    void Form_Load();
    void Form_Resize();

    // --- the board (frmElevensDisplay.cpp) -------------------------------------------------
    CardPicture* FieldCardPicture(int i) const { return fieldPictures_[size_t(i)]; }
    SelectionFrame* FieldSelectionRectangle(int i) const { return fieldFrames_[size_t(i)]; }
    CardPicture* PlayCardPicture() const { return pilePicture_; }
    CardPicture* UpCardPicture() const { return upPicture_; }
    SelectionFrame* UpCardSelectionRectangle() const { return upFrame_; }

    void FieldCardPicture_Click(int index);
    void UpCardPicture_Click();
    void PlayCardPicture_Click();
    void FieldCardPicture_MouseMove(int index);
    void UpCardPicture_MouseMove();
    void PlayCardPicture_MouseMove();

    void RefreshPlayCard() override;
    void RefreshFieldCards() override;
    void FieldCardDisplay(bool visible = true);
    void SelRectangle(bool visible = true);
    void ShowLowerCards(bool visible);
    void CardTotalVisible(bool visible);
    void DisableCommandButtons(bool disable);
    void SetCardValues(bool enhanced);

    // --- menus (frmElevensMenus.cpp, frmElevensSavedGames.cpp) ------------------------------
    void GoalItem_Click(int goal);
    void mnu10_Click() { GoalItem_Click(10); }
    void mnu11_Click() { GoalItem_Click(11); }
    void mnu12_Click() { GoalItem_Click(12); }
    void mnu13_Click() { GoalItem_Click(13); }
    void mnu14_Click() { GoalItem_Click(14); }
    void mnu15_Click() { GoalItem_Click(15); }
    void ColourItem_Click(int index);
    void mnuYellow_Click() { ColourItem_Click(0); }
    void mnuRed_Click() { ColourItem_Click(1); }
    void mnuBlue_Click() { ColourItem_Click(2); }
    void mnuGreen_Click() { ColourItem_Click(3); }
    void mnuPurple_Click() { ColourItem_Click(4); }
    void mnuBlack_Click() { ColourItem_Click(5); }
    void mnuDrawTimer_Click();
    void SelectionColor(int index);
    void ClearColorCheck();
    void ShowTimerRect(bool show);
    void mnuSave_Click();
    void mnuOpen_Click();
    // Reads a saved game and replays it; false after the failure message.
    bool OpenSavedGame(const QString& fileName);
    // The first activation in the run opens the saved game named on the command line.
    void Form_Activate();

  protected:
    // --- the frame's hooks (frmElevensRounds.cpp) ------------------------------------------
    void Play() override;
    void AbandonGame() override;
    void PauseGame(bool pause) override;
    void TakeScore() override;
    void TakeScoreWhileIdle() override;
    void Timer1_Timer() override;
    void ReadSettingsINI() override;
    void ShowCustomScoring() override;
    RulesValues RulesValuesNow() const override;
    void AddOwnMenuEntry(const QString& token, QMenu* menu) override;

    // Deals the first round of a new game; false when the cards could not be dealt.
    virtual bool DealNewGame() { return game_.play(); }

    bool ClockRunning() const override { return game_.clockRunning(); }
    void SetClockRunning(bool on) override;

    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // Controls and layout.
    void createControls();
    void createGauge(const QString& rectangle, const QString& side, const QString& bottom);
    QLabel* makeLabel(const QString& name, const QString& caption, double points, bool bold,
                      const QString& family = QString());
    void layoutControls(int width, int height);
    int columnCentre(int column) const;
    void centreOnColumn(QWidget* w, int column);
    void centreIn(QLabel* l, const char* rectangle, bool rounded);
    void placeGaugeBevels(const char* rectangle, const char* side, const char* bottom,
                          int bottomInset);
    // Where lblMessage stands, chosen by whoever writes it.
    enum class MessageSpot {
        AtPile,             // level with the pile: the time-up and the pause messages
        UnderField,         // under the field: the bonuses and the announcements
        UnderFieldThenPile, // the game's result: under the field, level with the pile after
                            // a resize
    };
    void placeMessage(bool resizing = false);
    void placeTimeLabel();

    // Labels whose text changes move and colour themselves.
    void setMessage(const QString& text, MessageSpot place = MessageSpot::UnderField);
    void setScoreText(int32_t score);
    void setValueText(const char* name, const QString& text);

    // The board.
    void showBoard();
    void updatePointers();
    void showDeal(bool newGame);
    void applyClick(const ElevensClick& click);
    void playSounds(const std::vector<ElevensSound>& sounds);
    void showGauges(bool visible);

    // The round end.
    void blinkMessage(int times);
    void showBonus(const RoundBonus& bonus);
    void nextRound(RoundOutcome outcome);
    void gameOver(bool afterBonus);
    void showGameOverMessage();
    void offerReplay(const QString& tip);
    void setClock(bool on);

    // Settings.
    // The window's side of each key read: its menu items and the goal's caption.
    SettingsHooks settingsHooks();
    void setGoalChecks(int goal);

    QAction* action(const QString& name) const;

    ElevensGame game_;
    MessageSpot messageSpot_ = MessageSpot::UnderField;
    std::array<CardPicture*, 22> fieldPictures_{};
    std::array<SelectionFrame*, 22> fieldFrames_{};
    CardPicture* pilePicture_ = nullptr;
    CardPicture* upPicture_ = nullptr;
    SelectionFrame* upFrame_ = nullptr;
    // Where the layout put the field places and the pile, in twips.
    std::array<int, 22> slotLeft_{};
    std::array<int, 22> slotTop_{};
    int pileTop_ = 4695;
    SplashTexts splashTexts_;
    QMenu* goalMenu_ = nullptr;
    QMenu* colourMenu_ = nullptr;
};
