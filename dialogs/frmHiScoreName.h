#pragma once
// Asks the player for the name under which a new high score goes into the table.

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class frmHiScoreName : public QDialog {
    Q_OBJECT
  public:
    explicit frmHiScoreName(QWidget* parent = nullptr);

    void Form_Load();
    // Takes the name (refusing commas) and closes; closing by the close box keeps UserName.
    void cmdOK_Click();

  private:
    QLabel* lblInfo_ = nullptr;
    QLineEdit* txtPlayerName_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};
