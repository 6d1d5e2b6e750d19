// The trips-and-runs window's controls as designed and their places at any size: the storage
// row, the field in its frame, the up row and the deck, the gauges beside the field and the
// commands stacked above the score.
#include "games/trips/frmTrip.h"

#include "frame/Captions.h"
#include "frame/CardPictures.h"
#include "frame/DesignLabel.h"
#include "frame/TwipsLayout.h"
#include "frame/VbColour.h"
#include "games/trips/TripsSettings.h"
#include "platform/GameTimer.h"
#include "platform/Twips.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QResizeEvent>
#include <algorithm>

namespace {
constexpr int kCardWidth = 1035;
constexpr int kCardHeight = 1455;
constexpr int kGaugeLeft = 360; // the trips and runs frames keep their designed left
} // namespace

frmTrip::frmTrip(QWidget* parent) : GameWindow(*FindGameByWindow("frmTrip"), parent) {
    UsePlayModel(game_);
    createControls();
    registerCaptionRules();
    BuildMenus();
    Form_Load();
}

frmTrip::~frmTrip() = default;

QLabel* frmTrip::makeLabel(const QString& name, const QString& caption, double points, bool bold,
                           uint32_t colour) {
    QLabel* l = DesignLabel(centralWidget(), name, caption, points, bold, kDesignSans);
    SetForeColour(l, colour);
    return l;
}

void frmTrip::createControls() {
    QWidget* area = centralWidget();

    for (const char* name : {"TimerBevelSide", "TimerBevelBottom"})
        if (auto* line = findChild<QFrame*>(name)) StyleBevelLine(line);
    ShowTimerGauge(false);

    auto* fieldRect = new QFrame(area);
    fieldRect->setObjectName("FieldRect");
    fieldRect->setStyleSheet("QFrame#FieldRect { border: 2px solid #0000ff; }");
    fieldRect->setGeometry(TwRect(0, 0, 5835, 2460));
    fieldRect->lower();

    for (const auto& [rect, side, bottom] :
         {std::tuple{"TripsRectangle", "TripsBevelSide", "TripsBevelBottom"},
          std::tuple{"RunRectangle", "RunBevelSide", "RunBevelBottom"},
          std::tuple{"ScoreRectangle", "ScoreBevelSide", "ScoreBevelBottom"}}) {
        QFrame* r = MakeGaugeRectangle(rect, area);
        r->setGeometry(TwRect(kGaugeLeft, 0, 1455, 495));
        MakeBevelLine(side, area);
        MakeBevelLine(bottom, area);
    }

    makeLabel("lblTemp", "Temporary Storage", 9.75, true, kVbBlue);
    makeLabel("lblFieldCards", "   Playing Field   ", 9.75, true, kVbBlue)
        ->setAutoFillBackground(true);
    makeLabel("lblHighScore", "Current High Score:", 9.75, true, kVbBlue);
    makeLabel("lblTrips", "Trips:", 8.25, true, kVbBlack);
    makeLabel("lblRuns", "Runs:", 8.25, true, kVbBlack);
    makeLabel("lblScoreTrips", "0", 12, true, kVbBlue);
    makeLabel("lblScoreRuns", "0", 12, true, kVbBlue);
    // The flush notice sits on the column's top card on a back of its own.
    QLabel* flush = makeLabel("lblFlush", "Flush!", 8, true, kVbRed);
    flush->setAutoFillBackground(true);
    flush->hide();
    makeLabel("lblCardCount", "Cards remaining:", 9.75, true, kVbBlue);
    makeLabel("lblScore", "Score:", 8.25, true, kVbBlack)
        ->setToolTip("Displays your Current Score");
    QLabel* score = makeLabel("lblCurrentScore", "0", 12, true, kVbBlue);
    score->setToolTip("Displays your Current Score");
    makeLabel("lblTime", "Time:", 8.25, true, kVbBlack);
    makeLabel("lblRound", "Round: 1", 9.75, true, kVbBlue);
    makeLabel("lblMessage", "Message", 13.5, true, kVbRed)->hide();
    QLabel* scoring = makeLabel("lblScoring", "Scoring", 18, true, kVbBlue);
    scoring->setAlignment(Qt::AlignCenter);
    scoring->hide();
    if (auto* outline = findChild<QFrame*>("ScoringLabelOutline")) {
        outline->setGeometry(TwRect(0, 0, 6000, 1200));
        outline->hide();
    }
    makeLabel("lblTimeBonus", "", 8.25, false, kVbBlue)->hide();
    for (const char* name : {"lblCurrentScore", "lblScoreTrips", "lblScoreRuns", "lblFlush",
                             "lblScoring", "lblMessage"})
        label(name)->raise();

    auto place = [&](const QString& name, std::function<void()> click) {
        auto* p = new CardPicture(name, area);
        p->resize(Tw(kCardWidth), Tw(kCardHeight));
        p->onPress = std::move(click);
        return p;
    };
    auto frame = [&](const QString& name, uint32_t colour) {
        auto* f = new SelectionFrame(name, area);
        f->resize(Tw(kCardWidth), Tw(kCardHeight));
        f->setBorderColour(colour);
        f->hide();
        return f;
    };
    for (int i = 0; i < kTripsFieldPlaces; ++i) {
        field_[size_t(i)] = place(QString("PlayCard_%1").arg(i), [this, i] { PlayCard_Click(i); });
        fieldFrames_[size_t(i)] = frame(QString("PlayCardSelection_%1").arg(i), kVbRed);
    }
    for (int i = 0; i < kTripsStoragePlaces; ++i) {
        storage_[size_t(i)] =
            place(QString("TempCard_%1").arg(i), [this, i] { TempCard_Click(i); });
        storageFrames_[size_t(i)] = frame(QString("TempCardSelection_%1").arg(i), kVbBlue);
    }
    for (int i = 0; i < kTripsUpPlaces; ++i)
        up_[size_t(i)] = place(QString("UpCard_%1").arg(i), [this, i] { UpCard_Click(i); });
    upFrame_ = frame("UpCardSelection", kVbRed);
    for (QWidget* w : fieldFrames_)
        w->raise();
    for (QWidget* w : storageFrames_)
        w->raise();
    upFrame_->raise();
    for (const char* name : {"lblFlush", "lblScoring", "lblMessage"})
        label(name)->raise();

    if (QLabel* stock = label("CardStackPicture")) {
        stock->resize(Tw(kCardWidth), Tw(kCardHeight));
        stock->installEventFilter(this);
    }
    splashTexts_ = AddSplashTexts(frmSplash());
    frmSplash()->raise();
}

bool frmTrip::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress && watched == label("CardStackPicture")) {
        CardStackPicture_Click();
        return true;
    }
    return GameWindow::eventFilter(watched, event);
}

void frmTrip::resizeEvent(QResizeEvent* event) {
    GameWindow::resizeEvent(event);
    Form_Resize();
}

void frmTrip::changeEvent(QEvent* event) {
    // The frame holds and restarts the clock and the music; only the layout is this window's.
    GameWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

void frmTrip::Form_Resize() {
    if (isMinimized()) return;
    if (!isMaximized() &&
        (PxToTw(width()) < kTripsDesignWidth || PxToTw(height()) < kTripsDesignHeight)) {
        resize(Tw(kTripsDesignWidth), Tw(kTripsDesignHeight));
        return;
    }
    layoutControls();
}

void frmTrip::registerCaptionRules() {
    // The counts, the score and the clock's captions stay centred on what they label; the
    // messages are sized to their text and placed by the step that shows them.
    auto on = [this](const char* frame) {
        return CentreOnX([this, frame] {
            const QWidget* f = findChild<QWidget*>(frame);
            return f ? TwLeft(f) + TwWidth(f) / 2.0 : 0.0;
        });
    };
    SetCaptionRule(this, "lblCurrentScore", {CaptionSize::AutoSize, on("ScoreRectangle")});
    SetCaptionRule(this, "lblScoreTrips", {CaptionSize::AutoSize, on("TripsRectangle")});
    SetCaptionRule(this, "lblTrips", {CaptionSize::AutoSize, on("TripsRectangle")});
    SetCaptionRule(this, "lblScoreRuns", {CaptionSize::AutoSize, on("RunRectangle")});
    SetCaptionRule(this, "lblRuns", {CaptionSize::AutoSize, on("RunRectangle")});
    SetCaptionRule(this, "lblRound", {CaptionSize::AutoSize, on("ScoreRectangle")});
    SetCaptionRule(this, "lblTime", {CaptionSize::AutoSize, on("Surface")});
    SetCaptionRule(this, "lblScoring", {CaptionSize::AutoSize, {}});
    SetCaptionRule(this, "lblMessage", {CaptionSize::AutoSize, {}});
    SetCaptionRule(this, "lblFlush", {CaptionSize::AutoSize, {}});
    SetCaptionRule(this, "lblCardCount", {CaptionSize::AutoSize, {}});
}

void frmTrip::placeBevels(const char* frame, const char* side, const char* bottom) {
    const QWidget* r = findChild<QWidget*>(frame);
    if (!r) return;
    const int left = TwLeft(r), top = TwTop(r);
    const int x = left + TwWidth(r) - 15;
    const int y = top + TwHeight(r) - 20;
    PlaceBevelLine(findChild<QWidget*>(side), x, top + 20, x, y);
    PlaceBevelLine(findChild<QWidget*>(bottom), left + 15, y, x, y);
}

void frmTrip::layoutControls() {
    // The window's width, not its client area's: that one is only laid out once shown.
    const double W = PxToTw(width());
    const double H = PxToTw(height());
    auto widget = [this](const char* name) { return findChild<QWidget*>(name); };
    auto centreOn = [](QWidget* w, const QWidget* on) {
        return TwLeft(on) + (TwWidth(on) - TwWidth(w)) / 2.0;
    };
    auto middleOn = [](QWidget* w, const QWidget* on) {
        return TwTop(on) + (TwHeight(on) - TwHeight(w)) / 2.0;
    };

    // 2-3: the storage row and its heading.
    const double storageTop = H / 2 - 3400;
    MoveTw(TempCard(1), (W - kCardWidth) / 2, storageTop);
    MoveTw(TempCard(2), TwLeft(TempCard(1)) + kCardWidth + 285, storageTop);
    MoveTw(TempCard(0), TwLeft(TempCard(1)) - kCardWidth - 285, storageTop);
    for (int i = 0; i < kTripsStoragePlaces; ++i)
        TempCardSelection(i)->move(TempCard(i)->pos());
    QLabel* temp = label("lblTemp");
    // Our font is taller than the design's: at the minimum size the heading would start
    // above the window.
    MoveTw(temp, (W - TwWidth(temp)) / 2, std::max(0.0, storageTop - TwHeight(temp) - 50));

    // 4-6: the field frame, its heading and the four columns.
    QWidget* fieldRect = widget("FieldRect");
    MoveTw(fieldRect, (W - TwWidth(fieldRect)) / 2, storageTop + 1800);
    QLabel* fieldCards = label("lblFieldCards");
    MoveTw(fieldCards, (W - TwWidth(fieldCards)) / 2, TwTop(fieldRect) - 120);
    const int rowTop = TwTop(fieldRect) + 120;
    MoveTw(PlayCard(1), TwLeft(TempCard(1)) - 720, rowTop);
    MoveTw(PlayCard(0), TwLeft(PlayCard(1)) - kCardWidth - 405, rowTop);
    for (int c = 2; c < kTripsColumns; ++c)
        MoveTw(PlayCard(c), TwLeft(PlayCard(c - 1)) + kCardWidth + 405, rowTop);
    for (int i = kTripsColumns; i < kTripsFieldPlaces; ++i)
        MoveTw(PlayCard(i), TwLeft(PlayCard(i - 4)), TwTop(PlayCard(i - 4)) + 360);
    for (int i = 0; i < kTripsFieldPlaces; ++i)
        PlayCardSelection(i)->move(PlayCard(i)->pos());
    // Lower rows lie over the rows above them.
    for (int i = 0; i < kTripsFieldPlaces; ++i) {
        PlayCard(i)->raise();
        PlayCardSelection(i)->raise();
    }

    // 7: the up row.
    const int upTop = TwTop(fieldRect) + 2640;
    MoveTw(UpCard(0), TwLeft(PlayCard(1)), upTop);
    for (int i = 1; i < kTripsUpPlaces; ++i)
        MoveTw(UpCard(i), TwLeft(UpCard(i - 1)) + 360, upTop);
    for (CardPicture* p : up_)
        p->raise();
    upFrame_->move(UpCard(2)->pos());
    upFrame_->raise();

    // 8: the trips and runs gauges beside the field.
    QWidget* trips = widget("TripsRectangle");
    QWidget* runs = widget("RunRectangle");
    MoveTw(trips, kGaugeLeft, TwTop(PlayCardSelection(0)));
    MoveTw(runs, kGaugeLeft, TwTop(trips) + 930);
    for (const auto& [value, frame] :
         {std::pair{"lblScoreTrips", trips}, std::pair{"lblScoreRuns", runs}}) {
        QLabel* l = label(value);
        MoveTw(l, TwLeft(l), middleOn(l, frame));
    }
    ApplyCaptionRule(label("lblScoreTrips"));
    ApplyCaptionRule(label("lblScoreRuns"));

    // 9-10: the score under the stacked commands.
    QPushButton* play = cmdPlay();
    const double buttonsLeft = W - 1400;
    QWidget* scoreRect = widget("ScoreRectangle");
    MoveTw(scoreRect, buttonsLeft + TwWidth(play) / 2.0 - TwWidth(scoreRect) / 2.0, TwTop(trips));
    QLabel* current = label("lblCurrentScore");
    MoveTw(current, TwLeft(current), middleOn(current, scoreRect));
    ApplyCaptionRule(current);
    QLabel* scoreCaption = label("lblScore");
    MoveTw(scoreCaption, centreOn(scoreCaption, scoreRect), TwTop(scoreRect) - 250);
    QPushButton* quit = quitButton();
    MoveTw(quit, buttonsLeft, TwTop(scoreRect) - 825);
    MoveTw(cmdTakeScore(), buttonsLeft, TwTop(quit) - 400);
    MoveTw(cmdPause(), buttonsLeft, TwTop(cmdTakeScore()) - 400);
    MoveTw(play, buttonsLeft, TwTop(cmdPause()) - 400);

    // 11: the clock.
    ClockSurface* surface = Surface();
    MoveTw(surface, centreOn(surface, scoreRect), TwTop(scoreRect) + 960);
    MoveTw(widget("TimerRectangle"), TwLeft(surface) - 90, TwTop(surface) - 30);
    QLabel* time = label("lblTime");
    MoveTw(time, TwLeft(time), TwTop(surface) - 250);
    ApplyCaptionRule(time);
    const int right = TwLeft(surface) + TwWidth(surface) + 30;
    PlaceBevelLine(widget("TimerBevelSide"), right, TwTop(surface), right,
                   TwTop(surface) + TwHeight(surface));
    const int under = TwTop(surface) + TwHeight(surface) + 30;
    PlaceBevelLine(widget("TimerBevelBottom"), TwLeft(surface) - 15, under,
                   TwLeft(surface) - 15 + 1200, under);

    // 12: the splash panel and the headline.
    QFrame* splash = frmSplash();
    MoveTw(splash, W / 2 - TwWidth(splash) / 2.0 - 400, H / 2 - TwHeight(splash) / 2.0);
    for (const char* name : {"ScoringLabelOutline", "lblScoring"}) {
        QWidget* w = widget(name);
        MoveTw(w, TwLeft(play) / 2.0 - TwWidth(w) / 2.0, H / 2 - TwHeight(w) / 2.0);
    }

    // 13: the deck, the gauge captions, the round, the card count and the high score.
    MoveTw(label("CardStackPicture"), TwLeft(PlayCard(0)), upTop);
    for (const auto& [caption, frame] :
         {std::pair{"lblTrips", trips}, std::pair{"lblRuns", runs}}) {
        QLabel* l = label(caption);
        MoveTw(l, TwLeft(l), TwTop(frame) - 250);
    }
    ApplyCaptionRule(label("lblTrips"));
    ApplyCaptionRule(label("lblRuns"));
    QLabel* round = label("lblRound");
    MoveTw(round, TwLeft(round), TwTop(surface) + 1680);
    ApplyCaptionRule(round);
    QLabel* count = label("lblCardCount");
    MoveTw(count, TwLeft(UpCard(2)) + kCardWidth + 250, middleOn(count, UpCard(0)));
    QLabel* high = label("lblHighScore");
    high->adjustSize();
    MoveTw(high, TwLeft(trips), middleOn(high, TempCard(0)));

    for (const auto& [frame, side, bottom] :
         {std::tuple{"TripsRectangle", "TripsBevelSide", "TripsBevelBottom"},
          std::tuple{"RunRectangle", "RunBevelSide", "RunBevelBottom"},
          std::tuple{"ScoreRectangle", "ScoreBevelSide", "ScoreBevelBottom"}})
        placeBevels(frame, side, bottom);
}

void frmTrip::CenterScoringLabel() {
    QLabel* l = label("lblScoring");
    QWidget* outline = findChild<QWidget*>("ScoringLabelOutline");
    ApplyCaptionRule(l);
    MoveTw(l, TwLeft(outline) + (TwWidth(outline) - TwWidth(l)) / 2.0,
           TwTop(outline) + (TwHeight(outline) - TwHeight(l)) / 2.0);
    outline->show();
    outline->raise();
    // The outline frames the headline and the message beside it, never covers them.
    label("lblMessage")->raise();
    l->show();
    l->raise();
    repaint();
}
