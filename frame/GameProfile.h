#pragma once
// What differs between the nine game windows in the parts they share: control and menu names,
// captions with their exact blanks and shortcuts, time limits, card-back numbering, how menu
// entries pause a game, high-score tables and timers. The frame's handlers are written once
// against this table.

#include <QString>
#include <array>
#include <vector>

// How a menu entry that opens a modal window treats a running game.
enum class PauseAround {
    None,   // the game runs on
    Button, // paused around the window, resumed afterwards
    Flag,   // the same, and the message label is emptied after the resume
};

// How closing the window asks its question.
enum class QuitStyle {
    Pausing, // the game is paused while the question is open
    Plain,   // the clock runs on during the question
};

// When a card-back change redraws the cards the game shows face down.
enum class FieldRedraw { Never, WhenPaused, Always };

// Where the count-ups put their labels (decided by the window in each case).
enum class CountUpStyle {
    Common,        // amount centred in the window, "Speed Bonus!" shown
    KeepsPosition, // the labels stay where the game put them
    PokerGrid,     // bonus times RoundPoints, no speed message, amount centred in its outline
    WildEights,    // message moved vertically, score in lblTotalScore
    TripsAndRuns,  // message placed left of the amount
};

// Commands that do nothing while a round end blocks input.
enum InputGate : unsigned {
    GatePlayButton = 1,
    GatePlayMenu = 2,
    GatePauseButton = 4,
    GatePauseMenu = 8,
    GateQuitButton = 16,
    GateQuitMenu = 32,
};

struct MenuEntry {
    const char* name;
    const char* caption;
    const char* shortcut; // "Ctrl+V" or ""
};

struct TimeItem {
    int seconds;
    const char* caption;
};

// Card-back designs in design order; pictures 1-3, 4-6, 7-9, 10-12 of the picture list.
enum CardBack { PalmTree = 0, MagicHands = 1, NightCastle = 2, HotCards = 3 };
inline constexpr std::array<const char*, 4> kCardBackItems{"mnuPalm", "mnuMagic", "mnuNight",
                                                           "mnuHot"};

struct GameProfile {
    const char* window; // window name
    const char* title;  // display title with "!"

    // Commands
    const char* quitButton;
    const char* quitCaption;
    const char* quitTip;
    const char* pauseCaption; // the caption that pauses
    const char* pauseTip;
    bool takeScoreButton;
    bool takeScoreButtonShown; // visible in the window design
    const char* takeScoreTip;
    bool takeScoreItem;
    const char* exitShortcut;
    const char* playQuestion;     // asked by the Play button while a game runs
    const char* playMenuQuestion; // asked by the Play item
    bool playMenuStartsMusic;
    bool takeScoreButtonRestartsMusic;
    unsigned inputGates;

    // Labels the frame reaches
    const char* stateLabel;             // "Game Paused" / "Game Over"
    const char* messageLabel;           // bonus names; emptied by a flag-driven resume
    const char* scoreLabel;             // running total the count-ups update
    std::vector<const char*> ownLabels; // further labels the window carries for the frame
    bool hasScoringLabel;               // lblScoring
    bool hasScoringOutline;             // ScoringLabelOutline
    CountUpStyle countUp;

    // Menus: layout by token ("play", "pause", "takescore", "exit", "view", "clear", "custom",
    // "time", "deck", "music", "sounds", "rules", "about", "|"); any other token is an entry
    // of the game's own.
    const char* gameMenu;
    const char* gameMenuCaption;
    std::vector<const char*> gameMenuLayout;
    std::vector<const char*> optionsLayout;
    std::vector<const char*> helpLayout;
    MenuEntry view;
    MenuEntry clear;
    MenuEntry custom;
    MenuEntry rules;
    MenuEntry about;
    const char* musicCaption;
    bool soundsCheckedAtDesign;

    // Time limits
    const char* timeMenu;
    const char* timeMenuCaption;
    std::vector<TimeItem> timeItems;
    int defaultTime;
    int timeCheckedAtDesign; // 0: none
    bool timeItemSetsTimeLabel;

    // Card backs
    bool hasCardBacks;
    const char* deckMenuCaption;
    std::array<int, 4> designNumbers; // this game's number of each design, in design order
    std::array<CardBack, 4> deckItemOrder;
    int loadDeckDesign; // DeckDesign set at load, 0: left as it was
    bool palmCheckedAtDesign;
    const char* stockControl; // redrawn with the new full stock directly, or nullptr
    bool refreshPlayCard;     // the game redraws its stock itself
    FieldRedraw refreshFieldCards;

    // Menu entries around modal windows
    PauseAround viewPause;
    PauseAround clearPause;
    PauseAround rulesPause;
    PauseAround aboutPause;
    bool viewCreatesTable;
    QuitStyle quit;

    // High-score tables
    const char* tableTitle; // menus and time items ("" when the game names it itself)
    const char* defaultTop;
    const char* endGameTable; // the shared end of game, or nullptr
    const char* endGameTop;

    // Timers and splash
    const char* statusClockTimer;
    bool timer2OnAtDesign;
    int splashInterval;
    bool splashOnAtDesign;
    const char* splashFaceKey; // nullptr: random card faces

    const TimeItem* timeItem(int seconds) const;
    int designIndexOf(int number) const; // -1 when no design has that number
};

const std::vector<const GameProfile*>& AllGameProfiles();
// The profile of a window by its exact name, or nullptr.
const GameProfile* FindGameProfile(const QString& window);
