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
    return reader.load(t.path(), t.defaultsFile(GeometryOf(*this)));
}

void GameWindow::WriteSettingsINI() {
    if (!profile_.settings) return;
    const SettingsTable& t = profile_.settings();
    t.file(GeometryOf(*this)).write(t.path());
}

void GameWindow::CheckForCustom() {
    if (profile_.settings) Shared().CustomScoring = profile_.settings().isCustom();
}

SettingsHooks GameWindow::MenuSettingsHooks(const QString& time, const QString& deck,
                                            const QString& music, const QString& sounds,
                                            bool* timeApplied) {
    SettingsHooks hooks{
        {time,
         [this, timeApplied](int32_t seconds) {
             if (timeApplied) *timeApplied = true;
             ApplyStoredTimeLimit(seconds);
         }},
        {music, [this](int32_t on) { SetMusicSwitch(on != 0); }},
        {sounds, [this](int32_t on) { SetSoundsSwitch(on != 0); }},
    };
    if (!deck.isEmpty()) hooks[deck] = [this](int32_t design) { ApplyStoredDeckDesign(design); };
    return hooks;
}
