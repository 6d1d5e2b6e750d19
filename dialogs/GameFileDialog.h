#pragma once
// What the save and open dialogs of saved games share: the drive, folder and file lists,
// the file name box that filters the list on Enter, and Cancel.

#include <QDialog>

class DirList;
class DriveList;
class FileList;
class QLabel;
class QLineEdit;
class QPushButton;

class GameFileDialog : public QDialog {
    Q_OBJECT
  public:
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void File1_DblClick();
    void txtGameName_GotFocus();
    void txtGameName_KeyPress(int keyAscii);
    void cmdCancel_Click();
    virtual void cmdOK_Click() = 0;

  protected:
    // `nameCaption` labels the file name box; the player name row is there only for saving.
    GameFileDialog(const QString& infoName, const QString& nameCaption, bool withPlayerName,
                   QWidget* parent);
    void Form_Load(const QString& infoText);

    // The file list's folder, ending in "/".
    QString chosenFolder() const;
    // The typed name; one without a "." gets ".smb", and the box shows that.
    QString chosenName();

    bool eventFilter(QObject* watched, QEvent* event) override;

    DriveList* Drive1_ = nullptr;
    DirList* Dir1_ = nullptr;
    FileList* File1_ = nullptr;
    QLineEdit* txtGameName_ = nullptr;
    QLineEdit* txtUserName_ = nullptr;
    QLabel* lblInfo_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};
