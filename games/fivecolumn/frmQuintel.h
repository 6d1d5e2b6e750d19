#pragma once
// The five-column game's window: five columns of up to five cards with their Hit buttons,
// the next card and the pile, the pass and round-end buttons, the sum of the columns beside
// its score table, the falling time bonus inside the clock, and the big round message. It
// shows what FiveColumnGame holds and paces the round end; the frame supplies the commands,
// the clock pie, the splash, the shared menus and the quit confirmation.

#include "frame/GameWindow.h"
#include "frame/TwentyOneColumnView.h"
#include "games/fivecolumn/FiveColumnGame.h"

#include <array>

class CardPicture;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

class frmQuintel : public GameWindow {
    Q_OBJECT
  public:
    explicit frmQuintel(QWidget* parent = nullptr);
    ~frmQuintel() override;

    const FiveColumnGame& game() const { return game_; }
    // Tests deal their own decks.
    FiveColumnGame& gameForTests() { return game_; }

    // --- load and layout (frmQuintelLoad.cpp, frmQuintelLayout.cpp) ----------------------
    void Form_Load();
    void Form_Resize();

    // --- the board (frmQuintelRounds.cpp) ------------------------------------------------
    void cmdHit_Click(int index);
    void cmdPass_Click();
    void cmdGiveUp_Click();
    CardPicture* ColumnImage(int column, int row) const {
        return columns_[size_t(column)].card(row);
    }
    CardPicture* NextCardPicture() const { return nextCard_; }
    QPushButton* cmdHit(int index) const { return hits_[size_t(index)]; }

    void ShowCards(bool visible) override;
    void ShowGraphics(bool visible);
    void ShowHitButtons(bool visible);
    void ShowScoringLabel(bool visible);
    void CenterScoringLabel();

  protected:
    // --- the frame's hooks ---------------------------------------------------------------
    void Play() override;
    // The round end: scores the round and deals the next or ends the game.
    void TakeScore() override;
    void AbandonGame() override;
    void PauseGame(bool pause) override;
    void Timer1_Timer() override;
    void ReadSettingsINI() override;
    void ShowCustomScoring() override;
    RulesValues RulesValuesNow() const override;

    void resizeEvent(QResizeEvent* event) override;

  private:
    // Controls and layout (frmQuintelControls.cpp, frmQuintelLayout.cpp).
    void createControls();
    QLabel* makeLabel(const QString& name, const QString& caption, double points, bool bold,
                      uint32_t colour);
    void layoutControls(int width, int height);
    void centreOver(QWidget* w, const QWidget* reference);
    void ResizeColumnHeaders();
    void CenterTimeBonus();

    // Labels whose text changes move, format or colour themselves.
    void setCurrentTotal(int total);
    void setTotalScore(int32_t score);
    void setTimeBonus(const QString& shown);
    void setScoringText(const QString& text, uint32_t colour);
    void HighlightScoreTable(int total);

    // The board's display.
    void showRound();
    void clearBoard();
    void showColumn(int column);
    void showNextCard();
    void closeColumns();

    // The round end.
    // The round end the player's own moves bring about (the time-up takes the frame's path).
    void endRound();
    void showRoundScore(const FiveColumnRoundEnd& end);
    // The round total and its amount side by side in the middle of the outline, the info line
    // under them.
    void placeRoundTotal();
    void showFailure(const QString& text);
    void nextRound(const FiveColumnRoundEnd& end);
    void gameOver();
    void toIdle();
    void failedDeal();
    void enableDeckMenu(bool on);

    FiveColumnGame game_;
    std::array<TwentyOneColumnView, 5> columns_;
    std::array<QFrame*, 5> lines_{};
    std::array<QPushButton*, 5> hits_{};
    CardPicture* nextCard_ = nullptr;
    QLabel* pile_ = nullptr;
    QPushButton* cmdPass_ = nullptr;
    QPushButton* cmdGiveUp_ = nullptr;
    QGroupBox* frmScore_ = nullptr;
    std::vector<std::pair<QLabel*, QLabel*>> scoreRows_; // total and points, top to bottom
};
