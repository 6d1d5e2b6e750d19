#pragma once
// The rules, notes and strategy of the open game, with the scoring values in force written into
// the text. Read only: closing it changes nothing.

#include "dialogs/RulesText.h"

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

class frmRules : public QDialog {
    Q_OBJECT
  public:
    // The text is that of Shared().GameTitle, built from v.
    explicit frmRules(const RulesValues& v, QWidget* parent = nullptr);

    void Form_Load();
    void cmdOK_Click();

    // The text as built, with its CR LF line breaks.
    const QString& rulesText() const { return text_; }

  private:
    RulesValues values_;
    QString text_;
    QPlainTextEdit* lblRules_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
};

// Shows the rules window of the open game modally.
void ShowRulesWindow(const RulesValues& v, QWidget* parent = nullptr);
