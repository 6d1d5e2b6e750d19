// Window size and layout: the minimum size, the four rows of field cards in half-card steps
// about the window's centre line, the displays that follow the cards, labels that re-centre
// themselves when their text changes, and minimising during a round.
#include "games/towers/frmCrestal.h"

#include "frame/CardPictures.h"
#include "frame/TwipsLayout.h"
#include "services/HighScores.h"
#include "services/SharedState.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

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
    for (int t = 0; t < 3; ++t) {
        QLabel* l = label(QString("lblTower%1").arg(t + 1));
        MoveLeftTw(l, cardLeft(t) - own(l));
    }
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
        MoveLeftTw(caption, cardLeft(card) - own(caption));
        const int x = TwLeft(rect) + TwWidth(rect) - 15;
        const int top = TwTop(rect);
        const int bottom = top + TwHeight(rect) - 30;
        PlaceBevelLine(findChild<QWidget*>(QString(name) + "BevelSide"), x, top + 30, x, bottom);
        PlaceBevelLine(findChild<QWidget*>(QString(name) + "BevelBottom"), TwLeft(rect) + inset,
                       bottom, x, bottom);
    }
    setRoundText(label("lblCurrentRound")->text());
    setScoreText(label("lblCurrentScore")->text().remove(',').toInt());

    QWidget* surface = Surface();
    MoveLeftTw(surface, cardLeft(25) - 165);
    const int sx = TwLeft(surface);
    PlaceBevelLine(findChild<QWidget*>("TimerBevelSide"), sx + TwWidth(surface) + 30, 4485,
                   sx + TwWidth(surface) + 30, 5650);
    move("TimerRectangle", sx - 90);
    PlaceBevelLine(findChild<QWidget*>("TimerBevelBottom"), sx - 15, 5665, sx - 15 + 1200, 5665);
    setTimeText(label("lblTime")->text());

    for (const char* name : {"cmdPlay", "cmdPause", "cmdTakeScore", "cmdExit"})
        move(name, cardLeft(8) + 405);
    MoveTw(frmSplash(), cardLeft(3), TwTop(UpCardImage(3)));
    setMessage(label("lblMessage")->text());
}

void frmCrestal::setMessage(const QString& text) {
    QLabel* l = label("lblMessage");
    l->setText(text);
    l->adjustSize();
    MoveLeftTw(l, PxToTw(width()) / 2.0 - TwWidth(l) / 2.0);
}

void frmCrestal::setScoreText(int32_t score) {
    QLabel* l = label("lblCurrentScore");
    l->setText(FormatScore(score));
    l->adjustSize();
    const QWidget* r = findChild<QWidget*>("ScoreRectangle");
    MoveLeftTw(l, TwLeft(r) + (TwWidth(r) - TwWidth(l)) / 2);
}

void frmCrestal::setRoundText(const QString& text) {
    QLabel* l = label("lblCurrentRound");
    l->setText(text);
    l->adjustSize();
    const QWidget* r = findChild<QWidget*>("RoundRectangle");
    MoveLeftTw(l, TwLeft(r) + (TwWidth(r) - TwWidth(l)) / 2.0);
}

void frmCrestal::setTimeText(const QString& text) {
    QLabel* l = label("lblTime");
    l->setText(text);
    l->adjustSize();
    const QWidget* r = findChild<QWidget*>("TimerRectangle");
    MoveLeftTw(l, TwLeft(r) + TwWidth(r) / 2.0 - TwWidth(l) / 2.0);
}
