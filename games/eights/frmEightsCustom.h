#pragma once
// The wild-eights custom-scoring dialog: the bonus-round score, the time bonus per second,
// the deck-completion bonus and the count-down switch, as a table of the frame's dialog. Each
// box is checked in turn; a box out of range shows its side's message and its limit; nothing
// is stored until every box passes, and the custom mark follows every OK.

#include "frame/TableScoringDialog.h"

#include <functional>
#include <memory>

class frmEightsCustom : public TableScoringDialog {
    Q_OBJECT
  public:
    // `onApplied` runs after an OK that stored the values (the game window's status bar).
    explicit frmEightsCustom(QWidget* gameWindow = nullptr, std::function<void()> onApplied = {});
    ~frmEightsCustom() override;

    struct Staged;

  private:
    frmEightsCustom(std::shared_ptr<Staged> staged, QWidget* gameWindow,
                    std::function<void()> onApplied);
    std::shared_ptr<Staged> staged_;
};
