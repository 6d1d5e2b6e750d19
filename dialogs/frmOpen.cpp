#include "dialogs/frmOpen.h"

#include <QLineEdit>
#include <QPushButton>

frmOpen::frmOpen(Opener openSavedGame, QWidget* parent)
    : GameFileDialog(QStringLiteral("lblOpenInfo"), QStringLiteral("Game file:"), false, parent),
      openSavedGame_(std::move(openSavedGame)) {
    setObjectName(QStringLiteral("frmOpen"));
    setWindowTitle(QStringLiteral("Open Game"));
    txtGameName_->setToolTip(QStringLiteral("Enter the name of the saved game to open"));
    cmdOK_->setToolTip(QStringLiteral("Opens the specified saved game"));
    cmdCancel_->setToolTip(QStringLiteral("Cancels opening a saved game"));
    Form_Load(
        QStringLiteral("Use this dialog to open a previously saved game. If you want to use ") +
        QStringLiteral("customized scoring you must set that option before opening a saved "
                       "game."));
}

void frmOpen::cmdOK_Click() {
    const QString name = chosenName();
    chosenPath_ = chosenFolder() + name;
    // The opener has shown its failure message; the dialog stays for another choice.
    if (!openSavedGame_ || openSavedGame_(chosenPath_)) accept();
}
