#pragma once
// Picks a ".smb" file and hands it to the elevens game to open and replay.

#include "dialogs/GameFileDialog.h"

#include <functional>

class frmOpen : public GameFileDialog {
    Q_OBJECT
  public:
    // Opens the chosen file; true when the game was opened (it reports its own failures).
    using Opener = std::function<bool(const QString&)>;
    explicit frmOpen(Opener openSavedGame, QWidget* parent = nullptr);

    void cmdOK_Click() override;
    // The file last handed to the opener.
    QString chosenPath() const { return chosenPath_; }

  private:
    Opener openSavedGame_;
    QString chosenPath_;
};
