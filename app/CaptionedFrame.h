#pragma once
// The launcher's frame: a group box whose caption alone takes its own colour, painted so that
// the launcher's first paint stays light.
//
// Set through the group box's palette, the colour would hand every control inside a palette
// copy of its own, and the style keys its cache of drawn buttons by palette: each button
// would then be drawn from scratch on the first paint. Given to the caption's paint only,
// the buttons share one palette and alike buttons are drawn once.

#include <QColor>
#include <QGroupBox>

class CaptionedFrame : public QGroupBox {
  public:
    explicit CaptionedFrame(QWidget* parent = nullptr) : QGroupBox(parent) {}

    void setCaptionColour(const QColor& colour);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor captionColour_;
};
