#pragma once
// The elevens custom-scoring dialog: the bonus-round threshold, the completion bonus, the
// points per combination, the time bonus, the card bonus and the scoring mode, as a table of
// the frame's custom-scoring dialog. OK checks every box before anything is stored (the first
// failing box is reported), stores the values and brings the game window up to date; the
// card bonus counts only in enhanced scoring; Cancel changes nothing.

#include "frame/TableScoringDialog.h"

#include <functional>

class frmElevensCustomScoring : public TableScoringDialog {
    Q_OBJECT
  public:
    // `gameWindow` gets the new caption and high-score label; `onApplied` runs after a
    // successful OK so the window can refresh its card point tips and status bar.
    explicit frmElevensCustomScoring(QWidget* gameWindow = nullptr,
                                     std::function<void()> onApplied = {});

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
};
