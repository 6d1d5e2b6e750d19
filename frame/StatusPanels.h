#pragma once
// The status bar's panels. A window may give each panel a width (twips); a panel whose text
// needs more grows to it, and when the bar is narrower than the widths together the panels
// with room to spare give it up, down to what their texts need, so no text is cut while the
// bar can hold them all. Without given widths each panel is as wide as its text and the hint
// panel takes what is left.

#include <QObject>
#include <vector>

class QLabel;
class QStatusBar;

// Pixel widths for panels of the given design widths (0: as wide as the text) and the widths
// their texts need, in a bar with `room` pixels for them.
std::vector<int> StatusPanelWidths(const std::vector<int>& design, const std::vector<int>& need,
                                   int room);

class StatusPanels : public QObject {
  public:
    // Adds the panels to the bar. designTwips: one entry per panel, 0 where the window leaves
    // the width open.
    StatusPanels(QStatusBar* bar, std::vector<QLabel*> panels, std::vector<int> designTwips);
    // Sizes the panels again (after a text changed).
    void relayout();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QStatusBar* bar_;
    std::vector<QLabel*> panels_;
    std::vector<int> design_; // pixels
    bool stretch_;            // the hint panel takes the room left over
};
