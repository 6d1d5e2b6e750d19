// The Twindle window's controls as designed: the five rows of card places with their
// selection frames, the stack, the four boxes, the clock gauge, the labels and the splash.
#include "games/pairs/frmTwindle.h"

#include "frame/CardPictures.h"
#include "frame/DesignLabel.h"
#include "frame/SplashTexts.h"
#include "frame/VbColour.h"
#include "games/pairs/PairsLayout.h"
#include "platform/Twips.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace {
using namespace PairsDesign;

// A shape with a white border 2 wide, filled with the button face where asked.
void styleWhiteBox(QFrame* f, bool filled) {
    f->setFrameShape(QFrame::NoFrame);
    f->setStyleSheet(QString("QFrame#%1 { border: 2px solid white; background: %2; }")
                         .arg(f->objectName(), filled ? "palette(button)" : "transparent"));
}

QFrame* whiteBox(const QString& name, QWidget* parent, const QRect& r, bool filled) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setGeometry(r);
    styleWhiteBox(f, filled);
    return f;
}
} // namespace

frmTwindle::frmTwindle(QWidget* parent) : GameWindow(*FindGameByWindow("frmTwindle"), parent) {
    UsePlayModel(game_);
    // No minimum is given to the window manager: a size that is too small in either side
    // must reach the resize handling, which sets both sides back.
    createControls();
    BuildMenus();
    Form_Load();
}

frmTwindle::~frmTwindle() = default;

QLabel* frmTwindle::makeLabel(const QString& name, const QString& caption, double points, bool bold,
                              const QString& family) {
    // The frame made some of these labels already; they all look as this window designs them.
    return DesignLabel(centralWidget(), name, caption, points, bold, family);
}

void frmTwindle::createBox(const char* box, const char* heading, const char* headingCaption,
                           const char* count, int rectTop, int headingTop, int countTop,
                           bool filled) {
    QWidget* area = centralWidget();
    whiteBox(QString(box) + "Rectangle", area, TwRect(0, rectTop, BoxWidth, 510), filled)->hide();
    for (const char* line : {"BevelSide", "BevelBottom"})
        MakeBevelLine(QString(box) + line, area)->hide();
    QLabel* h = makeLabel(heading, headingCaption, 8.25, true);
    h->move(0, Tw(headingTop));
    h->hide();
    QLabel* c = makeLabel(count, "0", 9.75, true);
    SetForeColour(c, kVbBlue);
    c->move(0, Tw(countTop));
    c->hide();
}

void frmTwindle::createControls() {
    QWidget* area = centralWidget();

    // The clock gauge of the frame, in this window's design places.
    QFrame* timerBox = findChild<QFrame*>("TimerRectangle");
    styleWhiteBox(timerBox, false);
    timerBox->setGeometry(TwRect(0, 375, 1365, 1230));
    Surface()->setGeometry(TwRect(0, 405, SurfaceWidth, 1140));
    for (const char* name : {"TimerBevelSide", "TimerBevelBottom"})
        if (auto* line = findChild<QFrame*>(name)) StyleBevelLine(line);
    makeLabel("lblTime", "Time:", 8.25, true)->move(0, Tw(30));
    ShowTimerGauge(false);

    createBox("Score", "lblScore", "Score:", "lblCurrentScore", 2220, 1875, 2325, true);
    createBox("Round", "lblRound", "Round:", "lblCurrentRound", 3285, 2955, 3405, false);
    createBox("Pair", "lblPairs", "Pairs:", "lblScorePairs", 2115, 1770, 2220, true);
    createBox("Run", "lblRuns", "Runs:", "lblScoreRuns", 3285, 2955, 3405, false);
    label("lblCurrentScore")->setToolTip("Displays your Current Score");
    label("lblScorePairs")->setToolTip("Displays your Current Score");

    QLabel* cardCount = makeLabel("lblCardCount", "Cards remaining:", 8.25, true);
    SetForeColour(cardCount, kVbBlue);
    cardCount->move(0, Tw(4500));
    QLabel* cards = makeLabel("lblCards", "", 9.75, true);
    SetForeColour(cards, kVbBlue);
    cards->setToolTip("Displays your Current Score");
    cards->move(0, Tw(4860));
    QLabel* high = makeLabel("lblHighScore", "Current High Score:", 8.25, true);
    SetForeColour(high, kVbBlue);
    high->move(0, Tw(4890));
    for (QLabel* l : {cardCount, cards, high})
        l->hide();

    // Later rows lie over the rows above them; a selection frame lies on its own card.
    for (int i = 0; i < kBoardPlaces; ++i) {
        auto* card = new CardPicture(QString("PlayCard_%1").arg(i), area);
        card->setGeometry(TwRect(0, CardTop[size_t(i)], CardWidth, CardHeight));
        card->onPress = [this, i] { PlayCard_Click(i); };
        card->hide();
        cards_[size_t(i)] = card;
        auto* frame = new SelectionFrame(QString("FieldSelectionRectangle_%1").arg(i), area);
        frame->setBorderColour(kVbRed);
        frame->setGeometry(card->geometry());
        frame->hide();
        frames_[size_t(i)] = frame;
    }
    QLabel* stack = CardStackPicture();
    stack->setGeometry(TwRect(0, StackTop, CardWidth, CardHeight));
    stack->hide();

    int top = 4065;
    for (const char* name : {"cmdPlay", "cmdPause", "cmdTakeScore", "cmdExit"}) {
        button(name)->setGeometry(TwRect(0, top, ButtonWidth, 405));
        top += 520;
    }

    QLabel* message = makeLabel("lblMessage", "", 20.25, true, "Arial");
    SetForeColour(message, kVbRed);
    message->setAlignment(Qt::AlignCenter);
    message->setAttribute(Qt::WA_TransparentForMouseEvents); // it lies over the cards
    message->move(0, Tw(2445));
    message->hide();
    QLabel* scoring = makeLabel("lblScoring", "", 20.25, true, "Arial");
    scoring->setAlignment(Qt::AlignCenter);
    scoring->move(Tw(3705), Tw(3030));
    scoring->hide();

    QFrame* splash = frmSplash();
    splash->resize(Tw(SplashWidth), Tw(SplashHeight));
    splash->setAutoFillBackground(true);
    const SplashTexts texts = AddSplashTexts(splash);
    texts.lblCompanyProduct->move(texts.lblCompanyProduct->x(), Tw(705));
    texts.lblProductName->move(texts.lblProductName->x(), Tw(1140));
    splashTexts_ = texts;

    // Counts sit on their boxes; the splash and the messages over everything.
    for (const char* name :
         {"lblCurrentScore", "lblCurrentRound", "lblScorePairs", "lblScoreRuns", "lblTime"})
        label(name)->raise();
    message->raise();
    scoring->raise();
    // The idle splash covers the last game's "Game Over".
    splash->raise();
    registerCaptionRules();
}

QLabel* frmTwindle::CardStackPicture() const {
    return label("CardStackPicture");
}

bool frmTwindle::eventFilter(QObject* watched, QEvent* event) {
    // The frame watches every event of the program (it drops input during a round end); the
    // stack is a picture label of the frame, so its clicks are taken here, after that check.
    if (GameWindow::eventFilter(watched, event)) return true;
    if (watched == CardStackPicture() && event->type() == QEvent::MouseButtonPress) {
        CardStackPicture_Click();
        return true;
    }
    return false;
}
