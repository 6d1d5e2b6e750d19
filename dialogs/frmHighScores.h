#pragma once
// The Hall of Fame: the current game's table for the current time limit, with the row just
// inserted blinking, and buttons to clear the table or visit the high-score web site.

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
namespace platform {
class GameTimer;
}

class frmHighScores : public QDialog {
    Q_OBJECT
  public:
    // `gameWindow` is the window whose high-score label follows a cleared table.
    explicit frmHighScores(QWidget* parent = nullptr, QWidget* gameWindow = nullptr);

    void Form_Load();
    // Shows the rows of the table; a missing or damaged file is reported and whatever
    // could be read is shown.
    void ReadHighScoreTable(const QString& tableName);
    void Timer1_Timer();
    void Form_Unload();
    void cmdDone_Click();
    void cmdClear_Click();
    void cmdHighScores_Click();
    void cmdSendScore_Click();

    void done(int result) override;

  private:
    QLabel* nameLabel(int row) const { return ScoreList_[size_t(2 * row)]; }
    QLabel* scoreLabel(int row) const { return ScoreList_[size_t(2 * row + 1)]; }
    QLabel* dateLabel(int row) const { return DateList_[size_t(2 * row + 1)]; }
    void setRowColours(int row, bool highlighted);
    void setRowVisible(int row, bool visible);
    int blinkingRow() const;
    // Widens the score column by `extra` pixels beyond its design width (0: as designed).
    void widenScoreColumn(int extra);
    void centreInfo();

    std::array<QLabel*, 20> ScoreList_{};
    std::array<QLabel*, 20> DateList_{}; // odd elements only
    QLabel* lblHiScoreInfo_ = nullptr;
    QPushButton* cmdDone_ = nullptr;
    QPushButton* cmdClear_ = nullptr;
    QPushButton* cmdHighScores_ = nullptr;
    QPushButton* cmdSendScore_ = nullptr;
    platform::GameTimer* Timer1_ = nullptr;
    QWidget* gameWindow_ = nullptr;
    bool unloaded_ = false;
    int scoreExtra_ = 0;
};

// Opens the Hall of Fame of the current game modally, owned by its game window.
void ShowHallOfFame(QWidget* gameWindow);
