// Every game window against a settings file it cannot use as stored: a size the screen cannot
// hold, and a settings file that is a pipe.
#include "GameWindowTestSupport.h"
#include "platform/MessageBox.h"

#include <QDir>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>

#include <sys/stat.h>

namespace {

class StoredSettings : public testsupport::GameWindowTest {
  protected:
    StoredSettings() : GameWindowTest("frmElevens") {}

    std::unique_ptr<QWidget> openWindow(const GameDescriptor& g) {
        Shared().GameTitle = g.title;
        std::unique_ptr<QWidget> w(g.createWindow());
        platform::ProgramTime::takePauseLog();
        return w;
    }
    // The one settings file a first load leaves in the program folder.
    QString settingsFile() const {
        const QStringList files = QDir(dir.path()).entryList({"*.Ini"}, QDir::Files);
        return files.size() == 1 ? files[0] : QString();
    }
    void removeSettingsFiles() const {
        for (const QString& name : QDir(dir.path()).entryList({"*.Ini"}, QDir::Files))
            QFile::remove(sandbox.path(name));
    }
    static QString value(const QByteArray& ini, const QString& key) {
        const QRegularExpression block(QRegularExpression::escape(key) + "\\r\\n([^\\r]*)\\r\\n");
        return block.match(QString::fromLatin1(ini)).captured(1);
    }
    static QByteArray withValue(QByteArray ini, const QString& key, const QString& v) {
        const QRegularExpression block("(" + QRegularExpression::escape(key) +
                                       "\\r\\n)[^\\r]*(\\r\\n)");
        return QString::fromLatin1(ini).replace(block, "\\1" + v + "\\2").toLatin1();
    }
};

} // namespace

TEST_F(StoredSettings, ASizeTheScreenCannotHoldKeepsTheDefaultAndTheQuitStoresIt) {
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    int windows = 0;
    for (const GameDescriptor* g : AllGames()) {
        if (!g->createWindow) continue;
        SCOPED_TRACE(g->window);
        ++windows;
        platform::MessageScript answers;
        answers.setFallback(platform::Answer::Yes);
        removeSettingsFiles();
        QSize designed;
        {
            auto fresh = openWindow(*g);
            designed = fresh->size();
        }
        const QString name = settingsFile();
        ASSERT_FALSE(name.isEmpty());
        const QByteArray defaults = file(name);
        const QString width = value(defaults, "[Width]");
        const QString height = value(defaults, "[Height]");
        ASSERT_FALSE(width.isEmpty());
        ASSERT_FALSE(height.isEmpty());

        // One pixel more than the screen, and the largest number a value can hold.
        const int wider = (screen.width() + 1) * 15;
        sandbox.write(name, withValue(withValue(defaults, "[Width]", QString::number(wider)),
                                      "[Height]", "2147483647"));
        auto w = openWindow(*g);
        EXPECT_EQ(w->size(), designed);
        EXPECT_TRUE(w->close());
        EXPECT_EQ(value(file(name), "[Width]"), width);
        EXPECT_EQ(value(file(name), "[Height]"), height);
    }
    EXPECT_EQ(windows, 9);
}

TEST_F(StoredSettings, ASettingsFileThatIsAPipeIsNamedOnceAtTheLoadAndLeftAtTheQuit) {
    for (const GameDescriptor* g : AllGames()) {
        if (!g->createWindow) continue;
        SCOPED_TRACE(g->window);
        removeSettingsFiles();
        QString path;
        {
            platform::MessageScript quiet;
            openWindow(*g);
            path = sandbox.path(settingsFile());
        }
        ASSERT_TRUE(QFile::remove(path));
        ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0);

        platform::MessageScript answers;
        answers.setFallback(platform::Answer::Yes);
        auto w = openWindow(*g);
        EXPECT_EQ(Shared().TimeLimit, g->defaultTime); // the defaults are in force
        ASSERT_EQ(answers.asked().size(), 1u);
        EXPECT_TRUE(answers.asked()[0].text.contains(path))
            << answers.asked()[0].text.toStdString();

        EXPECT_TRUE(w->close());
        ASSERT_EQ(answers.asked().size(), 3u); // the quit question, then the refused write
        EXPECT_EQ(answers.asked()[1].buttons, platform::Buttons::YesNo);
        EXPECT_TRUE(answers.asked()[2].text.contains(path))
            << answers.asked()[2].text.toStdString();
        struct stat st {};
        ASSERT_EQ(lstat(QFile::encodeName(path).constData(), &st), 0);
        EXPECT_TRUE(S_ISFIFO(st.st_mode));
        QFile::remove(path);
    }
}
