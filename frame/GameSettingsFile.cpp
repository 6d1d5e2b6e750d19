// The game window's settings file, through the table its profile names.
#include "frame/GameWindow.h"
#include "frame/SettingsTable.h"
#include "frame/WindowSettings.h"
#include "services/SharedState.h"

bool GameWindow::LoadSettingsFile(const SettingsHooks& hooks,
                                  const std::function<void(SettingsReader&)>& more) {
    if (!profile_.settings) return false;
    const SettingsTable& t = profile_.settings();
    SettingsReader reader;
    t.addKeys(reader, hooks);
    if (more) more(reader);
    ReadWindowBlocks(reader, *this);
    const bool read = reader.load(t.path(), t.defaultsFile(GeometryOf(*this)));
    ShowStoredMenuMarks();
    return read;
}

void GameWindow::ShowStoredMenuMarks() {
    // Once the whole file is in (or was refused, leaving the defaults): a mark set on the way
    // would miss a key the file lacks, and a time limit applied before its table's name is
    // known would make a table for a limit or goal the file does not hold.
    const SharedState& s = Shared();
    SetMusicSwitch(s.MusicOn);
    SetSoundsSwitch(s.SoundsOn);
    ApplyStoredDeckDesign(s.DeckDesign);
    ApplyStoredTimeLimit(s.TimeLimit);
}

void GameWindow::WriteSettingsINI() {
    if (!profile_.settings) return;
    const SettingsTable& t = profile_.settings();
    t.file(GeometryOf(*this)).write(t.path());
}

void GameWindow::CheckForCustom() {
    if (profile_.settings) Shared().CustomScoring = profile_.settings().isCustom();
}
