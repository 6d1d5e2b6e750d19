// The phrase window's layout for its size: the board, the letter buttons under it, the faces
// and the letter value below, the commands and the clock, round and score boxes to the right.
// All places are worked out in twips from the window's outer size, as designed.
#include "games/phrase/frmPhrase.h"

#include "frame/Captions.h"
#include "frame/CardPictures.h"
#include "games/phrase/PhraseSettings.h"
#include "platform/Twips.h"
#include "services/SharedState.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>

namespace {
// A control's place and size in twips.
struct T {
    int left, top, width, height;
};
T tw(const QWidget* w) {
    return {w->x() * 15, w->y() * 15, w->width() * 15, w->height() * 15};
}
void put(QWidget* w, int left, int top) {
    w->move(Tw(left), Tw(top));
}
int centredOn(const T& on, int ownWidth) {
    return on.left + on.width / 2 - ownWidth / 2;
}
} // namespace

void frmPhrase::resizeEvent(QResizeEvent* event) {
    GameWindow::resizeEvent(event);
    Form_Resize();
}

void frmPhrase::Form_Resize() {
    const Qt::WindowStates s = windowState();
    if (s & Qt::WindowMinimized) return;
    const int w = width() * 15;
    const int h = height() * 15;
    if (!(s & Qt::WindowMaximized) &&
        (width() * 15 < kPhraseDesignWidth - 1 || height() * 15 < kPhraseDesignHeight - 1)) {
        // Too small in either direction: back to the design size, which lays out again.
        resize(Tw(kPhraseDesignWidth), Tw(kPhraseDesignHeight));
        return;
    }
    layoutControls(std::max(w, kPhraseDesignWidth), std::max(h, kPhraseDesignHeight));
}

void frmPhrase::layoutControls(int W, int H) {
    // The board stands a little above the middle, the commands to its right.
    put(board_, W / 2 - 4600, H / 2 - 3500);
    const T board = tw(board_);
    const T bar = tw(bar_);
    put(letters_[0], board.left + 720, board.top + board.height + bar.height + 220);
    const T first = tw(letters_[0]);
    for (int i = 1; i <= 12; ++i)
        put(letters_[size_t(i)], tw(letters_[size_t(i - 1)]).left + 480, first.top);
    const int secondRow = first.top + first.height + 110;
    for (int i = 13; i <= 24; ++i)
        put(letters_[size_t(i)], tw(letters_[size_t(i - 13)]).left, secondRow);
    put(letters_[25], tw(letters_[24]).left + 480, secondRow);
    put(bar_, tw(letters_[4]).left, board.top + board.height + 110);
    const T z = tw(letters_[25]);
    put(guessFrame_, board.left + 2025, z.top + z.height + 110);
    const T guess = tw(guessFrame_);
    const T value = tw(letterValue_);
    put(letterValue_, first.left, guess.top + guess.height / 2 - value.height / 2);
    QLabel* valueCaption = label("lblLetterValue");
    put(valueCaption, first.left - 825,
        guess.top + guess.height / 2 - valueCaption->height() * 15 / 2);
    put(label("lblHighScore"), tw(letters_[24]).left + 300, guess.top + 425);
    put(dummy_, W + 100, tw(dummy_).top);

    put(cmdPlay(), board.left + board.width + 400, board.top + board.height - 230);
    const T play = tw(cmdPlay());
    put(solve_, play.left, play.top + play.height + 80);
    put(cmdPause(), play.left, tw(solve_).top + tw(solve_).height + 80);
    put(quitButton(), play.left, tw(cmdPause()).top + tw(cmdPause()).height + 80);

    QWidget* surface = Surface();
    put(surface, centredOn(play, surface->width() * 15), board.top + 255);
    const T clock = tw(surface);
    QWidget* timerRect = findChild<QWidget*>("TimerRectangle");
    put(timerRect, clock.left - 90, clock.top - 30);
    const T tr = tw(timerRect);
    const int timerBottomY = tr.top + tr.height - 20;
    const int timerBottomX1 = clock.left - 15;
    PlaceBevelLine(findChild<QWidget*>("TimerBevelBottom"), timerBottomX1, timerBottomY,
                   timerBottomX1 + 1200, timerBottomY);
    const int timerSideX = clock.left + clock.width + 30;
    PlaceBevelLine(findChild<QWidget*>("TimerBevelSide"), timerSideX, tr.top + 20, timerSideX,
                   timerBottomY);
    QLabel* time = label("lblTime");
    put(time, centredOn(clock, time->width() * 15), clock.top - time->height() * 15 - 110);

    auto placeGauge = [&](const QString& name, int top, int bottomInset) {
        QWidget* rect = findChild<QWidget*>(name + "Rectangle");
        put(rect, centredOn(play, rect->width() * 15), top);
        const T r = tw(rect);
        const int sideX = r.left + r.width - 15;
        const int bottomY = r.top + r.height - 20;
        PlaceBevelLine(findChild<QWidget*>(name + "BevelBottom"), r.left + bottomInset, bottomY,
                       sideX, bottomY);
        PlaceBevelLine(findChild<QWidget*>(name + "BevelSide"), sideX, r.top + 20, sideX, bottomY);
        ApplyCaptionRule(label(name == "Round" ? "lblCurrentRound" : "lblCurrentScore"));
        QLabel* caption = label("lbl" + name);
        put(caption, centredOn(r, caption->width() * 15), r.top - caption->height() * 15 - 110);
    };
    placeGauge("Round", tr.top + 2640, 25);
    placeGauge("Score", tr.top + 1725, 15);

    QFrame* splash = frmSplash();
    put(splash, W / 2 - splash->width() * 15 / 2 - 600, H / 2 - splash->height() * 15 / 2);
    QLabel* message = label("lblMessage");
    fitBesideCommands(message, W);
    const int messageTop = Shared().Round >= 3 && Shared().GameInProgress
                               ? guess.top
                               : H / 2 - message->height() * 15 - 500;
    put(message, W / 2 - message->width() * 15 / 2 - 500, messageTop);
    ApplyCaptionRule(label("lblScoring"));
}

// These labels size themselves to their captions and are placed again when the caption
// changes, whoever changes it: a message the pick prompt moved comes back to the middle.
void frmPhrase::registerCaptionRules() {
    auto place = [this](QLabel& l) { placeCaptionLabel(&l); };
    SetCaptionRule(this, "lblTime", {CaptionSize::AutoSize, place});
    SetCaptionRule(this, "lblCurrentRound", {CaptionSize::AutoSize, place});
    SetCaptionRule(this, "lblCurrentScore", {CaptionSize::AutoSize, place});
    SetCaptionRule(this, "lblMessage", {CaptionSize::AutoSize, place});
    SetCaptionRule(this, "lblScoring", {CaptionSize::AutoSize, place});
}

void frmPhrase::placeCaptionLabel(QLabel* l) {
    const int own = l->width() * 15;
    const int W = std::max(width() * 15, kPhraseDesignWidth);
    const int H = std::max(height() * 15, kPhraseDesignHeight);
    const QString n = l->objectName();
    if (n == "lblTime") {
        put(l, centredOn(tw(findChild<QWidget*>("TimerRectangle")), own), tw(l).top);
    } else if (n == "lblCurrentRound" || n == "lblCurrentScore") {
        const T r =
            tw(findChild<QWidget*>(n == "lblCurrentRound" ? "RoundRectangle" : "ScoreRectangle"));
        put(l, r.left + (r.width - own) / 2, r.top + (r.height - l->height() * 15) / 2);
    } else if (n == "lblMessage") {
        fitBesideCommands(l, W);
        put(l, W / 2 - l->width() * 15 / 2 - 500, H / 2 - l->height() * 15 - 500);
    } else if (n == "lblScoring") {
        const T m = tw(label("lblMessage"));
        put(l, W / 2 - own / 2 - 500, m.top + m.height + 100);
    }
}

// The message is centred left of the window's middle, and the command column is as far right
// of the middle whatever the width, so a long prompt would run under the buttons: it breaks
// onto a second line within the room it has instead.
void frmPhrase::fitBesideCommands(QLabel* l, int W) {
    const int centre = W / 2 - 500;
    const int commands = tw(cmdPlay()).left;
    FitCaptionWithin(l, Tw(2 * std::min(centre - 120, commands - 120 - centre)));
}
