#pragma once
// The about box: names the game and tells how long its window has been open.

#include <QDialog>

class QLabel;
class QPushButton;

class frmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit frmAbout(QWidget* parent = nullptr);

    void Form_Load();
    void cmdCoolDude_Click();

  private:
    QLabel* lblInfo_ = nullptr;
    QLabel* lblStats_ = nullptr;
    QPushButton* cmdCoolDude_ = nullptr;
};

// Opens the about box of the current game modally, owned by its game window so that it goes
// where that goes (minimised with it).
void ShowAboutBox(QWidget* owner);
