#include "games/elevens/frmElevensCustomScoring.h"
#include "app/CentreOnScreen.h"

#include "app/SharedState.h"
#include "app/Twips.h"
#include "games/elevens/ElevensSettings.h"
#include "platform/MessageBox.h"
#include "services/HighScores.h"

#include <QCheckBox>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

namespace {
// The leading number of a text, as the boxes are read: blanks first are skipped, and a text
// that does not begin with a number counts as 0.
double leadingNumber(const QString& text) {
    const QString t = text.trimmed();
    qsizetype i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    const qsizetype digitsFrom = i;
    while (i < t.size() && t[i].isDigit())
        ++i;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && t[i].isDigit())
            ++i;
    }
    if (i == digitsFrom || (i == digitsFrom + 1 && t[digitsFrom] == '.')) return 0;
    qsizetype end = i;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        qsizetype j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        if (j < t.size() && t[j].isDigit()) {
            while (j < t.size() && t[j].isDigit())
                ++j;
            end = j;
        }
    }
    bool ok = false;
    const double v = t.left(end).toDouble(&ok);
    return ok && std::isfinite(v) ? v : 0;
}

bool inRange(double v) {
    return v >= ElevensDefaults::MinScoringValue && v <= ElevensDefaults::MaxScoringValue;
}

int32_t whole(double v) {
    return int32_t(std::nearbyint(v));
}

QString goalLabel(int goal) {
    static const char* const words[] = {"ten",      "eleven",   "twelve",
                                        "thirteen", "fourteen", "fifteen"};
    return QStringLiteral("Score awarded for ") + QLatin1String(words[goal - 10]) +
           QStringLiteral(" combination:");
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(QLatin1String(name));
    l->setWordWrap(true);
    return l;
}
} // namespace

frmElevensCustomScoring::frmElevensCustomScoring(QWidget* gameWindow,
                                                 std::function<void()> onApplied)
    : QDialog(gameWindow), gameWindow_(gameWindow), onApplied_(std::move(onApplied)) {
    setObjectName(QStringLiteral("frmElevensCustomScoring"));
    buildControls();
    Form_Load();
}

void frmElevensCustomScoring::buildControls() {
    lblCustom = makeLabel(this, "lblCustom", QString());
    lblCustom->setAutoFillBackground(true);
    lblCustom->setStyleSheet(QStringLiteral("background-color: #c0c0c0; color: #0000ff;"));
    lblCustom->setGeometry(TwRect(120, 120, 7200, 735));

    frmScoringOptions = new QGroupBox(this);
    frmScoringOptions->setObjectName(QStringLiteral("frmScoringOptions"));
    frmScoringOptions->setGeometry(TwRect(120, 960, 7200, 2400));

    struct Row {
        QLabel** label;
        const char* labelName;
        const char* caption;
        QLineEdit** box;
        const char* boxName;
    };
    const Row rows[] = {
        {&lblBouns, "lblBouns", "Score required for Bonus Round:", &txtBonus, "txtBonus"},
        {&lblCompletion, "lblCompletion", "Score awarded for upper completion:", &txtCompletion,
         "txtCompletion"},
        {&lblElevenBonus, "lblElevenBonus",
         "Score awarded for each eleven combination:", &txtElevensBonus, "txtElevensBonus"},
        {&lblTimeBonus, "lblTimeBonus", "Score awarded for Time Bonus (per second):", &txtTimeBonus,
         "txtTimeBonus"},
        {&lblCardBonus, "lblCardBonus", "Score for each remaining deck card upon upper completion:",
         &txtCardBonus, "txtCardBonus"},
    };
    int top = 300;
    for (const Row& r : rows) {
        *r.label = makeLabel(frmScoringOptions, r.labelName, QString::fromLatin1(r.caption));
        (*r.label)->setGeometry(TwRect(120, top - 60, 5100, 405));
        *r.box = new QLineEdit(frmScoringOptions);
        (*r.box)->setObjectName(QLatin1String(r.boxName));
        (*r.box)->setGeometry(TwRect(5310, top, 1755, 285));
        (*r.box)->installEventFilter(this);
        top += 420;
    }

    chkScoring = new QCheckBox(this);
    chkScoring->setObjectName(QStringLiteral("chkScoring"));
    chkScoring->setStyleSheet(QStringLiteral("color: #0000ff; font-weight: bold;"));

    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdDefault = new QPushButton(QStringLiteral("&Default"), this);
    cmdDefault->setObjectName(QStringLiteral("cmdDefault"));
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    setTabOrder(txtBonus, txtCompletion);
    setTabOrder(txtCompletion, txtElevensBonus);
    setTabOrder(txtElevensBonus, txtTimeBonus);
    setTabOrder(txtTimeBonus, txtCardBonus);
    setTabOrder(txtCardBonus, chkScoring);
    setTabOrder(chkScoring, cmdOK);
    setTabOrder(cmdOK, cmdDefault);
    setTabOrder(cmdDefault, cmdCancel);

    connect(chkScoring, &QCheckBox::toggled, this, [this] { chkScoring_Click(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdDefault, &QPushButton::clicked, this, [this] { cmdDefault_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
}

void frmElevensCustomScoring::Form_Load() {
    const SharedState& s = Shared();
    const ElevensSettings& o = ElevensOptions();
    setWindowTitle(s.GameTitle + QStringLiteral(" User Options"));
    frmScoringOptions->setTitle(s.GameTitle + QStringLiteral(" Scoring Options"));
    lblCustom->setText(QStringLiteral(
        "Note: Any high score attained using customized scoring will be denoted by an asterisk "
        "in the High Score table. When reporting high scores for the website, be sure to "
        "indicate if V 7.0 Enahanced Scoring was used."));
    chkScoring->setText(QStringLiteral(
        "Enable V 7.0 enhanced scoring. For more information about this feature select the "
        "Rules command from under the Help menu."));

    txtBonus->setText(QString::number(o.BonusRoundScore));
    txtCompletion->setText(QString::number(o.CompletionBonus));
    txtElevensBonus->setText(QString::number(s.EnhancedScoring ? o.BonusES : o.Bonus));
    txtTimeBonus->setText(QString::number(s.TimeBonus));
    txtCardBonus->setText(QString::number(o.CardBonus));

    // Setting the box here must not run the click handler: the stored per-combination bonus
    // stays in its box instead of the mode's default.
    {
        const QSignalBlocker block(chkScoring);
        chkScoring->setChecked(s.EnhancedScoring);
    }
    setCardBonusEnabled(s.EnhancedScoring);
    if (s.CardGoal >= 10 && s.CardGoal <= 15) lblElevenBonus->setText(goalLabel(s.CardGoal));

    // The check box caption is long and cannot wrap: the dialog is made wide enough for it.
    const int chkWidth = std::max(chkScoring->sizeHint().width(), Tw(7200));
    chkScoring->setGeometry(Tw(120), Tw(3480), chkWidth, chkScoring->sizeHint().height());
    const int buttonsTop = Tw(3480) + chkScoring->sizeHint().height() + Tw(240);
    const int width = chkWidth + Tw(240);
    cmdOK->setGeometry(width / 2 - Tw(2055), buttonsTop, Tw(1215), Tw(375));
    cmdDefault->setGeometry(width / 2 - Tw(607), buttonsTop, Tw(1215), Tw(375));
    cmdCancel->setGeometry(width / 2 + Tw(840), buttonsTop, Tw(1215), Tw(375));
    setFixedSize(width, buttonsTop + Tw(375) + Tw(240));

    CentreOnScreen(this);
}

void frmElevensCustomScoring::setCardBonusEnabled(bool on) {
    lblCardBonus->setEnabled(on);
    txtCardBonus->setEnabled(on);
}

void frmElevensCustomScoring::chkScoring_Click() {
    const bool on = chkScoring->isChecked();
    setCardBonusEnabled(on);
    txtElevensBonus->setText(
        QString::number(on ? ElevensDefaults::BonusES : ElevensDefaults::Bonus));
}

void frmElevensCustomScoring::cmdDefault_Click() {
    txtBonus->setText(QString::number(ElevensDefaults::BonusRoundScore));
    txtCompletion->setText(QString::number(ElevensDefaults::CompletionBonus));
    txtTimeBonus->setText(QString::number(ElevensDefaults::TimeBonus));
    txtCardBonus->setText(QString::number(ElevensDefaults::CardBonus));
    // The default scoring is enhanced, with its own per-combination bonus.
    chkScoring->setChecked(true);
    setCardBonusEnabled(true);
    txtElevensBonus->setText(QString::number(ElevensDefaults::BonusES));
}

void frmElevensCustomScoring::cmdOK_Click() {
    struct Check {
        QLineEdit* box;
        const char* message;
    };
    const Check checks[] = {
        {txtBonus,
         "Sorry, the score required for a Bonus Round must fall between 1 and 5,000,000."},
        {txtCompletion, "Sorry, the score awarded for completing the upper playing area must fall "
                        "between 1 and 5,000,000."},
        {txtElevensBonus, "Sorry, the score awarded for each eleven combination must fall between "
                          "1 and 5,000,000."},
        {txtTimeBonus, "Sorry, the score awarded for each second remaining in the game after "
                       "selecting 'Take Score' must fall between 1 and 5,000,000."},
        {txtCardBonus, "Sorry, the score awarded for each remaining card in the deck after "
                       "completing the upper playing area must fall between 1 and 5,000,000."},
    };
    for (const Check& c : checks) {
        // Classic scoring has no card bonus: its disabled box is neither checked nor stored.
        if (!c.box->isEnabled()) continue;
        if (inRange(leadingNumber(c.box->text()))) continue;
        platform::MsgBox(QString::fromLatin1(c.message), platform::Buttons::OK,
                         platform::Icon::Exclamation, Shared().GameTitle, this);
        c.box->setFocus();
        c.box->selectAll();
        return;
    }

    SharedState& s = Shared();
    ElevensSettings& o = ElevensOptions();
    s.EnhancedScoring = chkScoring->isChecked();
    const int32_t perCombination = whole(leadingNumber(txtElevensBonus->text()));
    if (s.EnhancedScoring)
        o.BonusES = perCombination;
    else
        o.Bonus = perCombination;
    o.BonusRoundScore = whole(leadingNumber(txtBonus->text()));
    o.CompletionBonus = whole(leadingNumber(txtCompletion->text()));
    s.TimeBonus = whole(leadingNumber(txtTimeBonus->text()));
    if (txtCardBonus->isEnabled()) o.CardBonus = whole(leadingNumber(txtCardBonus->text()));
    s.CustomScoring = ElevensScoringIsCustom();
    if (gameWindow_) gameWindow_->setWindowTitle(ElevensWindowCaption());
    if (onApplied_) onApplied_();

    const QString table = ElevensTableName();
    const QString topScore = QStringLiteral("50000");
    if (!QFileInfo::exists(HighScoreFilePath(table)))
        CreateHighScoreFile(table, gameWindow_, topScore);
    ShowHighScore(table, gameWindow_, topScore);
    accept();
}

void frmElevensCustomScoring::cmdCancel_Click() {
    reject();
}

void frmElevensCustomScoring::txtBonus_GotFocus() {
    txtBonus->selectAll();
}
void frmElevensCustomScoring::txtCompletion_GotFocus() {
    txtCompletion->selectAll();
}
void frmElevensCustomScoring::txtElevensBonus_GotFocus() {
    txtElevensBonus->selectAll();
}
void frmElevensCustomScoring::txtTimeBonus_GotFocus() {
    txtTimeBonus->selectAll();
}
void frmElevensCustomScoring::txtCardBonus_GotFocus() {
    txtCardBonus->selectAll();
}

bool frmElevensCustomScoring::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == txtBonus)
            txtBonus_GotFocus();
        else if (watched == txtCompletion)
            txtCompletion_GotFocus();
        else if (watched == txtElevensBonus)
            txtElevensBonus_GotFocus();
        else if (watched == txtTimeBonus)
            txtTimeBonus_GotFocus();
        else if (watched == txtCardBonus)
            txtCardBonus_GotFocus();
    }
    return QDialog::eventFilter(watched, event);
}
