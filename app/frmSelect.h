#pragma once
// The launcher: the start-up window with one button per game and the ring of splash cards.
// It stays loaded for the whole run; starting a game only hides it.

#include <QPointer>
#include <QWidget>
#include <array>

class CaptionedFrame;
class QLabel;
class QPushButton;
namespace platform {
class GameTimer;
}

class frmSelect : public QWidget {
    Q_OBJECT
  public:
    // `programFolder` defaults to the folder of the executable.
    explicit frmSelect(const QString& programFolder = QString());
    ~frmSelect() override;

    // The one launcher of the run (nullptr before it exists).
    static frmSelect* instance();

    void Form_Load();
    void Timer1_Timer();
    void cmdClose_Click();
    void cmdLaunchBrowser_Click();
    // Starts the game whose window has this name.
    void LaunchGame(const QString& windowName);

    QWidget* currentGameWindow() const { return gameWindow_; }

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void Form_Unload();

    QString programFolder_;
    CaptionedFrame* frmGameChoice_ = nullptr;
    QPushButton* cmdLaunchBrowser_ = nullptr;
    QPushButton* cmdClose_ = nullptr;
    std::array<QLabel*, 8> imgSplashImage_{};
    platform::GameTimer* Timer1_ = nullptr;
    QPointer<QWidget> gameWindow_;
    bool unloaded_ = false;

    // Splash animation state.
    int SplashIndex_ = 0;
    bool SplashForward_ = false;
    bool SplashShowBack_ = false;
    int SplashBackImage_ = 0;
};
