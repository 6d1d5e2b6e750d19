// Window size and layout: the minimum size, the four rows of field cards in half-card steps
// about the window's centre line, the displays that follow the cards, labels that re-centre
// themselves when their text changes, and minimising during a round.
#include "games/towers/frmCrestal.h"

#include "frame/Captions.h"
#include "frame/CardPictures.h"
#include "frame/TwipsLayout.h"
#include "services/HighScores.h"
#include "services/SharedState.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <cmath>

namespace {
constexpr int kMinWidth = 9570;
constexpr int kMinHeight = 7200;
constexpr int kCardWidth = 1065;

// Half-card steps of each field card's centre from the centre line.
constexpr int kHalfSteps[kTowersFieldCards] = {-6, 0, 6, -7, -5, -1, 1,  5,  7,  -8, -6, -4, -2, 0,
                                               2,  4, 6, 8,  -9, -7, -5, -3, -1, 1,  3,  5,  7,  9};
} // namespace

void frmCrestal::resizeEvent(QResizeEvent* event) {
    GameWindow::resizeEvent(event);
    Form_Resize();
}

void frmCrestal::changeEvent(QEvent* event) {
    GameWindow::changeEvent(event); // minimising holds the round, the restore resumes it
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

void frmCrestal::Form_Resize() {
    if (isMinimized()) return;
    const int w = PxToTw(width());
    const int h = PxToTw(height());
    if (!isMaximized() && !isFullScreen() && (w < kMinWidth || h < kMinHeight)) {
        // Both measures go back to the minimum, not only the one that was too small.
        resize(Tw(kMinWidth), Tw(kMinHeight));
        if (PxToTw(width()) >= kMinWidth && PxToTw(height()) >= kMinHeight)
            layoutControls(PxToTw(width()));
        return;
    }
    layoutControls(w);
}

void frmCrestal::layoutControls(int W) {
    for (int k = 0; k < kTowersFieldCards; ++k) {
        cardLeft_[size_t(k)] = W / 2.0 + (kHalfSteps[k] - 1) * kCardWidth / 2.0;
        MoveLeftTw(UpCardImage(k), cardLeft(k));
    }
    auto own = [](const QWidget* c) { return TwWidth(c) / 2.0; };
    auto move = [this](const char* name, double left) {
        MoveLeftTw(findChild<QWidget*>(name), left);
    };
    MoveLeftTw(stockPicture_, cardLeft(11));
    MoveLeftTw(upPicture_, cardLeft(11) + 1200);
    for (int t = 0; t < 3; ++t)
        ApplyCaptionRule(label(QString("lblTower%1").arg(t + 1)));
    for (const char* name : {"lblCardCount", "lblCards"})
        move(name, cardLeft(0) - own(label(name)));
    move("lblHighScore", TwLeft(label("lblCardCount")));
    const double runLeft = cardLeft(6) - 180;
    for (const char* name : {"lblCurrentRun", "lblHighRun", "lblNextCard"})
        move(name, runLeft);

    // The round and score gauges over cards 12 and 15, their bevels inside the frames.
    const std::tuple<const char*, int, int> gauges[] = {{"Round", 12, 25}, {"Score", 15, 15}};
    for (const auto& [name, card, inset] : gauges) {
        QWidget* rect = findChild<QWidget*>(QString(name) + "Rectangle");
        QLabel* caption = label(QString("lbl") + name);
        MoveLeftTw(rect, cardLeft(card) - own(rect));
        ApplyCaptionRule(caption);
        const int x = TwLeft(rect) + TwWidth(rect) - 15;
        const int top = TwTop(rect);
        const int bottom = top + TwHeight(rect) - 30;
        PlaceBevelLine(findChild<QWidget*>(QString(name) + "BevelSide"), x, top + 30, x, bottom);
        PlaceBevelLine(findChild<QWidget*>(QString(name) + "BevelBottom"), TwLeft(rect) + inset,
                       bottom, x, bottom);
    }
    for (const char* name : {"lblCurrentRound", "lblCurrentScore"})
        ApplyCaptionRule(label(name));

    QWidget* surface = Surface();
    MoveLeftTw(surface, cardLeft(25) - 165);
    const int sx = TwLeft(surface);
    PlaceBevelLine(findChild<QWidget*>("TimerBevelSide"), sx + TwWidth(surface) + 30, 4485,
                   sx + TwWidth(surface) + 30, 5650);
    move("TimerRectangle", sx - 90);
    PlaceBevelLine(findChild<QWidget*>("TimerBevelBottom"), sx - 15, 5665, sx - 15 + 1200, 5665);
    ApplyCaptionRule(label("lblTime"));

    for (const char* name : {"cmdPlay", "cmdPause", "cmdTakeScore", "cmdExit"})
        move(name, cardLeft(8) + 405);
    MoveTw(frmSplash(), cardLeft(3), TwTop(UpCardImage(3)));
    ApplyCaptionRule(label("lblMessage"));
}

void frmCrestal::registerCaptionRules() {
    // Each gauge number re-centres in its frame; the message on the window's centre line.
    auto inFrame = [this](const char* frame, bool wholeTwips) {
        return [this, frame, wholeTwips](QLabel& l) {
            const QWidget* r = findChild<QWidget*>(frame);
            const double room = TwWidth(r) - TwWidth(&l);
            MoveLeftTw(&l, TwLeft(r) + (wholeTwips ? std::floor(room / 2) : room / 2));
        };
    };
    SetCaptionRule(this, "lblCurrentRound",
                   {CaptionSize::AutoSize, inFrame("RoundRectangle", false)});
    SetCaptionRule(this, "lblCurrentScore",
                   {CaptionSize::AutoSize, inFrame("ScoreRectangle", true)});
    SetCaptionRule(this, "lblTime", {CaptionSize::AutoSize, inFrame("TimerRectangle", false)});
    SetCaptionRule(this, "lblMessage",
                   {CaptionSize::AutoSize, CentreOnX([this] { return PxToTw(width()) / 2.0; })});
    // Labels centred over a card keep that centre when our font widens them.
    auto overCard = [this](int card) { return CentreOnX([this, card] { return cardLeft(card); }); };
    for (int t = 0; t < 3; ++t)
        SetCaptionRule(this, QString("lblTower%1").arg(t + 1), {CaptionSize::Grow, overCard(t)});
    SetCaptionRule(this, "lblRound", {CaptionSize::Grow, overCard(12)});
    SetCaptionRule(this, "lblScore", {CaptionSize::Grow, overCard(15)});
    for (const char* name : {"lblRound", "lblScore"})
        ApplyCaptionRule(label(name));
}

void frmCrestal::setMessage(const QString& text) {
    SetCaption(label("lblMessage"), text);
}

void frmCrestal::setScoreText(int32_t score) {
    SetCaption(label("lblCurrentScore"), FormatScore(score));
}

void frmCrestal::setRoundText(const QString& text) {
    SetCaption(label("lblCurrentRound"), text);
}

void frmCrestal::setTimeText(const QString& text) {
    SetCaption(label("lblTime"), text);
}
