#pragma once
// The fixture of every game window's tests: the program sandbox (a fresh program folder,
// virtual time, recorded sound), the game's title in force, a fixed random sequence, and the
// small helpers a test needs to look at a window and to act on it as the player does.

#include "TestSupport.h"
#include "frame/GameWindow.h"
#include "platform/ProgramTime.h"
#include "services/GameRegistry.h"
#include "services/Random.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

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

class GameWindowTest : public ::testing::Test {
  protected:
    // The tests of the game whose window has this name; its title becomes GameTitle.
    explicit GameWindowTest(const char* window)
        : sandbox(QDateTime(QDate(2024, 3, 1), QTime(9, 4, 30))), game(FindGameByWindow(window)) {
        Shared().GameTitle = game ? game->title : "";
        Shared().UserName = "Ada";
        SeedRandom(20240301);
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

    ProgramSandbox sandbox;
    QTemporaryDir& dir = sandbox.dir;
    platform::RecordingAudio*& audio = sandbox.audio;
    const GameDescriptor* game;
};

} // namespace testsupport
