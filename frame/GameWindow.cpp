#include "frame/GameWindow.h"

#include "frame/Captions.h"
#include "frame/ReturnKey.h"
#include "frame/StatusPanels.h"
#include "frame/TextBoxShortcuts.h"
#include "platform/GameTimer.h"
#include "platform/Twips.h"
#include "services/SharedState.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>

namespace {
// The designed places of the frame's controls; each game lays out its window afterwards.
constexpr int kDesignWidth = 9540;
constexpr int kDesignHeight = 7200;
} // namespace

GameWindow::GameWindow(const GameDescriptor& game, QWidget* parent)
    : QMainWindow(parent), game_(game), profile_(*game.profile) {
    setObjectName(game.window);
    // What the load has to report shows over this window once it is up, not over the launcher.
    platform::HoldMessagesUntilShown(this);
    InstallTextBoxShortcutGuard();
    // Sees every click and key on the window's controls, to drop those of a round end.
    if (qApp) qApp->installEventFilter(this);
    auto* central = new QWidget(this);
    central->setObjectName("ClientArea");
    setCentralWidget(central);
    resize(Tw(kDesignWidth), Tw(kDesignHeight));
    createControls();
    createTimers();
}

GameWindow::~GameWindow() = default;

bool GameWindow::gameRunning() const {
    return GameUnderWay(state());
}

QLabel* GameWindow::makeLabel(const QString& name, const QString& caption) {
    if (QLabel* existing = label(name)) return existing;
    auto* l = new QLabel(caption, centralWidget());
    l->setObjectName(name);
    return l;
}

void GameWindow::createControls() {
    QWidget* area = centralWidget();
    auto frameNamed = [area](const char* name, QFrame::Shape shape, const QRect& r) {
        auto* f = new QFrame(area);
        f->setObjectName(name);
        f->setFrameShape(shape);
        f->setGeometry(r);
        return f;
    };

    // The clock gauge.
    frameNamed("TimerRectangle", QFrame::Box, TwRect(300, 345, 1365, 1230));
    surface_ = new ClockSurface(area);
    surface_->setGeometry(TwRect(405, 375, 1155, 1140));
    surface_->setToolTip("Displays time remaining in current round");
    frameNamed("TimerBevelSide", QFrame::VLine, TwRect(1590, 375, 45, 1200));
    frameNamed("TimerBevelBottom", QFrame::HLine, TwRect(390, 1545, 1200, 45));
    makeLabel("lblTime", "Time:")->setGeometry(TwRect(405, 15, 1155, 300));

    // Labels the frame writes into.
    makeLabel("lblHighScore", "Current High Score:")->setGeometry(TwRect(135, 5850, 4000, 285));
    QLabel* score = makeLabel(profile_.scoreLabel, "0");
    score->setGeometry(TwRect(2100, 465, 1065, 285));
    // Every window centres its score in this gauge; the highest score must show whole in it.
    KeepCaptionInside(score, "ScoreRectangle");
    QLabel* state = makeLabel(profile_.stateLabel);
    state->setGeometry(TwRect(2400, 3600, 4800, 480));
    state->hide();
    if (QString(profile_.messageLabel) != profile_.stateLabel) {
        QLabel* m = makeLabel(profile_.messageLabel);
        m->setGeometry(TwRect(2400, 2445, 4800, 480));
        m->hide();
    }
    for (const char* name : profile_.ownLabels)
        makeLabel(name)->hide();
    if (profile_.hasScoringOutline)
        frameNamed("ScoringLabelOutline", QFrame::Box, TwRect(3000, 2900, 3000, 700));
    if (profile_.hasScoringLabel) {
        QLabel* s = makeLabel("lblScoring");
        s->setGeometry(TwRect(3705, 3030, 1575, 480));
        s->setAlignment(Qt::AlignCenter);
        s->hide();
    }
    if (profile_.stockControl)
        makeLabel(profile_.stockControl)->setGeometry(TwRect(3675, 4695, 1140, 1470));

    // Commands.
    auto command = [area](const char* name, const QString& caption, const QString& tip, int top) {
        auto* b = new QPushButton(caption, area);
        b->setObjectName(name);
        b->setToolTip(tip);
        b->setGeometry(TwRect(kDesignWidth - 1320, top, 1155, 435));
        return b;
    };
    cmdPlay_ = command("cmdPlay", "&Play", "Starts a new game", 105);
    if (profile_.playIsDefault) cmdPlay_->setDefault(true);
    UseReturnKey(this, defaultButton());
    connect(cmdPlay_, &QPushButton::clicked, this, &GameWindow::cmdPlay_Click);
    int top = 585;
    if (profile_.takeScoreButton) {
        cmdTakeScore_ = command("cmdTakeScore", "&Take Score", profile_.takeScoreTip, top);
        cmdTakeScore_->setEnabled(false);
        cmdTakeScore_->setVisible(profile_.takeScoreButtonShown);
        connect(cmdTakeScore_, &QPushButton::clicked, this, &GameWindow::cmdTakeScore_Click);
        top += 480;
    }
    cmdPause_ = command("cmdPause", profile_.pauseCaption, profile_.pauseTip, top);
    cmdPause_->setEnabled(false);
    connect(cmdPause_, &QPushButton::clicked, this, &GameWindow::cmdPause_Click);
    quitButton_ = command(profile_.quitButton, profile_.quitCaption, profile_.quitTip, top + 480);
    connect(quitButton_, &QPushButton::clicked, this, &GameWindow::cmdExit_Click);

    // The idle splash panel.
    frmSplash_ = new QFrame(area);
    frmSplash_->setObjectName("frmSplash");
    frmSplash_->setGeometry(TwRect(915, 1800, 7080, 4050));
    for (int i = 0; i < 4; ++i) {
        auto* img = new QLabel(frmSplash_);
        img->setObjectName(QString("imgSplashImage_%1").arg(i));
        img->setGeometry(TwRect(320 + 400 * i, 600 + 600 * i, 1065, 1440));
        img->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        splash_[size_t(i)] = img;
    }

    // The status bar: welcome text, hints, time of day, and the date where the window has it.
    QStatusBar* bar = statusBar();
    bar->setObjectName("StatusBar1");
    bar->setSizeGripEnabled(false);
    std::vector<QLabel*> panels;
    for (int i = 0; i < (profile_.datePanel ? 4 : 3); ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QString("StatusBar1_Panel_%1").arg(i + 1));
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panels_[size_t(i)] = panel;
        panels.push_back(panel);
    }
    statusPanels_ = new StatusPanels(
        bar, panels, {profile_.statusPanelTwips.begin(), profile_.statusPanelTwips.end()});
}

void GameWindow::createTimers() {
    auto timer = [this](const char* name, int interval, bool on, void (GameWindow::*handler)()) {
        auto* t = new platform::GameTimer(this, interval, on);
        t->setObjectName(name);
        t->onTimer = [this, handler] { (this->*handler)(); };
        return t;
    };
    timer1_ = timer("Timer1", 1000, false, &GameWindow::clockTick);
    timer2_ = timer("Timer2", 200, profile_.timer2OnAtDesign, &GameWindow::Timer2_Timer);
    statusClock_ = timer(profile_.statusClockTimer, 60000, true, &GameWindow::StatusClock_Timer);
    timer4_ = timer("Timer4", profile_.splashInterval, profile_.splashOnAtDesign,
                    &GameWindow::Timer4_Timer);
}

QLabel* GameWindow::label(const QString& name) const {
    return name.isEmpty() ? nullptr : findChild<QLabel*>(name);
}

QAction* GameWindow::item(const QString& name) const {
    if (name.isEmpty()) return nullptr;
    auto it = items_.find(name);
    // Entries a game adds to the frame's menus are found by name too.
    return it != items_.end() ? it->second : findChild<QAction*>(name);
}

QMenu* GameWindow::menu(const QString& name) const {
    auto it = menus_.find(name);
    return it == menus_.end() ? nullptr : it->second;
}

QPushButton* GameWindow::button(const QString& name) const {
    return findChild<QPushButton*>(name);
}

QString GameWindow::statusText(int panel) const {
    const QLabel* p = panel >= 1 && panel <= 4 ? panels_[size_t(panel - 1)] : nullptr;
    return p ? p->text() : QString();
}

void GameWindow::setStatusText(int panel, const QString& text) {
    if (panel < 1 || panel > 3) return;
    panels_[size_t(panel - 1)]->setText(text);
    statusPanels_->relayout();
}

bool GameWindow::gated(unsigned gate) const {
    return (profile_.inputGates & gate) && Shared().InputBlocked;
}
