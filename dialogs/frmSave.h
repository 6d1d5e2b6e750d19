#pragma once
// Saves the decks of the last finished elevens game to a ".smb" file chosen by the player.

#include "dialogs/GameFileDialog.h"
#include "services/SavedGame.h"

class frmSave : public GameFileDialog {
    Q_OBJECT
  public:
    // `game`: the decks with the card goal, time limit, score and custom flag of the game
    // they were dealt in; the player name comes from the dialog.
    explicit frmSave(SavedGame game, QWidget* parent = nullptr);

    void cmdOK_Click() override;
    // The file written (empty until a save succeeded).
    QString savedPath() const { return savedPath_; }

  private:
    void refuse();
    SavedGame game_;
    QString savedPath_;
};
