#pragma once
// The elevens custom-scoring dialog: the bonus-round threshold, the completion bonus, the
// points per combination, the time bonus, the card bonus and the scoring mode. OK checks
// every box, stores the values and brings the game window up to date; Cancel changes nothing.

#include <QDialog>
#include <functional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class frmElevensCustomScoring : public QDialog {
    Q_OBJECT
  public:
    // `gameWindow` gets the new caption and high-score label; `onApplied` runs after a
    // successful OK so the window can refresh its card point tips and status bar.
    explicit frmElevensCustomScoring(QWidget* gameWindow = nullptr,
                                     std::function<void()> onApplied = {});

    void Form_Load();
    void chkScoring_Click();
    void cmdDefault_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void txtBonus_GotFocus();
    void txtCompletion_GotFocus();
    void txtElevensBonus_GotFocus();
    void txtTimeBonus_GotFocus();
    void txtCardBonus_GotFocus();

    QGroupBox* frmScoringOptions;
    QLabel* lblCustom;
    QLabel* lblBouns;
    QLabel* lblCompletion;
    QLabel* lblElevenBonus;
    QLabel* lblTimeBonus;
    QLabel* lblCardBonus;
    QLineEdit* txtBonus;
    QLineEdit* txtCompletion;
    QLineEdit* txtElevensBonus;
    QLineEdit* txtTimeBonus;
    QLineEdit* txtCardBonus;
    QCheckBox* chkScoring;
    QPushButton* cmdOK;
    QPushButton* cmdDefault;
    QPushButton* cmdCancel;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void setCardBonusEnabled(bool on);

    QWidget* gameWindow_;
    std::function<void()> onApplied_;
};
