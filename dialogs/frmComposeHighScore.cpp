#include "dialogs/frmComposeHighScore.h"
#include "platform/CentreOnScreen.h"
#include "platform/Faces.h"

#include "platform/Mail.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"
#include "platform/Twips.h"
#include "services/HighScoreMail.h"
#include "services/HighScores.h"
#include "services/SharedState.h"
#include "services/UserInfo.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

namespace {

const char* const kInfoText =
    "Please verify the information below. After making any changes click on the 'Submit' "
    "command button. This will e-mail the high score data to Halvik for posting on the Quorvane "
    "High Score Web Page. At a minimum, please include your name and score. Note that you must "
    "meet the minimum required score before it will be posted to the web. The minimum scores for "
    "each game are posted on the website. Click on 'Cancel' to cancel this operation.";

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, QRect geometry,
                  bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText); // shows the player's details
    label->setGeometry(geometry);
    if (bold) {
        QFont f = label->font();
        f.setBold(true);
        label->setFont(f);
    }
    return label;
}

QLineEdit* makeBox(QWidget* parent, const char* name, const char* tip, int top) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setToolTip(tip);
    box->setGeometry(TwRect(1560, top, 3975, 285));
    return box;
}

QPlainTextEdit* makeMemo(QWidget* parent, const char* name, const char* tip, QRect geometry) {
    auto* memo = new QPlainTextEdit(parent);
    memo->setObjectName(name);
    memo->setToolTip(tip);
    memo->setGeometry(geometry);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo->setTabChangesFocus(true);
    return memo;
}

// The design's font is narrower than the fonts found here: shrink the text until it fits
// the label's box rather than cut off its last lines.
// The info text stays at a readable size: where it needs more room than the design gives,
// the label grows and everything below it moves down with the window's bottom edge.
void growToFit(QLabel* label, QDialog* dialog) {
    const int needed = label->heightForWidth(label->width());
    const int extra = needed - label->height();
    if (extra <= 0) return;
    const int below = label->geometry().bottom();
    for (QWidget* w : dialog->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        if (w != label && w->y() >= below) w->move(w->x(), w->y() + extra);
    label->resize(label->width(), needed);
    dialog->setFixedSize(dialog->width(), dialog->height() + extra);
}

QString cellText(const QWidget* table, const char* cell) {
    if (!table) return {};
    const QWidget* w = table->findChild<QWidget*>(cell);
    return w ? w->property("text").toString() : QString();
}

// The wait pointer over every window of the program until the object goes, on every path.
class BusyPointer {
  public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

} // namespace

void ShowComposeHighScore() {
    QWidget* table = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmHighScores") && (!table || w->isVisible()))
            table = w;
    frmComposeHighScore dialog(table, table);
    platform::ShowModal(dialog);
}

frmComposeHighScore::frmComposeHighScore(QWidget* tableWindow, QWidget* parent)
    : QDialog(parent), tableWindow_(tableWindow) {
    setObjectName("frmComposeHighScore");
    buildControls();
    Form_Load();
}

void frmComposeHighScore::buildControls() {
    setFixedSize(Tw(5955), Tw(6585));
    lblInfo_ = makeLabel(this, "lblInfo", QString(), TwRect(150, 120, 5655, 1455), true);
    lblInfo_->setWordWrap(true);
    lblInfo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    makeLabel(this, "lblName", "Name:", TwRect(240, 1800, 1215, 255));
    makeLabel(this, "lblScore", "Score:", TwRect(240, 2190, 1215, 255));
    makeLabel(this, "lblHometown", "Home Town:", TwRect(240, 2565, 1215, 255));
    makeLabel(this, "lblState", "State:", TwRect(240, 2955, 1215, 255));
    makeLabel(this, "lblCountry", "Country:", TwRect(240, 3330, 1215, 255));

    txtName_ = makeBox(this, "txtName", "Enter your name", 1755);
    txtScore_ = makeBox(this, "txtScore", "Enter your high score", 2145);
    txtScore_->setText("0");
    txtHomeTown_ = makeBox(this, "txtHomeTown", "Enter your home town", 2520);
    cmboState_ = new QComboBox(this);
    cmboState_->setObjectName("cmboState");
    cmboState_->setToolTip("Select your state");
    cmboState_->setGeometry(TwRect(1560, 2895, 3975, 315));
    // Editable, so that a stored state outside the list is shown and kept as it is.
    cmboState_->setEditable(true);
    cmboState_->setInsertPolicy(QComboBox::NoInsert);
    cmboState_->setMaxVisibleItems(16);
    txtCountry_ = makeBox(this, "txtCountry", "Enter your Country", 3285);

    lblSample_ = makeLabel(this, "lblSample", QString(), TwRect(150, 3720, 5655, 255), true);
    txtSample_ = makeMemo(this, "txtSample", "Sample listing", TwRect(150, 3960, 5655, 735));
    // Only the sample rebuild writes the listing line.
    txtSample_->setReadOnly(true);
    QFont sampleFont(platform::Face("MS Sans Serif"));
    sampleFont.setBold(true);
    txtSample_->setFont(sampleFont);
    QPalette buttonFace = txtSample_->palette();
    buttonFace.setColor(QPalette::Base, buttonFace.color(QPalette::Button));
    txtSample_->setPalette(buttonFace);

    lblOther_ = makeLabel(this, "lblOther", QString(), TwRect(150, 4920, 5655, 255), true);
    txtOther_ =
        makeMemo(this, "txtOther", "Place additional information you want to send to Halvik here",
                 TwRect(120, 5160, 5655, 735));

    cmdSubmit_ = new QPushButton("&Submit", this);
    cmdSubmit_->setObjectName("cmdSubmit");
    cmdSubmit_->setGeometry(TwRect(1059, 6120, 1600, 375));
    cmdCancel_ = new QPushButton("&Cancel", this);
    cmdCancel_->setObjectName("cmdCancel");
    cmdCancel_->setGeometry(TwRect(3296, 6120, 1600, 375));
    // Enter in a box must not send the mail.
    cmdSubmit_->setAutoDefault(false);
    cmdCancel_->setAutoDefault(false);

    QWidget* order[] = {txtName_,  txtScore_,  txtHomeTown_, cmboState_, txtCountry_,
                        txtOther_, txtSample_, cmdSubmit_,   cmdCancel_};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);

    for (QLineEdit* box : {txtName_, txtScore_, txtHomeTown_, txtCountry_})
        box->installEventFilter(this);

    connect(txtName_, &QLineEdit::textChanged, this, &frmComposeHighScore::txtName_Change);
    connect(txtScore_, &QLineEdit::textChanged, this, &frmComposeHighScore::txtScore_Change);
    connect(txtHomeTown_, &QLineEdit::textChanged, this, &frmComposeHighScore::txtHomeTown_Change);
    connect(txtCountry_, &QLineEdit::textChanged, this, &frmComposeHighScore::txtCountry_Change);
    connect(cmboState_, &QComboBox::currentTextChanged, this,
            &frmComposeHighScore::cmboState_Click);
    connect(cmdSubmit_, &QPushButton::clicked, this, &frmComposeHighScore::cmdSubmit_Click);
    connect(cmdCancel_, &QPushButton::clicked, this, &frmComposeHighScore::cmdCancel_Click);
}

void frmComposeHighScore::Form_Load() {
    LoadMailSettings(Shared().ProgramFolder + kMailSettingsFileName);
    const SharedState& s = Shared();
    CentreOnScreen(this);
    setWindowTitle("High score submission for " + s.GameTitle);
    lblInfo_->setText(kInfoText);
    growToFit(lblInfo_, this);
    lblSample_->setText("Your listing will look like:");

    cmboState_->clear();
    cmboState_->addItems(StateNames());
    cmboState_->setCurrentIndex(0);

    txtName_->setText(bestName());
    txtScore_->setText(bestScoreText());

    txtHomeTown_->setText(s.UserHomeTown);
    txtCountry_->setText(s.UserCountry);
    const int stateIndex = cmboState_->findText(s.UserState, Qt::MatchExactly);
    if (stateIndex >= 0)
        cmboState_->setCurrentIndex(stateIndex);
    else
        cmboState_->setEditText(s.UserState);

    UpdateSample();
    lblOther_->setText("Additional comments for Halvik:");
    txtOther_->clear();
}

QString frmComposeHighScore::bestName() const {
    return cellText(tableWindow_, "ScoreList_0");
}
QString frmComposeHighScore::bestScoreText() const {
    return cellText(tableWindow_, "ScoreList_1");
}

void frmComposeHighScore::UpdateSample() {
    const QString& title = Shared().GameTitle;
    if (ScoreValue(txtScore_->text()) > ScoreValue(bestScoreText())) {
        platform::MsgBox("Sorry, but the score you have entered is greater than the highest\r\n"
                         "score attained so far in this game. Please enter a valid score.",
                         platform::Buttons::OK, platform::Icon::Exclamation, title, this);
        txtScore_->setText(bestScoreText());
        txtScore_->selectAll();
        txtScore_->setFocus();
        return;
    }
    txtSample_->setPlainText(ListingLine(LeadingNumber(txtScore_->text()), txtName_->text(),
                                         txtHomeTown_->text(), cmboState_->currentText(),
                                         txtCountry_->text()));
}

void frmComposeHighScore::txtName_Change() {
    UpdateSample();
}
void frmComposeHighScore::txtHomeTown_Change() {
    UpdateSample();
}
void frmComposeHighScore::txtCountry_Change() {
    UpdateSample();
}
void frmComposeHighScore::cmboState_Click() {
    UpdateSample();
}

void frmComposeHighScore::txtScore_Change() {
    const QString digits = QString::number(ScoreValue(txtScore_->text()));
    if (txtScore_->text() != digits) {
        txtScore_->setText(digits); // runs this handler again, which rebuilds the sample
        return;
    }
    UpdateSample();
}

void frmComposeHighScore::txtName_GotFocus() {
    txtName_->selectAll();
}
void frmComposeHighScore::txtScore_GotFocus() {
    txtScore_->selectAll();
}
void frmComposeHighScore::txtHomeTown_GotFocus() {
    txtHomeTown_->selectAll();
}
void frmComposeHighScore::txtCountry_GotFocus() {
    txtCountry_->selectAll();
}

bool frmComposeHighScore::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (watched == txtName_)
            txtName_GotFocus();
        else if (watched == txtScore_)
            txtScore_GotFocus();
        else if (watched == txtHomeTown_)
            txtHomeTown_GotFocus();
        else if (watched == txtCountry_)
            txtCountry_GotFocus();
        // A click that gave the focus would drop the selection again right after.
        if (auto* box = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, box, &QLineEdit::selectAll);
    }
    return QDialog::eventFilter(watched, event);
}

void frmComposeHighScore::copyPlayerDetails() {
    // The details file keeps one value per line.
    SharedState& s = Shared();
    s.UserName = CleanUserDetail(txtName_->text());
    s.UserHomeTown = CleanUserDetail(txtHomeTown_->text());
    s.UserState = CleanUserDetail(cmboState_->currentText());
    s.UserCountry = CleanUserDetail(txtCountry_->text());
}

void frmComposeHighScore::cmdCancel_Click() {
    copyPlayerDetails();
    reject();
}

void frmComposeHighScore::cmdSubmit_Click() {
    const SharedState& s = Shared();
    const QString& title = s.GameTitle;
    const QString recipient = platform::CurrentMailSettings().recipientAddress;
    const auto reportError = [&](const QString& description) {
        platform::MsgBox("There was an error attempting to access your e-mail messaging system. "
                         "Please report this to " +
                             recipient + ". Error description: " + description,
                         platform::Buttons::OK, platform::Icon::Critical, title, this);
    };

    const ListingRule* rule = FindListingRule(title);
    if (!rule) {
        reportError("No high-score listing is kept for \"" + title + "\".");
        return;
    }
    if (LeadingNumber(txtScore_->text()) < rule->minimumScore) {
        platform::MsgBox("Sorry, in order to list your " + title +
                             " high score on the web you must achieve a minimum score of " +
                             FormatScore(rule->minimumScore) + ".\r\nKeep playing, you can do it!",
                         platform::Buttons::OK, platform::Icon::Information, title, this);
        return;
    }
    if (s.TimeLimit != rule->timeLimit) {
        platform::MsgBox("Sorry, in order to list your " + title +
                             " high score on the web you must be using the default time limit "
                             "of " +
                             QString::number(rule->timeLimit) + " seconds.",
                         platform::Buttons::OK, platform::Icon::Information, title, this);
        return;
    }

    const HighScoreMail mail =
        ComposeHighScoreMail(title, txtSample_->toPlainText(), s.CustomScoring, s.EnhancedScoring,
                             txtOther_->toPlainText());
    QString error;
    bool sent = false;
    {
        // Held while the server answers, so the message cannot go out twice; a slow server
        // can keep the player waiting for seconds, which the pointer shows.
        const BusyPointer busy;
        cmdSubmit_->setEnabled(false);
        cmdCancel_->setEnabled(false);
        sent = SendHighScoreMail(mail, &error);
        cmdSubmit_->setEnabled(true);
        cmdCancel_->setEnabled(true);
    }
    if (!sent) {
        reportError(error);
        return;
    }
    copyPlayerDetails();
    platform::MsgBox("The message has been successfully placed in your out box.",
                     platform::Buttons::OK, platform::Icon::Information, title, this);
    accept();
}
