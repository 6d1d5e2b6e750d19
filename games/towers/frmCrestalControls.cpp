// The three-towers window's controls as designed: the field, stock and up card, the score,
// round and clock gauges, the run and card-count labels, the tower labels, the splash
// panel's texts, and the Clear High Run entry.
#include "games/towers/frmCrestal.h"

#include "frame/CardPictures.h"
#include "frame/DesignLabel.h"
#include "frame/TwipsLayout.h"
#include "frame/VbColour.h"
#include "platform/Faces.h"
#include "platform/Twips.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

namespace {
constexpr int kCardWidth = 1065;
constexpr int kCardHeight = 1455;
constexpr int kStockWidth = 1035;
constexpr int kRowTop[4] = {375, 1080, 1815, 2520};
} // namespace

frmCrestal::frmCrestal(QWidget* parent) : GameWindow(*FindGameByWindow("frmCrestal"), parent) {
    UsePlayModel(game_);
    createControls();
    BuildMenus();
    Form_Load();
}

frmCrestal::~frmCrestal() = default;

QLabel* frmCrestal::makeLabel(const QString& name, const QString& caption, int left, int top,
                              int width, int height, double points, bool bold) {
    QLabel* l = DesignLabel(centralWidget(), name, caption, points, bold, kDesignSans);
    l->setGeometry(TwRect(left, top, width, height));
    l->hide();
    return l;
}

void frmCrestal::createControls() {
    QWidget* area = centralWidget();
    area->setAutoFillBackground(true);
    QPalette back = area->palette();
    back.setColor(QPalette::Window, VbColour(0xC0C0C0));
    area->setPalette(back);

    // The clock gauge comes from the frame, placed at this window's design.
    findChild<QFrame*>("TimerRectangle")->setGeometry(TwRect(0, 4470, 1365, 1230));
    Surface()->setGeometry(TwRect(0, 4500, 1155, 1140));
    for (const char* name : {"TimerBevelSide", "TimerBevelBottom"})
        if (auto* line = findChild<QFrame*>(name)) StyleBevelLine(line);
    makeLabel("lblTime", "Time:", 6990, 4140, 480, 195);
    ShowTimerGauge(false);

    for (const char* r : {"Round", "Score"}) {
        MakeGaugeRectangle(QString(r) + "Rectangle", area)
            ->setGeometry(TwRect(0, QString(r) == "Round" ? 375 : 390, 1065, 510));
        MakeBevelLine(QString(r) + "BevelSide", area)->hide();
        MakeBevelLine(QString(r) + "BevelBottom", area)->hide();
        findChild<QFrame*>(QString(r) + "Rectangle")->hide();
    }
    makeLabel("lblRound", "Round:", 0, 45, 630, 195);
    makeLabel("lblScore", "Score:", 0, 45, 570, 195);
    for (const char* name : {"lblCurrentRound", "lblCurrentScore"}) {
        QLabel* l = makeLabel(name, "0", 0, 495, 135, 240, 9.75);
        SetForeColour(l, kVbBlue);
        l->adjustSize();
    }
    label("lblCurrentScore")->setToolTip("Displays your Current Score");
    makeLabel("lblCardCount", "Cards remaining:", 0, 4455, 1425, 195);
    QLabel* cards = makeLabel("lblCards", "0", 0, 4740, 135, 240, 9.75);
    cards->setToolTip("Displays your Current Score");
    SetForeColour(cards, kVbBlue);
    makeLabel("lblCurrentRun", "Current Run:", 0, 4410, 1095, 195);
    makeLabel("lblHighRun", "Highest Run:", 0, 4740, 1125, 195);
    makeLabel("lblNextCard", "Next card worth:", 0, 5850, 1425, 195);
    // Wide enough for the top score that ShowHighScore writes in.
    QLabel* high = makeLabel("lblHighScore", "Current High Score:", 0, 5850, 4000, 195);
    SetForeColour(high, kVbBlue);
    for (const char* name : {"lblCardCount", "lblCurrentRun", "lblHighRun", "lblNextCard"})
        label(name)->adjustSize();
    for (int t = 1; t <= 3; ++t) {
        QLabel* l = makeLabel(QString("lblTower%1").arg(t), QString("Tower %1 completed!").arg(t),
                              0, 1620, 1695, 195);
        l->setAlignment(Qt::AlignCenter);
        SetForeColour(l, kVbBlue);
    }

    QLabel* message = makeLabel("lblMessage", "Message", 3750, 2550, 1725, 480, 20.25);
    QFont mf = message->font();
    mf.setFamily(platform::Face("Arial"));
    message->setFont(mf);
    message->setAlignment(Qt::AlignCenter);
    SetForeColour(message, kVbRed);
    QLabel* scoring = makeLabel("lblScoring", "Scoring", 3810, 3150, 1575, 480, 20.25);
    scoring->setAlignment(Qt::AlignCenter);

    // The field, the stock and the up card; lower rows lie over the rows above.
    for (int i = 0; i < kTowersFieldCards; ++i) {
        auto* picture = new CardPicture(QString("UpCardImage_%1").arg(i), area);
        picture->setGeometry(TwRect(0, kRowTop[TowersRow(i) - 1], kCardWidth, kCardHeight));
        picture->onPress = [this, i] { UpCardImage_Click(i); };
        picture->hide();
        fieldPictures_[size_t(i)] = picture;
    }
    stockPicture_ = new CardPicture("CardStackPicture", area);
    stockPicture_->setGeometry(TwRect(0, 4215, kStockWidth, kCardHeight));
    stockPicture_->onPress = [this] { CardStackPicture_Click(); };
    stockPicture_->hide();
    upPicture_ = new CardPicture("UpCardPicture", area);
    upPicture_->setGeometry(TwRect(0, 4215, kStockWidth, kCardHeight));
    upPicture_->onPress = [this] { UpCardPicture_Click(); };
    upPicture_->hide();

    // The commands keep their design order and sizes.
    const std::pair<const char*, int> commands[] = {
        {"cmdPlay", 4110}, {"cmdPause", 4620}, {"cmdTakeScore", 5145}, {"cmdExit", 5655}};
    for (const auto& [name, top] : commands)
        if (QPushButton* b = button(name)) b->setGeometry(TwRect(0, top, 1065, 405));
    if (QPushButton* t = button("cmdTakeScore")) t->setToolTip("End current round and take score");
    if (QPushButton* x = button("cmdExit")) x->setToolTip("Exits the game");
    setTabOrder(button("cmdPlay"), button("cmdPause"));
    setTabOrder(button("cmdPause"), button("cmdTakeScore"));
    setTabOrder(button("cmdTakeScore"), button("cmdExit"));

    // The splash panel covers the idle board.
    QFrame* splash = frmSplash();
    splash->setGeometry(TwRect(585, 1140, 7155, 4050));
    splash->setAutoFillBackground(true);
    splashTexts_ = AddSplashTexts(splash);
    MoveTw(splashTexts_.lblProductName, 2520, 1140);
    MoveTw(splashTexts_.lblCompanyProduct, 2355, 705);
    MoveTw(splashTexts_.lblVersion, 5700, 2700);
    MoveTw(splashTexts_.lblPlatform, 3630, 2340);

    for (const char* name : {"lblCurrentScore", "lblCurrentRound"})
        label(name)->raise();
    for (int t = 1; t <= 3; ++t)
        label(QString("lblTower%1").arg(t))->raise();
    scoring->raise();
    message->raise();
    // The idle splash covers the last game's "Game Over".
    splash->raise();
    registerCaptionRules();
}

void frmCrestal::AddOwnMenuEntry(const QString& token, QMenu* menu) {
    if (token != "clearhighrun") return;
    QAction* a = menu->addAction("Clear &High Run");
    a->setObjectName("mnuClearHighRun");
    a->setShortcut(QKeySequence("Ctrl+H"));
    connect(a, &QAction::triggered, this, [this] { mnuClearHighRun_Click(); });
}
