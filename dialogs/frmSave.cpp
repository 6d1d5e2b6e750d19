#include "dialogs/frmSave.h"

#include "platform/MessageBox.h"
#include "platform/SafeFile.h"
#include "services/SharedState.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

frmSave::frmSave(SavedGame game, QWidget* parent)
    : GameFileDialog(QStringLiteral("lblSaveInfo"), QStringLiteral("Save as:"), true, parent),
      game_(std::move(game)) {
    setObjectName(QStringLiteral("frmSave"));
    setWindowTitle(QStringLiteral("Save Game"));
    txtGameName_->setToolTip(QStringLiteral("Enter the filename to be used for the saved game"));
    txtUserName_->setToolTip(
        QStringLiteral("Enter your name if you want it to be saved with this game"));
    cmdOK_->setToolTip(QStringLiteral("Saves the game to the specified filename"));
    cmdCancel_->setToolTip(QStringLiteral("Cancels the save"));
    Form_Load(QStringLiteral("Use this dialog to save the last game played. ") +
              QStringLiteral("You may load a saved game later to replay it. This cannot be used "
                             "to save a game in progress."));
}

void frmSave::refuse() {
    platform::MsgBox(kUnableToSaveGame, platform::Buttons::OK, platform::Icon::Critical,
                     Shared().GameTitle, this);
}

void frmSave::cmdOK_Click() {
    using namespace platform;
    const QString typed = txtGameName_->text();
    // The extension is added first so that the overwrite question is about the file that
    // will really be written.
    const QString name = chosenName();
    const QString path = chosenFolder() + name;
    const QFileInfo target(path);
    if (typed.trimmed().isEmpty() || name.contains(QLatin1Char('*')) ||
        name.contains(QLatin1Char('?')) || target.isDir()) {
        refuse();
        return;
    }
    SavedGame game = game_;
    game.playerName = txtUserName_->text();
    if (!SavedGameProblem(game).isEmpty()) {
        refuse();
        return;
    }
    if (target.exists() &&
        MsgBox(QStringLiteral("A file of that name already exists. Overwrite?"), Buttons::YesNo,
               Icon::Question, Shared().GameTitle, this) != Answer::Yes)
        return;
    // The old file is replaced only by the finished new one: never deleted beforehand.
    if (!WriteFileWhole(path, SavedGameText(game))) {
        refuse();
        return;
    }
    savedPath_ = path;
    accept();
}
