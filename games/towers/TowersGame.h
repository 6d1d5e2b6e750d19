#pragma once
// One three-towers game: the deal of each round, taking exposed cards one rank from the up
// card into runs whose card values grow, uncovering, the towers, the stock, the round clock,
// the round end's bonuses, the bonus round and the end of the game. The window shows what
// this class holds and plays the sounds it names; it keeps no game state of its own.
//
// Program-wide values used: Shared().Deck (made and shuffled for every round), Score, Round,
// TimeLimit, ElapsedSeconds, GaugeElapsed, TimeBonus, BonusRoundScore; TowersOptions() (the
// scoring values and the high run).

#include "frame/PlayModel.h"
#include "games/towers/TowersField.h"

#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

constexpr int kTowersStockFirst = 28; // the stock's cards are dealt cards 28 to 50
constexpr int kTowersStockCards = 23;
constexpr int kTowersFirstUpCard = 51;

// The window reports this state as its own: one state for the window and its game.
using TowersState = PlayState;

enum class TowersSound { Take, Refuse, Tower, Draw };
// "Markq.wav", "Chord.wav", "HighScore.wav", "Click.wav"
QString TowersSoundFile(TowersSound sound);

// The stock's picture for the index of the next card it gives: "FULL" (28 to 34), "HALF"
// (35 to 41), "BACK" (42 to 50), "EMPTY" when no card is left; empty below 28.
QString StockPictureKey(int nextStockIndex);
// "Current Run: 3"
QString CurrentRunCaption(int run);
// "Next card worth: 400 points"
QString NextCardCaption(int64_t points);

// What a click did, for the window to show and play.
struct TowersClick {
    std::vector<TowersSound> sounds; // in order
    bool took = false;               // the clicked field card went onto the up card
    std::vector<int> turnedUp;       // cards uncovered by it, lowest first
    int towerCompleted = 0;          // 1 to 3 when a tower top was taken
    bool allTowers = false;          // the third tower: run the Take Score command now
    bool drew = false;               // the stock gave a card
    bool runReset = false;           // a stock click: the run starts again
};

struct TowersTick {
    bool ticked = false; // false when no round clock is running
    int elapsed = 0;
    int secondsLeft = 0; // for "Time: " & secondsLeft
    int angle = 0;       // clock pie
    QString status;      // "Times running out!", "Better Hurry!", "Time has expired!" or empty
    bool timeUp = false; // the clock has stopped: "Times Up!", then the Take Score command
};

// The bonuses a round end earns, in the order the window counts them onto the score.
struct TowersRoundEnd {
    int secondsLeft = 0;
    bool speedBonus = false;   // seconds left and a tower completed: CountTimeBonus
    bool sorry = false;        // seconds left but no tower: the two-line "Sorry" message
    int towers = 0;            // towers completed in the round: the tower bonus when > 0
    bool highRunBonus = false; // a new high run was made in the round
    int highRun = 0;
};

enum class TowersNext {
    NextRound,  // "Prepare for Round Two!", then startNextRound()
    BonusRound, // "Prepare for Bonus Round!", then startNextRound()
    GameOver,   // EndGame, then finishGame()
};

// The two lines shown when seconds are left but no tower was completed.
QString TowersSorryText();

class TowersGame : public PlayModel {
  public:
    int round() const { return round_; } // 1, 2, or 3 = the bonus round
    bool clockRunning() const { return clockRunning_; }
    // Minimise and restore stop and restart the clock of a running round.
    void setClockRunning(bool on);

    // Starts a game at score 0: a new deck, shuffled and dealt. False (and idle) when the
    // deck could not be made or shuffled.
    bool play();
    // Ends a game without a high-score check (Play answered Yes).
    void abandon();
    // The menu command: only while no game runs.
    bool clearHighRun();

    TowersClick clickField(int index);
    TowersClick clickStock();
    TowersClick clickUpCard(); // only refuses
    TowersTick tick();

    // Ends the round (Take Score, time up or the third tower): the bonuses to count. Nothing
    // unless a round is running. The tower count and the new-high-run mark are used up.
    std::optional<TowersRoundEnd> takeScore();
    // After the bonuses were counted onto the score: what follows.
    TowersNext nextStep() const;
    // After NextRound or BonusRound: a new deck dealt. False (and idle) when it could not be.
    bool startNextRound();
    // After GameOver: the field cleared; state GameOver.
    void finishGame();

    // The board.
    const TowersField& field() const { return field_; }
    // A face-up field card one rank from the up card.
    bool canTake(int index) const;
    const QString& dealtCard(int index) const { return dealt_[size_t(index)]; }
    const QString& upCard() const { return upCard_; } // empty before the first deal
    int upRank() const { return upRank_; }            // 99 before the first deal
    int nextStockIndex() const { return nextStockIndex_; }
    int stockLeft() const { return stockLeft_; }
    QString stockPicture() const { return StockPictureKey(nextStockIndex_); }
    int currentRun() const { return currentRun_; }
    int64_t cardValue() const { return cardValue_; }
    int64_t nextCardWorth() const;
    int towersCompleted() const { return towersCompleted_; }
    bool towerDone(int tower) const { return towerDone_[size_t(tower - 1)]; }
    bool newHighRun() const { return newHighRun_; }

    // Test seam: fills Shared().Deck for each deal; an empty function restores the standard
    // deck, shuffled. Returns the previous one.
    using DeckMaker = std::function<bool()>;
    static DeckMaker SetDeckMakerForTests(DeckMaker maker);

  protected:
    // The round clock stands still while paused.
    void afterPause() override { clockRunning_ = false; }
    void afterResume() override { clockRunning_ = true; }

  private:
    bool deal();
    bool legal(int index) const;

    int round_ = 1;
    bool clockRunning_ = false;
    TowersField field_;
    std::array<QString, 52> dealt_;
    QString upCard_;
    int upRank_ = 99;
    int nextStockIndex_ = kTowersStockFirst;
    int stockLeft_ = 0;
    int currentRun_ = 0;
    int64_t cardValue_ = 0;
    int towersCompleted_ = 0;
    std::array<bool, 3> towerDone_{};
    bool newHighRun_ = false;
};
