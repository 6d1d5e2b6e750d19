// The wild-eights window's controls as designed, its load, its layout from the window's size,
// the labels that keep themselves centred, and the settings file.
#include "games/eights/frmEights.h"
#include "services/Deck.h"

#include "frame/Captions.h"
#include "frame/CardPictures.h"
#include "frame/DesignLabel.h"
#include "frame/SplashTexts.h"
#include "frame/TwipsLayout.h"
#include "frame/VbColour.h"
#include "frame/WindowSettings.h"
#include "games/eights/EightsLayout.h"
#include "games/eights/EightsSettings.h"
#include "platform/CentreOnScreen.h"
#include "platform/GameTimer.h"
#include "platform/Twips.h"
#include "services/PictureList.h"
#include "services/SharedState.h"
#include "services/Sound.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>

namespace {

QString indexed(const char* name, int i) {
    return QString::fromLatin1(name) + "(" + QString::number(i) + ")";
}

void setBackColour(QWidget* w, uint32_t bgr) {
    w->setAutoFillBackground(true);
    QPalette p = w->palette();
    p.setColor(QPalette::Window, VbColour(bgr));
    w->setPalette(p);
}

// The round box: its caption, frame and number.
const char* const kRoundBox[] = {"lblRound", "RoundRectangle", "RoundBevelBottom", "RoundBevelSide",
                                 "lblCurrentRound"};
// The labels the layout centres by their size.
const char* const kPlacedLabels[] = {"lblTime",       "lblScore",           "lblRound",
                                     "lblTotalScore", "lblCurrentRound",    "lblMessage",
                                     "lblCardCount",  "lblCurrentGameTime", "lblHighScore"};
} // namespace

CrossLine::CrossLine(const QString& name, bool falling, QWidget* parent)
    : QWidget(parent), falling_(falling) {
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    hide();
}

void CrossLine::paintEvent(QPaintEvent*) {
    QPainter g(this);
    g.setRenderHint(QPainter::Antialiasing);
    g.setPen(QPen(VbColour(kVbRed), 5, Qt::SolidLine, Qt::RoundCap));
    const QRectF r = QRectF(rect()).adjusted(2.5, 2.5, -2.5, -2.5);
    if (falling_)
        g.drawLine(r.topLeft(), r.bottomRight());
    else
        g.drawLine(r.bottomLeft(), r.topRight());
}

frmEights::frmEights(QWidget* parent) : GameWindow(*FindGameByWindow("frmEights"), parent) {
    UsePlayModel(game_);
    setMinimumSize(Tw(EightsSizes::MinWidth), Tw(EightsSizes::MinHeight));
    createControls();
    BuildMenus();
    Form_Load();
}

frmEights::~frmEights() = default;

QLabel* frmEights::DeckCards() const {
    return label("DeckCards");
}

QLabel* frmEights::makeLabel(const QString& name, const QString& caption, double points,
                             const QString& family) {
    return DesignLabel(centralWidget(), name, caption, points, true,
                       family.isEmpty() ? kDesignSans : family);
}

void frmEights::createControls() {
    QWidget* area = centralWidget();
    setBackColour(area, kVbSilver);
    for (const char* name : {"TimerBevelSide", "TimerBevelBottom"})
        if (auto* line = findChild<QFrame*>(name)) StyleBevelLine(line);

    // The score and round boxes.
    for (const char* box : {"Score", "Round"}) {
        MakeGaugeRectangle(QString(box) + "Rectangle", area)->resize(Tw(1065), Tw(510));
        MakeBevelLine(QString(box) + "BevelSide", area);
        MakeBevelLine(QString(box) + "BevelBottom", area);
    }
    setBackColour(findChild<QWidget*>("RoundRectangle"), 0x808080);
    for (const auto& [name, caption] :
         {std::pair{"lblTime", "Time:"}, std::pair{"lblScore", "Score:"},
          std::pair{"lblRound", "Round:"}, std::pair{"lblHighScore", "High Score:"},
          std::pair{"lblCardCount", ""}, std::pair{"lblCurrentGameTime", ""}})
        makeLabel(name, caption, 8.25);
    for (const char* name : {"lblHighScore", "lblCardCount", "lblCurrentGameTime"})
        SetForeColour(label(name), kVbBlue);
    QLabel* total = makeLabel("lblTotalScore", "0", 8.25);
    SetForeColour(total, kVbBlue);
    setBackColour(total, kVbSilver);
    total->setToolTip("Displays your Current Score");
    QLabel* round = makeLabel("lblCurrentRound", "0", 9.75);
    SetForeColour(round, kVbBlue);
    setBackColour(round, 0x808080);
    round->setToolTip("Displays the Current Round Number");

    // The board.
    const char* const ordinals[] = {"one", "two", "three", "four", "five"};
    for (int i = 1; i <= kLowerSpots; ++i) {
        auto* spot = new CardPicture(indexed("imgPlayCard", i), area);
        spot->resize(Tw(1065), Tw(1440));
        spot->setToolTip(QString("Lower spot ") + ordinals[i - 1]);
        spot->onPress = [this, i] { imgPlayCard_Click(i); };
        lower_[size_t(i - 1)] = spot;
        auto* frame = new SelectionFrame(indexed("FieldSelectionRectangle", i), area);
        frame->resize(Tw(1065), Tw(1455));
        frame->hide();
        frames_[size_t(i - 1)] = frame;
        if (i > kUpperSpots) continue;
        auto* up = new CardPicture(indexed("imgUpperCard", i), area);
        up->resize(Tw(1065), Tw(1440));
        up->setToolTip(QString("Upper spot ") + ordinals[i - 1]);
        up->onPress = [this, i] { imgUpperCard_Click(i); };
        upper_[size_t(i - 1)] = up;
        QLabel* value = makeLabel(indexed("lbl100", i), QString::number(SpotBaseValue(i)), 8.25);
        SetForeColour(value, i == 1 ? 0x008000 : i == 2 ? kVbBlue : kVbRed);
    }
    QLabel* deck = DeckCards();
    deck->resize(Tw(1035), Tw(1455));
    deck->setToolTip("A deck of cards");
    deck->setScaledContents(true);

    progress_ = new QProgressBar(area);
    progress_->setObjectName("ProgressBar1");
    progress_->setRange(EightsMoveTimer::kMinimum, EightsMoveTimer::kMaximum);
    progress_->setValue(EightsMoveTimer::kMinimum);
    progress_->setTextVisible(false);
    progress_->setToolTip("Move Timer");
    progress_->resize(Tw(4095), Tw(135));

    x1_ = new CrossLine("X1", true, area);
    x2_ = new CrossLine("X2", false, area);
    // The notice is centred on the eight's card, so it has a back of its own over the pips.
    QLabel* wild = makeLabel("lblWild", "Wild!", 13.5);
    SetForeColour(wild, 0x800080);
    wild->setGeometry(TwRect(1440, 1920, 720, 360));
    wild->setAlignment(Qt::AlignCenter);
    wild->setAutoFillBackground(true);
    wild->setAttribute(Qt::WA_TransparentForMouseEvents);
    wild->hide();

    QLabel* message = makeLabel("lblMessage", "", 18);
    SetForeColour(message, kVbRed);
    message->setAlignment(Qt::AlignCenter);
    message->hide();
    QLabel* scoring = makeLabel("lblScoring", "Scoring", 20.25, "Arial");
    scoring->setAlignment(Qt::AlignCenter);
    scoring->hide();

    timer5_ = new platform::GameTimer(this, 250, false);
    timer5_->setObjectName("Timer5");
    timer5_->onTimer = [this] { Timer5_Timer(); };
    timer6_ = new platform::GameTimer(this, EightsMoveTimer::kIntervalMs, false);
    timer6_->setObjectName("Timer6");
    timer6_->onTimer = [this] { Timer6_Timer(); };
    timer7_ = new platform::GameTimer(this, 250, false);
    timer7_->setObjectName("Timer7");
    timer7_->onTimer = [this] { Timer7_Timer(); };

    // The splash panel (opaque, over the idle board) with its texts at this window's places.
    QFrame* splash = frmSplash();
    splash->setAutoFillBackground(true);
    splash->resize(Tw(7080), Tw(4050));
    const SplashTexts texts = AddSplashTexts(splash);
    FillSplashTexts(texts, Shared().GameTitle);
    texts.lblCompanyProduct->move(Tw(2355), Tw(705));
    texts.lblProductName->move(Tw(2280), Tw(1200));
    texts.lblPlatform->move(Tw(3630 + 3225) - texts.lblPlatform->width(), Tw(2340));
    texts.lblVersion->move(Tw(5700 + 1155) - texts.lblVersion->width(), Tw(2700));
    const int cascade[4][2] = {{320, 600}, {720, 1200}, {1120, 1800}, {1520, 2400}};
    for (int i = 0; i < 4; ++i)
        imgSplashImage(i)->setGeometry(TwRect(cascade[i][0], cascade[i][1], 1065, 1440));

    total->raise();
    round->raise();
    splash->raise();
    for (QWidget* w :
         {static_cast<QWidget*>(x1_), static_cast<QWidget*>(x2_), static_cast<QWidget*>(wild),
          static_cast<QWidget*>(message), static_cast<QWidget*>(scoring)})
        w->raise();
}

void frmEights::Form_Load() {
    SharedState& s = Shared();
    LoadFrameDefaults(); // idle, status bar, load time, splash
    ResetEightsLoadDefaults();
    setCursor(Qt::WaitCursor);
    setWindowTitle(s.GameTitle);
    resize(Tw(EightsSizes::MinWidth), Tw(EightsSizes::MinHeight));
    ReadSettingsINI();
    CheckForCustom();
    InitClock();
    Timer1()->setEnabled(false);
    ShowSplash(true);
    ShowCards(false);
    ResetBoardLabels(false);
    // The round box stands as designed until a game's end hides it.
    for (const char* name : kRoundBox)
        findChild<QWidget*>(name)->show();
    layoutControls(PxToTw(width()), PxToTw(height()));
    registerCaptionRules();
    CentreOnScreen(this);
    unsetCursor();
}

void frmEights::ReadSettingsINI() {
    LoadSettingsFile();
}

RulesValues frmEights::RulesValuesNow() const {
    RulesValues v = GameWindow::RulesValuesNow();
    v.BonusScore = Shared().BonusScore;
    v.TimeBonus = Shared().TimeBonus;
    v.EightsCompleteBonus = EightsOptions().EightsCompleteBonus;
    return v;
}

void frmEights::resizeEvent(QResizeEvent* event) {
    GameWindow::resizeEvent(event);
    Form_Resize();
}

void frmEights::changeEvent(QEvent* event) {
    GameWindow::changeEvent(event); // the minimise rule: clocks held, restored by the restore
    if (event->type() == QEvent::WindowStateChange) Form_Resize();
}

void frmEights::HoldGameTimers(bool hold) {
    if (hold) {
        if (timer6_->isEnabled()) moveTimerHeld_ = true;
        timer6_->setEnabled(false);
        return;
    }
    // Only a move timer that was stepping goes on; one that had reached 5 stays still.
    if (moveTimerHeld_ && game_.state() == EightsState::Running) startTimer6();
    moveTimerHeld_ = false;
}

void frmEights::Form_Resize() {
    if (isMinimized()) return;
    const int w = PxToTw(width());
    const int h = PxToTw(height());
    if (!isMaximized() && !isFullScreen() &&
        (w < EightsSizes::MinWidth || h < EightsSizes::MinHeight)) {
        resize(Tw(EightsSizes::MinWidth), Tw(EightsSizes::MinHeight));
        // A hidden window gets its resize event only when shown: lay it out now.
        layoutControls(PxToTw(width()), PxToTw(height()));
        return;
    }
    layoutControls(w, h);
}

void frmEights::layoutControls(int w, int h) {
    std::map<QString, QSize> sizes;
    auto sizeOf = [&sizes, this](const QString& name) {
        QLabel* l = label(name);
        if (!l) return;
        if (CaptionRuleNames(this).contains(name))
            ApplyCaptionRule(l); // its size by its rule; the layout then places it
        else
            l->adjustSize();
        sizes[name] = QSize(TwWidth(l), TwHeight(l));
    };
    for (const char* name : kPlacedLabels)
        sizeOf(name);
    for (int i = 1; i <= kUpperSpots; ++i)
        sizeOf(indexed("lbl100", i));
    const EightsLayout layout = LayOutEights(w, h, sizes);
    for (const auto& [name, r] : layout.rects) {
        QWidget* c = findChild<QWidget*>(name);
        if (!c) continue;
        if (name == "ProgressBar1")
            c->setGeometry(TwRect(r.left(), r.top(), r.width(), r.height()));
        else
            MoveTw(c, r.left(), r.top());
    }
    for (const auto& [name, l] : layout.lines)
        PlaceBevelLine(findChild<QWidget*>(name), l.x1(), l.y1(), l.x2(), l.y2());
    // The count-ups centre the amount across; it stands in the middle of the window.
    QLabel* scoring = label("lblScoring");
    MoveTw(scoring, TwLeft(scoring), h / 2.0 - TwHeight(scoring) / 2.0);
}

void frmEights::setCaption(const QString& name, const QString& text) {
    SetCaption(label(name), text);
}

void frmEights::registerCaptionRules() {
    // Each label is sized to its caption, then centred where it belongs: the first three
    // across only, the boxes' values in their box, the messages in the window.
    auto centreOver = [this](std::function<const QWidget*()> over) {
        return [over](QLabel& l) {
            const QWidget* o = over();
            MoveLeftTw(&l, CentredOver(TwLeft(o), TwWidth(o), TwWidth(&l)));
        };
    };
    auto centreIn = [this](const char* box) {
        return [this, box](QLabel& l) {
            const QWidget* in = findChild<QWidget*>(box);
            MoveTw(&l, CentredOver(TwLeft(in), TwWidth(in), TwWidth(&l)),
                   CentredOver(TwTop(in), TwHeight(in), TwHeight(&l)));
        };
    };
    auto centreInWindow = [this](QLabel& l) {
        MoveTw(&l, (PxToTw(width()) - TwWidth(&l)) / 2, (PxToTw(height()) - TwHeight(&l)) / 2);
    };
    for (int i = 1; i <= kUpperSpots; ++i)
        SetCaptionRule(this, indexed("lbl100", i),
                       {CaptionSize::AutoSize, centreOver([this, i] { return imgUpperCard(i); })});
    SetCaptionRule(this, "lblCardCount",
                   {CaptionSize::AutoSize, centreOver([this] { return DeckCards(); })});
    SetCaptionRule(this, "lblTime",
                   {CaptionSize::AutoSize, centreOver([this] { return Surface(); })});
    SetCaptionRule(this, "lblCurrentRound", {CaptionSize::AutoSize, centreIn("RoundRectangle")});
    SetCaptionRule(this, "lblTotalScore", {CaptionSize::AutoSize, centreIn("ScoreRectangle")});
    // Placed on the eight's spot by the move that shows it.
    SetCaptionRule(this, "lblWild", {CaptionSize::Grow, {}});
    SetCaptionRule(this, "lblMessage", {CaptionSize::AutoSize, centreInWindow});
    SetCaptionRule(this, "lblScoring", {CaptionSize::AutoSize, centreInWindow});
}

void frmEights::CenterMessage() {
    const QWidget* splash = frmSplash();
    QLabel* m = label("lblMessage");
    ApplyCaptionRule(m); // its size for the caption it has
    MoveTw(m, TwLeft(splash) + TwWidth(splash) / 2.0 - TwWidth(m) / 2.0,
           TwTop(splash) + TwHeight(splash) / 2.0 - TwHeight(m) / 2.0);
}

void frmEights::ResetBoardLabels(bool visible) {
    for (const char* name : kRoundBox)
        findChild<QWidget*>(name)->setVisible(visible);
    for (const char* name : {"lblCurrentGameTime", "lblCardCount"})
        findChild<QWidget*>(name)->setVisible(visible);
    for (int i = 1; i <= kUpperSpots; ++i)
        label(indexed("lbl100", i))->setVisible(visible);
    progress_->setVisible(visible);
    for (const char* name :
         {"lblScore", "lblTotalScore", "ScoreBevelBottom", "ScoreBevelSide", "ScoreRectangle"})
        findChild<QWidget*>(name)->show();
    x1_->hide();
    x2_->hide();
    label("lblWild")->hide();
}

void frmEights::ShowCards(bool visible) {
    for (CardPicture* spot : lower_)
        spot->setVisible(visible);
    for (CardPicture* spot : upper_)
        spot->setVisible(visible);
    DeckCards()->setVisible(visible);
    for (int i = 1; i <= kUpperSpots; ++i)
        label(indexed("lbl100", i))->setVisible(visible);
    for (SelectionFrame* f : frames_)
        f->hide();
}

void frmEights::showSpots() {
    const EightsBoard& b = game_.board();
    for (int i = 1; i <= kLowerSpots; ++i) {
        const QString card = b.lower(i).trimmed();
        imgPlayCard(i)->showPicture(card.isEmpty() ? "EMPTY" : card, !card.isEmpty());
        FieldSelectionRectangle(i)->setVisible(game_.selected() == i);
    }
    for (int i = 1; i <= kUpperSpots; ++i) {
        const QString card = b.upper(i).trimmed();
        imgUpperCard(i)->showPicture(card.isEmpty() ? "EMPTY" : card, !card.isEmpty());
        setCaption(indexed("lbl100", i), QString::number(b.spotValue(i)));
    }
    const int left = b.pileRemaining();
    setCaption("lblCardCount", "Cards remaining: " + QString::number(left < 1 ? 0 : left));
    showDeckPicture();
}

void frmEights::showDeckPicture() {
    DeckCards()->setPixmap(
        CardPictureList().byKey(StockPictureKey(game_.board().pileRemaining(), 11, 25)));
}

void frmEights::startTimer6() {
    // Turning on a timer that runs would restart its count: quick clicks would hold the value.
    if (!timer6_->isEnabled()) timer6_->setEnabled(true);
}
