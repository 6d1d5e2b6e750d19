#include "dialogs/frmHighScores.h"

#include "dialogs/frmComposeHighScore.h"

#include "dialogs/HighScoreEntry.h"
#include "platform/CentreOnScreen.h"
#include "platform/GameTimer.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/Twips.h"
#include "services/HighScoreTable.h"
#include "services/HighScores.h"
#include "services/SharedState.h"
#include "services/Sound.h"
#include "services/TextFile.h"

#include <QFileInfo>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace {

constexpr int kRowTop = 165;
constexpr int kRowStep = 285;
constexpr int kRowHeight = 255;
constexpr int kFormWidth = 6975;
constexpr int kScoreLeft = 2820;
constexpr int kScoreWidth = 1455;
constexpr int kDateLeft = 4335;

const char* const kSilver = "#C0C0C0";

QLabel* makeRowLabel(QWidget* parent, const QString& name, int left, int top, int width,
                     Qt::Alignment align) {
    auto* l = new QLabel(parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText); // names come from the table file
    l->setGeometry(TwRect(left, top, width, kRowHeight));
    l->setAlignment(align | Qt::AlignVCenter);
    l->setContentsMargins(Tw(60), 0, Tw(60), 0);
    return l;
}

void setColour(QLabel* label, const char* colour, bool outlined) {
    label->setStyleSheet(QStringLiteral("background-color: %1; color: %2;")
                             .arg(QLatin1String(kSilver), QLatin1String(colour)));
    // White on silver needs a dark edge to be read.
    if (!outlined) {
        label->setGraphicsEffect(nullptr);
        return;
    }
    auto* edge = new QGraphicsDropShadowEffect(label);
    edge->setColor(Qt::black);
    edge->setOffset(1, 1);
    edge->setBlurRadius(2);
    label->setGraphicsEffect(edge);
}

// The largest scores are wider than their column: the font gives way, never the digits.
// Returns how many pixels the column must grow when even the smallest font is too wide; the
// score is then shown in the design font, since the column grows anyway.
int fitOneLine(QLabel* label, const QFont& designFont, int room) {
    const auto width = [label](const QFont& f) {
        return QFontMetrics(f).horizontalAdvance(label->text());
    };
    QFont f = designFont;
    while (f.pointSizeF() > 5.0 && width(f) > room)
        f.setPointSizeF(f.pointSizeF() - 0.5);
    if (width(f) <= room) {
        label->setFont(f);
        return 0;
    }
    label->setFont(designFont);
    return width(designFont) - room;
}

QPushButton* makeButton(QWidget* parent, const char* name, const char* caption, const char* tip,
                        const QRect& place) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setToolTip(tip);
    b->setGeometry(place);
    return b;
}

} // namespace

frmHighScores::frmHighScores(QWidget* parent, QWidget* gameWindow)
    : QDialog(parent), gameWindow_(gameWindow) {
    setObjectName("frmHighScores");
    setFixedSize(Tw(kFormWidth), Tw(4800));

    QFont bold = font();
    bold.setBold(true);
    for (int row = 0; row < 10; ++row) {
        const int top = kRowTop + kRowStep * row;
        ScoreList_[size_t(2 * row)] =
            makeRowLabel(this, QString("ScoreList_%1").arg(2 * row), 120, top, 2640, Qt::AlignLeft);
        ScoreList_[size_t(2 * row + 1)] =
            makeRowLabel(this, QString("ScoreList_%1").arg(2 * row + 1), kScoreLeft, top,
                         kScoreWidth, Qt::AlignRight);
        DateList_[size_t(2 * row + 1)] = makeRowLabel(this, QString("DateList_%1").arg(2 * row + 1),
                                                      kDateLeft, top, 2520, Qt::AlignLeft);
        nameLabel(row)->setFont(bold);
        scoreLabel(row)->setFont(bold);
        setRowColours(row, false);
    }

    lblHiScoreInfo_ = new QLabel(this);
    lblHiScoreInfo_->setObjectName("lblHiScoreInfo");
    lblHiScoreInfo_->setTextFormat(Qt::PlainText);
    lblHiScoreInfo_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblHiScoreInfo_->setStyleSheet("color: #0000FF;");
    lblHiScoreInfo_->move(Tw(120), Tw(3105));

    cmdClear_ =
        makeButton(this, "cmdClear", "&Clear Current High Scores",
                   "Clears all high scores for the current game", TwRect(120, 3705, 3315, 420));
    cmdHighScores_ =
        makeButton(this, "cmdHighScores", "&Visit the High Score Website",
                   "Launches your Internet Browset and connects to the Quorvane High Score Website",
                   TwRect(3540, 3705, 3315, 420));
    cmdSendScore_ =
        makeButton(this, "cmdSendScore", "&Submit a High Score to the Website",
                   "Sends a high score listing via email to Halvik for pulishing on the website.",
                   TwRect(120, 4200, 3315, 420));
    cmdDone_ = makeButton(this, "cmdDone", "&Done, let's go play some more!", "Closes this dialog",
                          TwRect(3540, 4200, 3315, 420));
    cmdDone_->setDefault(true);
    connect(cmdClear_, &QPushButton::clicked, this, &frmHighScores::cmdClear_Click);
    connect(cmdHighScores_, &QPushButton::clicked, this, &frmHighScores::cmdHighScores_Click);
    connect(cmdSendScore_, &QPushButton::clicked, this, &frmHighScores::cmdSendScore_Click);
    connect(cmdDone_, &QPushButton::clicked, this, &frmHighScores::cmdDone_Click);

    Timer1_ = new platform::GameTimer(this, 500, false);
    Timer1_->setObjectName("Timer1");
    Timer1_->onTimer = [this] { Timer1_Timer(); };

    Form_Load();
}

void frmHighScores::Form_Load() {
    const SharedState& s = Shared();
    CentreOnScreen(this);
    lblHiScoreInfo_->clear();
    setWindowTitle(s.GameTitle + " Hall of Fame (" + QString::number(s.TimeLimit) + " secs)");

    QString info;
    if (const auto table = HighScoreTableForGame(s.GameTitle)) {
        ReadHighScoreTable(table->tableName);
        info = table->info;
    }
    lblHiScoreInfo_->setText(info + "\n* denotes customized scoring was used");
    lblHiScoreInfo_->adjustSize();
    centreInfo();

    if (const int row = blinkingRow(); row >= 0) {
        Timer1_->setEnabled(true);
        PlaySound("Applause.wav");
        setRowColours(row, true);
    }
}

void frmHighScores::ReadHighScoreTable(const QString& tableName) {
    const QString path = HighScoreFilePath(tableName);
    const HighScoreTable table = LoadHighScoreFile(path);
    const QMargins margins = scoreLabel(0)->contentsMargins();
    const int room = Tw(kScoreWidth) - margins.left() - margins.right();
    int lacking = 0;
    for (int row = 0; row < 10; ++row) {
        const bool read = row < int(table.rows.size());
        const HighScoreRow r = read ? table.rows[size_t(row)] : HighScoreRow{};
        nameLabel(row)->setText(r.name);
        scoreLabel(row)->setText(read ? FormatScore(r.score) : QString());
        lacking = std::max(lacking, fitOneLine(scoreLabel(row), nameLabel(row)->font(), room));
        dateLabel(row)->setText(r.date);
        dateLabel(row)->setVisible(r.date != kPlaceholderDate);
    }
    widenScoreColumn(lacking);
    if (table.ok()) return;
    // A missing table is told once, by whoever met it first: usually the making of it that
    // failed just before the window opened or on Clear.
    if (QFileInfo::exists(path))
        ReportFileProblem(table.error, this);
    else
        ReportTableProblem(path, table.error, false, this);
}

void frmHighScores::Timer1_Timer() {
    const int row = blinkingRow();
    if (row < 0) return;
    setRowVisible(row, nameLabel(row)->isHidden());
}

void frmHighScores::Form_Unload() {
    Timer1_->setEnabled(false);
}

void frmHighScores::done(int result) {
    if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
    }
    QDialog::done(result);
}

void frmHighScores::cmdDone_Click() {
    Shared().NewHighScoreIndex = -1;
    accept();
}

void frmHighScores::cmdClear_Click() {
    SharedState& s = Shared();
    if (platform::MsgBox("This will clear all High Scores. Are You Sure?", platform::Buttons::YesNo,
                         platform::Icon::Question, s.GameTitle, this) != platform::Answer::Yes)
        return;
    if (const int row = blinkingRow(); row >= 0) {
        Timer1_->setEnabled(false);
        setRowVisible(row, true);
        setRowColours(row, false);
    }
    s.NewHighScoreIndex = -1;
    const auto table = HighScoreTableForGame(s.GameTitle);
    if (!table) return;
    CreateHighScoreFile(table->tableName, gameWindow_, table->defaultTopScore);
    ReadHighScoreTable(table->tableName);
    if (gameWindow_) ShowHighScore(table->tableName, gameWindow_, table->defaultTopScore);
}

void frmHighScores::cmdHighScores_Click() {
    OpenWebPage(this, kHighScoreWebAddress);
}

void frmHighScores::cmdSendScore_Click() {
    ShowComposeHighScore();
}

void frmHighScores::widenScoreColumn(int extra) {
    // A score edited into the file by hand may have more digits than any font can fit: the
    // column grows, and the dates, the buttons and the window make room, the window about
    // its centre.
    const int grown = extra - scoreExtra_;
    if (grown == 0) return;
    for (int row = 0; row < 10; ++row) {
        scoreLabel(row)->resize(Tw(kScoreWidth) + extra, scoreLabel(row)->height());
        dateLabel(row)->move(Tw(kDateLeft) + extra, dateLabel(row)->y());
    }
    const int buttonsShift = extra / 2 - scoreExtra_ / 2;
    for (QPushButton* b : {cmdClear_, cmdHighScores_, cmdSendScore_, cmdDone_})
        b->move(b->x() + buttonsShift, b->y());
    scoreExtra_ = extra;
    setFixedSize(Tw(kFormWidth) + extra, height());
    move(x() - grown / 2, y());
    centreInfo();
}

void frmHighScores::centreInfo() {
    lblHiScoreInfo_->move((width() - lblHiScoreInfo_->width()) / 2, lblHiScoreInfo_->y());
}

int frmHighScores::blinkingRow() const {
    const int row = Shared().NewHighScoreIndex;
    return row >= 0 && row < 10 ? row : -1;
}

void frmHighScores::setRowColours(int row, bool highlighted) {
    setColour(nameLabel(row), highlighted ? "#FFFFFF" : "#0000FF", highlighted);
    setColour(scoreLabel(row), highlighted ? "#FFFFFF" : "#FF0000", highlighted);
    setColour(dateLabel(row), highlighted ? "#FFFFFF" : "#000000", highlighted);
}

void frmHighScores::setRowVisible(int row, bool visible) {
    nameLabel(row)->setVisible(visible);
    scoreLabel(row)->setVisible(visible);
    // A placeholder date stays hidden whatever the blinking does.
    dateLabel(row)->setVisible(visible && dateLabel(row)->text() != kPlaceholderDate);
}

void ShowHallOfFame(QWidget* gameWindow) {
    frmHighScores window(gameWindow, gameWindow);
    platform::ShowModal(window);
}
