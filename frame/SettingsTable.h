#pragma once
// One table per game describes its settings file once; the table drives the reader, the
// writer, the first-run defaults, the custom mark, the custom-scoring dialog's values and
// the values the rules text quotes.
//
// A row is one block of the file, in the order the writer puts them:
//   SettingNumber("[Card Bonus]", TowersOptions().CardBonus, 100, 0, 1000).counts()
// reads "[Card Bonus]" as a whole number into that variable when it lies within 0..1000 and
// gives 100 (its default) otherwise; the writer writes the variable's value; a value other
// than 100 makes the scoring custom. Rows for choices (compared as text) and flags ("True"
// is true, anything else false) work the same way; `WindowBlocks()` marks where "[State]",
// "[Width]" and "[Height]" stand; a key may stand twice (both blocks written from the one
// variable, each block read in turn). A bad value gives the row's `fallback` (the default unless
// set with `orOnBadValue`; a flag's is false, and text other than "True" or "False" gives
// it), or, with `keepOnBadValue`, is passed over so the variable keeps what it held (and the
// row's hook does not run); a missing key leaves the variable as it was, so a window resets
// the table's defaults before it reads.
//
// The window's own side of a key (a menu item that moves a check mark, a label) is a hook:
// it runs with the value after the row stored it, only for keys the file holds.
//
// How a game declares one:
//   const SettingsTable& GameSettingsTable() {
//       static const SettingsTable t({SettingChoice("[Time]", Shared().TimeLimit, 60,
//                                                   {15, 30, 45, 60, 75}),
//                                     ...,
//                                     WindowBlocks()},
//                                    QSize(9540, 7305), "Game.Ini");
//       return t;
//   }

#include "frame/WindowSettings.h"

#include <QSize>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

struct SettingRow {
    enum class Kind { Number, Choice, Flag, WindowBlocks };
    QString key; // as the file spells it, brackets included
    Kind kind = Kind::Number;
    std::function<int32_t()> get; // flags: 0 or 1
    std::function<void(int32_t)> set;
    int32_t defaultValue = 0;
    int32_t low = INT32_MIN; // Number: what the reader accepts, inclusive
    int32_t high = INT32_MAX;
    std::vector<int> choices; // Choice: the values accepted
    int32_t fallback = 0;     // what a bad value gives
    bool keepOnBad = false;   // a bad value is passed over instead
    bool custom = false;      // a value other than the default marks the scoring custom
    QString customWhile{};    // ... only while this flag row is `customWhileOn`
    bool customWhileOn = true;
    bool blank = false; // written with the blank a non-negative number is converted with

    SettingRow& counts() {
        custom = true;
        return *this;
    }
    // Counts only in one mode (a value that only that mode uses).
    SettingRow& countsWhile(const QString& flagKey, bool on) {
        custom = true;
        customWhile = flagKey;
        customWhileOn = on;
        return *this;
    }
    SettingRow& orOnBadValue(int32_t value) {
        fallback = value;
        return *this;
    }
    SettingRow& keepOnBadValue() {
        keepOnBad = true;
        return *this;
    }
    SettingRow& writtenWithBlank() {
        blank = true;
        return *this;
    }
};

SettingRow SettingNumber(const QString& key, int32_t& variable, int32_t defaultValue, int32_t low,
                         int32_t high);
SettingRow SettingChoice(const QString& key, int32_t& variable, int32_t defaultValue,
                         std::vector<int> choices);
SettingRow SettingFlag(const QString& key, bool& variable, bool defaultValue);
// Rows whose variable is reached through functions (a value kept in another unit).
SettingRow SettingNumberVia(const QString& key, std::function<int32_t()> get,
                            std::function<void(int32_t)> set, int32_t defaultValue, int32_t low,
                            int32_t high);
// "[State]", "[Width]" and "[Height]" together here.
SettingRow WindowBlocks();
// Only one of them here (kStateKey, kWidthKey or kHeightKey), for a file that spreads them.
SettingRow WindowBlock(const QString& key);

// Keyed by the file's key: runs after the row has stored the value read.
using SettingsHooks = std::map<QString, std::function<void(int32_t)>>;

class SettingsTable {
  public:
    SettingsTable(std::vector<SettingRow> rows, QSize designSize, QString fileName,
                  bool extraLineEnd = false);

    const std::vector<SettingRow>& rows() const { return rows_; }
    const SettingRow& row(const QString& key) const; // the key must be in the table
    QSize designSize() const { return designSize_; }
    QString path() const; // ProgramFolder + the file name

    int32_t value(const QString& key) const { return row(key).get(); }
    int32_t defaultOf(const QString& key) const { return row(key).defaultValue; }
    void store(const QString& key, int32_t v) const { row(key).set(v); }

    // Every variable at its default.
    void resetDefaults() const;
    // True when a row that counts differs from its default.
    bool isCustom() const;

    // The whole file from the values in force, or from the defaults (a first run).
    SettingsFile file(const WindowGeometry& window) const;
    SettingsFile defaultsFile(const WindowGeometry& window) const;

    // Registers every game key of the table on `reader` (not the window blocks).
    SettingsReader& addKeys(SettingsReader& reader, const SettingsHooks& hooks = {}) const;
    // Reads settings text into the variables; also the fuzzing entry.
    void apply(const QByteArray& text, const SettingsHooks& hooks = {}) const;

  private:
    SettingsFile build(const WindowGeometry& window, bool defaults) const;

    std::vector<SettingRow> rows_;
    QSize designSize_;
    QString fileName_;
    bool extraLineEnd_;
};
