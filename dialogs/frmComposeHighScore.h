#pragma once
// The window that e-mails the best entry of the Hall of Fame for listing on the high-score
// web page. It reads that entry from the table window, which stays open underneath.

#include <QDialog>
#include <QPointer>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// Shows the window modally over the open table window ("frmHighScores").
void ShowComposeHighScore();

class frmComposeHighScore : public QDialog {
    Q_OBJECT
  public:
    // `tableWindow` is the open table window whose first row is offered for sending.
    explicit frmComposeHighScore(QWidget* tableWindow, QWidget* parent = nullptr);

    void Form_Load();
    void cmdSubmit_Click();
    void cmdCancel_Click();
    void UpdateSample();

    void txtName_Change();
    void txtHomeTown_Change();
    void txtCountry_Change();
    void cmboState_Click();
    void txtScore_Change();

    void txtName_GotFocus();
    void txtScore_GotFocus();
    void txtHomeTown_GotFocus();
    void txtCountry_GotFocus();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    // Captions of the table window's first name and score cells.
    QString bestName() const;
    QString bestScoreText() const;
    void copyPlayerDetails();

    QPointer<QWidget> tableWindow_;
    QLabel* lblInfo_ = nullptr;
    QLabel* lblSample_ = nullptr;
    QLabel* lblOther_ = nullptr;
    QLineEdit* txtName_ = nullptr;
    QLineEdit* txtScore_ = nullptr;
    QLineEdit* txtHomeTown_ = nullptr;
    QComboBox* cmboState_ = nullptr;
    QLineEdit* txtCountry_ = nullptr;
    QPlainTextEdit* txtOther_ = nullptr;
    QPlainTextEdit* txtSample_ = nullptr;
    QPushButton* cmdSubmit_ = nullptr;
    QPushButton* cmdCancel_ = nullptr;
};
