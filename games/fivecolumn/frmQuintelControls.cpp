// The five-column window's controls as designed: the columns and their totals, Hit buttons
// and connecting lines, the next card and the pile, the score table, the score and message
// labels, and the splash panel's texts.
#include "games/fivecolumn/frmQuintel.h"

#include "frame/Captions.h"
#include "frame/CardPictures.h"
#include "frame/DesignLabel.h"
#include "frame/SplashTexts.h"
#include "frame/VbColour.h"
#include "games/fivecolumn/FiveColumnScoreTable.h"
#include "platform/Faces.h"
#include "platform/Twips.h"
#include "services/GameRegistry.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {
constexpr int kColumnLeft[5] = {420, 1875, 3330, 4785, 6240};
constexpr std::array<int, 5> kRowTop = {2550, 2940, 3345, 3750, 4140};
constexpr int kCardWidth = 1035;
constexpr int kCardHeight = 1455;
} // namespace

frmQuintel::frmQuintel(QWidget* parent) : GameWindow(*FindGameByWindow("frmQuintel"), parent) {
    UsePlayModel(game_);
    setMinimumSize(Tw(9540), Tw(7305));
    createControls();
    BuildMenus();
    Form_Load();
}

frmQuintel::~frmQuintel() = default;

QLabel* frmQuintel::makeLabel(const QString& name, const QString& caption, double points, bool bold,
                              uint32_t colour) {
    QLabel* l = DesignLabel(centralWidget(), name, caption, points, bold, kDesignSans);
    SetForeColour(l, colour);
    return l;
}

void frmQuintel::createControls() {
    QWidget* area = centralWidget();

    // The columns, their totals, "Soft" markers and Hit buttons.
    for (int c = 0; c < 5; ++c) {
        columns_[size_t(c)].create(area, c, kColumnLeft[c], kRowTop,
                                   QRect(kColumnLeft[c] + 270, 1815, 495, 360),
                                   QPoint(kColumnLeft[c] + 360, 2280));
        auto* line = new QFrame(area);
        line->setObjectName(QString("Column%1Line").arg(c + 1));
        line->setFrameShape(QFrame::NoFrame);
        line->setAutoFillBackground(true);
        QPalette blue = line->palette();
        blue.setColor(QPalette::Window, VbColour(kVbBlue));
        line->setPalette(blue);
        line->hide();
        lines_[size_t(c)] = line;
        auto* hit = new QPushButton("Hit", area);
        hit->setObjectName(QString("cmdHit_%1").arg(c));
        hit->setGeometry(TwRect(kColumnLeft[c], 5670, kCardWidth, 570));
        hit->setEnabled(false);
        hit->hide();
        connect(hit, &QPushButton::clicked, this, [this, c] { cmdHit_Click(c); });
        hits_[size_t(c)] = hit;
    }
    for (const TwentyOneColumnView& column : columns_)
        for (CardPicture* img : column.cards())
            img->raise(); // lower rows overlap the ones above

    nextCard_ = new CardPicture("NextCardPicture", area);
    nextCard_->setGeometry(TwRect(1875, 105, kCardWidth, kCardHeight));
    nextCard_->hide();
    pile_ = label("PlayCardPicture");
    pile_->setGeometry(TwRect(420, 120, kCardWidth, kCardHeight));
    pile_->setScaledContents(true);
    pile_->hide();

    cmdPass_ = new QPushButton("&Pass", area);
    cmdPass_->setObjectName("cmdPass");
    cmdPass_->setGeometry(TwRect(3330, 150, 1065, 510));
    cmdPass_->hide();
    connect(cmdPass_, &QPushButton::clicked, this, &frmQuintel::cmdPass_Click);
    cmdGiveUp_ = new QPushButton("&Give Up", area);
    cmdGiveUp_->setObjectName("cmdGiveUp");
    cmdGiveUp_->setGeometry(TwRect(7860, 5670, 1035, 555));
    cmdGiveUp_->hide();
    connect(cmdGiveUp_, &QPushButton::clicked, this, &frmQuintel::cmdGiveUp_Click);

    makeLabel("lblRound", "Round: 1", 8.25, false, kVbBlue)->move(Tw(3435), Tw(1320));
    label("lblRound")->hide();
    QLabel* heading = makeLabel("lblCurrentRoundScore", "Card Total", 9.75, true, kVbBlue);
    heading->setGeometry(TwRect(7590, 1470, 1110, 240));
    heading->setAlignment(Qt::AlignCenter);
    heading->hide();
    QLabel* sum = makeLabel("lblCurrentTotal", "0", 12, true, kVbRed);
    sum->setGeometry(TwRect(8265, 1815, 750, 360));
    sum->setAlignment(Qt::AlignCenter);
    sum->setFrameShape(QFrame::Box);
    sum->setAutoFillBackground(true);
    sum->setPalette(columns_[0].total()->palette());
    SetForeColour(sum, kVbRed);
    sum->hide();

    // The score table: its rows are the table's data.
    frmScore_ = new QGroupBox("Card Total Value", area);
    frmScore_->setObjectName("frmScore");
    frmScore_->setGeometry(TwRect(7515, 2355, 1635, 3150));
    QFont frameFont(platform::Face(kDesignSans));
    frameFont.setPointSizeF(8.25);
    frameFont.setBold(true);
    frmScore_->setFont(frameFont);
    SetForeColour(frmScore_, kVbBlue);
    const std::vector<ScoreTableRow>& rows = FiveColumnScoreRows();
    for (size_t i = 0; i < rows.size(); ++i) {
        const ScoreTableRow& row = rows[i];
        const QString total = row.total == 0 ? "lblNothing" : QString("lbl%1").arg(row.total);
        const QString points = row.total == 0     ? QString("lblScore0")
                               : row.total >= 104 ? QString("lblScore%1").arg(row.total)
                                                  : QString("lblscore%1").arg(row.total);
        const int top = row.total == 0 ? 2880 : 250 + 292 * int(i);
        auto make = [this](const QString& name, const QString& caption, int left, int topTw) {
            auto* l = new QLabel(caption, frmScore_);
            l->setObjectName(name);
            l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            l->setGeometry(TwRect(left - 450, topTw, 600, 240));
            return l;
        };
        QLabel* left = make(total, ScoreRowCaption(row), 250 + 300, top);
        QLabel* right = make(points, QString::number(row.points), 950 + 300, top);
        scoreRows_.emplace_back(left, right);
    }
    SetForeColour(findChild<QLabel*>("lblscore97"), 0x404040);
    frmScore_->hide();

    // The score box and the clock's time bonus.
    MakeGaugeRectangle("ScoreRectangle", area)->setGeometry(TwRect(6480, 675, 1065, 510));
    MakeBevelLine("ScoreBevelSide", area);
    MakeBevelLine("ScoreBevelBottom", area);
    makeLabel("lblScore", "Score:", 8.25, true, kVbBlack)->move(Tw(6675), 0);
    QLabel* score = makeLabel("lblTotalScore", "0", 8.25, true, kVbBlue);
    score->setToolTip("Displays your Current Score");
    score->setAutoFillBackground(true);
    QPalette grey = score->palette();
    grey.setColor(QPalette::Window, VbColour(0xC0C0C0));
    score->setPalette(grey);
    SetCaptionRule(this, "lblTotalScore",
                   {CaptionSize::AutoSize, CentreOn("ScoreRectangle", true)});
    for (const char* name : {"TimerBevelSide", "TimerBevelBottom"})
        if (auto* line = findChild<QFrame*>(name)) StyleBevelLine(line);
    QLabel* timeBonus = makeLabel("lblTimeBonus", "300", 9.75, true, kVbBlue);
    timeBonus->setParent(Surface());
    timeBonus->setGeometry(TwRect(390, 420, 375, 240));
    makeLabel("lblTime", "Time Bonus:", 8.25, true, kVbBlack);
    makeLabel("lblHighScore", "High Score:", 8.25, false, kVbBlue)->move(Tw(6540), Tw(1320));
    // The top score is centred over the score gauge whenever it changes, but never reaches
    // back across the clock gauge's frame beside it.
    SetCaptionRule(this, "lblHighScore",
                   {CaptionSize::AutoSize, [this](QLabel& l) {
                        const QWidget* box = findChild<QWidget*>("ScoreRectangle");
                        const QWidget* clock = findChild<QWidget*>("TimerRectangle");
                        centreOver(&l, box);
                        if (clock && l.x() <= clock->geometry().right() + Tw(30))
                            l.move(clock->geometry().right() + Tw(30) + 1, l.y());
                    }});
    for (const char* name : {"lblScore", "ScoreRectangle", "ScoreBevelSide", "ScoreBevelBottom",
                             "lblTotalScore", "lblHighScore", "lblTime"})
        findChild<QWidget*>(name)->hide();
    ShowTimerGauge(false);

    // The messages over the card area.
    auto* outline = findChild<QFrame*>("ScoringLabelOutline");
    outline->setGeometry(TwRect(405, 2940, 6870, 2280));
    outline->hide();
    QLabel* scoring = makeLabel("ScoringLabel", "", 18, true, kVbRed);
    scoring->setAlignment(Qt::AlignCenter);
    scoring->hide();
    QLabel* total = makeLabel("ScoringLabelRoundTotal", "", 18, true, kVbBlue);
    total->move(Tw(750), Tw(3315));
    total->hide();
    QLabel* info = makeLabel("ScoringLabelInfo", "", 12, true, kVbBlue);
    info->setAlignment(Qt::AlignCenter);
    info->move(Tw(1920), Tw(3645));
    info->hide();
    for (QWidget* w : {static_cast<QWidget*>(outline), static_cast<QWidget*>(scoring),
                       static_cast<QWidget*>(total), static_cast<QWidget*>(info)})
        w->raise();

    // The commands and the splash panel.
    cmdPlay()->setGeometry(TwRect(8085, 75, 1140, 405));
    cmdPause()->setGeometry(TwRect(8085, 525, 1140, 405));
    quitButton()->setGeometry(TwRect(8085, 960, 1140, 405));
    frmSplash()->setGeometry(TwRect(1680, 1800, 7080, 4050));
    FillSplashTexts(AddSplashTexts(frmSplash()), QString());
    frmSplash()->raise();
}
