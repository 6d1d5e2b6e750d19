// Window size and layout: the minimum size, the five rows centred across the window, the
// buttons, boxes and clock right and left of them, and labels centred on their boxes.
#include "games/pairs/frmTwindle.h"

#include "frame/Captions.h"
#include "frame/CardPictures.h"
#include "frame/TwipsLayout.h"
#include "games/pairs/PairsLayout.h"
#include "platform/GameTimer.h"
#include "services/SharedState.h"
#include "services/Sound.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
using namespace PairsDesign;

struct BoxLines {
    const char* box;
    int sideY1, sideY2, bottomY;
};
constexpr BoxLines kBoxLines[] = {
    {"Score", 2235, 2720, 2715},
    {"Round", 3315, 3785, 3780},
    {"Pair", 2130, 2615, 2610},
    {"Run", 3315, 3785, 3780},
};
} // namespace

void frmTwindle::resizeEvent(QResizeEvent* event) {
    GameWindow::resizeEvent(event);
    Form_Resize();
}

void frmTwindle::changeEvent(QEvent* event) {
    GameWindow::changeEvent(event); // the clocks and music held while minimised
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

void frmTwindle::setClock(bool on) {
    Timer1()->setEnabled(on);
}

void frmTwindle::Form_Resize() {
    if (isMinimized()) return;
    const int w = PxToTw(width());
    const int h = PxToTw(height());
    if (!isMaximized() && !isFullScreen() && BelowPairsMinimum(w, h)) {
        resize(Tw(MinWidth), Tw(MinHeight));
        // A hidden window gets its resize event only when shown: lay it out now.
        layoutControls(PxToTw(width()), PxToTw(height()));
        return;
    }
    layoutControls(w, h);
}

void frmTwindle::registerCaptionRules() {
    // Every label sizes itself to its text; these centre again on their box after a change.
    const std::pair<const char*, const char*> centred[] = {
        {"lblScore", "ScoreRectangle"}, {"lblCurrentScore", "ScoreRectangle"},
        {"lblRound", "RoundRectangle"}, {"lblCurrentRound", "RoundRectangle"},
        {"lblPairs", "PairRectangle"},  {"lblScorePairs", "PairRectangle"},
        {"lblRuns", "RunRectangle"},    {"lblScoreRuns", "RunRectangle"},
        {"lblTime", "TimerRectangle"},  {"lblCards", "lblCardCount"},
    };
    for (const auto& [name, on] : centred)
        SetCaptionRule(this, name, {CaptionSize::AutoSize, [this, on](QLabel& l) {
                                        const QWidget* r = findChild<QWidget*>(on);
                                        MoveLeftTw(&l,
                                                   TwLeft(r) + (TwWidth(r) - TwWidth(&l)) / 2.0);
                                    }});
    SetCaptionRule(this, "lblMessage",
                   {CaptionSize::AutoSize, CentreOnX([this] { return PxToTw(width()) / 2.0; })});
}

void frmTwindle::placeBox(const char* box, double left, double bottomInset, const char* heading,
                          const char* count) {
    QWidget* r = findChild<QWidget*>(QString(box) + "Rectangle");
    MoveLeftTw(r, left);
    for (const BoxLines& lines : kBoxLines) {
        if (QString(lines.box) != box) continue;
        const int x = int(std::lround(left)) + BoxWidth - 15;
        PlaceBevelLine(findChild<QWidget*>(QString(box) + "BevelSide"), x, lines.sideY1, x,
                       lines.sideY2);
        PlaceBevelLine(findChild<QWidget*>(QString(box) + "BevelBottom"),
                       int(std::lround(left + bottomInset)), lines.bottomY, x, lines.bottomY);
    }
    ApplyCaptionRule(label(heading));
    ApplyCaptionRule(label(count));
}

void frmTwindle::layoutControls(int width, int height) {
    const PairsLayout l = LayOutPairs(width, height);
    for (int i = 0; i < kBoardPlaces; ++i) {
        MoveTw(PlayCard(i), l.card[size_t(i)], CardTop[size_t(i)]);
        FieldSelectionRectangle(i)->setGeometry(PlayCard(i)->geometry());
    }
    for (const char* name : {"cmdPlay", "cmdPause", "cmdTakeScore", "cmdExit"})
        MoveLeftTw(button(name), l.buttons);
    MoveTw(CardStackPicture(), l.stack, StackTop);

    ApplyCaptionRule(label("lblMessage"));
    if (QLabel* s = label("lblScoring")) s->resize(Tw(4500), s->height());
    MoveLeftTw(label("lblCardCount"), l.cardCount);
    ApplyCaptionRule(label("lblCards"));
    if (QLabel* hs = label("lblHighScore")) {
        hs->resize(Tw(4000), hs->height());
        MoveLeftTw(hs, l.highScore);
    }

    placeBox("Score", l.score.rectangle, 15, "lblScore", "lblCurrentScore");
    placeBox("Round", l.round.rectangle, 25, "lblRound", "lblCurrentRound");
    placeBox("Pair", l.pairs.rectangle, 25, "lblPairs", "lblScorePairs");
    placeBox("Run", l.runs.rectangle, 25, "lblRuns", "lblScoreRuns");

    MoveLeftTw(Surface(), l.surface);
    MoveLeftTw(findChild<QWidget*>("TimerRectangle"), l.timerRectangle);
    const int sideX = int(std::lround(l.timerSideX));
    PlaceBevelLine(findChild<QWidget*>("TimerBevelSide"), sideX, 390, sideX, 1580);
    PlaceBevelLine(findChild<QWidget*>("TimerBevelBottom"), int(std::lround(l.timerBottomX1)), 1575,
                   int(std::lround(l.timerBottomX2)), 1575);
    ApplyCaptionRule(label("lblTime"));

    MoveTw(frmSplash(), l.splashLeft, l.splashTop);
}

void frmTwindle::setText(const char* name, const QString& text) {
    SetCaption(label(name), text);
}

void frmTwindle::setMessage(const QString& text) {
    setText("lblMessage", text);
}

void frmTwindle::ShowControls(bool visible, bool) {
    for (const char* name : {"lblCardCount", "lblCards", "lblTime", "Surface", "TimerBevelSide",
                             "TimerRectangle", "TimerBevelBottom", "lblRound", "RoundRectangle",
                             "RoundBevelSide", "RoundBevelBottom", "lblCurrentRound"})
        if (auto* w = findChild<QWidget*>(name)) w->setVisible(visible);
    for (const char* name :
         {"lblScore", "ScoreRectangle", "ScoreBevelSide", "ScoreBevelBottom", "lblCurrentScore"})
        if (auto* w = findChild<QWidget*>(name)) w->show();
    for (const char* name :
         {"lblRuns", "RunRectangle", "RunBevelSide", "RunBevelBottom", "lblScoreRuns", "lblPairs",
          "PairRectangle", "PairBevelSide", "PairBevelBottom", "lblScorePairs", "lblHighScore"})
        if (auto* w = findChild<QWidget*>(name)) w->setVisible(visible);
}
