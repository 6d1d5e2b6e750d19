#pragma once
// The fixture of every game window's tests: the program sandbox (a fresh program folder,
// virtual time, recorded sound), the game's title in force, a fixed random sequence, and the
// small helpers a test needs to look at a window and to act on it as the player does.

#include "CaptionFit.h"
#include "TestSupport.h"
#include "frame/Captions.h"
#include "frame/GameWindow.h"
#include "platform/ProgramTime.h"
#include "services/GameRegistry.h"
#include "services/Random.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <set>

namespace testsupport {

// While it lives, every sound a window plays also runs `onWave` with the file's name: a test
// looks at the window at the moments a sound marks (a count-up step, a pause about to start).
// The fixture's own recording of the sounds is put back afterwards.
class WaveWatch {
  public:
    explicit WaveWatch(std::function<void(const QString&)> onWave)
        : previous_(platform::SetAudioBackend(std::make_unique<Watching>(std::move(onWave)))) {}
    ~WaveWatch() { platform::SetAudioBackend(std::move(previous_)); }
    WaveWatch(const WaveWatch&) = delete;
    WaveWatch& operator=(const WaveWatch&) = delete;

  private:
    struct Watching : platform::RecordingAudio {
        explicit Watching(std::function<void(const QString&)> f) : onWave(std::move(f)) {}
        void playWave(const QString& path) override {
            RecordingAudio::playWave(path);
            onWave(path.mid(path.lastIndexOf('/') + 1));
        }
        std::function<void(const QString&)> onWave;
    };
    std::unique_ptr<platform::AudioBackend> previous_;
};

// The windows whose every pause is checked for captions that cannot be read whole (and for
// captions changed behind their rule's back). A window joins once it passes; setting
// PARLOVEX_CAPTION_FIT=all checks every window.
inline const std::set<QString> kCaptionFitChecked{
    "TestGameWindow", // the frame's own test window
    "frmElevens",     "frmEights", "frmPhrase", "frmScramble",
    "frmCrestal", // three towers
    "frmTwindle", // pairs and runs
    "frmTrip",    // trips and runs
    "frmBrisko",  // the twenty-one combinations window
    "frmQuintel", // the five-column window
};

inline bool CaptionFitChecked(const QString& window) {
    const char* all = std::getenv("PARLOVEX_CAPTION_FIT");
    return (all && QByteArray(all) == "all") || kCaptionFitChecked.count(window);
}

// Everything a window shows that a player could not read whole, at the size it has; then,
// for a window that can be resized, at its minimum size and at a large size (the layout is
// run for each and the size restored afterwards).
inline QStringList CaptionFaults(QWidget& window, bool atSizes) {
    QStringList out = CaptionFitFailures(window);
    for (const QString& f : CaptionsOutOfRule(&window))
        out << "changed behind its rule: " + f;
    if (!atSizes || window.minimumSize().isEmpty()) return out;
    const QSize was = window.size();
    auto resizeTo = [&window](QSize to) {
        const QSize from = window.size();
        window.resize(to);
        QResizeEvent e(to, from);
        QCoreApplication::sendEvent(&window, &e);
    };
    const QSize sizes[] = {window.minimumSize(), window.minimumSize() * 3 / 2};
    for (const QSize& size : sizes) {
        resizeTo(size);
        for (const QString& f : CaptionFitFailures(window))
            out << QString("at %1x%2: ").arg(size.width()).arg(size.height()) + f;
    }
    resizeTo(was);
    return out;
}

class GameWindowTest : public ::testing::Test {
  protected:
    // The tests of the game whose window has this name; its title becomes GameTitle.
    explicit GameWindowTest(const char* window)
        : sandbox(QDateTime(QDate(2024, 3, 1), QTime(9, 4, 30))), game(FindGameByWindow(window)) {
        Shared().GameTitle = game ? game->title : "";
        Shared().UserName = "Ada";
        SeedRandom(20240301);
        previousObserver_ =
            platform::ProgramTime::setPauseObserver([this](int ms) { checkCaptions(ms); });
    }
    ~GameWindowTest() override {
        platform::ProgramTime::setPauseObserver(std::move(previousObserver_));
    }

    void SetUp() override {
        ASSERT_TRUE(sandbox.dir.isValid());
        ASSERT_NE(game, nullptr) << "no game registered for this window";
    }

    // Opens a window; the pauses of its load are not part of what a test checks.
    template <typename Window, typename... Args> std::unique_ptr<Window> open(Args&&... args) {
        auto w = std::make_unique<Window>(std::forward<Args>(args)...);
        platform::ProgramTime::takePauseLog();
        return w;
    }

    // The blocking pauses since the last call, in milliseconds.
    static std::vector<int> pauses() { return platform::ProgramTime::takePauseLog(); }
    static std::vector<int> repeated(std::vector<int> head, int value, int times) {
        head.insert(head.end(), size_t(times), value);
        return head;
    }
    // A file of the program folder, empty when missing.
    QByteArray file(const QString& name) const { return sandbox.read(name); }
    // The sounds played since the last call, by file name.
    QStringList waves() {
        QStringList names;
        for (const QString& path : audio->waves)
            names << path.mid(path.lastIndexOf('/') + 1);
        audio->waves.clear();
        return names;
    }

    static QString text(const QWidget& w, const char* name) {
        const QLabel* l = w.findChild<QLabel*>(name);
        return l ? l->text() : QString("<no %1>").arg(name);
    }
    static bool shown(const QWidget& w, const char* name) {
        const QWidget* c = w.findChild<QWidget*>(name);
        return c && c->isVisibleTo(&w);
    }
    // A left-button press, as the player's click reaches a control.
    static void press(QWidget* target, QPointF at = QPointF(10, 10)) {
        QMouseEvent e(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &e);
    }
    // A key press and release sent to a control.
    static void key(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                    const QString& text = QString()) {
        QKeyEvent down(QEvent::KeyPress, key, modifiers, text);
        QCoreApplication::sendEvent(target, &down);
        QKeyEvent up(QEvent::KeyRelease, key, modifiers, text);
        QCoreApplication::sendEvent(target, &up);
    }

    // At every pause: the captions of each checked game window, at its size, and at its
    // minimum and a large size the first time it pauses in each state. A fault is reported
    // once per test, at the first pause that shows it.
    void checkCaptions(int ms) {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            auto* w = qobject_cast<GameWindow*>(top);
            if (!w) continue;
            const QVariant own = w->property("captionFitName");
            if (!CaptionFitChecked(own.isValid() ? own.toString() : w->objectName())) continue;
            const int state = int(w->state());
            const bool newState = !statesSeen_[w].count(state);
            statesSeen_[w].insert(state);
            for (const QString& f : CaptionFaults(*w, newState))
                if (faultsSeen_.insert(f).second)
                    ADD_FAILURE() << qPrintable(w->objectName()) << " in state " << state
                                  << ", pause of " << ms << " ms: " << qPrintable(f);
        }
    }

    ProgramSandbox sandbox;
    QTemporaryDir& dir = sandbox.dir;
    platform::RecordingAudio*& audio = sandbox.audio;
    const GameDescriptor* game;

  private:
    platform::ProgramTime::PauseObserver previousObserver_;
    std::map<const QWidget*, std::set<int>> statesSeen_;
    std::set<QString> faultsSeen_;
};

} // namespace testsupport
