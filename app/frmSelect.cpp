#include "app/frmSelect.h"
#include "app/CaptionedFrame.h"
#include "platform/CentreOnScreen.h"

#include "frame/GameWindow.h"
#include "platform/GameTimer.h"
#include "platform/Twips.h"
#include "services/GameRegistry.h"
#include "services/PictureList.h"
#include "services/Random.h"
#include "services/SharedState.h"
#include "services/Sound.h"
#include "services/TextFile.h"
#include "services/UserInfo.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

namespace {
frmSelect* theLauncher = nullptr;

// Button positions inside the frame, in the launcher's tab order.
constexpr std::array<QRect, 9> kButtonPlaces{
    TwRect(315, 720, 1320, 420),   TwRect(315, 1365, 1320, 420),  TwRect(315, 1995, 1320, 420),
    TwRect(315, 2640, 1320, 420),  TwRect(1920, 480, 1320, 420),  TwRect(1920, 1125, 1320, 420),
    TwRect(1920, 1755, 1320, 420), TwRect(1920, 2400, 1320, 420), TwRect(1920, 3000, 1320, 420)};

constexpr std::array<QPoint, 8> kSplashPlaces{
    QPoint(4005, 855),  QPoint(3540, 1530), QPoint(4005, 2280), QPoint(4710, 2550),
    QPoint(5355, 2280), QPoint(5865, 1530), QPoint(5355, 855),  QPoint(4710, 585)};
} // namespace

frmSelect* frmSelect::instance() {
    return theLauncher;
}

frmSelect::frmSelect(const QString& programFolder) : programFolder_(programFolder) {
    theLauncher = this;
    setObjectName("frmSelect");
    setFixedSize(Tw(7500), Tw(5190));

    frmGameChoice_ = new CaptionedFrame(this);
    frmGameChoice_->setObjectName("frmGameChoice");
    frmGameChoice_->setGeometry(TwRect(120, 120, 7245, 4425));
    frmGameChoice_->setTitle("Select your game");
    QFont bold = frmGameChoice_->font(), plain = bold;
    bold.setBold(true);
    plain.setBold(false);
    frmGameChoice_->setFont(bold);
    // Not a style sheet, which would put every control in the frame through the slower
    // style-sheet style.
    frmGameChoice_->setCaptionColour(QColor(0, 0, 255));

    for (int i = 0; i < 8; ++i) {
        auto* img = new QLabel(frmGameChoice_);
        img->setObjectName(QString("imgSplashImage_%1").arg(i));
        img->setGeometry(Tw(kSplashPlaces[size_t(i)].x()), Tw(kSplashPlaces[size_t(i)].y()),
                         Tw(1065), Tw(1440));
        img->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        imgSplashImage_[size_t(i)] = img;
    }

    QWidget* previous = nullptr;
    for (size_t i = 0; i < AllGames().size() && i < kButtonPlaces.size(); ++i) {
        const GameDescriptor& g = *AllGames()[i];
        auto* b = new QPushButton(frmGameChoice_);
        b->setFont(plain); // the frame's bold is for its caption only
        b->setObjectName(g.button);
        b->setGeometry(kButtonPlaces[i]);
        b->setEnabled(bool(g.createWindow));
        const QString window = g.window;
        connect(b, &QPushButton::clicked, this, [this, window] { LaunchGame(window); });
        if (previous) setTabOrder(previous, b);
        previous = b;
    }

    cmdLaunchBrowser_ = new QPushButton(this);
    cmdLaunchBrowser_->setObjectName("cmdLaunchBrowser");
    cmdLaunchBrowser_->setGeometry(TwRect(240, 4680, 2910, 420));
    cmdLaunchBrowser_->setToolTip("Go to the Corvell Web Site");
    connect(cmdLaunchBrowser_, &QPushButton::clicked, this, &frmSelect::cmdLaunchBrowser_Click);

    cmdClose_ = new QPushButton("Cl&ose", this);
    cmdClose_->setObjectName("cmdClose");
    cmdClose_->setGeometry(TwRect(5160, 4680, 2040, 420));
    cmdClose_->setToolTip("Close the Quorvane");
    connect(cmdClose_, &QPushButton::clicked, this, &frmSelect::cmdClose_Click);

    setTabOrder(previous, cmdLaunchBrowser_);
    setTabOrder(cmdLaunchBrowser_, cmdClose_);
    setTabOrder(cmdClose_, frmGameChoice_);

    // A game window closed with Yes brings the launcher back, whose boxes carry the title
    // they had at start-up, not the last game's.
    GameWindow::SetReturnToLauncher([] {
        Shared().GameTitle.clear();
        if (frmSelect* launcher = frmSelect::instance()) launcher->show();
    });

    Timer1_ = new platform::GameTimer(this, 250, false);
    Timer1_->setObjectName("Timer1");
    Timer1_->onTimer = [this] { Timer1_Timer(); };

    Form_Load();
}

frmSelect::~frmSelect() {
    if (theLauncher == this) theLauncher = nullptr;
}

void frmSelect::Form_Load() {
    SharedState& s = Shared();
    s.NewHighScoreIndex = -1;
    s.UserName = "Unknown User";
    s.UserHomeTown = "Unknown";
    s.UserState = "None";
    s.UserCountry = "United States";

    CentreOnScreen(this);
    setWindowTitle("The Parlovex Collection");

    QString folder =
        programFolder_.isEmpty() ? QCoreApplication::applicationDirPath() : programFolder_;
    if (!folder.endsWith('/')) folder += '/';
    s.ProgramFolder = folder;

    for (const GameDescriptor* g : AllGames()) {
        if (auto* b = findChild<QPushButton*>(g->button)) {
            b->setText(g->caption);
            b->setToolTip(QString("Play ") + g->title);
        }
    }
    cmdLaunchBrowser_->setText(QString("&Go to the ") + "Corvell" + " website");

    if (!QFileInfo::exists(s.ProgramFolder + kUserInfoFileName))
        SaveUserInfo(s.UserName, s.UserHomeTown, s.UserState, s.UserCountry);
    ReadUserInfo(s.ProgramFolder + kUserInfoFileName);

    Timer1_->setEnabled(true);
}

void frmSelect::Timer1_Timer() {
    Shared().InputBlocked = false;
    if (SplashBackImage_ == 0) SplashBackImage_ = 2;
    QLabel* img = imgSplashImage_[size_t(SplashIndex_)];
    if (SplashForward_) {
        img->lower();
        if (SplashShowBack_) {
            img->setPixmap(CardPictureList().picture(SplashBackImage_));
            img->setFrameStyle(QFrame::NoFrame);
        } else {
            img->setPixmap(CardPictureList().picture(RandomInt(14, 65)));
            img->setFrameStyle(QFrame::Box | QFrame::Plain);
        }
        img->setProperty("pictureNumber", QVariant());
        if (++SplashIndex_ > 7) {
            SplashForward_ = false;
            SplashIndex_ = 7;
        }
    } else {
        img->lower();
        if (--SplashIndex_ == -1) {
            SplashForward_ = true;
            SplashIndex_ = 0;
            if (SplashShowBack_) {
                SplashShowBack_ = false;
                SplashBackImage_ += 3;
                if (SplashBackImage_ == 11) SplashBackImage_ = 2;
            } else {
                SplashShowBack_ = true;
            }
        }
    }
}

void frmSelect::LaunchGame(const QString& windowName) {
    const GameDescriptor* game = FindGameByWindow(windowName);
    if (!game || !game->createWindow) return;
    setCursor(Qt::WaitCursor);
    Shared().GameTitle = game->title;
    if (!gameWindow_ || gameWindow_->objectName() != windowName) {
        QWidget* w = game->createWindow();
        if (!w) {
            unsetCursor();
            return;
        }
        w->setAttribute(Qt::WA_DeleteOnClose);
        gameWindow_ = w;
    }
    gameWindow_->show();
    unsetCursor();
    hide();
}

void frmSelect::cmdLaunchBrowser_Click() {
    OpenWebPage(this, kDistributorWebAddress);
}

void frmSelect::Form_Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    const SharedState& s = Shared();
    SaveUserInfo(s.UserName, s.UserHomeTown, s.UserState, s.UserCountry);
}

void frmSelect::closeEvent(QCloseEvent* event) {
    if (gameWindow_ && gameWindow_->isVisible()) {
        // A game is open: its own quit question decides, asked by the game window outside
        // this close; its Yes brings the launcher back.
        event->ignore();
        gameWindow_->close();
        return;
    }
    Form_Unload();
    Timer1_->setEnabled(false);
    event->accept();
    // The launcher is the last window: closing it ends the program.
    QCoreApplication::quit();
}

void frmSelect::cmdClose_Click() {
    close();
}
