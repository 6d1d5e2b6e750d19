#include "dialogs/frmHiScoreName.h"

#include "platform/CentreOnScreen.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "services/SharedState.h"
#include "services/UserInfo.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmHiScoreName::frmHiScoreName(QWidget* parent) : QDialog(parent) {
    setObjectName("frmHiScoreName");
    setFixedSize(Tw(4815), Tw(1935));

    lblInfo_ = new QLabel(this);
    lblInfo_->setObjectName("lblInfo");
    lblInfo_->setTextFormat(Qt::PlainText);
    lblInfo_->setGeometry(TwRect(120, 120, 4575, 615));
    lblInfo_->setWordWrap(true);
    lblInfo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblInfo_->setStyleSheet("color: #0000FF;");

    txtPlayerName_ = new QLineEdit(this);
    txtPlayerName_->setObjectName("txtPlayerName");
    txtPlayerName_->setGeometry(TwRect(120, 840, 4575, 345));

    cmdOK_ = new QPushButton("OK", this);
    cmdOK_->setObjectName("cmdOK");
    cmdOK_->setGeometry(TwRect(1680, 1365, 1455, 420));
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &frmHiScoreName::cmdOK_Click);

    Form_Load();
}

void frmHiScoreName::Form_Load() {
    const SharedState& s = Shared();
    CentreOnScreen(this);
    setWindowTitle(s.GameTitle);
    lblInfo_->setText("Great score! Please enter your name so we can induct you into the " +
                      s.GameTitle + " Hall of Fame:");
    const bool placeholder =
        s.UserName == QLatin1String("Corvell") || s.UserName == QLatin1String("Unknown User");
    txtPlayerName_->setText(placeholder ? QString() : s.UserName);
    txtPlayerName_->selectAll();
    txtPlayerName_->setFocus();
}

void frmHiScoreName::cmdOK_Click() {
    const QString name = CleanUserDetail(txtPlayerName_->text());
    if (name.contains(QLatin1Char(','))) {
        platform::MsgBox("Sorry, you may not use commas in your name.", platform::Buttons::OK,
                         platform::Icon::Critical, Shared().GameTitle, this);
        return;
    }
    Shared().UserName = name.isEmpty() ? QStringLiteral("Unknown User") : name;
    accept();
}
