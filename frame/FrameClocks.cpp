// The clock pie and gauges, the status-bar clock, the idle splash and the shared load steps.
#include "frame/GameWindow.h"

#include "frame/StatusPanels.h"
#include "platform/GameTimer.h"
#include "platform/ProgramTime.h"
#include "services/PictureList.h"
#include "services/Random.h"
#include "services/SharedState.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLocale>

void GameWindow::InitClock() {
    clock_.Init(*surface_, *timer2_);
}

void GameWindow::DrawClock(int degrees) {
    clock_.Draw(degrees, *surface_, *timer2_);
}

int GameWindow::ClockDegreesFor(int seconds) const {
    return ClockDegrees(Shared().TimeLimit, seconds);
}

void GameWindow::Timer2_Timer() {
    DrawClock(ClockDegreesFor(Shared().GaugeElapsed));
}

namespace {
void showNamed(const QWidget* window, std::initializer_list<const char*> names, bool visible) {
    for (const char* name : names)
        if (auto* w = window->findChild<QWidget*>(name)) w->setVisible(visible);
}
} // namespace

void GameWindow::ShowTimerGauge(bool visible) {
    showNamed(this, {"Surface", "TimerRectangle", "TimerBevelBottom", "TimerBevelSide", "lblTime"},
              visible);
}

void GameWindow::ShowGauge(const QString& name, bool visible) {
    for (const QString& part : {"lbl" + name, name + "Rectangle", name + "BevelSide",
                                name + "BevelBottom", "lblCurrent" + name})
        if (auto* w = findChild<QWidget*>(part)) w->setVisible(visible);
}

void GameWindow::StatusClock_Timer() {
    const QDateTime now = platform::ProgramTime::now();
    setStatusText(3, QLocale::c().toString(now.time(), "h:mm AP"));
    // The date panel keeps itself in the platform's short date style.
    if (QLabel* date = panels_[3]) {
        date->setText(QLocale::system().toString(now.date(), QLocale::ShortFormat));
        statusPanels_->relayout();
    }
}

void GameWindow::Timer4_Timer() {
    QLabel* img = splash_[size_t(SplashIndex_)];
    img->lower();
    if (SplashForward_) {
        PictureList& pictures = CardPictureList();
        const bool ownFace = profile_.splashFaceKey != nullptr;
        if (SplashShowBack_)
            img->setPixmap(pictures.byKey("BACK"));
        else
            img->setPixmap(ownFace ? pictures.byKey(profile_.splashFaceKey)
                                   : pictures.picture(RandomInt(14, 65)));
        if (!ownFace)
            img->setFrameStyle(SplashShowBack_ ? QFrame::NoFrame : QFrame::Box | QFrame::Plain);
        if (++SplashIndex_ == 4) {
            SplashForward_ = false;
            SplashIndex_ = 3;
        }
    } else if (--SplashIndex_ < 0) {
        SplashForward_ = true;
        SplashIndex_ = 0;
        SplashShowBack_ = !SplashShowBack_;
    }
}

void GameWindow::ShowSplash(bool visible) {
    frmSplash_->setVisible(visible);
    timer4_->setEnabled(visible);
    if (visible) givePlayBack(true); // the idle window comes back whole
}

QString GameWindow::WelcomeText() const {
    return "Welcome to " + Shared().GameTitle + QString::fromUtf8(profile_.welcomeBlanks);
}

void GameWindow::LoadFrameDefaults() {
    SharedState& s = Shared();
    play_->settle(State::Idle);
    s.MusicOn = false;
    s.TimeLimit = game_.defaultTime;
    s.DeckDesign = profile_.loadDeckDesign;
    setStatusText(1, WelcomeText());
    StatusClock_Timer();
    s.WindowLoadTime = platform::ProgramTime::now();
    if (profile_.splashFaceKey)
        for (QLabel* img : splash_)
            img->setPixmap(CardPictureList().byKey(profile_.splashFaceKey));
    ShowSplash(true);
}
