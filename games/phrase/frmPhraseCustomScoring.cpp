#include "games/phrase/frmPhraseCustomScoring.h"

#include "games/phrase/PhraseSettings.h"
#include "games/phrase/frmPhrase.h"
#include "platform/CentreOnScreen.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "services/HighScoreMail.h"
#include "services/SharedState.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

namespace {
namespace d = PhraseDefaults;

struct Check {
    QLineEdit* box;
    double highest;
    QString message;
};

QString seconds(int ms) {
    return QString::number(ms / 1000.0, 'g', 10);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setWordWrap(true);
    return l;
}
} // namespace

frmPhraseCustomScoring::frmPhraseCustomScoring(frmPhrase* gameWindow)
    : QDialog(gameWindow), gameWindow_(gameWindow) {
    setObjectName(QStringLiteral("frmPhraseCustomScoring"));
    buildControls();
    Form_Load();
}

void frmPhraseCustomScoring::buildControls() {
    resize(Tw(6900), Tw(5400));
    frmScoringOptions = new QGroupBox(this);
    frmScoringOptions->setObjectName(QStringLiteral("frmScoringOptions"));
    frmScoringOptions->setGeometry(TwRect(120, 120, 6660, 3030));
    struct Row {
        QLineEdit** box;
        const char* boxName;
        const char* labelName;
        const char* caption;
    };
    const Row rows[] = {
        {&txtGuessValue, "txtGuessValue", "lblGuessValue",
         "Bonus awarded for each remaining guess:"},
        {&txtCompletionBonus, "txtCompletionBonus", "lblCompletionBonus",
         "Bonus awarded for completing phrase: "},
        {&txtTimeBonus, "txtTimeBonus", "lblTimeBonus", "Time Bonus (each remaining second)"},
        {&txtGuessCount, "txtGuessCount", "lblGuesses", "Number of guesses per round:"},
        {&txtBonusRoundScore, "txtBonusRoundScore", "lblBonusRoundScore",
         "Score required for Bonus Round:"},
    };
    int top = 330;
    for (const Row& r : rows) {
        makeLabel(frmScoringOptions, r.labelName, QString::fromLatin1(r.caption))
            ->setGeometry(TwRect(150, top, 4400, 300));
        *r.box = new QLineEdit(frmScoringOptions);
        (*r.box)->setObjectName(QLatin1String(r.boxName));
        (*r.box)->setGeometry(TwRect(4700, top - 30, 1755, 315));
        (*r.box)->installEventFilter(this);
        top += 420;
    }
    makeLabel(frmScoringOptions, "lblShowPhrase", "Show completed phrase for")
        ->setGeometry(TwRect(150, top, 3000, 300));
    txtShowPhrase = new QLineEdit(frmScoringOptions);
    txtShowPhrase->setObjectName(QStringLiteral("txtShowPhrase"));
    txtShowPhrase->setGeometry(TwRect(3200, top - 30, 800, 315));
    txtShowPhrase->installEventFilter(this);
    makeLabel(frmScoringOptions, "lblSeconds", "seconds")
        ->setGeometry(TwRect(4100, top, 1200, 300));

    chkCountDown = new QCheckBox("&Count Down when taking score", this);
    chkCountDown->setObjectName(QStringLiteral("chkCountDown"));
    chkCountDown->setGeometry(TwRect(240, 3240, 4000, 300));
    makeLabel(this, "lblBadGuessImage", "Image for faulty letter guess:")
        ->setGeometry(TwRect(240, 3660, 3000, 300));
    for (int i = 0; i < 2; ++i) {
        auto* b = new QPushButton(this);
        b->setObjectName(QString("cmdBadGuess_%1").arg(i));
        b->setGeometry(TwRect(3300 + 600 * i, 3560, 495, 495));
        connect(b, &QPushButton::clicked, this, [this, i] { cmdBadGuess_Click(i); });
        cmdBadGuess[size_t(i)] = b;
    }
    lblInfo = makeLabel(this, "lblInfo",
                        "Note: Changing any of the Scoring Options will cause your high scores to "
                        "be marked with an * indicating custom scoring was in use.");
    lblInfo->setGeometry(TwRect(240, 4140, 6420, 480));
    cmdOK = new QPushButton("&OK", this);
    cmdCancel = new QPushButton("&Cancel", this);
    cmdDefault = new QPushButton("&Default", this);
    int left = 1500;
    for (auto [b, name] : {std::pair{cmdOK, "cmdOK"}, std::pair{cmdCancel, "cmdCancel"},
                           std::pair{cmdDefault, "cmdDefault"}}) {
        b->setObjectName(QLatin1String(name));
        b->setGeometry(TwRect(left, 4740, 1200, 405));
        left += 1350;
    }
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmPhraseCustomScoring::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPhraseCustomScoring::cmdCancel_Click);
    connect(cmdDefault, &QPushButton::clicked, this, &frmPhraseCustomScoring::cmdDefault_Click);
    setTabOrder(txtGuessValue, txtCompletionBonus);
    setTabOrder(txtCompletionBonus, txtTimeBonus);
    setTabOrder(txtTimeBonus, txtGuessCount);
    setTabOrder(txtGuessCount, txtBonusRoundScore);
    setTabOrder(txtBonusRoundScore, txtShowPhrase);
}

void frmPhraseCustomScoring::Form_Load() {
    CentreOnScreen(this);
    if (gameWindow_)
        for (int i = 0; i < 2; ++i) {
            cmdBadGuess[size_t(i)]->setIcon(gameWindow_->FacePicture(3 + i));
            cmdBadGuess[size_t(i)]->setIconSize(gameWindow_->FacePicture(3 + i).size());
        }
    setWindowTitle(Shared().GameTitle + " User Options");
    frmScoringOptions->setTitle(Shared().GameTitle + " Scoring Options");
    showValues();
}

void frmPhraseCustomScoring::showValues() {
    const SharedState& s = Shared();
    const PhraseSettings& o = PhraseOptions();
    txtGuessValue->setText(QString::number(o.GuessBonus));
    txtBonusRoundScore->setText(QString::number(s.BonusRoundScore));
    txtCompletionBonus->setText(QString::number(o.CompletionBonus));
    txtGuessCount->setText(QString::number(o.GuessCount));
    txtTimeBonus->setText(QString::number(s.TimeBonus));
    txtShowPhrase->setText(seconds(o.ShowPhraseTime));
    if (s.CountDownScore) chkCountDown->setChecked(true);
}

void frmPhraseCustomScoring::cmdOK_Click() {
    const Check checks[] = {
        {txtGuessValue, d::MaxGuessBonus,
         "Sorry, the Bonus Value for remaining guesses must fall between 1 and 50,000."},
        {txtCompletionBonus, d::MaxCompletionBonus,
         "Sorry, the score awarded for completing the phrase must fall between 1 and 100,000."},
        {txtTimeBonus, d::MaxTimeBonus,
         "Sorry, the score awarded for each second remaining in the game after selecting 'Take "
         "Score' must fall between 1 and 5,000."},
        {txtGuessCount, d::MaxGuessCount,
         "Sorry, the number of guesses allowed must fall between 1 and 8."},
        {txtBonusRoundScore, d::MaxBonusRoundScore,
         "Sorry, the score required for a Bonus Round must fall between 1 and 1,000,000."},
        {txtShowPhrase, d::MaxShowPhraseTime / 1000,
         "Sorry, the number of seconds to display the phrase must fall between 1 and 30."},
    };
    for (const Check& c : checks) {
        const double v = LeadingNumber(c.box->text());
        if (v >= 1 && v <= c.highest) continue;
        platform::MsgBox(c.message, platform::Buttons::OK, platform::Icon::Exclamation,
                         Shared().GameTitle, this);
        c.box->setFocus();
        c.box->selectAll();
        return;
    }
    auto whole = [](QLineEdit* box) { return int32_t(std::nearbyint(LeadingNumber(box->text()))); };
    SharedState& s = Shared();
    PhraseSettings& o = PhraseOptions();
    o.GuessBonus = whole(txtGuessValue);
    s.BonusRoundScore = whole(txtBonusRoundScore);
    o.CompletionBonus = whole(txtCompletionBonus);
    o.GuessCount = whole(txtGuessCount);
    s.TimeBonus = whole(txtTimeBonus);
    o.ShowPhraseTime = int(std::nearbyint(LeadingNumber(txtShowPhrase->text()) * 1000));
    s.CountDownScore = chkCountDown->isChecked();
    s.CustomScoring = IsCustomScoring();
    accept();
}

void frmPhraseCustomScoring::cmdCancel_Click() {
    reject();
}

void frmPhraseCustomScoring::cmdDefault_Click() {
    RestorePhraseScoringDefaults();
    // The mark follows the values in force, also when the dialog is then cancelled.
    Shared().CustomScoring = IsCustomScoring();
    showValues();
    chkCountDown->setChecked(true);
}

void frmPhraseCustomScoring::cmdBadGuess_Click(int index) {
    if (gameWindow_) gameWindow_->SetBadGuessPicture(index);
}

bool frmPhraseCustomScoring::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn)
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            QMetaObject::invokeMethod(box, &QLineEdit::selectAll, Qt::QueuedConnection);
    return QDialog::eventFilter(watched, event);
}
