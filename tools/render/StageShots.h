#pragma once
// What the render tool saves of a whole game: the window at the first frame of every new
// message state (whatever the length of the pause it shows in, the quarter-second flashes
// included) and at every pause long enough to read, unless it shows what the last shot shows.
// A message state is what the window's message labels say, their amounts left out so that a
// count-up is one state, and whether the score is being paid (it shows in cyan), so that a
// payout without a message is one too.

#include <QImage>
#include <QString>
#include <QStringList>

class GameWindow;

// Writes a picture as PNG, lightly packed, and says so on standard output.
bool SavePicture(const QImage& picture, const QString& path);

class StageShots {
  public:
    StageShots(GameWindow& window, QString stem);

    // Looks at the window as it is now: during a blocking pause of `pauseMs`, or between
    // steps of play (0).
    void look(int pauseMs);
    // Saves the window under a name of its own (after the stem), whatever its state.
    void saveAs(const QString& suffix);

    bool ok() const { return ok_; }
    // A round end has been seen under way.
    bool sawRoundEnd() const { return sawRoundEnd_; }

  private:
    QStringList messageState() const; // what each message label says, then "paying"
    void save(const QString& path, const QImage& shot);

    GameWindow& window_;
    QString stem_;
    QStringList last_;
    QImage lastShot_;
    int shots_ = 0;
    bool ok_ = true;
    bool sawRoundEnd_ = false;
};
