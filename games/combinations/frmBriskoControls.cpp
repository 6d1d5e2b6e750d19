// The twenty-one combinations window's controls as designed and their layout at any width:
// the columns spread with the window, every vertical place stays.
#include "games/combinations/frmBrisko.h"

#include "frame/Captions.h"
#include "frame/CardPictures.h"
#include "frame/DesignLabel.h"
#include "frame/SplashTexts.h"
#include "frame/TwipsLayout.h"
#include "frame/VbColour.h"
#include "platform/GameTimer.h"
#include "platform/Twips.h"
#include "services/GameRegistry.h"
#include "services/SharedState.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QResizeEvent>

namespace {
constexpr int kColumnLeft[4] = {270, 1740, 3195, 4650};
// The second card of the first column sits 15 twips higher than in the other three.
constexpr std::array<int, 5> kRowTop = {2355, 2745, 3150, 3555, 3945};
constexpr std::array<int, 5> kFirstColumnRowTop = {2355, 2730, 3150, 3555, 3945};
// "Soft" stands under the total, a little left of the column's centre.
constexpr int kSoftLeft[4] = {750, 2220, 3675, 5100};
constexpr int kSoftTop = 2115;
constexpr int kSoftFromCentre = -180;
constexpr double kColumnShare[4] = {0.0440251572327, 0.1965408805031, 0.3490566037736,
                                    0.501572327044};
constexpr int kMinWidth = 9060;
constexpr int kMinHeight = 7155;
} // namespace

frmBrisko::frmBrisko(QWidget* parent) : GameWindow(*FindGameByWindow("frmBrisko"), parent) {
    UsePlayModel(game_);
    setMinimumSize(Tw(kMinWidth), Tw(kMinHeight));
    createControls();
    BuildMenus();
    Form_Load();
}

frmBrisko::~frmBrisko() = default;

QLabel* frmBrisko::makeLabel(QWidget* parent, const QString& name, const QString& caption,
                             double points, uint32_t colour) {
    QLabel* l = DesignLabel(parent, name, caption, points, true, kDesignSans);
    SetForeColour(l, colour);
    return l;
}

void frmBrisko::createControls() {
    QWidget* area = centralWidget();

    for (int c = 0; c < 4; ++c) {
        columns_[size_t(c)].create(area, c, kColumnLeft[c], c == 0 ? kFirstColumnRowTop : kRowTop,
                                   QRect(kColumnLeft[c] + 300, 1702, 495, 360),
                                   QPoint(kSoftLeft[c], kSoftTop));
        auto* hit = new QPushButton("Hit", area);
        hit->setObjectName(QString("cmdHit_%1").arg(c));
        hit->setGeometry(TwRect(kColumnLeft[c], 5520, 1035, 570));
        hit->setEnabled(false);
        hit->hide();
        connect(hit, &QPushButton::clicked, this, [this, c] { cmdHit_Click(c); });
        hits_[size_t(c)] = hit;
    }
    for (int n = 0; n < 3; ++n) {
        auto* line = new QFrame(area);
        line->setObjectName(QString("Column%1Line").arg(n + 1));
        line->setAutoFillBackground(true);
        QPalette blue = line->palette();
        blue.setColor(QPalette::Window, VbColour(kVbBlue));
        line->setPalette(blue);
        line->hide();
        lines_[size_t(n)] = line;
    }
    pile_ = new CardPicture("PlayCardPicture", area);
    pile_->setGeometry(TwRect(345, 60, 1035, 1455));
    pile_->hide();
    nextCard_ = new CardPicture("NextCardPicture", area);
    nextCard_->setGeometry(TwRect(1815, 60, 1035, 1455));
    nextCard_->hide();

    cmdPass_ = new QPushButton("&Pass", area);
    cmdPass_->setObjectName("cmdPass");
    cmdPass_->setGeometry(TwRect(6012, 5520, 1035, 570));
    cmdPass_->hide();
    connect(cmdPass_, &QPushButton::clicked, this, &frmBrisko::cmdPass_Click);
    cmdTakeScore()->setGeometry(TwRect(7440, 5520, 1035, 570));
    cmdPlay()->setGeometry(TwRect(7695, 60, 1140, 405));
    cmdPause()->setGeometry(TwRect(7695, 585, 1140, 405));
    quitButton()->setGeometry(TwRect(7695, 1110, 1140, 405));

    // The scoring status: the counter, the 21s and their bonus, the round's line.
    info_ = new QGroupBox("Twenty One Scoring Status", area);
    info_->setObjectName("frameScoreInfo");
    info_->setGeometry(TwRect(6135, 1740, 2700, 2655));
    SetForeColour(info_, kVbBlue);
    auto inFrame = [this](const char* name, const QString& caption, int top, double points,
                          uint32_t colour) {
        QLabel* l = makeLabel(info_, name, caption, points, colour);
        l->move(l->x(), Tw(top));
        return l;
    };
    inFrame("lblTwentyOnes", "21's earned:", 330, 9.75, kVbBlue);
    inFrame("lbl21s", "0", 660, 13.5, kVbBlue);
    inFrame("lbl21Bonus", "Bonus:", 1170, 9.75, kVbBlue);
    inFrame("lblBonus", "0", 1500, 13.5, kVbBlue);
    inFrame("lblRoundScore", "Round Score", 1965, 8.25, kVbRed)->hide();
    inFrame("lblTwentyoneTime", "21 Counter:", 2070, 8.25, kVbBlue);
    inFrame("lblRoundScoreCount", "0", 2205, 9.75, kVbRed)->hide();
    bar_ = new QProgressBar(info_);
    bar_->setObjectName("ProgressBar1");
    bar_->setRange(0, 100);
    bar_->setValue(0);
    bar_->setTextVisible(false);
    bar_->setGeometry(TwRect(195, 2310, 2295, 150));
    info_->hide();

    // The score box is on screen from the load on, the idle window's included.
    QFrame* scoreBox = MakeGaugeRectangle("ScoreRectangle", area);
    scoreBox->setGeometry(TwRect(3195, 480, 1065, 510));
    scoreBox->show();
    MakeBevelLine("ScoreBevelSide", area)->show();
    MakeBevelLine("ScoreBevelBottom", area)->show();
    makeLabel(area, "lblScore", "Score:", 8.25, kVbBlack)->move(Tw(3450), Tw(30));
    QLabel* score = makeLabel(area, "lblTotalScore", "0", 9.75, kVbBlue);
    score->setToolTip("Displays your Current Score");
    for (const char* name : {"TimerBevelSide", "TimerBevelBottom"})
        if (auto* line = findChild<QFrame*>(name)) StyleBevelLine(line);
    makeLabel(area, "lblTime", "Time:", 8.25, kVbBlack);
    makeLabel(area, "lblHighScore", "High Score:", 8.25, kVbBlue)->move(Tw(6150), Tw(4950));
    makeLabel(area, "lblRound", "Round:", 8.25, kVbBlue)->move(Tw(6150), Tw(4590));
    makeLabel(area, "lblCardsUsed", "Cards used:", 8.25, kVbBlue)->move(Tw(6015), Tw(638));
    makeLabel(area, "lblCardsUsedCount", "0", 9.75, kVbBlue)->move(Tw(7140), Tw(615));
    makeLabel(area, "lblBust", "Bust", 12, kVbRed)->move(Tw(3420), Tw(1155));
    makeLabel(area, "lblFiveCards", "Five Card Gimme", 8.25, kVbBlue)->move(Tw(270), Tw(3630));
    for (const char* name : {"lblBust", "lblFiveCards", "lblHighScore", "lblRound", "lblCardsUsed",
                             "lblCardsUsedCount"})
        label(name)->hide();
    ShowTimerGauge(false);

    auto* outline = findChild<QFrame*>("ScoringLabelOutline");
    outline->setGeometry(TwRect(300, 2655, 5430, 2280));
    outline->hide();
    QLabel* message = makeLabel(area, "ScoringLabelInfo", "", 13.5, kVbRed);
    message->setAlignment(Qt::AlignCenter);
    message->hide();
    outline->raise();
    message->raise();
    label("lblFiveCards")->raise();
    label("lblBust")->raise();

    timer3_ = new platform::GameTimer(this, 90, false);
    timer3_->setObjectName("Timer3");
    timer3_->onTimer = [this] { Timer3_Timer(); };
    timer5_ = new platform::GameTimer(this, 250, false);
    timer5_->setObjectName("Timer5");
    timer5_->onTimer = [this] { Timer5_Timer(); };

    frmSplash()->setGeometry(TwRect(1680, 5160, 7155, 4050));
    FillSplashTexts(AddSplashTexts(frmSplash()), QString());
    frmSplash()->raise();
    registerCaptionRules();
}

void frmBrisko::registerCaptionRules() {
    label("lblTime")->setGeometry(TwRect(4995, 30, 480, 195));
    const QWidget* lastColumn = columns_[3].card(0);
    SetCaptionRule(this, "lblTime", {CaptionSize::Grow, CentreOnX([lastColumn] {
                                         return TwLeft(lastColumn) + TwWidth(lastColumn) / 2.0;
                                     })});
    SetCaptionRule(this, "lblTotalScore",
                   {CaptionSize::AutoSize, CentreOn("ScoreRectangle", true)});
    SetCaptionRule(this, "ScoringLabelInfo",
                   {CaptionSize::AutoSize, CentreOn("ScoringLabelOutline", true)});
    // The scoring status keeps every line centred across its frame.
    for (QLabel* l : info_->findChildren<QLabel*>())
        SetCaptionRule(this, l->objectName(), {CaptionSize::AutoSize, CentreOn(QString(), false)});
    for (const char* name : {"lblRound", "lblCardsUsedCount"})
        SetCaptionRule(this, name, {CaptionSize::AutoSize, {}});
}

void frmBrisko::centreOver(QWidget* w, const QWidget* reference) {
    if (w && reference)
        MoveLeftTw(w, TwLeft(reference) + TwWidth(reference) / 2.0 - TwWidth(w) / 2.0);
}

void frmBrisko::resizeEvent(QResizeEvent* event) {
    GameWindow::resizeEvent(event);
    Form_Resize();
}

void frmBrisko::Form_Resize() {
    if (isMinimized()) return;
    const int w = PxToTw(width());
    if (!isMaximized() && !isFullScreen() && (w < kMinWidth || PxToTw(height()) < kMinHeight)) {
        resize(Tw(kMinWidth), Tw(kMinHeight));
        return;
    }
    layoutControls(w);
}

void frmBrisko::layoutControls(int w) {
    for (int c = 0; c < 4; ++c)
        for (CardPicture* img : columns_[size_t(c)].cards())
            MoveLeftTw(img, w * kColumnShare[c]);
    auto column = [this](int c) { return static_cast<QWidget*>(columns_[size_t(c)].card(0)); };
    const int step = TwLeft(column(3)) - TwLeft(column(2));
    for (int c = 0; c < 4; ++c) {
        MoveLeftTw(columns_[size_t(c)].soft(),
                   TwLeft(column(c)) + TwWidth(column(c)) / 2.0 + kSoftFromCentre);
        centreOver(columns_[size_t(c)].total(), column(c));
        MoveLeftTw(hits_[size_t(c)], TwLeft(column(c)));
    }
    const int y = TwTop(columns_[0].total()) + TwHeight(columns_[0].total()) / 2;
    for (int n = 0; n < 3; ++n) {
        const int x1 = TwLeft(column(n)) + TwWidth(column(n));
        lines_[size_t(n)]->setGeometry(Tw(x1), Tw(y) - 1, Tw(TwLeft(column(n + 1)) - x1), 3);
    }
    MoveLeftTw(cmdPass_, TwLeft(column(3)) + step);
    MoveLeftTw(cmdTakeScore(), TwLeft(cmdPass_) + step);
    for (QWidget* b : {cmdPlay(), cmdPause(), quitButton()})
        MoveLeftTw(b, w * 0.8493377483444);

    QWidget* box = findChild<QWidget*>("ScoreRectangle");
    centreOver(label("lblScore"), column(2));
    centreOver(box, column(2));
    MoveTw(box, TwLeft(box), TwTop(nextCard_) + TwHeight(nextCard_) / 2.0 - TwHeight(box) / 2.0);
    const int bx = TwLeft(box), by = TwTop(box), bw = TwWidth(box), bh = TwHeight(box);
    PlaceBevelLine(findChild<QWidget*>("ScoreBevelSide"), bx + bw - 15, by + 15, bx + bw - 15,
                   by + bh - 15);
    PlaceBevelLine(findChild<QWidget*>("ScoreBevelBottom"), bx + 15, by + bh - 15, bx + bw - 15,
                   by + bh - 15);
    ApplyCaptionRule(label("lblTotalScore"));

    QWidget* surface = Surface();
    centreOver(surface, column(3));
    ApplyCaptionRule(label("lblTime"));
    const int sx = TwLeft(surface), sy = TwTop(surface);
    PlaceBevelLine(findChild<QWidget*>("TimerBevelSide"), sx + TwWidth(surface) + 30, sy - 15,
                   sx + TwWidth(surface) + 30, sy + 1185);
    MoveTw(findChild<QWidget*>("TimerRectangle"), sx - 90, sy - 30);
    PlaceBevelLine(findChild<QWidget*>("TimerBevelBottom"), sx - 15, sy + 1170, sx + 1185,
                   sy + 1170);

    const int frameLeft = TwLeft(cmdPass_);
    info_->setGeometry(Tw(frameLeft), info_->y(),
                       Tw(TwLeft(cmdPlay()) + TwWidth(cmdPlay()) - frameLeft), info_->height());
    for (QLabel* l : info_->findChildren<QLabel*>())
        ApplyCaptionRule(l);
    bar_->setGeometry((info_->width() - (info_->width() - Tw(400))) / 2, bar_->y(),
                      info_->width() - Tw(400), bar_->height());
    MoveLeftTw(pile_, TwLeft(column(0)));
    MoveLeftTw(nextCard_, TwLeft(column(1)));
    centreOver(label("lblBust"), column(2));
    auto* outline = findChild<QWidget*>("ScoringLabelOutline");
    const int outlineLeft = TwLeft(column(0));
    outline->setGeometry(Tw(outlineLeft), outline->y(),
                         Tw(TwLeft(column(3)) + TwWidth(column(3)) - outlineLeft),
                         outline->height());
    ApplyCaptionRule(label("ScoringLabelInfo"));
    label("lblHighScore")->adjustSize(); // its caption is the table's top score
    for (const char* name : {"lblHighScore", "lblRound", "lblCardsUsed"})
        MoveLeftTw(label(name), frameLeft);
    QLabel* used = label("lblCardsUsed");
    MoveTw(used, frameLeft, sy + TwHeight(surface) / 2.0 - TwHeight(used) / 2.0);
    MoveTw(label("lblCardsUsedCount"), TwLeft(used) + TwWidth(used) + 40, TwTop(used) - 23);
    MoveTw(frmSplash(), (w - TwWidth(frmSplash())) / 2.0,
           (PxToTw(height()) - TwHeight(frmSplash())) / 2.0);
}
