// The poker grid window's controls as designed: the grid, the deck and the hole card, the
// hand labels, the score and clock panels, the large message, and the splash panel's texts.
#include "games/pokergrid/frmScramble.h"

#include "frame/CardPictures.h"
#include "frame/DesignLabel.h"
#include "frame/SplashTexts.h"
#include "frame/VbColour.h"
#include "games/pokergrid/PokerGridLayout.h"
#include "platform/Faces.h"
#include "platform/Twips.h"
#include "services/GameRegistry.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {
using namespace PokerGridDesign;
const QString kArial = QStringLiteral("Arial");
} // namespace

frmScramble::frmScramble(QWidget* parent) : GameWindow(*FindGameByWindow("frmScramble"), parent) {
    UsePlayModel(game_);
    createControls();
    BuildMenus();
    Form_Load();
}

frmScramble::~frmScramble() = default;

QLabel* frmScramble::makeLabel(const QString& name, const QString& caption, double points,
                               bool bold, const QString& family) {
    return DesignLabel(centralWidget(), name, caption, points, bold,
                       family.isEmpty() ? kDesignSans : family);
}

QLabel* frmScramble::CardStackPicture() const {
    return label("CardStackPicture");
}

void frmScramble::createControls() {
    QWidget* area = centralWidget();
    area->setAutoFillBackground(true);
    QPalette back = area->palette();
    back.setColor(QPalette::Window, VbColour(kVbSilver));
    area->setPalette(back);

    // The clock panel and the score panel.
    for (const char* name : {"TimerBevelSide", "TimerBevelBottom"})
        if (auto* line = findChild<QFrame*>(name)) StyleBevelLine(line);
    if (auto* r = findChild<QFrame*>("TimerRectangle")) {
        r->setFrameShape(QFrame::Box);
        r->resize(Tw(TimerRectangleWidth), Tw(TimerRectangleHeight));
    }
    Surface()->resize(Tw(SurfaceWidth), Tw(SurfaceHeight));
    MakeGaugeRectangle("ScoreRectangle", area)
        ->setGeometry(TwRect(0, ScoreRectangleTop, ScoreRectangleWidth, ScoreRectangleHeight));
    MakeBevelLine("ScoreBevelSide", area);
    MakeBevelLine("ScoreBevelBottom", area);

    for (const auto& [name, caption, top] :
         {std::tuple{"lblOverWrites", "Over Writes Remaining:", 1230},
          std::tuple{"lblScore", "Score:", 1515}, std::tuple{"lblTime", "Time:", 2460},
          std::tuple{"lblHighScore", "High Score:", 6063},
          std::tuple{"lblCards", "Cards Remaining", 6063},
          std::tuple{"lblRound", "Round: 1", 4055}}) {
        QLabel* l = makeLabel(name, caption, 8.25, true);
        l->move(l->x(), Tw(top));
    }
    for (const char* name : {"lblOverWrites", "lblHighScore", "lblCards", "lblRound"})
        SetForeColour(label(name), kVbBlue);
    // The table service rewrites the high score: it keeps a width for the longest score.
    label("lblHighScore")->setAlignment(Qt::AlignCenter);
    label("lblHighScore")->resize(Tw(3000), label("lblHighScore")->height());
    // The longest caption of the panel column must fit beside the clock.
    QFont small = label("lblOverWrites")->font();
    small.setBold(false);
    label("lblOverWrites")->setFont(small);
    // The count-ups rewrite the score as it grows: it spans its panel, centred.
    QLabel* score = makeLabel("lblCurrentScore", "0", 9.75, true);
    score->setAlignment(Qt::AlignCenter);
    score->resize(Tw(ScoreRectangleWidth), score->height());
    SetForeColour(score, kVbBlue);
    score->move(score->x(), Tw(1965));
    score->setToolTip("Displays your Current Score");
    QLabel* points = makeLabel("lblPointsEarned", "Points Earned: 0 ", 8.25, true);
    SetForeColour(points, kVbRed);

    // The time left, in blue over the clock.
    auto* seconds = new QLabel(Surface());
    seconds->setObjectName("lblTimeBonus");
    QFont sf(platform::Face(kDesignSans));
    sf.setPointSizeF(9.75);
    sf.setBold(true);
    seconds->setFont(sf);
    SetForeColour(seconds, kVbBlue);
    seconds->setAttribute(Qt::WA_TransparentForMouseEvents);

    // The grid, the deck and the hole card.
    for (int i = 0; i < kGridCells; ++i) {
        auto* cell = new CardPicture(QString("PlayCards_%1").arg(i), area);
        cell->resize(Tw(CardWidth), Tw(CardHeight));
        cell->showPicture("EMPTY", false);
        cell->onPress = [this, i] { PlayCards_Click(i); };
        cells_[size_t(i)] = cell;
    }
    hole_ = new CardPicture("HoleCard", area);
    hole_->resize(Tw(CardWidth), Tw(CardHeight));
    hole_->showPicture("EMPTY", false);
    QLabel* deck = CardStackPicture();
    deck->resize(Tw(CardWidth), Tw(CardHeight));
    deck->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    deck->installEventFilter(this);
    deck->hide();

    // The hand labels.
    for (int i = 1; i <= 5; ++i) {
        rows_[size_t(i - 1)] = makeLabel(QString("lblRow_%1").arg(i), "Nothing", 9, true, kArial);
        columns_[size_t(i - 1)] =
            makeLabel(QString("lblCol_%1").arg(i), "Nothing", 9, true, kArial);
    }

    // The large message in its outline, the second message line and the counted amount.
    if (auto* outline = findChild<QFrame*>("ScoringLabelOutline")) {
        outline->setFrameShape(QFrame::NoFrame);
        outline->resize(Tw(OutlineWidth), Tw(OutlineHeight));
        outline->hide();
    }
    QLabel* big = makeLabel("ScoringLabel", QString(), 18, true);
    big->setAlignment(Qt::AlignCenter);
    SetForeColour(big, kVbRed);
    big->hide();
    QLabel* message = makeLabel("lblMessage", "Message", 12, true, kArial);
    message->setAlignment(Qt::AlignCenter);
    SetForeColour(message, kVbRed);
    message->hide();
    QLabel* amount = makeLabel("lblScoring", "Scoring", 18, true, kArial);
    amount->setAlignment(Qt::AlignCenter);
    amount->resize(Tw(OutlineWidth), amount->height());
    amount->hide();
    for (const char* name : {"ScoringLabelInfo", "ScoringLabelRoundTotal"}) {
        QLabel* l = makeLabel(name, QString(), 8.25, true);
        SetForeColour(l, kVbBlue);
        l->hide();
    }

    // The commands keep their design size.
    for (QPushButton* b : {cmdPlay(), cmdPause(), quitButton()})
        b->resize(Tw(1140), Tw(350));

    // The splash panel's texts. The panel is opaque: it covers the idle board.
    QFrame* splash = frmSplash();
    splash->resize(Tw(SplashWidth), Tw(SplashHeight));
    splash->setAutoFillBackground(true);
    splashTexts_ = AddSplashTexts(splash);
    // The panel is wider than the elevens one: its texts move right with it.
    for (QLabel* l : {splashTexts_.lblCompanyProduct, splashTexts_.lblProductName,
                      splashTexts_.lblPlatform, splashTexts_.lblVersion})
        l->move(l->x() + Tw(SplashWidth - 7080), l->y());

    // Stacking: the rows lie over the rows above them; the splash and the messages on top.
    for (CardPicture* c : cells_)
        c->raise();
    for (QLabel* l : rows_)
        l->raise();
    for (QLabel* l : columns_)
        l->raise();
    score->raise();
    splash->raise();
    for (QWidget* w : {static_cast<QWidget*>(big), static_cast<QWidget*>(message),
                       static_cast<QWidget*>(amount)})
        w->raise();
}

bool frmScramble::eventFilter(QObject* watched, QEvent* event) {
    if (watched == CardStackPicture() && event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        CardStackPicture_Click();
        return true;
    }
    return GameWindow::eventFilter(watched, event);
}
