#include "dialogs/frmAbout.h"

#include "platform/CentreOnScreen.h"
#include "platform/Modal.h"
#include "platform/ProgramTime.h"
#include "platform/Twips.h"
#include "services/SharedState.h"

#include <QLabel>
#include <QPushButton>

namespace {
constexpr int kFormWidth = 4680;
constexpr int kButtonWidth = 1455;
} // namespace

frmAbout::frmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setFixedSize(Tw(kFormWidth), Tw(2640));

    lblInfo_ = new QLabel(this);
    lblInfo_->setObjectName("lblInfo");
    lblInfo_->setTextFormat(Qt::PlainText);
    lblInfo_->setGeometry(TwRect(240, 240, 4200, 855));
    lblInfo_->setWordWrap(true);
    lblInfo_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblInfo_->setStyleSheet("color: #0000FF;");
    QFont bold = lblInfo_->font();
    bold.setBold(true);
    lblInfo_->setFont(bold);

    lblStats_ = new QLabel(this);
    lblStats_->setObjectName("lblStats");
    lblStats_->setTextFormat(Qt::PlainText);
    lblStats_->setGeometry(TwRect(240, 1200, 4200, 615));
    lblStats_->setWordWrap(true);
    lblStats_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    cmdCoolDude_ = new QPushButton("&Cool Dude", this);
    cmdCoolDude_->setObjectName("cmdCoolDude");
    cmdCoolDude_->setGeometry(TwRect(0, 1980, kButtonWidth, 420));
    cmdCoolDude_->setDefault(true);
    connect(cmdCoolDude_, &QPushButton::clicked, this, &frmAbout::cmdCoolDude_Click);

    Form_Load();
}

void frmAbout::Form_Load() {
    const SharedState& s = Shared();
    CentreOnScreen(this);
    setWindowTitle("About " + s.GameTitle);
    lblInfo_->setText(s.GameTitle +
                      "\nOne of the timed card and word games of The Parlovex Collection.");
    const qint64 minutes =
        s.WindowLoadTime.isValid()
            ? platform::MinutesBetween(s.WindowLoadTime, platform::ProgramTime::now())
            : 0;
    lblStats_->setText("This session has lasted " + QString::number(minutes) + " minutes." +
                       "Thanks for playing!");
    cmdCoolDude_->move(Tw((kFormWidth - kButtonWidth) / 2), cmdCoolDude_->y());
}

void frmAbout::cmdCoolDude_Click() {
    accept();
}

void ShowAboutBox(QWidget* owner) {
    frmAbout window(owner);
    platform::ShowModal(window);
}
