#pragma once
// The games of the collection. Each game describes itself once, in its own folder, and
// registers that description when the program starts; the launcher, the high-score, e-mail
// and rules services and the window frame look a game up here instead of keeping tables of
// their own.

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

class QWidget;
struct GameProfile; // the window frame's part, read by frame/ only
struct RulesValues; // the values a rules text quotes (dialogs/RulesText.h)

struct GameDescriptor {
    // The launcher's entry.
    int launcherPlace = 0;    // tab order, 0 first
    const char* button = "";  // "cmdElevens"
    const char* caption = ""; // "&Sumbry"
    const char* title = "";   // "Sumbry!": GameTitle while the game is open
    const char* window = "";  // "frmElevens"
    const GameProfile* profile = nullptr;
    // Creates the game window; empty while the game is not built (its button stays disabled).
    std::function<QWidget*()> createWindow{};

    // High scores. The table is named by `tableName` unless `currentTableName` names it from
    // the game's settings.
    const char* tableName = "";
    QString (*currentTableName)() = nullptr;
    const char* defaultTop = "50000";    // written by the window's menus and time items
    const char* hallOfFameTop = nullptr; // by the Hall of Fame's Clear; nullptr: defaultTop
    const char* endGameTop = nullptr;    // by the end of a game; nullptr: defaultTop
    const char* highScoreCaption = "High Score: "; // before the best score in lblHighScore
    QString (*hallOfFameInfo)() = nullptr;         // a line above the custom-scoring note

    // Settings and the e-mail listing.
    int defaultTime = 60;    // seconds per round in a fresh settings file
    int32_t mailMinimum = 0; // the least score the web page lists

    // The rules text: the heading is centred by a run of blanks, the requirement line has its
    // own gap before the sound-card note, and the paragraphs quote the values of `v`.
    int rulesHeadingBlanks = 33;
    const char* rulesRequirementGap = "  ";
    QStringList (*rulesParagraphs)(const QString& title, const RulesValues& v) = nullptr;
    // Fills the values a fresh settings file gives the game.
    void (*rulesDefaults)(RulesValues& v) = nullptr;

    QString currentTable() const;
    const char* hallOfFameTopScore() const { return hallOfFameTop ? hallOfFameTop : defaultTop; }
    const char* endGameTopScore() const { return endGameTop ? endGameTop : defaultTop; }
};

// Adds a game; called from a static object in the game's descriptor file. Returns true so
// the result can initialise that object.
bool RegisterGame(const GameDescriptor& game);

// Every registered game, in launcher order.
const std::vector<const GameDescriptor*>& AllGames();
// By exact window name or exact title; nullptr when none matches.
const GameDescriptor* FindGameByWindow(const QString& window);
const GameDescriptor* FindGameByTitle(const QString& title);
