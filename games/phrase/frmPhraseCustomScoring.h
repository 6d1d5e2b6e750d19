#pragma once
// The phrase game's "User Options": the face bonus, the completion bonus, the time bonus,
// the faces per round, the bonus-round score, how long a lost phrase stays on view, the
// count-down switch and the picture a wrong guess shows. OK checks the boxes in tab order
// and stores them; Default stores the defaults at once; Cancel keeps what is stored.

#include <QDialog>
#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class frmPhrase;

class frmPhraseCustomScoring : public QDialog {
    Q_OBJECT
  public:
    explicit frmPhraseCustomScoring(frmPhrase* gameWindow = nullptr);

    void Form_Load();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdDefault_Click();
    void cmdBadGuess_Click(int index);

    QGroupBox* frmScoringOptions;
    QLineEdit* txtGuessValue;
    QLineEdit* txtCompletionBonus;
    QLineEdit* txtTimeBonus;
    QLineEdit* txtGuessCount;
    QLineEdit* txtBonusRoundScore;
    QLineEdit* txtShowPhrase;
    QCheckBox* chkCountDown;
    std::array<QPushButton*, 2> cmdBadGuess{};
    QLabel* lblInfo;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* cmdDefault;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void showValues();

    frmPhrase* gameWindow_;
};
