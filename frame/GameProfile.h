#pragma once
// What differs between the game windows in the parts they share: control and menu names,
// captions with their exact blanks and shortcuts, time limits, card-back numbering, how menu
// entries pause a game, count-ups and timers. The frame's handlers are written once against
// this profile; each game's descriptor holds its own.

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

// Where a count-up shows the amount still to come in lblScoring.
enum class AmountPlace {
    WindowCentre,  // centred in the window
    OutlineCentre, // centred in ScoringLabelOutline
    Kept,          // where the game put it
};

// Where a count-up moves the message label.
enum class MessagePlace {
    Kept,
    Raised,       // 800 twips above the window's middle (time bonus) or its own place (bonus)
    LeftOfAmount, // 100 twips left of the amount
};

// When a game that ended by itself gives Play, the quit button and their menu items back. A
// game the player gave up, or that could not go on, gives them back at once.
enum class PlayBack {
    AtGameEnd,     // with the end of the game, after the shared end's high-score check
    AfterGameOver, // once the window has shown its "Game Over" and its splash is back
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

class SettingsTable;

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

// Every field holds the common case; a game's descriptor sets only what differs.
struct GameProfile {
    // Commands
    const char* quitButton = "cmdExit";
    const char* quitCaption = "E&xit";
    const char* quitTip = "Exits the game";
    bool playIsDefault = false;       // Return presses Play when no other button has the focus
    bool playItemShowsEndGame = true; // the Play item's caption follows the button's
    PlayBack playBack = PlayBack::AtGameEnd;
    const char* pauseCaption = "Pau&se"; // the caption that pauses
    const char* pauseTip = "Pauses the current game";
    bool takeScoreButton = true;
    bool takeScoreButtonShown = true; // visible in the window design
    const char* takeScoreTip = "End current round and take score";
    bool takeScoreItem = false;
    const char* exitShortcut = "Ctrl+X";
    // Asked by the Play button and the Play item while a game runs.
    const char* playQuestion = "You have a game in progress, are you sure you want to quit?";
    const char* playMenuQuestion = "You have a game in progress, are you sure you want to quit?";
    bool playMenuStartsMusic = true;
    bool takeScoreButtonRestartsMusic = false;
    unsigned inputGates = 0;

    // Labels the frame reaches
    const char* stateLabel = "lblMessage";      // "Game Paused" / "Game Over"
    const char* messageLabel = "lblMessage";    // bonus names; emptied by a flag-driven resume
    const char* scoreLabel = "lblCurrentScore"; // running total the count-ups update
    std::vector<const char*> ownLabels{};       // further labels the window carries for the frame
    bool hasScoringLabel = true;                // lblScoring
    bool hasScoringOutline = false;             // ScoringLabelOutline

    // Count-ups
    AmountPlace amountPlace = AmountPlace::WindowCentre;
    MessagePlace messagePlace = MessagePlace::Kept;
    // The time bonus is multiplied by the game's RoundPoints and shows no "Speed Bonus!".
    bool timeBonusTimesRoundPoints = false;

    // Menus: layout by token ("play", "pause", "takescore", "exit", "view", "clear", "custom",
    // "time", "deck", "music", "sounds", "rules", "about", "|"); any other token is an entry
    // of the game's own.
    const char* gameMenu = "mnuFile";
    const char* gameMenuCaption = "&File";
    std::vector<const char*> gameMenuLayout{"play", "pause", "|", "exit"};
    std::vector<const char*> optionsLayout{"view", "clear",  "|",    "music", "sounds",
                                           "|",    "custom", "time", "deck"};
    std::vector<const char*> helpLayout{"rules", "|", "about"};
    MenuEntry view{"mnuView", "&View High Scores...", "Ctrl+V"};
    MenuEntry clear{"mnuClear", "&Clear High Scores...", "Ctrl+C"};
    MenuEntry custom{"mnuCustom", "&User Options...", "Ctrl+U"};
    MenuEntry rules{"mnuRules", "&Rules", "Ctrl+R"};
    MenuEntry about{"mnuAbout", "&About", ""};
    const char* musicCaption = "Play &Music (plays during game)";
    bool soundsCheckedAtDesign = false;

    // Time limits
    const char* timeMenu = "mnuTime";
    const char* timeMenuCaption = "&Time Limit";
    std::vector<TimeItem> timeItems{};
    int timeCheckedAtDesign = 0; // 0: none
    bool timeItemSetsTimeLabel = false;

    // Card backs
    bool hasCardBacks = true;
    const char* deckMenuCaption = "Dec&k";
    std::array<int, 4> designNumbers{1, 2, 3, 4}; // this game's number of each design
    std::array<CardBack, 4> deckItemOrder{PalmTree, MagicHands, NightCastle, HotCards};
    int loadDeckDesign = 1; // DeckDesign set at load: the game's own number of its default design
    bool palmCheckedAtDesign = false;
    const char* stockControl = nullptr; // redrawn with the new full stock directly, or nullptr
    bool refreshPlayCard = false;       // the game redraws its stock itself
    FieldRedraw refreshFieldCards = FieldRedraw::Never;

    // Menu entries around modal windows
    PauseAround viewPause = PauseAround::Flag;
    PauseAround clearPause = PauseAround::Flag;
    PauseAround rulesPause = PauseAround::Button;
    PauseAround aboutPause = PauseAround::Button;
    bool viewCreatesTable = false;
    QuitStyle quit = QuitStyle::Plain;

    // Timers, splash and status bar
    const char* statusClockTimer = "Timer3";
    bool timer2OnAtDesign = false;
    int splashInterval = 200;
    bool splashOnAtDesign = false;
    const char* splashFaceKey = nullptr;   // nullptr: random card faces
    const char* welcomeBlanks = "  ";      // after "Welcome to " and the title in panel 1
    bool datePanel = false;                // a fourth status-bar panel shows the date
    std::array<int, 4> statusPanelTwips{}; // designed panel widths; 0: as wide as the text

    // The game's settings file, described once.
    const SettingsTable& (*settings)() = nullptr;

    const TimeItem* timeItem(int seconds) const;
    int designIndexOf(int number) const; // -1 when no design has that number
};
