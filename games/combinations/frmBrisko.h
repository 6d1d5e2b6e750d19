#pragma once
// The twenty-one combinations game's window: four columns with their totals and Hit buttons,
// the current card and the pile, Pass and Take Score, the '21 Counter' with the round's 21s
// and bonus, the cards used, and the message band over the columns. It shows what
// CombinationsGame holds and paces the tally; the frame supplies the commands, the clock
// pie, the splash, the shared menus and the quit confirmation.

#include "frame/GameWindow.h"
#include "frame/TwentyOneColumnView.h"
#include "games/combinations/CombinationsGame.h"

#include <array>

class CardPicture;
class QFrame;
class QGroupBox;
class QLabel;
class QProgressBar;
class QPushButton;
namespace platform {
class GameTimer;
}

class frmBrisko : public GameWindow {
    Q_OBJECT
  public:
    explicit frmBrisko(QWidget* parent = nullptr);
    ~frmBrisko() override;

    const CombinationsGame& game() const { return game_; }
    CombinationsGame& gameForTests() { return game_; }

    void Form_Load();
    void Form_Resize();

    void cmdHit_Click(int index);
    void cmdPass_Click();
    QPushButton* cmdHit(int index) const { return hits_[size_t(index)]; }
    CardPicture* NextCardPicture() const { return nextCard_; }
    platform::GameTimer* Timer3() const { return timer3_; }
    platform::GameTimer* Timer5() const { return timer5_; }
    QProgressBar* ProgressBar1() const { return bar_; }

    void ShowCards(bool visible) override;
    void ShowPlayControls(bool visible);

  protected:
    void Play() override;
    void AbandonGame() override;
    void PauseGame(bool pause) override;
    void TakeScore() override;
    void Timer1_Timer() override;
    void ReadSettingsINI() override;
    void ShowCustomScoring() override;
    void RefreshPlayCard() override;
    void HoldGameTimers(bool hold) override;
    RulesValues RulesValuesNow() const override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void createControls();
    void registerCaptionRules();
    QLabel* makeLabel(QWidget* parent, const QString& name, const QString& caption, double points,
                      uint32_t colour);
    void layoutControls(int width);
    void centreOver(QWidget* w, const QWidget* reference);

    void Timer3_Timer();
    void Timer5_Timer();
    void ShowScoringMessage(const QString& text, bool keep);
    void showColumn(int column);
    void showDeck();
    void setTotalScore(int32_t score);
    void setValue(const char* name, const QString& text);
    void syncCounter();
    void enableBoard(bool on); // the Hit buttons and Pass
    void enableCommands(bool on);

    void tally(const CombinationsRoundEnd& end);
    void nextRound(const CombinationsRoundEnd& end);
    void gameOver(bool record);
    void failedDeal();

    CombinationsGame game_;
    std::array<TwentyOneColumnView, 4> columns_;
    std::array<QPushButton*, 4> hits_{};
    std::array<QFrame*, 3> lines_{};
    CardPicture* nextCard_ = nullptr;
    CardPicture* pile_ = nullptr;
    QPushButton* cmdPass_ = nullptr;
    QGroupBox* info_ = nullptr;
    QProgressBar* bar_ = nullptr;
    platform::GameTimer* timer3_ = nullptr;
    platform::GameTimer* timer5_ = nullptr;
    bool timersHeld_ = false; // a question, a window or a minimise holds the counter
};
