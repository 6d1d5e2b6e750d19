#pragma once
// The nine games as the launcher offers them, and the windows that play them.

#include <QString>
#include <array>

class QWidget;

struct LauncherGame {
    const char* button;  // launcher button name
    const char* caption; // button caption with its access key
    const char* title;   // display title and "!"
    const char* window;  // game window name
};

// In the launcher's tab order.
const std::array<LauncherGame, 9>& LauncherGames();

// Creates the game window, or nullptr when that game is not built yet.
QWidget* CreateGameWindow(const QString& windowName);
bool GameWindowAvailable(const QString& windowName);
