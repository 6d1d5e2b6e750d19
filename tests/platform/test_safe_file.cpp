// Whole-file writes that never lose the old file, and reads that never hang or swallow a
// device: a full disk, a device that refuses writes, pipes, devices and huge files.
#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

using platform::ReadFileWhole;
using platform::WriteFileWhole;

namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<unreadable>");
}

// A small tmpfs, mounted where the test may (as root); unmounted when the object goes.
class SmallFileSystem {
  public:
    SmallFileSystem() {
        if (geteuid() != 0) return;
        mounted_ = QProcess::execute("mount",
                                     {"-t", "tmpfs", "-o", "size=64k", "tmpfs", dir_.path()}) == 0;
    }
    ~SmallFileSystem() {
        if (mounted_) QProcess::execute("umount", {dir_.path()});
    }
    bool mounted() const { return mounted_; }
    QString path(const QString& name) const { return dir_.path() + "/" + name; }

  private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

// What a path is, without opening it (opening a pipe would block).
mode_t kindOf(const QString& path, bool followLinks = true) {
    struct stat st {};
    const QByteArray name = QFile::encodeName(path);
    const int rc = followLinks ? stat(name.constData(), &st) : lstat(name.constData(), &st);
    return rc == 0 ? st.st_mode & S_IFMT : 0;
}

} // namespace

TEST(SafeFileTest, ADeviceThatRefusesWritesIsAFailure) {
    QFile full("/dev/full");
    if (!full.open(QIODevice::WriteOnly)) GTEST_SKIP() << "no /dev/full here";
    QString error;
    // Buffered: the bytes fit in the buffer, the failure shows only when it is written out.
    EXPECT_FALSE(platform::WriteAllTo(full, QByteArray(100, 'x'), &error));
    EXPECT_FALSE(error.isEmpty());
    full.close();
    ASSERT_TRUE(full.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    EXPECT_FALSE(platform::WriteAllTo(full, QByteArray(100, 'x'), &error));
}

TEST(SafeFileTest, AFullDiskKeepsTheOldFileAndSaysWhichFile) {
    SmallFileSystem fs;
    if (!fs.mounted()) GTEST_SKIP() << "cannot mount a small file system here";
    const QString table = fs.path("Quintel Hi Score Table 120.Txt");
    ASSERT_TRUE(WriteFileWhole(table, "old table\r\n"));
    // Fill what is left (64 KiB: a bounded number of writes, whatever the writer reports).
    QString error;
    for (int i = 0; i < 32; ++i)
        if (!WriteFileWhole(fs.path(QString("filler%1").arg(i)), QByteArray(4096, 'f'), &error))
            break;
    error.clear();
    EXPECT_FALSE(WriteFileWhole(table, QByteArray(32 * 1024, 'n'), &error));
    EXPECT_TRUE(error.contains(table)) << error.toStdString();
    EXPECT_EQ(contents(table), "old table\r\n");
    // No temporary file is left behind to fill the disk further.
    for (const QString& name : QDir(fs.path("")).entryList(QDir::Files))
        EXPECT_FALSE(name.contains("Hi Score") && name != QFileInfo(table).fileName())
            << name.toStdString();
}

TEST(SafeFileTest, WriteFailuresNameTheFile) {
    QTemporaryDir dir;
    const QString path = dir.path() + "/missing/User.ini";
    QString error;
    EXPECT_FALSE(WriteFileWhole(path, "x", &error));
    EXPECT_TRUE(error.startsWith(path)) << error.toStdString();
}

TEST(SafeFileTest, OnlyRegularFilesAreReplaced) {
    QTemporaryDir dir;
    QString error;

    const QString pipe = dir.path() + "/Twindle.Ini";
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_FALSE(WriteFileWhole(pipe, "[Time]\r\n45\r\n", &error));
    EXPECT_TRUE(error.startsWith(pipe)) << error.toStdString();
    EXPECT_EQ(kindOf(pipe), mode_t(S_IFIFO));

    const QString folder = dir.path() + "/User.ini";
    ASSERT_TRUE(QDir(dir.path()).mkdir("User.ini"));
    error.clear();
    EXPECT_FALSE(WriteFileWhole(folder, "x", &error));
    EXPECT_TRUE(error.startsWith(folder)) << error.toStdString();
    EXPECT_EQ(kindOf(folder), mode_t(S_IFDIR));

    const QString socketPath = dir.path() + "/Brisko.Ini";
    const int sock = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(socketPath).constData(), sizeof address.sun_path);
    ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    EXPECT_FALSE(WriteFileWhole(socketPath, "x", &error));
    EXPECT_EQ(kindOf(socketPath), mode_t(S_IFSOCK));
    close(sock);

    // A link is judged by what it names.
    const QString linkToPipe = dir.path() + "/Sumbry.Ini";
    ASSERT_TRUE(QFile::link(pipe, linkToPipe));
    EXPECT_FALSE(WriteFileWhole(linkToPipe, "x", &error));
    EXPECT_EQ(kindOf(linkToPipe, false), mode_t(S_IFLNK));
    EXPECT_EQ(kindOf(pipe), mode_t(S_IFIFO));

    // A link to a regular file keeps working: the file it names is replaced, the link stays.
    const QString real = dir.path() + "/settings/Quintel.Ini";
    ASSERT_TRUE(QDir(dir.path()).mkdir("settings"));
    ASSERT_TRUE(WriteFileWhole(real, "old"));
    const QString linked = dir.path() + "/Quintel.Ini";
    ASSERT_TRUE(QFile::link(real, linked));
    EXPECT_TRUE(WriteFileWhole(linked, "new", &error)) << error.toStdString();
    EXPECT_EQ(kindOf(linked, false), mode_t(S_IFLNK));
    EXPECT_EQ(contents(real), "new");
}

TEST(SafeFileTest, ADeviceNodeIsNeverReplaced) {
    if (geteuid() != 0) GTEST_SKIP() << "making a device node needs root";
    QTemporaryDir dir;
    // A copy of /dev/zero's node (character device 1, 5), reached through a link.
    const QString node = dir.path() + "/zero";
    ASSERT_EQ(mknod(QFile::encodeName(node).constData(), S_IFCHR | 0600, makedev(1, 5)), 0);
    const QString settings = dir.path() + "/Twindle.Ini";
    ASSERT_TRUE(QFile::link(node, settings));
    QString error;
    EXPECT_FALSE(WriteFileWhole(settings, "[Time]\r\n45\r\n", &error));
    EXPECT_TRUE(error.startsWith(settings)) << error.toStdString();
    EXPECT_EQ(kindOf(node, false), mode_t(S_IFCHR));
    EXPECT_EQ(kindOf(settings, false), mode_t(S_IFLNK));
    EXPECT_FALSE(WriteFileWhole(node, "x"));
    EXPECT_EQ(kindOf(node, false), mode_t(S_IFCHR));
}

TEST(SafeFileTest, ReadsOnlyRegularFilesOfBoundedSize) {
    QTemporaryDir dir;
    QByteArray data;
    QString error;

    // A pipe with no writer would block the reader forever.
    const QString pipe = dir.path() + "/User.ini";
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_FALSE(ReadFileWhole(pipe, data, &error));
    EXPECT_TRUE(error.contains(pipe));

    // A link to an endless device is refused before a byte is read.
    const QString zero = dir.path() + "/Sumbry.Ini";
    ASSERT_TRUE(QFile::link("/dev/zero", zero));
    EXPECT_FALSE(ReadFileWhole(zero, data, &error));
    EXPECT_TRUE(data.isEmpty());

    const QString big = dir.path() + "/big.Txt";
    ASSERT_TRUE(WriteFileWhole(big, QByteArray(platform::kMaxReadSize + 1, 'b')));
    EXPECT_FALSE(ReadFileWhole(big, data, &error));
    EXPECT_TRUE(ReadFileWhole(big, data, &error, platform::kMaxReadSize + 1));
    EXPECT_EQ(data.size(), platform::kMaxReadSize + 1);

    EXPECT_FALSE(ReadFileWhole(dir.path() + "/none", data, &error));
    EXPECT_TRUE(error.contains("none"));
}

TEST(SafeFileTest, OldEightBitNamesReadAsLatin1) {
    EXPECT_EQ(platform::DecodeFileText("Jos\xe9 M\xfcller"), QString::fromUtf8("José Müller"));
    EXPECT_EQ(platform::DecodeFileText("Jos\xc3\xa9"), QString::fromUtf8("José"));
    // Each line in its own encoding, whatever its line end.
    EXPECT_EQ(platform::DecodeFileText("Caf\xc3\xa9\r\nCaf\xe9\rS\xc3\xa9"
                                       "ance\nNa\xefve"),
              QString::fromUtf8("Café\r\nCafé\rSéance\nNaïve"));
    // Written back in its own encoding unless that would read as other text: "ã©©" in
    // Latin-1 is valid UTF-8 for another character, and "ā" has no Latin-1 byte.
    EXPECT_EQ(platform::EncodeFileLine(QString::fromUtf8("Café"), platform::LineEncoding::Latin1),
              "Caf\xe9");
    for (const char* line : {"\xc3\xa3\xc2\xa9\xc2\xa9", "\xc4\x81"})
        EXPECT_EQ(platform::EncodeFileLine(QString::fromUtf8(line), platform::LineEncoding::Latin1),
                  line);
}
