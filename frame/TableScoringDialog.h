#pragma once
// The older custom-scoring dialog, kept for the games whose dialog is not yet a ScoringForm
// (frame/CustomScoringDialog.h); it goes once the last game has moved. Driven by a table:
// a note, a frame of rows (a caption and a text box each, with the box's range, what is
// stored when the value lies outside it, and the messages), switches (check boxes), and OK,
// Default and Cancel.
//
// OK reads each box as a number (blanks around it skipped, digit grouping "80,000" accepted;
// empty text is 0; any other text is refused with the box's message), tests it against the
// row's range and stores it rounded to a whole number, ties to even. A disabled box is neither
// tested nor stored. The rows are checked in table order:
//   - CheckOrder::AllBeforeStoring: the first failing row is reported and nothing is stored;
//     when all pass, every row and switch is stored;
//   - CheckOrder::StoreEach: every row is tested and stored on its own (a value outside the
//     range stores the limit it passed, shows that side's message and puts the limit in the
//     box; refused text stores nothing); the switches are stored after the last row passes.
// A failed box gets the focus with its text selected, and the dialog stays open. The table's
// `recompute` (the game's custom mark and status bar) runs after every OK and every Default,
// so a failed OK then Cancel never leaves stored values unmarked. Default puts the defaults
// into the boxes and switches and stores nothing; Cancel closes and stores nothing more.

#include "platform/MessageBox.h"

#include <QDialog>
#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

struct ScoringRow {
    const char* label; // label name, e.g. "lblBonusScore"
    QString caption;   // label text
    const char* box;   // text box name, e.g. "txtBonusScore"
    int32_t low;       // range, inclusive
    int32_t high;
    QString message;                // shown for refused text, and for either side without its own
    QString lowMessage;             // below the range (StoreEach); empty: `message`
    QString highMessage;            // above the range (StoreEach); empty: `message`
    std::function<int32_t()> value; // what the box shows at load
    std::function<void(int32_t)> store;
    int32_t defaultValue = 0;
    // Places in twips inside the frame; empty: stacked by the dialog.
    QRect labelPlace{};
    QRect boxPlace{};
};

struct ScoringSwitch {
    const char* name; // check box name
    QString caption;
    std::function<bool()> value;
    std::function<void(bool)> store;
    bool defaultValue = false;
    QRect place{}; // twips on the dialog; empty: below the frame
};

enum class CheckOrder { AllBeforeStoring, StoreEach };

class TableScoringDialog;

struct ScoringTable {
    const char* dialogName; // "frmCrestalCustom"
    QString note;           // lblInfo
    const char* noteName = "lblInfo";
    std::vector<ScoringRow> rows;
    std::vector<ScoringSwitch> switches;
    CheckOrder order = CheckOrder::StoreEach;
    platform::Icon messageIcon = platform::Icon::Information;
    // After every OK (whatever its outcome) and every Default.
    std::function<void()> recompute;
    // After an OK that passed, before the dialog closes.
    std::function<void()> accepted;
    // After the boxes and switches are filled at load.
    std::function<void(TableScoringDialog& dialog)> loaded;
    // When a switch changes by the player or by Default (not at load): its name and state.
    std::function<void(TableScoringDialog& dialog, const QString& name, bool on)> switchClicked;
    int frameWidth = 7200; // twips; the note has the same width
};

// The number a box holds: nothing when the text is refused. Blanks around it are skipped,
// commas between digit groups are dropped, a sign and a fraction are read; empty text is 0.
std::optional<double> ScoringBoxNumber(const QString& text);
// A number as stored: rounded half to even and held within 32 bits.
int32_t ScoringWhole(double value);

class TableScoringDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TableScoringDialog(ScoringTable table, QWidget* parent = nullptr);

    void Form_Load();
    void cmdOK_Click();
    void cmdDefault_Click();
    void cmdCancel_Click();

    QLineEdit* box(const QString& name) const;
    QLabel* rowLabel(const QString& name) const;
    QCheckBox* switchBox(const QString& name) const;
    QGroupBox* frmScoringOptions() const { return frame_; }
    QPushButton* cmdOK() const { return ok_; }
    QPushButton* cmdDefault() const { return default_; }
    QPushButton* cmdCancel() const { return cancel_; }
    const ScoringTable& table() const { return table_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    void layoutControls();
    bool checkAllBeforeStoring();
    bool checkStoringEach();
    void storeSwitches();
    void fail(QLineEdit* box, const QString& message);

    ScoringTable table_;
    QLabel* note_ = nullptr;
    QGroupBox* frame_ = nullptr;
    std::vector<QLabel*> labels_;
    std::vector<QLineEdit*> boxes_;
    std::vector<QCheckBox*> checks_;
    QPushButton* ok_ = nullptr;
    QPushButton* default_ = nullptr;
    QPushButton* cancel_ = nullptr;
};
