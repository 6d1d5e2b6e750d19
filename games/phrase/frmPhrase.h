#pragma once
// The phrase game's window: the board of 90 letter cells, the 26 letter buttons, the letter
// bar, the faces, the letter value, "Solve It", the score and round boxes and the topic menu.
// It shows what PhraseGame holds, plays the sounds it names and paces the round ends; the
// frame supplies the commands, the clock pie, the splash, the shared menus and the quit
// confirmation.

#include "frame/GameWindow.h"
#include "frame/SplashTexts.h"
#include "games/phrase/PhraseGame.h"

#include <QPixmap>
#include <array>

class QFrame;
class QGroupBox;
class QLineEdit;
class QProgressBar;
class QPushButton;

class frmPhrase : public GameWindow {
    Q_OBJECT
  public:
    explicit frmPhrase(QWidget* parent = nullptr);
    ~frmPhrase() override;

    const PhraseGame& game() const { return game_; }

    // --- load and layout -------------------------------------------------------------
    void Form_Load();
    void Form_Resize();

    // --- the board and letter play -----------------------------------------------------
    QLabel* lblLetter(int k) const { return cells_[size_t(k)]; }
    QPushButton* cmdLetter(int i) const { return letters_[size_t(i)]; }
    QLabel* Guess(int i) const { return faces_[size_t(i)]; }
    QProgressBar* ProgressBar1() const { return bar_; }
    QLineEdit* txtLetterValue() const { return letterValue_; }
    QPushButton* cmdSolve() const { return solve_; }
    platform::GameTimer* Timer5() const { return timer5_; }
    void cmdLetter_Click(int index);
    void cmdSolve_Click();
    void Timer5_Timer();

    // --- topics ------------------------------------------------------------------------
    void TopicItem_Click(int topic);
    void ClearTopicCheck();

    // The face a wrong guess shows: picture 3 (0) or 4 (1) of the face list.
    void SetBadGuessPicture(int index);
    QPixmap FacePicture(int number) const; // 1 "HAPPY", 2 "BLANK", 3 "UNHAPPY", 4 no key

  protected:
    void Play() override;
    void AbandonGame() override;
    void PauseGame(bool pause) override;
    void TakeScore() override;
    void Timer1_Timer() override;
    void ReadSettingsINI() override;
    void WriteSettingsINI() override;
    void ShowCustomScoring() override;
    void ShowControls(bool visible, bool scoresVisible) override;
    RulesValues RulesValuesNow() const override;
    void AddOwnMenuEntry(const QString& token, QMenu* menu) override;

    void resizeEvent(QResizeEvent* event) override;
    void HoldGameTimers(bool hold) override;

  private:
    // Controls (frmPhraseControls.cpp).
    void createControls();
    void createGauge(const QString& name, int width, int height);
    void buildFacePictures();
    QLabel* makeOwnLabel(const QString& name, const QString& caption, double points, bool bold);

    // Layout (frmPhraseLayout.cpp).
    void layoutControls(int w, int h);
    void registerCaptionRules();
    void placeCaptionLabel(QLabel* l);
    void fitBesideCommands(QLabel* l, int W);

    // The display of the model.
    void showBoard();
    void showLetters();
    void showFaces();
    void showLetterValue();
    void setScoreText();
    void setMessage(const QString& text);
    void setRoundText();
    void setTimeText(const QString& text);
    void ShowControls(bool visible, bool scoresVisible, bool infoVisible, bool keepLetterStates);
    void setSolveEnabled(bool on);
    void setPlayControlsEnabled(bool on);
    void playSounds(const std::vector<QString>& sounds);
    void showPickPrompt();
    // Letters, Solve It and the bar act only in a round in play.
    bool acceptsPlay() const;
    bool clockShouldRun() const;
    QAction* action(const QString& name) const;

    // Rounds (frmPhraseRounds.cpp).
    bool InitRound(bool bonusPicks);
    // Ends the round once: the lead-in (reveal, applause or time up) and the scoring run as
    // one round end, which holds input and a close request until it is over.
    void FinishRound(const std::function<void()>& leadIn);
    void revealAfterLoss();
    void setIdleMenus(bool idle);
    void handleEnding(RoundEnding ending);
    void payFaces(const PhraseRoundEnd& end);
    void gameOver();
    void roundTwo();
    void bonusRound();
    void startTimers(bool on);
    void showNotices(const std::vector<PhraseNotice>& notices);
    void backToIdle();

    PhraseGame game_;
    QGroupBox* board_ = nullptr; // fmPhrase
    std::array<QLabel*, kBoardCells> cells_{};
    std::array<QPushButton*, kLetterCount> letters_{};
    QGroupBox* guessFrame_ = nullptr; // frmGuess
    std::array<QLabel*, kMaxFaces> faces_{};
    QProgressBar* bar_ = nullptr;
    QLineEdit* letterValue_ = nullptr;
    QPushButton* solve_ = nullptr;
    QPushButton* dummy_ = nullptr;
    platform::GameTimer* timer5_ = nullptr;
    std::array<QAction*, 8> topicItems_{}; // by topic value 0 to 7
    QMenu* topicMenu_ = nullptr;
    std::array<QPixmap, 4> facePictures_{};
    SplashTexts splashTexts_;
    int unhappyPicture_ = 3; // the picture keyed "UNHAPPY"

    bool barHeld_ = false; // the letter bar ran when the frame held the timers
};
