#pragma once
// The poker grid game's window: the five-by-five grid of card places with the hand of each
// row beside it and of each column under it, the deck and the hole card, the score, the
// overwrites left, the cards left and the points of the round. It shows what PokerGridGame
// holds, plays the sounds it names and paces the round end; the frame supplies the commands,
// the clock pie, the splash, the shared menus and the quit confirmation.

#include "frame/GameWindow.h"
#include "frame/SplashTexts.h"
#include "games/pokergrid/PokerGridGame.h"

#include <array>

class CardPicture;

class frmScramble : public GameWindow {
    Q_OBJECT
  public:
    explicit frmScramble(QWidget* parent = nullptr);
    ~frmScramble() override;

    const PokerGridGame& game() const { return game_; }

    // --- load and layout (frmScrambleLoad.cpp, frmScrambleLayout.cpp) ----------------------
    void Form_Load();
    void Form_Resize();
    void CenterScoringLabel();
    void CenterTimeBonus();

    // --- the grid (frmScrambleGrid.cpp) ---------------------------------------------------
    CardPicture* PlayCards(int index) const { return cells_[size_t(index)]; }
    CardPicture* HoleCard() const { return hole_; }
    QLabel* CardStackPicture() const;
    QLabel* lblRow(int index) const { return rows_[size_t(index - 1)]; } // 1 to 5
    QLabel* lblCol(int index) const { return columns_[size_t(index - 1)]; }
    void PlayCards_Click(int index);
    void CardStackPicture_Click();

  protected:
    // --- the frame's hooks (frmScrambleRounds.cpp) ---------------------------------------
    void Play() override;
    void AbandonGame() override;
    void PauseGame(bool pause) override;
    void Timer1_Timer() override;
    // The round end of the time limit (the window offers no Take Score).
    void TakeScore() override;
    void ShowCards(bool show) override;
    void ShowControls(bool playing, bool clockShown) override;
    int32_t RoundPoints() const override { return game_.roundPoints(); }
    // frmScrambleLoad.cpp
    void ReadSettingsINI() override;
    void ShowCustomScoring() override;
    RulesValues RulesValuesNow() const override;

    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Controls.
    void createControls();
    QLabel* makeLabel(const QString& name, const QString& caption, double points, bool bold,
                      const QString& family = QString());
    void placeLabel(const char* name, double left, double top);
    void centreOn(QWidget* w, const QWidget* on);

    // Labels whose text changes move and colour themselves.
    void setHandLabel(int line, PokerHand hand);
    void setOverWritesText(int left);
    void placeOverWrites();
    void placeRowLabel(int row);
    void setScoreText(int32_t score);
    void setRoundText(const QString& text);
    void setTimeBonusText(int seconds);
    void setPointsText(int32_t points);

    // The grid.
    void showDeal();
    void showDeckAndHole();
    void Reset(bool idle);
    void playSounds(const QStringList& waves);

    // The round end.
    void NextRound(bool timeUp);
    void startRoundClock();
    void blinkScoringLabel(int times);
    void backToIdle();

    PokerGridGame game_;
    std::array<CardPicture*, kGridCells> cells_{};
    std::array<QLabel*, 5> rows_{};
    std::array<QLabel*, 5> columns_{};
    CardPicture* hole_ = nullptr;
    // The mark of each place: a face was put there this round (its single-line border).
    std::array<bool, kGridCells> marked_{};
    bool resizing_ = false;
    SplashTexts splashTexts_;
};
