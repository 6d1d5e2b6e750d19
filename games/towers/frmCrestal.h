#pragma once
// The three-towers game's window: 28 field cards in four rows that form three overlapping
// towers, the stock and the up card below them, the score, round, run, card-count and clock
// displays, and the Clear High Run command. It shows what TowersGame holds, plays the sounds
// it names and paces the round end; the frame supplies the commands, the clock pie, the
// splash, the shared menus and the quit confirmation.

#include "frame/GameWindow.h"
#include "frame/SplashTexts.h"
#include "games/towers/TowersGame.h"

#include <array>

class CardPicture;
class QFrame;

class frmCrestal : public GameWindow {
    Q_OBJECT
  public:
    explicit frmCrestal(QWidget* parent = nullptr);
    ~frmCrestal() override;

    const TowersGame& game() const { return game_; }

    // --- load and layout (frmCrestalLoad.cpp, frmCrestalLayout.cpp) -----------------------
    void Form_Load();
    void Form_Resize();

    // --- the board (frmCrestalBoard.cpp) ---------------------------------------------------
    CardPicture* UpCardImage(int i) const { return fieldPictures_[size_t(i)]; }
    CardPicture* CardStackPicture() const { return stockPicture_; }
    CardPicture* UpCardPicture() const { return upPicture_; }
    void UpCardImage_Click(int index);
    void CardStackPicture_Click();
    void UpCardPicture_Click();
    void mnuClearHighRun_Click();

  protected:
    // --- the frame's hooks (frmCrestalRounds.cpp, frmCrestalLoad.cpp) ----------------------
    void Play() override;
    void AbandonGame() override;
    void PauseGame(bool pause) override;
    void TakeScore() override;
    void Timer1_Timer() override;
    void ReadSettingsINI() override;
    void ShowCustomScoring() override;
    void ShowCards(bool visible) override;
    void ShowControls(bool visible, bool scoresVisible) override;
    void RefreshPlayCard() override;
    void RefreshFieldCards() override;
    RulesValues RulesValuesNow() const override;
    void AddOwnMenuEntry(const QString& token, QMenu* menu) override;

    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool ClockRunning() const override { return game_.clockRunning(); }
    void SetClockRunning(bool on) override;

  private:
    void createControls();
    QLabel* makeLabel(const QString& name, const QString& caption, int left, int top, int width,
                      int height, double points = 8.25, bool bold = true);
    void layoutControls(int width);
    double cardLeft(int index) const { return cardLeft_[size_t(index)]; }

    // Labels that keep themselves centred when their text changes.
    void registerCaptionRules();
    void setMessage(const QString& text);
    void setScoreText(int32_t score);
    void setRoundText(const QString& text);
    void setTimeText(const QString& text);
    void setRunText();

    void showDeal();
    void showCards(bool visible, bool markFaceDown);
    void showFieldCard(int index);
    void updatePointers();
    void playSounds(const std::vector<TowersSound>& sounds);
    void setClock(bool on);
    void initRound();
    void gameOver();

    TowersGame game_;
    std::array<CardPicture*, kTowersFieldCards> fieldPictures_{};
    CardPicture* stockPicture_ = nullptr;
    CardPicture* upPicture_ = nullptr;
    std::array<double, kTowersFieldCards> cardLeft_{}; // twips; halves stay exact
    SplashTexts splashTexts_;
};
