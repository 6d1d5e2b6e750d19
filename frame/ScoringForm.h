#pragma once
// A custom-scoring form as data: the controls of the dialog a game shows from its
// user-options item, with their design places in twips (Left, Top, Width, Height), on the
// dialog or inside the frame, and their TabIndex; the check steps OK runs; and the game's
// SettingsTable, which holds the variables, their defaults and the custom mark.
// CustomScoringDialog shows a form.
//
// Reading a box: ReadBoxNumber, the leading number of its text (leading blanks skipped,
// reading stops at the first character that cannot continue a number, so empty or
// non-numeric text is 0), with digit grouping ("80,000") as the one extension. A box shows
// its variable divided by the box's `scale` (a wait kept in milliseconds shows seconds).
//
// Example row and step (the three-towers game):
//   boxes:  {"lblCardIncrement", "When creating runs, each additional card increments card "
//            "value by:", "txtCardValue", {345, 285, 2640, 420}, {3000, 360, 960, 285}, 0,
//            "[Card Bonus]"}
//   checks: {.box = "txtCardValue", .low = 0, .high = 1000,
//            .lowMessage = "Sorry, you cannot increment the card value by less than 0 points.",
//            .highMessage = "Sorry, you cannot increment the card value by greater than 1000 "
//                           "points"}
//
// How a game declares its dialog (games/towers/frmCrestalCustom.cpp is the whole of one):
// a function returns the ScoringForm with `settings` = the game's table, the places and
// TabIndex of its design, and one ScoringCheck per step in the order they are checked; the
// window's ShowCustomScoring adds `customMark` (its CheckForCustom) and `followUp` (the
// status bar) through ShowScoringForm, which builds the dialog and shows it with
// platform::ShowModal. The variables are reached only through the table's keys, so the
// defaults that Default shows are the file's.

#include "frame/SettingsTable.h"
#include "platform/MessageBox.h"

#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class CustomScoringDialog;

// The leading number of a box's text, as every dialog reads it; with `exponent`, a power of
// ten may follow ("1e3" is 1000).
double ReadBoxNumber(const QString& text, bool exponent = false);
// A number as a box shows it: whole numbers without a fraction, others trimmed ("2.5").
QString BoxText(double value);

struct ScoringBox {
    const char* label;
    QString caption;
    const char* box;
    QRect labelPlace; // twips
    QRect boxPlace;
    int tabIndex;
    QString key; // the settings row it shows and stores
    int maxLength = 0;
    bool inFrame = true;
    double scale = 1; // -1 shows a value kept as its absolute value as negative
    QString style{};  // the box's style sheet, e.g. "color: #ff0000;"
};

struct ScoringToggle {
    const char* name;
    QString caption;
    QRect place;
    int tabIndex;
    QString key; // a flag row
    bool inFrame = false;
    QString style{};
    bool wraps = false; // a caption wider than its place breaks into lines and grows down
};

// One of a group of option buttons: the group's key holds the `value` of the one selected.
struct ScoringOption {
    const char* name;
    QString caption;
    QRect place;
    int tabIndex;
    QString key;
    int32_t value;
    bool inFrame = false;
};

// A caption of its own (a heading over option buttons, a note): wraps like any label.
struct ScoringCaption {
    const char* name;
    QString caption;
    QRect place;
    bool inFrame = false;
    QString style{}; // a style sheet, e.g. "font-weight: bold;"
};

struct ScoringPicture {
    const char* name;
    QRect place;
    int tabIndex;
    QPixmap picture;
    std::function<void()> clicked;
};

struct ScoringButton {
    QRect place;
    int tabIndex;
};

struct ScoringCheck {
    const char* box = nullptr;
    double low = 0;
    double high = 0;
    QString lowMessage{};
    QString highMessage{};
    bool lowExclusive = false; // the low bound itself fails
    bool storeBound = true;    // a value out of range stores the bound it passed
    // A value out of range stores this, and the box shows it, in place of the bound passed.
    std::optional<double> outOfRange{};
    const char* above = nullptr; // another box this one must exceed
    const char* below = nullptr; // another box this one must stay under
    QString orderMessage{};
    bool thenSwitches = false; // on success: the switches are stored
    bool thenFollowUp = false; // on success: the form's followUp runs
};

// A step whose box must lie within low..high, with one message for both ends.
ScoringCheck RangeCheck(const char* box, double low, double high, const QString& message);
// Accepted from `low` to `high`; outside, the message of the bound passed.
ScoringCheck RangeCheck(const char* box, double low, double high, QString lowMessage,
                        QString highMessage);

// The note most of the dialogs carry over their frame.
inline const QString kScoringNote =
    QStringLiteral("Note: Changing any of the Scoring Options will cause your high scores to be "
                   "marked with an * indicating custom scoring was in use.");

// A step for a box that takes 0 to `high` and stores a value out of range as the bound.
ScoringCheck CheckFromZero(const char* box, double high, QString lowMessage, QString highMessage);
// The passes (0 to 10; a refused count is not kept) and the wait in seconds (0 to
// `mostSeconds`, kept in milliseconds) of the twenty-one games, in the same words in both.
ScoringCheck PassesCheck(const char* box);
ScoringCheck WaitCheck(const char* box, int mostSeconds);
// The time bonus in points per second left (0 to 32767), in the words of the games that pay it.
ScoringCheck TimeBonusCheck(const char* box);

enum class ScoringClose {
    EveryStep,   // every step runs and acts on its own failure; close when all passed
    FirstFailure // the first failing step is reported (the box keeps its text) and nothing is
                 // stored; when all pass, everything is stored
};

struct ScoringForm {
    const char* dialogName;
    const SettingsTable* settings;
    QSize client; // twips
    QString note;
    QRect notePlace;
    bool noteBlue = false;
    QString noteStyle{}; // more of the note's look, e.g. "font-weight: bold;"
    const char* noteName = "lblInfo";
    const char* frameName = "frmScoringOptions";
    QRect framePlace;
    bool frameBold = false;
    std::vector<ScoringBox> boxes;
    std::vector<ScoringToggle> switches;
    std::vector<ScoringOption> options;
    std::vector<ScoringCaption> captions;
    std::vector<ScoringPicture> pictures; // on the dialog
    ScoringButton ok, byDefault, cancel;
    std::vector<ScoringCheck> checks;
    std::vector<std::pair<QString, QString>> orderedPairs; // (higher key, lower key)
    ScoringClose closing = ScoringClose::EveryStep;
    bool defaultStores = false;
    bool optionsFirst = false; // the option buttons are stored before the steps, whatever they find
    platform::Icon icon = platform::Icon::Information;
    bool readsExponent = false;       // the boxes read "1e3" as 1000
    std::function<void()> customMark; // after every OK (and a Default that stores)
    std::function<void()> followUp;   // after a step marked thenFollowUp passes
    // When the player (or Default, or the load) changes a switch: a mode switch may put
    // text into a box or enable one. A disabled box is neither checked nor stored.
    std::function<void(CustomScoringDialog& dialog, const QString& name, bool on)> switched;
};
