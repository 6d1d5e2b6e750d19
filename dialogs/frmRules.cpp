#include "dialogs/frmRules.h"
#include "platform/CentreOnScreen.h"

#include "platform/Modal.h"
#include "platform/Twips.h"
#include "services/SharedState.h"

#include <QPlainTextEdit>
#include <QPushButton>

frmRules::frmRules(const RulesValues& v, QWidget* parent) : QDialog(parent), values_(v) {
    setObjectName("frmRules");
    setFixedSize(Tw(6150), Tw(4365));

    lblRules_ = new QPlainTextEdit(this);
    lblRules_->setObjectName("lblRules");
    lblRules_->setGeometry(TwRect(90, 120, 5955, 3495));
    lblRules_->setReadOnly(true);
    lblRules_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    lblRules_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lblRules_->setPlainText("Text1");

    cmdOK_ = new QPushButton("&OK", this);
    cmdOK_->setObjectName("cmdOK");
    cmdOK_->setGeometry(TwRect(2550, 3780, 1155, 435));
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &frmRules::cmdOK_Click);

    Form_Load();
}

void frmRules::Form_Load() {
    CentreOnScreen(this);
    const QString& title = Shared().GameTitle;
    setWindowTitle(title + " Rules, Notes and Strategy");
    cmdOK_->move((width() - cmdOK_->width()) / 2, cmdOK_->y());

    text_ = RulesText(title, values_);
    // The text box breaks lines at LF; a CR left in would show as a second break.
    QString shown = text_;
    shown.replace("\r\n", "\n");
    lblRules_->setPlainText(shown);
}

void frmRules::cmdOK_Click() {
    accept();
}

void ShowRulesWindow(const RulesValues& v, QWidget* parent) {
    frmRules window(v, parent);
    platform::ShowModal(window);
}
