#pragma once
// The trips-and-runs game's window: the storage row, the playing field of four columns of
// three, the up row with the deck, the trips, runs and score gauges and the clock. It shows
// what TripsGame holds, plays the sounds it names and paces the round end; the frame supplies
// the commands, the clock pie, the splash, the shared menus and the quit confirmation.

#include "frame/GameWindow.h"
#include "frame/SplashTexts.h"
#include "games/trips/TripsGame.h"

#include <array>
#include <functional>

class CardPicture;
class QFrame;
class SelectionFrame;

class frmTrip : public GameWindow {
    Q_OBJECT
  public:
    explicit frmTrip(QWidget* parent = nullptr);
    ~frmTrip() override;

    const TripsGame& game() const { return game_; }
    TripsGame& gameForTests() { return game_; }

    void Form_Load();
    void Form_Resize();

    CardPicture* PlayCard(int i) const { return field_[size_t(i)]; }
    SelectionFrame* PlayCardSelection(int i) const { return fieldFrames_[size_t(i)]; }
    CardPicture* TempCard(int i) const { return storage_[size_t(i)]; }
    SelectionFrame* TempCardSelection(int i) const { return storageFrames_[size_t(i)]; }
    CardPicture* UpCard(int i) const { return up_[size_t(i)]; }
    SelectionFrame* UpCardSelection() const { return upFrame_; }

    void PlayCard_Click(int index);
    void TempCard_Click(int index);
    void UpCard_Click(int index);
    void CardStackPicture_Click();
    void CenterScoringLabel();

  protected:
    void Play() override;
    void AbandonGame() override;
    void PauseGame(bool pause) override;
    void TakeScore() override;
    void Timer1_Timer() override;
    void ReadSettingsINI() override;
    void ShowCustomScoring() override;
    void ShowCards(bool visible) override;
    void ShowControls(bool visible, bool scoresVisible) override;
    RulesValues RulesValuesNow() const override;

    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createControls();
    QLabel* makeLabel(const QString& name, const QString& caption, double points, bool bold,
                      uint32_t colour = 0);
    void layoutControls();
    void registerCaptionRules();
    void placeBevels(const char* frame, const char* side, const char* bottom);

    // The board as the game holds it.
    void showBoard();
    bool acceptsClicks() const;
    void applyClick(const TripsClick& click);
    void showScored(const ColumnScored& scored);
    void setScoreText(int64_t score);
    void setCount(const char* name, int count);
    void updateHeadings();
    void placeOverUpRow(QLabel* l);
    void noMovesLeft();
    void dealShown();
    void setClock(bool on);

    // The round end.
    void removeLeftOvers(const TripsTally& tally);
    void nextRound(TripsOutcome outcome);
    void gameOver();
    void showHeadline(const QString& text, uint32_t colour);

    TripsGame game_;
    std::array<CardPicture*, kTripsFieldPlaces> field_{};
    std::array<SelectionFrame*, kTripsFieldPlaces> fieldFrames_{};
    std::array<CardPicture*, kTripsStoragePlaces> storage_{};
    std::array<SelectionFrame*, kTripsStoragePlaces> storageFrames_{};
    std::array<CardPicture*, kTripsUpPlaces> up_{};
    SelectionFrame* upFrame_ = nullptr;
    SplashTexts splashTexts_;
};
