#pragma once
// Twindle's custom-scoring dialog: the pairs, runs, bonus-round, completion and time bonus
// values and the count-down switch, as a table of the frame's custom-scoring dialog. Each box
// is checked and stored on its own; a value outside its range stores the limit and keeps the
// dialog open. After every OK the window's custom mark, headings and status text follow.

#include "frame/TableScoringDialog.h"

#include <functional>

class frmTwindleCustomScoring : public TableScoringDialog {
    Q_OBJECT
  public:
    // `refresh` brings the game window up to date (custom mark, headings, status text).
    explicit frmTwindleCustomScoring(std::function<void()> refresh, QWidget* gameWindow = nullptr);
};
