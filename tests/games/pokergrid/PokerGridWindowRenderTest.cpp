// Pictures of the poker grid window for a look by eye: set PARLOVEX_RENDER_DIR to write them.
#include "PokerGridWindowTestSupport.h"

#include "platform/Modal.h"
#include "platform/Twips.h"
#include "services/HighScores.h"

#include <QDir>
#include <QLineEdit>

namespace {
struct GrabbingAudio : platform::RecordingAudio {
    std::function<void(const QString&)> onWave;
    void playWave(const QString& path) override {
        if (onWave) onWave(path.mid(path.lastIndexOf('/') + 1));
    }
};
} // namespace

TEST_F(PokerGridWindowTest, RendersStartMidRoundRoundChangeAndGameOver) {
    const QString out = qEnvironmentVariable("PARLOVEX_RENDER_DIR");
    if (out.isEmpty()) GTEST_SKIP() << "PARLOVEX_RENDER_DIR not set";
    QDir().mkpath(out);
    platform::ModalDriver driver([](QDialog& d) {
        if (auto* name = d.findChild<QLineEdit*>("txtPlayerName")) name->setText("Ada");
        if (auto* ok = d.findChild<QPushButton*>("cmdOK")) ok->click();
        if (auto* done = d.findChild<QPushButton*>("cmdDone")) done->click();
    });
    auto grabbing = std::make_unique<GrabbingAudio>();
    GrabbingAudio* sounds = grabbing.get();
    auto previous = platform::SetAudioBackend(std::move(grabbing));

    for (const auto& [tag, width, height] :
         {std::tuple{"min", 9540, 7305}, std::tuple{"large", 12000, 10000}}) {
        arrange({k350});
        auto w = openWindow();
        w->resize(Tw(width), Tw(height));
        w->show();
        platform::ProgramTime::advance(13 * 200); // the splash shows its pictures
        EXPECT_TRUE(w->grab().save(out + "/pokergrid-start-" + tag + ".png"));

        Shared().InputBlocked = false; // the launcher's tick after the last game
        w->cmdPlay()->click();
        seconds(20);
        fillGrid(*w, 0, 16);
        press(w->PlayCards(3)); // an overwrite
        EXPECT_TRUE(w->grab().save(out + "/pokergrid-midround-" + tag + ".png"));

        bool counted = false;
        sounds->onWave = [&, tag = QString(tag)](const QString& wave) {
            if (wave == "Snap.wav" && !counted) {
                counted = true;
                EXPECT_TRUE(w->grab().save(out + "/pokergrid-count-" + tag + ".png"));
            }
            if (wave == "Slide.wav") {
                EXPECT_TRUE(w->grab().save(out + "/pokergrid-timesup-" + tag + ".png"));
            }
        };
        w->cmdPause()->click();
        EXPECT_TRUE(w->grab().save(out + "/pokergrid-paused-" + tag + ".png"));
        w->cmdPause()->click();
        arrange({k350});
        fillGrid(*w, 17, 24);
        EXPECT_TRUE(w->grab().save(out + "/pokergrid-roundchange-" + tag + ".png"));
        for (int round = 2; round <= 3; ++round) {
            Shared().InputBlocked = false;
            seconds(80);
        }
        sounds->onWave = {};
        platform::ProgramTime::advance(13 * 200);
        EXPECT_EQ(text(*w, "lblCurrentScore"), FormatScore(Shared().Score));
        EXPECT_TRUE(w->grab().save(out + "/pokergrid-gameover-" + tag + ".png"));
    }
    platform::SetAudioBackend(std::move(previous));
}
