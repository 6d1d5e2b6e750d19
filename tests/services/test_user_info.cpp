#include "../TestSupport.h"
#include "platform/MessageBox.h"
#include "platform/SafeFile.h"
#include "services/UserInfo.h"

#include <QDir>
#include <gtest/gtest.h>

TEST(UserInfoTest, WritesTheTwelveLinesByteForByte) {
    testsupport::ProgramSandbox box;
    SaveUserInfo("Unknown User", "Unknown", "None", "United States");
    EXPECT_EQ(box.read("User.ini"),
              QByteArray("[User Name]\r\nUnknown User\r\n\r\n[Hometown]\r\nUnknown\r\n\r\n"
                         "[State]\r\nNone\r\n\r\n[Country]\r\nUnited States\r\n\r\n"));
    // Nothing but the file itself is left in the folder.
    EXPECT_EQ(QDir(box.dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"User.ini"});
}

TEST(UserInfoTest, ReadsBlocksInAnyOrderAndKeepsWhatIsMissing) {
    testsupport::ProgramSandbox box;
    Shared().UserName = "Unknown User";
    Shared().UserCountry = "United States";
    box.write("User.ini", "junk line\r\n[Country]\r\nCanada\r\n\r\n[State]\r\nOntario\r\n"
                          "[Hometown]\r\nGuelph\r\n[User Name]\r\nSmith, John\r\n");
    ReadUserInfo(box.path("User.ini"));
    EXPECT_EQ(Shared().UserName, "Smith"); // only up to the comma
    EXPECT_EQ(Shared().UserHomeTown, "Guelph");
    EXPECT_EQ(Shared().UserState, "Ontario");
    EXPECT_EQ(Shared().UserCountry, "Canada");

    box.write("User.ini", "[User Name]\r\n\r\n");
    ReadUserInfo(box.path("User.ini"));
    EXPECT_EQ(Shared().UserName, "");
    EXPECT_EQ(Shared().UserCountry, "Canada");

    // A value that holds a comma comes back whole, and so does the next save of it.
    SaveUserInfo("Ann", "Springfield, IL", "None", "Bosnia, Herzegovina");
    const QByteArray first = box.read("User.ini");
    Shared().UserHomeTown = Shared().UserCountry = "";
    ReadUserInfo(box.path("User.ini"));
    EXPECT_EQ(Shared().UserHomeTown, "Springfield, IL");
    EXPECT_EQ(Shared().UserCountry, "Bosnia, Herzegovina");
    SaveUserInfo(Shared().UserName, Shared().UserHomeTown, Shared().UserState,
                 Shared().UserCountry);
    EXPECT_EQ(box.read("User.ini"), first);
}

TEST(UserInfoTest, UnreadableOrMalformedFilesNeverStopAnything) {
    testsupport::ProgramSandbox box;
    Shared().UserName = "Unknown User";
    ReadUserInfo(box.path("missing.ini"));
    EXPECT_EQ(Shared().UserName, "Unknown User");
    QDir(box.dir.path()).mkdir("User.ini"); // a folder where the file should be
    ReadUserInfo(box.path("User.ini"));
    EXPECT_EQ(Shared().UserName, "Unknown User");
    box.write("other.ini", QByteArray("\0\0\xff\"[User Name]", 15));
    ReadUserInfo(box.path("other.ini"));
    EXPECT_EQ(Shared().UserName, "Unknown User");
}

TEST(UserInfoTest, FailedWriteIsReportedAndKeepsTheOldFile) {
    testsupport::ProgramSandbox box;
    platform::MessageScript script;
    Shared().ProgramFolder = box.path("no-such-folder/");
    Shared().GameTitle = "Crestal!";
    SaveUserInfo("A", "B", "C", "D");
    Shared().GameTitle.clear();
    ASSERT_EQ(script.asked().size(), 1u);
    EXPECT_EQ(script.asked()[0].title, "Crestal!");
    EXPECT_EQ(script.asked()[0].icon, platform::Icon::Critical);
    EXPECT_FALSE(script.asked()[0].text.isEmpty());

    // A target that cannot be replaced keeps its old contents.
    QDir(box.dir.path()).mkpath("locked/User.ini");
    QString error;
    EXPECT_FALSE(platform::WriteFileWhole(box.path("locked/User.ini"), "new", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_TRUE(QFileInfo(box.path("locked/User.ini")).isDir());
}

TEST(UserInfoTest, PastedLineBreaksAndQuotesCannotSplitTheFile) {
    testsupport::ProgramSandbox box;
    SaveUserInfo("\"Ann\r\nLee", "Oak\nHill", "Ohio\"", "Canada");
    EXPECT_EQ(box.read("User.ini").count("\r\n"), 12);
    Shared().UserName = Shared().UserHomeTown = Shared().UserState = Shared().UserCountry = "";
    ReadUserInfo(box.path("User.ini"));
    EXPECT_EQ(Shared().UserName, "Ann Lee");
    EXPECT_EQ(Shared().UserHomeTown, "Oak Hill");
    EXPECT_EQ(Shared().UserState, "Ohio");
    EXPECT_EQ(Shared().UserCountry, "Canada");
}
