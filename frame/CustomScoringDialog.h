#pragma once
// The custom-scoring dialog: shows a ScoringForm (frame/ScoringForm.h), checks and stores
// what the player typed. Built in CustomScoringDialog.cpp, laid out in ScoringLayout.cpp,
// checked in ScoringChecks.cpp.
//
// Layout: every control has its design place in twips (Left, Top, Width, Height), either on
// the dialog or inside the frame, and a TabIndex; Tab runs through boxes, switches and
// buttons by TabIndex and the lowest one has the focus when the dialog opens. A row's
// caption that our font makes longer than its design width first widens up to its box;
// captions then wrap onto as many lines as they need: a label that needs more height grows
// into the free room around it (a row's caption keeps its middle beside its box), the
// controls below it (in the frame, and below the frame on the dialog) move down only as far
// as it would still cover them, and the frame and the dialog grow only when their contents
// no longer fit.
// A switch or option keeps its caption on one line and widens to hold it, unless the
// switch `wraps`.
//
// OK runs the form's steps in order, every one on every click. A step reads its box; when
// it names another box (`above` / `below`) its value must lie above or below that box's
// value, read at that moment (so after any earlier step put text in it); then the range.
// A failed step shows its message (icon `icon`, title GameTitle), puts its text in the box
// (the bound passed, or the other box's value +1 / -1), gives the box the focus and either
// stores the bound (`storeBound`) or leaves the variable alone; the later steps still run.
// A passed step stores the value x scale rounded to the nearest whole number (halves to
// even) and then, if marked, stores the switches and runs the form's `followUp` (the
// status bar). After the steps, each ordered pair of settings (a time bonus's maximum and
// minimum) that no longer has its first above its second goes back to what it held before
// the click (when every step passed and only rounding made them meet, the lower box's order
// message says so and the dialog stays open). Then `customMark` runs, whatever the outcome, and the
// dialog closes only when every step passed.
//
// With ScoringClose::FirstFailure instead, only the first failing step is reported (its box
// keeps the text typed), nothing is stored and the dialog stays open; when every step
// passes, every box, switch and option is stored.
//
// Default puts the defaults in the boxes and switches and stores nothing; Cancel (or the
// window's close) stores nothing more. Option buttons store with the switches, or with
// `optionsFirst` at the start of every OK (an option group that selects none stores nothing).
// A form that `defaultStores` stores those defaults at once and runs `customMark`; Cancel keeps
// them. A picture button acts at once when clicked, whether the dialog then closes with OK or
// Cancel.

#include "frame/ScoringForm.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

class CustomScoringDialog : public QDialog {
    Q_OBJECT
  public:
    explicit CustomScoringDialog(ScoringForm form, QWidget* parent = nullptr);

    void Form_Load();
    void cmdOK_Click();
    void cmdDefault_Click();
    void cmdCancel_Click();

    QLineEdit* box(const QString& name) const;
    QLabel* rowLabel(const QString& name) const;
    QCheckBox* switchBox(const QString& name) const;
    QRadioButton* option(const QString& name) const;
    QPushButton* pictureButton(const QString& name) const;
    QGroupBox* frame() const { return frame_; }
    QPushButton* cmdOK() const { return ok_; }
    QPushButton* cmdDefault() const { return default_; }
    QPushButton* cmdCancel() const { return cancel_; }
    // The controls in Tab order, the first being the one focused at opening.
    std::vector<QWidget*> tabOrder() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void layoutControls();
    struct Verdict {
        bool passed = true;
        QString message;
        QString text;                // what the box shows after the failure
        std::optional<double> value; // what is stored
    };
    Verdict judge(const ScoringCheck& check);
    void passed(const ScoringCheck& check);
    bool everyStep();
    bool firstFailure();
    void showValues(bool defaults);
    void fail(QLineEdit* box, const QString& message, const QString& text);
    void store(const QString& key, double value, double scale);
    void storeSwitches();
    void storeOptions();
    const ScoringBox& boxRow(const char* name) const;

    ScoringForm form_;
    QLabel* note_ = nullptr;
    QGroupBox* frame_ = nullptr;
    std::vector<QLabel*> labels_;
    std::vector<QLineEdit*> boxes_;
    std::vector<QCheckBox*> checks_;
    std::vector<QRadioButton*> options_;
    std::vector<QLabel*> captions_;
    std::vector<QPushButton*> pictures_;
    QPushButton* ok_ = nullptr;
    QPushButton* default_ = nullptr;
    QPushButton* cancel_ = nullptr;
    std::vector<std::pair<int, QWidget*>> tabs_;
};
