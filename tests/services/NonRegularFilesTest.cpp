// The program's files where something other than a regular file stands: a pipe or a folder
// is never replaced, and the player is told which file, once.
#include "../TestSupport.h"
#include "platform/MessageBox.h"
#include "services/HighScores.h"
#include "services/SettingsFile.h"
#include "services/UserInfo.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

bool makePipe(const QString& path) {
    return mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

// Checked without opening it: a reader would block on a pipe.
bool isPipe(const QString& path) {
    struct stat st {};
    return lstat(QFile::encodeName(path).constData(), &st) == 0 && S_ISFIFO(st.st_mode);
}

} // namespace

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
