// The program's files where something other than a regular file stands: a pipe or a folder
// is never replaced, and the player is told which file, once; a sound is skipped in silence.
#include "../TestSupport.h"
#include "platform/MessageBox.h"
#include "services/HighScores.h"
#include "services/SettingsFile.h"
#include "services/Sound.h"
#include "services/UserInfo.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <functional>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool makePipe(const QString& path) {
    return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

// Checked without opening it: a reader would block on a pipe.
bool isPipe(const QString& path) {
    struct stat st {};
    return lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

// Runs `work` on a thread of its own. Should it block on opening `pipe` after all, a writer
// comes and goes, so the reader sees an empty file: the test then fails instead of hanging.
bool finishesWithoutWaitingOn(const QString& pipe, const std::function<void()>& work) {
    auto done = std::async(std::launch::async, work);
    if (done.wait_for(std::chrono::seconds(5)) == std::future_status::ready) return true;
    while (done.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
        const int fd = ::open(QFile::encodeName(pipe).constData(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
    }
    return false;
}

} // namespace

TEST(NonRegularFiles, ASoundOrTheTuneThatIsAPipeIsSkippedInSilence) {
    testsupport::ProgramSandbox box;
    platform::MessageScript script;
    // The real backend: the audio stack is what would block on the pipe.
    platform::SetAudioBackend(platform::MakeSdlAudioBackend());
    Shared().SoundsOn = true;
    ASSERT_TRUE(makePipe(box.path("Chord.wav")));
    ASSERT_TRUE(makePipe(box.path("Halvik.MID")));
    EXPECT_TRUE(finishesWithoutWaitingOn(box.path("Chord.wav"), [] { PlaySound("Chord.wav"); }));
    int music = 0;
    EXPECT_TRUE(finishesWithoutWaitingOn(box.path("Halvik.MID"), [&] { music = PlayMusic(); }));
    EXPECT_NE(music, 0);
    EXPECT_TRUE(script.asked().empty());
    EXPECT_TRUE(isPipe(box.path("Chord.wav")));
}

TEST(NonRegularFiles, UserDetailsAndTablesAreNotWrittenOverAPipeOrAFolder) {
    testsupport::ProgramSandbox box;
    platform::MessageScript script;
    const QString user = box.path("User.ini");
    ASSERT_TRUE(makePipe(user));
    SaveUserInfo("Ann", "Dayton", "Ohio", "United States");
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_TRUE(script.asked()[0].text.contains(user)) << script.asked()[0].text.toStdString();
    EXPECT_EQ(script.asked()[0].title, platform::kDefaultTitle);
    EXPECT_TRUE(isPipe(user));

    Shared().TimeLimit = 45;
    const QString table = box.path("Crestal Hi Score Table 45.Txt");
    ASSERT_TRUE(QDir(box.dir.path()).mkdir("Crestal Hi Score Table 45.Txt"));
    script.clearAsked();
    CreateHighScoreFile("Crestal Hi Score Table ", nullptr, "30000");
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_TRUE(script.asked()[0].text.contains(table)) << script.asked()[0].text.toStdString();
    EXPECT_TRUE(QFileInfo(table).isDir());
}

TEST(NonRegularFiles, ASettingsFileThatCannotBeReadIsNamedOnceAndTheDefaultsStay) {
    testsupport::ProgramSandbox box;
    platform::MessageScript script;
    const QString path = box.path("Twindle.Ini");
    ASSERT_TRUE(makePipe(path));
    SettingsFile defaults;
    defaults.addNumber("[Time]", 45);
    int applied = 0;
    EXPECT_FALSE(LoadSettingsFile(path, defaults, {"[Time]"},
                                  [&](const QString&, const QString&) { ++applied; }));
    EXPECT_EQ(applied, 0);
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_TRUE(script.asked()[0].text.contains(path));
    EXPECT_TRUE(script.asked()[0].text.contains("default settings"));
    EXPECT_TRUE(isPipe(path));

    // A file that could not be written in the first place goes unmentioned, as before.
    script.clearAsked();
    EXPECT_FALSE(LoadSettingsFile(box.path("missing/Twindle.Ini"), defaults, {"[Time]"},
                                  [&](const QString&, const QString&) { ++applied; }));
    EXPECT_TRUE(script.asked().empty());
}
