// Saving the last game and opening a saved one: the Game menu's two entries and the saved
// game named on the command line.
#include "games/elevens/frmElevens.h"

#include "dialogs/frmOpen.h"
#include "dialogs/frmSave.h"
#include "games/elevens/ElevensSettings.h"
#include "platform/GameTimer.h"
#include "platform/Modal.h"
#include "services/SavedGame.h"
#include "services/SavedGameInfo.h"
#include "services/SharedState.h"

#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

void frmElevens::mnuSave_Click() {
    // The decks go with the settings of the game that dealt them, not today's menus.
    const ElevensLastGame& last = LastElevensGame();
    SavedGame game;
    game.cardGoal = last.CardGoal;
    game.timeLimit = last.TimeLimit;
    game.score = last.LastGameScore;
    game.custom = last.Custom;
    game.roundDecks = {last.Round1Deck, last.Round2Deck, last.Round3Deck};
    frmSave dialog(game, this);
    platform::ShowModal(dialog);
}

void frmElevens::mnuOpen_Click() {
    frmOpen dialog([this](const QString& path) { return OpenSavedGame(path); }, this);
    platform::ShowModal(dialog);
}

bool frmElevens::OpenSavedGame(const QString& fileName) {
    // The whole file is read and checked before anything of the window changes.
    const std::optional<SavedGame> game = ReadSavedGameOrReport(fileName, this);
    if (!game) return false;

    GoalItem_Click(game->cardGoal);
    ElevensLastGame& last = LastElevensGame();
    last.Round1Deck = game->roundDecks[0];
    last.Round2Deck = game->roundDecks[1];
    last.Round3Deck = game->roundDecks[2];
    last.CardGoal = game->cardGoal;
    Shared().Deck = QStringList(SavedDeckSize(game->cardGoal) + 1, QString());

    QList<int> offered;
    for (const TimeItem& t : profile().timeItems)
        offered << t.seconds;
    if (ShowSavedGameInformation(*game, Shared().TimeLimit, offered, this))
        TimeItem_Click(game->timeLimit);

    last.ReplayMode = true;
    Timer4()->setEnabled(false);
    ShowSplash(false);
    cmdTakeScore()->setText("&Replay");
    cmdPlay_Click();
    return true;
}

void frmElevens::Form_Activate() {
    // The launcher makes a new window at every opening: the flag belongs to the run.
    bool& handled = ElevensCommandLineHandled();
    if (handled) return;
    handled = true;
    const QString fileName = Shared().CommandLine;
    if (!fileName.isEmpty()) OpenSavedGame(fileName);
}

void frmElevens::showEvent(QShowEvent* event) {
    GameWindow::showEvent(event);
    // Once the window is up and the launcher's click has returned.
    if (!ElevensCommandLineHandled()) QTimer::singleShot(0, this, [this] { Form_Activate(); });
}
