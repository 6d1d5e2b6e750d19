#include "app/GameWindows.h"

#include "games/elevens/frmElevens.h"

#include <QWidget>
#include <functional>
#include <map>

const std::array<LauncherGame, 9>& LauncherGames() {
    static const std::array<LauncherGame, 9> games{{
        {"cmdQuintel", "&Quintel", "Quintel!", "frmQuintel"},
        {"cmdEights", "&Wildrow", "Wildrow!", "frmEights"},
        {"cmdTressel", "&Tressel", "Tressel!", "frmTrip"},
        {"cmdElevens", "&Sumbry", "Sumbry!", "frmElevens"},
        {"cmdTwindle", "Twi&ndle", "Twindle!", "frmTwindle"},
        {"cmdScramble", "&Marvane", "Marvane!", "frmScramble"},
        {"cmdBrisko", "&Brisko", "Brisko!", "frmBrisko"},
        {"cmdCrestal", "&Crestal", "Crestal!", "frmCrestal"},
        {"cmdPhrase", "Gl&yphon", "Glyphon!", "frmPhrase"},
    }};
    return games;
}

namespace {
// One line per game as each is built.
const std::map<QString, std::function<QWidget*()>>& factories() {
    static const std::map<QString, std::function<QWidget*()>> f{
        {"frmElevens", [] { return new frmElevens; }},
    };
    return f;
}
} // namespace

QWidget* CreateGameWindow(const QString& windowName) {
    auto it = factories().find(windowName);
    return it == factories().end() ? nullptr : it->second();
}

bool GameWindowAvailable(const QString& windowName) { return factories().count(windowName) > 0; }
