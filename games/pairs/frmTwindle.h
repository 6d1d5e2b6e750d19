#pragma once
// The Twindle window: five overlapping rows of cards, the stack and the up card, the pairs,
// runs, score and round boxes and the round clock. It shows what PairsGame holds, plays the
// sounds it names and paces the round end; the frame supplies the commands, the clock pie,
// the splash, the shared menus and the quit confirmation.

#include "frame/DesignLabel.h"
#include "frame/GameWindow.h"
#include "frame/SplashTexts.h"
#include "games/pairs/PairsGame.h"

#include <array>

class CardPicture;
class SelectionFrame;

class frmTwindle : public GameWindow {
    Q_OBJECT
  public:
    explicit frmTwindle(QWidget* parent = nullptr);
    ~frmTwindle() override;

    const PairsGame& game() const { return game_; }

    // --- load and layout (frmTwindleLoad.cpp, frmTwindleLayout.cpp) ----------------------
    void Form_Load();
    void Form_Resize();

    // --- the board (frmTwindleBoard.cpp) -------------------------------------------------
    CardPicture* PlayCard(int i) const { return cards_[size_t(i)]; }
    SelectionFrame* FieldSelectionRectangle(int i) const { return frames_[size_t(i)]; }
    QLabel* CardStackPicture() const;
    void PlayCard_Click(int index);
    void CardStackPicture_Click();

    void ShowCards(bool visible) override;
    void ShowControls(bool visible, bool scoresVisible = false) override;

  protected:
    // --- the frame's hooks (frmTwindleRounds.cpp) -----------------------------------------
    void Play() override;
    void AbandonGame() override;
    void PauseGame(bool pause) override;
    void TakeScore() override;
    void Timer1_Timer() override;
    void RefreshPlayCard() override;
    void ReadSettingsINI() override;
    void ShowCustomScoring() override;
    RulesValues RulesValuesNow() const override;

    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Controls and layout.
    void createControls();
    QLabel* makeLabel(const QString& name, const QString& caption, double points, bool bold,
                      const QString& family = kDesignSans);
    void createBox(const char* box, const char* heading, const char* headingCaption,
                   const char* count, int rectTop, int headingTop, int countTop, bool filled);
    void layoutControls(int width, int height);
    void placeBox(const char* box, double left, double bottomInset, const char* heading,
                  const char* count);
    void registerCaptionRules();

    // Labels whose text changes centre themselves again.
    void setText(const char* name, const QString& text);
    void setMessage(const QString& text);

    // The board.
    void showBoard();
    void showPlace(int place);
    void showStack(const QString& key);
    void playSounds(const std::vector<PairsSound>& sounds);
    void afterClick(const PairsClick& click);

    // Rounds.
    void InitRound();
    bool dealRound(bool first);
    void setRoundButtons(bool on);
    void countPairsOrRuns(const PairsBonus& bonus, const char* countLabel);
    void gameOver();
    void setClock(bool on);

    void updateHeadings();

    PairsGame game_;
    SplashTexts splashTexts_;
    QString stackKey_; // the stack's picture: "FULL", "HALF", "BACK" or "EMPTY"
    std::array<CardPicture*, kBoardPlaces> cards_{};
    std::array<SelectionFrame*, kBoardPlaces> frames_{};
};
