#pragma once
// The round clock: a pie on the picture box `Surface` that fills clockwise from 12 o'clock,
// one full turn per round. Quarters one and two are green, three yellow, and the last one
// flashes red and white (Timer2 redraws it every 200 ms) until the disc is full and red.
// Each game window owns one clock with its own geometry and flash state.

#include "frame/VbColour.h"

#include <QImage>
#include <QWidget>

namespace platform {
class GameTimer;
}

// The picture box the pie is drawn on; it keeps what was drawn until the next clear.
class ClockSurface : public QWidget {
    Q_OBJECT
  public:
    explicit ClockSurface(QWidget* parent = nullptr);
    const QImage& image() const { return image_; }
    // The picture to draw on, sized to the surface.
    QImage& canvas();
    QColor backColour() const { return back_; }

  protected:
    void paintEvent(QPaintEvent*) override;

  private:
    QImage image_;
    QColor back_;
};

class RoundClock {
  public:
    // Geometry from the surface (in twips) and the starting colours; draws the empty clock.
    void Init(ClockSurface& surface, platform::GameTimer& timer2);
    // Clears the surface and draws `degrees` (0-360) of the round; other values draw no sector.
    void Draw(int degrees, ClockSurface& surface, platform::GameTimer& timer2);

    int centreX() const { return centreX_; }
    int centreY() const { return centreY_; }
    double radius() const { return radius_; }
    uint32_t fillColour() const { return fill_; }

  private:
    void sector(QPainter& g, double from, double to) const;

    int centreX_ = 0;
    int centreY_ = 0;
    double radius_ = 0;
    bool initialised_ = false;
    uint32_t green_ = kVbGreen;
    uint32_t yellow_ = kVbYellow;
    uint32_t fill_ = kVbWhite;
    uint32_t red_ = kVbRed;
    uint32_t tick_ = kVbSilver;
    uint32_t savedFill_ = 0; // the colour the flash returns to, taken at the first draw
};

// Degrees of the round used after `seconds`: 360 / limit x seconds rounded half to even.
// A limit of 0 or below has no clock: 0.
int ClockDegrees(int timeLimit, int seconds);

// The status bar's warning with `secondsLeft` of `timeLimit`: "Better Hurry!" below a quarter
// of the limit, "Times running out!" up to half of it, else nothing. The quarter and the half
// are rounded to whole seconds, halves to the even neighbour.
QString ClockWarning(int timeLimit, int secondsLeft);

// One second of a round's clock: ElapsedSeconds and GaugeElapsed advance together.
struct RoundSecond {
    int elapsed = 0;
    int secondsLeft = 0;
    int angle = 0;       // of the pie for the new second
    bool timeUp = false; // the limit is reached
    QString warning;     // ClockWarning for the new second
};
RoundSecond AdvanceRoundSecond();
