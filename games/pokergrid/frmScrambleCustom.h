#pragma once
// The poker grid game's user-options dialog on the frame's custom-scoring dialog. Its boxes
// read a number from the start of their text (text without one is 0), and an entry outside
// a box's range stores that box's own replacement value, not the limit it passed.

#include "frame/TableScoringDialog.h"

#include <memory>

class frmScrambleCustom : public TableScoringDialog {
    Q_OBJECT
  public:
    // `applied` runs after every OK and Default (the game's custom mark); `bonusAccepted`
    // when OK stores a bonus-round score within range.
    frmScrambleCustom(QWidget* gameWindow, std::function<void()> applied,
                      std::function<void()> bonusAccepted = {});

    // Which boxes the OK being checked found out of range, in check order.
    struct Replacements {
        std::vector<bool> outOfRange;
        TableScoringDialog* dialog = nullptr;
    };

  private:
    frmScrambleCustom(QWidget* gameWindow, std::function<void()> applied,
                      std::function<void()> bonusAccepted,
                      std::shared_ptr<Replacements> replacements);
    // Before OK reads the boxes: each box's text becomes the number it starts with, and the
    // boxes out of range are noted.
    void prepareBoxes();

    std::shared_ptr<Replacements> replacements_;
};
