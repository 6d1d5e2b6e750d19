#pragma once
// "Marvane.Ini": the poker grid game's settings file. Every stored value is checked on its
// own as it is read: a value that is no number or lies outside what the custom-scoring
// dialog accepts keeps its default, and the rest still applies. The time limit and the
// card-back design go through the window's menu handlers, so check marks and the high-score
// label follow.

#include "frame/WindowSettings.h"

#include <QString>
#include <functional>
#include <memory>

inline constexpr const char* kPokerGridSettingsFile = "Marvane.Ini";
// ProgramFolder + "Marvane.Ini"
QString PokerGridSettingsPath();

// What a maximised window records: the size it comes back to.
inline const QSize kPokerGridRestoreSize{9570, 7200};

// The file's text for the values in force (Shared() and PokerGridOptions()), then the
// window's state and size.
SettingsFile PokerGridSettingsBlocks(const WindowGeometry& window);
// The first-run text: every default, the window as designed.
SettingsFile DefaultPokerGridSettingsBlocks();
// Written whole through the program's file writer (a failure is reported, the old file
// stays whole).
bool WritePokerGridSettings(const WindowGeometry& window);

// The window's side of reading. A missing handler is skipped; the program-wide values are
// set by the reader itself.
struct PokerGridSettingsHandlers {
    std::function<void(int seconds)> timeLimit; // the time items; 0 when no "[Time]" was read
    std::function<void(int design)> deckDesign; // the card-back items; 0 when unreadable
    std::function<void(bool on)> music;         // mnuMusic check mark
    std::function<void(bool on)> sounds;        // mnuSounds check mark
};

// The game's keys on a settings reader; the window adds its state and size blocks. The time
// handler runs once at the end of a read, with 0 when no readable "[Time]" was found, so the
// default item is checked.
class PokerGridSettingsReader {
  public:
    explicit PokerGridSettingsReader(PokerGridSettingsHandlers handlers);
    SettingsReader& reader() { return reader_; }
    // Applies settings text; also the fuzzing entry.
    void apply(const QByteArray& text);
    // Window load: writes the defaults when the file is missing (quietly), then reads it.
    // False when it could not be read (the defaults stay, the time handler still runs).
    bool load();

  private:
    void finish();

    PokerGridSettingsHandlers handlers_;
    std::shared_ptr<int> time_ = std::make_shared<int>(0);
    SettingsReader reader_;
};
