// Every game window against a settings file it cannot use as stored: a size the screen cannot
// hold, a settings file that is a pipe or too large, and one that lacks a key.
#include "GameWindowTestSupport.h"
#include "frame/SettingsTable.h"
#include "platform/MessageBox.h"
#include "platform/SafeFile.h"

#include <QAction>

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
    // Every block of `key` taken out.
    static QByteArray without(const QByteArray& ini, const QString& key) {
        const QRegularExpression block(QRegularExpression::escape(key) +
                                       "\\r\\n[^\\r]*\\r\\n(\\r\\n)?");
        return QString::fromLatin1(ini).remove(block).toLatin1();
    }
    void removeTables() const {
        for (const QString& name : QDir(dir.path()).entryList({"*.Txt"}, QDir::Files))
            QFile::remove(sandbox.path(name));
    }
    QStringList tables() const { return QDir(dir.path()).entryList({"*.Txt"}, QDir::Files); }
};

// What each window's first-run file holds for the switches every window shares.
struct SharedDefaults {
    const char* window;
    const char* timeKey;
    int time;      // the load default
    int otherTime; // an offered limit that is not the default
    int deck;      // the design's number in this game; 0: no card backs
    const char* deckItem;
    QStringList keptKeys{}; // keys whose value outlives the window, so a missing one keeps it
};
const SharedDefaults kSharedDefaults[] = {
    {"frmElevens", "[Time]", 90, 60, 1, "mnuPalm"},
    {"frmQuintel", "[Time]", 60, 30, 4, "mnuPalm"},
    {"frmBrisko", "[Time Limit]", 90, 60, 3, "mnuNight"},
    {"frmCrestal", "[Time]", 45, 60, 1, "mnuPalm"},
    {"frmTwindle", "[Time]", 45, 60, 1, "mnuPalm"},
    {"frmScramble", "[Time]", 75, 60, 1, "mnuPalm"},
    {"frmTrip", "[Time]", 120, 90, 1, "mnuPalm"},
    {"frmPhrase", "[Time]", 45, 60, 0, nullptr, {"[Topic]"}},
    {"frmEights", "[Time]", 90, 60, 1, "mnuPalm"},
};

// What the previous window could have left in every value the table keeps.
void LeaveOtherValues(const SettingsTable& t, const QStringList& kept) {
    for (const SettingRow& r : t.rows())
        if (r.set && !kept.contains(r.key))
            r.set(r.kind == SettingRow::Kind::Flag ? 1 - r.defaultValue : r.defaultValue + 1);
    Shared().DeckDesign = 0;
}

// Every value of the table at its default but `time` under the time key; the sounds, music,
// card-back and time items marked as their variables say.
void ExpectDefaultsAndMarks(const GameWindow& w, const SharedDefaults& d, int time) {
    const SettingsTable& t = w.profile().settings();
    for (const SettingRow& r : t.rows()) {
        if (!r.get || d.keptKeys.contains(r.key)) continue;
        EXPECT_EQ(r.get(), r.key == d.timeKey ? time : r.defaultValue) << qPrintable(r.key);
    }
    const SharedState& s = Shared();
    EXPECT_EQ(s.TimeLimit, time);
    EXPECT_TRUE(s.SoundsOn);
    EXPECT_FALSE(s.MusicOn);
    EXPECT_EQ(w.item("mnuSounds")->isChecked(), s.SoundsOn);
    EXPECT_EQ(w.item("mnuMusic")->isChecked(), s.MusicOn);
    for (const TimeItem& item : w.profile().timeItems)
        EXPECT_EQ(w.item(QString("mnu%1").arg(item.seconds))->isChecked(), item.seconds == time)
            << item.seconds;
    if (!d.deck) return;
    EXPECT_EQ(s.DeckDesign, d.deck);
    for (const char* name : kCardBackItems)
        EXPECT_EQ(w.item(name)->isChecked(), QByteArray(name) == d.deckItem) << name;
}

const SharedDefaults* SharedDefaultsOf(const GameDescriptor& g) {
    for (const SharedDefaults& d : kSharedDefaults)
        if (QByteArray(d.window) == g.window) return &d;
    return nullptr;
}

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
        EXPECT_TRUE(qobject_cast<GameWindow*>(w.get())->requestQuit());
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

        EXPECT_TRUE(qobject_cast<GameWindow*>(w.get())->requestQuit());
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

TEST_F(StoredSettings, AMissingKeyGivesTheWindowsOwnDefaultAndOnlyTheStoredLimitsTableIsMade) {
    int windows = 0;
    for (const GameDescriptor* g : AllGames()) {
        if (!g->createWindow) continue;
        SCOPED_TRACE(g->window);
        const SharedDefaults* d = SharedDefaultsOf(*g);
        ASSERT_NE(d, nullptr);
        ++windows;
        removeSettingsFiles();
        openWindow(*g);
        const QString name = settingsFile();
        ASSERT_FALSE(name.isEmpty());
        const QByteArray stored = withValue(file(name), d->timeKey, QString::number(d->otherTime));
        const SettingsTable& t = g->profile->settings();
        QStringList keys;
        for (const SettingRow& r : t.rows())
            if (r.kind != SettingRow::Kind::WindowBlocks && !keys.contains(r.key)) keys << r.key;
        for (const QString& key : keys) {
            SCOPED_TRACE(key.toStdString());
            sandbox.write(name, without(stored, key));
            removeTables();
            LeaveOtherValues(t, d->keptKeys);
            auto w = openWindow(*g);
            const int time = key == d->timeKey ? d->time : d->otherTime;
            ExpectDefaultsAndMarks(*qobject_cast<GameWindow*>(w.get()), *d, time);
            const QStringList made = tables();
            EXPECT_EQ(made.size(), 1);
            for (const QString& table : made)
                EXPECT_TRUE(table.endsWith(QString(" %1.Txt").arg(time)) ||
                            table.endsWith(QString("_%1.Txt").arg(time)))
                    << table.toStdString();
        }
    }
    EXPECT_EQ(windows, 9);
}

TEST_F(StoredSettings, ARefusedSettingsFileGivesTheWindowsOwnDefaultsAndTheQuitStoresThem) {
    for (const GameDescriptor* g : AllGames()) {
        if (!g->createWindow) continue;
        SCOPED_TRACE(g->window);
        const SharedDefaults* d = SharedDefaultsOf(*g);
        ASSERT_NE(d, nullptr);
        removeSettingsFiles();
        openWindow(*g);
        const QString name = settingsFile();
        ASSERT_FALSE(name.isEmpty());
        {
            QFile big(sandbox.path(name)); // larger than any settings file is read
            ASSERT_TRUE(big.resize(platform::kMaxReadSize + 1));
        }
        removeTables();
        LeaveOtherValues(g->profile->settings(), d->keptKeys);
        platform::MessageScript answers;
        answers.setFallback(platform::Answer::Yes);
        auto w = openWindow(*g);
        ASSERT_EQ(answers.asked().size(), 1u);
        EXPECT_TRUE(answers.asked()[0].text.contains("The default settings are used instead"));
        ExpectDefaultsAndMarks(*qobject_cast<GameWindow*>(w.get()), *d, d->time);
        EXPECT_EQ(tables().size(), 1);

        EXPECT_TRUE(qobject_cast<GameWindow*>(w.get())->requestQuit());
        const QByteArray written = file(name);
        EXPECT_EQ(value(written, "[Play Sounds]"), "True");
        EXPECT_EQ(value(written, "[Play Music]"), "False");
        if (d->deck) {
            EXPECT_EQ(value(written, "[Deck]"), QString::number(d->deck));
        }
    }
}
