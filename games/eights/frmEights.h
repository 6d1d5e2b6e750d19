#pragma once
// The wild-eights game's window: the deck, five lower spots, three upper spots with their
// values, the move timer between them, the score and round boxes and the clock. It shows
// what EightsGame holds, plays the sounds it names and paces the round end; the frame
// supplies the commands, the clock pie, the splash, the shared menus and the quit question.

#include "frame/GameWindow.h"
#include "games/eights/EightsGame.h"

#include <array>

class CardPicture;
class QProgressBar;
class SelectionFrame;

// A red line of 5 pixels across a widget's rectangle, from one corner to the other.
class CrossLine : public QWidget {
    Q_OBJECT
  public:
    CrossLine(const QString& name, bool falling, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool falling_; // top left to bottom right, else bottom left to top right
};

class frmEights : public GameWindow {
    Q_OBJECT
  public:
    explicit frmEights(QWidget* parent = nullptr);
    ~frmEights() override;

    const EightsGame& game() const { return game_; }

    void Form_Load();
    void Form_Resize();

    // --- the board ------------------------------------------------------------------------
    CardPicture* imgPlayCard(int spot) const { return lower_[size_t(spot - 1)]; }
    CardPicture* imgUpperCard(int spot) const { return upper_[size_t(spot - 1)]; }
    SelectionFrame* FieldSelectionRectangle(int spot) const { return frames_[size_t(spot - 1)]; }
    QLabel* DeckCards() const;
    QProgressBar* ProgressBar1() const { return progress_; }
    platform::GameTimer* Timer5() const { return timer5_; }
    platform::GameTimer* Timer6() const { return timer6_; }
    platform::GameTimer* Timer7() const { return timer7_; }

    void imgPlayCard_Click(int spot);
    void imgUpperCard_Click(int spot);
    void Timer5_Timer();
    void Timer6_Timer();
    void Timer7_Timer();

  protected:
    // --- the frame's hooks ----------------------------------------------------------------
    void Play() override;
    // The round end of the time limit (the window offers no Take Score).
    void TakeScore() override;
    void AbandonGame() override;
    void PauseGame(bool pause) override;
    void Timer1_Timer() override;
    void ReadSettingsINI() override;
    void ShowCustomScoring() override;
    void ShowCards(bool visible) override;
    RulesValues RulesValuesNow() const override;
    void HoldGameTimers(bool hold) override;

    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

  private:
    // Controls and layout (frmEightsControls.cpp).
    void createControls();
    QLabel* makeLabel(const QString& name, const QString& caption, double points,
                      const QString& family = QString());
    void layoutControls(int width, int height);
    // Captions that keep their label centred where it belongs.
    void setCaption(const QString& name, const QString& text);
    void registerCaptionRules(); // once, after the first layout
    void CenterMessage();
    void ResetBoardLabels(bool visible);
    void showSpots();
    void showDeckPicture();
    void startTimer6();

    // Rounds (frmEightsRounds.cpp).
    void InitRound();
    void EndRound(bool deckCompleted);
    void EndOfGame();
    void timeUp(); // "Times Up!" before the round end
    void announce(const QString& message);
    void failedDeal();

    EightsGame game_;
    std::array<CardPicture*, 5> lower_{};
    std::array<CardPicture*, 3> upper_{};
    std::array<SelectionFrame*, 5> frames_{};
    QProgressBar* progress_ = nullptr;
    CrossLine* x1_ = nullptr;
    CrossLine* x2_ = nullptr;
    platform::GameTimer* timer5_ = nullptr;
    platform::GameTimer* timer6_ = nullptr;
    platform::GameTimer* timer7_ = nullptr;

    // The move timer was stepping when a question or a minimise held it.
    bool moveTimerHeld_ = false;
};
