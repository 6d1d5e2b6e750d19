// The elevens window's controls as designed: the field, pile and up card, the gauges, the
// message and value labels, the splash panel's texts, and the game's own menu entries.
#include "games/elevens/frmElevens.h"

#include "frame/Captions.h"
#include "frame/CardPictures.h"
#include "frame/DesignLabel.h"
#include "frame/SplashTexts.h"
#include "frame/VbColour.h"
#include "platform/Twips.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {
constexpr int kCardWidth = 1065;
constexpr int kCardHeight = 1455;
constexpr int kPileWidth = 1035;
} // namespace

frmElevens::frmElevens(QWidget* parent) : GameWindow(*FindGameByWindow("frmElevens"), parent) {
    UsePlayModel(game_);
    setMinimumSize(Tw(9540), Tw(7200)); // the window manager keeps the minimum as well
    createControls();
    BuildMenus();
    Form_Load();
}

frmElevens::~frmElevens() = default;

QLabel* frmElevens::makeLabel(const QString& name, const QString& caption, double points, bool bold,
                              const QString& family) {
    return DesignLabel(centralWidget(), name, caption, points, bold, family);
}

void frmElevens::createGauge(const QString& rectangle, const QString& side, const QString& bottom) {
    MakeGaugeRectangle(rectangle, centralWidget());
    MakeBevelLine(side, centralWidget());
    MakeBevelLine(bottom, centralWidget());
}

void frmElevens::createControls() {
    QWidget* area = centralWidget();
    area->setAutoFillBackground(true);
    QPalette back = area->palette();
    back.setColor(QPalette::Window, VbColour(0xC0C0C0));
    area->setPalette(back);

    // The clock gauge comes from the frame; it stays hidden until a game starts.
    for (const char* name : {"TimerBevelSide", "TimerBevelBottom"})
        if (auto* line = findChild<QFrame*>(name)) StyleBevelLine(line);
    ShowTimerGauge(false);

    // Gauges: a frame, two bevel lines and a value label under a caption.
    createGauge("ScoreRectangle", "ScoreBevelSide", "ScoreBevelBottom");
    createGauge("ElevensRectangle", "ElevensBevelSide", "ElevensBevelBottom");
    createGauge("RoundRectangle", "RoundBevelSide", "RoundBevelBottom");
    createGauge("CardTotalRectangle", "CardTotalBevelSide", "CardTotalBevelBottom");
    findChild<QFrame*>("ScoreRectangle")->setGeometry(TwRect(4320, 360, 1065, 510));
    findChild<QFrame*>("ElevensRectangle")->setGeometry(TwRect(6930, 360, 1065, 510));
    findChild<QFrame*>("RoundRectangle")->setGeometry(TwRect(6930, 1230, 1065, 510));
    findChild<QFrame*>("CardTotalRectangle")->setGeometry(TwRect(4320, 4140, 1065, 435));

    for (const auto& [name, caption, top] :
         {std::tuple{"lblTime", "Time:", 15}, std::tuple{"lblScore", "Score:", 15},
          std::tuple{"lblElevens", "Elevens:", 15}, std::tuple{"lblRound", "Round:", 930},
          std::tuple{"lblTotal", "Card Total", 3870}, std::tuple{"lblCardCount", "Cards: 30", 5280},
          std::tuple{"lblHighScore", "Current High Score:", 5865}}) {
        QLabel* l = makeLabel(name, caption, 8.25, true, kDesignSans);
        l->move(l->x(), Tw(top));
        l->hide();
    }
    SetForeColour(label("lblHighScore"), kVbBlue);
    for (const auto& [name, top] :
         {std::pair{"lblCurrentScore", 465}, std::pair{"lblCurrentElevens", 465},
          std::pair{"lblCurrentRound", 1350}, std::pair{"lblCurrentTotal", 4215}}) {
        QLabel* l = makeLabel(name, "0", 9.75, true, kDesignSans);
        SetForeColour(l, kVbBlue);
        l->move(l->x(), Tw(top));
        l->hide();
    }
    for (const char* name : {"lblCurrentElevens", "lblCurrentRound"}) {
        QLabel* l = label(name);
        l->setAutoFillBackground(true);
        QPalette p = l->palette();
        p.setColor(QPalette::Window, VbColour(0x808080));
        l->setPalette(p);
    }
    label("lblCurrentScore")->setToolTip("Displays your Current Score");
    SetCaptionRule(this, "lblCurrentScore", {CaptionSize::AutoSize, [this](QLabel& l) {
                                                 centreIn(&l, "ScoreRectangle", true);
                                             }});
    label("lblCurrentTotal")->setToolTip("Total of currently selected cards");

    QLabel* message = makeLabel("lblMessage", "Message", 20.25, true, "Arial");
    SetForeColour(message, kVbRed);
    message->hide();

    // The field: later places lie over the lower edge of the tiers above them.
    for (int i = 0; i < kFieldPlaces; ++i) {
        auto* picture = new CardPicture(QString("FieldCardPicture_%1").arg(i), area);
        picture->resize(Tw(kCardWidth), Tw(kCardHeight));
        picture->onPress = [this, i] { FieldCardPicture_Click(i); };
        picture->onMouseMove = [this, i] { FieldCardPicture_MouseMove(i); };
        fieldPictures_[size_t(i)] = picture;
        auto* frame = new SelectionFrame(QString("FieldSelectionRectangle_%1").arg(i), area);
        frame->resize(Tw(kCardWidth), Tw(kCardHeight));
        fieldFrames_[size_t(i)] = frame;
    }
    pilePicture_ = new CardPicture("PlayCardPicture", area);
    pilePicture_->setGeometry(TwRect(3675, 4695, kPileWidth, kCardHeight));
    pilePicture_->onPress = [this] { PlayCardPicture_Click(); };
    pilePicture_->onMouseMove = [this] { PlayCardPicture_MouseMove(); };
    upPicture_ = new CardPicture("UpCardPicture", area);
    upPicture_->setGeometry(TwRect(4950, 4695, kCardWidth, kCardHeight));
    upPicture_->onPress = [this] { UpCardPicture_Click(); };
    upPicture_->onMouseMove = [this] { UpCardPicture_MouseMove(); };
    upFrame_ = new SelectionFrame("UpCardSelectionRectangle", area);
    upFrame_->setGeometry(upPicture_->geometry());

    // The splash panel's texts. The panel is opaque: it covers the idle board.
    QFrame* splash = frmSplash();
    splash->setAutoFillBackground(true);
    splashTexts_ = AddSplashTexts(splash);

    // Value labels sit on their gauges; the splash panel and the message over everything.
    for (const char* name :
         {"lblCurrentScore", "lblCurrentElevens", "lblCurrentRound", "lblCurrentTotal"})
        label(name)->raise();
    splash->raise();
    message->raise();
}

QAction* frmElevens::action(const QString& name) const {
    return item(name);
}

void frmElevens::AddOwnMenuEntry(const QString& token, QMenu* menu) {
    auto add = [](QMenu* m, const char* name, const QString& caption) {
        QAction* a = m->addAction(caption);
        a->setObjectName(name);
        return a;
    };
    if (token == "save") {
        QAction* a = add(menu, "mnuSave", "Sa&ve Last Game...");
        a->setEnabled(false);
        connect(a, &QAction::triggered, this, [this] { mnuSave_Click(); });
    } else if (token == "open") {
        connect(add(menu, "mnuOpen", "&Open Game..."), &QAction::triggered, this,
                [this] { mnuOpen_Click(); });
    } else if (token == "goal") {
        goalMenu_ = menu->addMenu("Card &Goal");
        goalMenu_->setObjectName("mnuGoal");
        goalMenu_->menuAction()->setObjectName("mnuGoal");
        const char* captions[] = {"1&0", "1&1 (Default)", "1&2", "1&3", "1&4", "1&5"};
        for (int goal = 10; goal <= 15; ++goal) {
            QAction* a = goalMenu_->addAction(captions[goal - 10]);
            a->setObjectName(QString("mnu%1").arg(goal));
            a->setCheckable(true);
            a->setChecked(goal == 11);
            connect(a, &QAction::triggered, this, [this, goal] { GoalItem_Click(goal); });
        }
    } else if (token == "drawtimer") {
        QAction* a = add(menu, "mnuDrawTimer", "Count &Down when taking score");
        a->setShortcut(QKeySequence("Ctrl+D"));
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this] { mnuDrawTimer_Click(); });
    } else if (token == "color") {
        colourMenu_ = menu->addMenu("&Card Selection Color");
        colourMenu_->setObjectName("mnuColor");
        colourMenu_->menuAction()->setObjectName("mnuColor");
        const std::pair<const char*, const char*> items[] = {
            {"mnuYellow", "&Yellow"}, {"mnuRed", "&Red (Default)"}, {"mnuBlue", "&Blue"},
            {"mnuGreen", "&Green"},   {"mnuPurple", "&Purple"},     {"mnuBlack", "&Black"}};
        for (int i = 0; i < 6; ++i) {
            QAction* a = add(colourMenu_, items[i].first, items[i].second);
            a->setCheckable(true);
            a->setChecked(i == 1);
            connect(a, &QAction::triggered, this, [this, i] { ColourItem_Click(i); });
        }
    }
}
