#include "frame/RoundClock.h"

#include "platform/GameTimer.h"
#include "services/SharedState.h"

#include <QPainter>
#include <cmath>

ClockSurface::ClockSurface(QWidget* parent) : QWidget(parent) {
    setObjectName("Surface");
    back_ = palette().color(QPalette::Window);
}

void ClockSurface::paintEvent(QPaintEvent*) {
    QPainter g(this);
    if (image_.isNull())
        g.fillRect(rect(), back_);
    else
        g.drawImage(0, 0, image_);
}

QImage& ClockSurface::canvas() {
    if (image_.size() != size()) {
        image_ = QImage(size(), QImage::Format_RGB32);
        image_.fill(back_);
    }
    return image_;
}

int ClockDegrees(int timeLimit, int seconds) {
    if (timeLimit <= 0) return 0;
    return int(std::nearbyint(360.0 / timeLimit * seconds)); // ties go to the even neighbour
}

QString ClockWarning(int timeLimit, int secondsLeft) {
    const int quarter = int(std::nearbyint(timeLimit / 4.0));
    const int half = int(std::nearbyint(timeLimit / 2.0));
    if (secondsLeft < quarter) return QStringLiteral("Better Hurry!");
    if (secondsLeft <= half) return QStringLiteral("Times running out!");
    return QString();
}

RoundSecond AdvanceRoundSecond() {
    SharedState& s = Shared();
    s.ElapsedSeconds += 1;
    s.GaugeElapsed = s.ElapsedSeconds;
    RoundSecond r;
    r.elapsed = s.ElapsedSeconds;
    r.secondsLeft = s.TimeLimit - s.ElapsedSeconds;
    r.angle = ClockDegrees(s.TimeLimit, s.ElapsedSeconds);
    r.timeUp = s.ElapsedSeconds >= s.TimeLimit;
    r.warning = ClockWarning(s.TimeLimit, r.secondsLeft);
    return r;
}

void RoundClock::Init(ClockSurface& surface, platform::GameTimer& timer2) {
    // Geometry in twips, as the window design gives it.
    centreX_ = surface.width() * 15 / 2;
    centreY_ = surface.height() * 15 / 2;
    radius_ = (centreX_ < centreY_ ? centreX_ : centreY_) - 30;
    green_ = kVbGreen;
    yellow_ = kVbYellow;
    fill_ = kVbWhite;
    red_ = kVbRed;
    tick_ = kVbSilver;
    initialised_ = true;
    Draw(0, surface, timer2);
}

void RoundClock::sector(QPainter& g, double from, double to) const {
    const QRectF box(centreX_ - radius_, centreY_ - radius_, 2 * radius_, 2 * radius_);
    g.drawPie(box, qRound(from * 16), qRound((to - from) * 16));
}

void RoundClock::Draw(int degrees, ClockSurface& surface, platform::GameTimer& timer2) {
    if (!initialised_) Init(surface, timer2); // a draw before the first round start
    QImage& image = surface.canvas();
    image.fill(surface.backColour());
    if (savedFill_ == 0) savedFill_ = fill_;

    QPainter g(&image);
    g.scale(1.0 / 15, 1.0 / 15);
    auto use = [&g](uint32_t colour) {
        g.setPen(QPen(VbColour(colour), 0));
        g.setBrush(VbColour(colour));
    };
    use(green_);
    if (degrees >= 1 && degrees <= 90) {
        sector(g, 90 - degrees, 90);
    } else if (degrees >= 91 && degrees <= 180) {
        sector(g, 0, 90);
        sector(g, 450 - degrees, 360);
    } else if (degrees >= 181 && degrees <= 270) {
        sector(g, 0, 90);
        sector(g, 270, 360);
        use(yellow_);
        sector(g, 450 - degrees, 270);
    } else if (degrees >= 271 && degrees <= 359) {
        timer2.setEnabled(true);
        fill_ = fill_ == savedFill_ ? red_ : savedFill_;
        sector(g, 0, 90);
        sector(g, 270, 360);
        use(yellow_);
        sector(g, 180, 270);
        use(fill_);
        sector(g, 450 - degrees, 180);
    } else if (degrees == 360) {
        timer2.setEnabled(false);
        fill_ = kVbRed;
        sector(g, 0, 90);
        sector(g, 270, 360);
        use(yellow_);
        sector(g, 180, 270);
        use(fill_);
        sector(g, 90, 180);
    }

    g.setBrush(Qt::NoBrush);
    g.setPen(QPen(VbColour(tick_), 0));
    const double cx = centreX_, cy = centreY_;
    g.drawLine(QPointF(cx, cy - radius_), QPointF(cx, cy + radius_));
    g.drawLine(QPointF(cx, cy), QPointF(cx - radius_, cy));
    g.setPen(QPen(VbColour(kVbBlack), 0));
    g.drawEllipse(QPointF(cx, cy), radius_, radius_);
    g.end();
    surface.update();
}
