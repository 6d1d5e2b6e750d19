// Loading and closing the phrase window: the first-run "Glyphon.Ini", stored settings through
// the menu items, the layout and its minimum size, the topic menu, and the topic files
// written back at a confirmed quit.
#include "FirstRunSettings.h"
#include "PhraseWindowTestSupport.h"
#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>

TEST_F(PhraseWindowTest, FirstRunWritesTheDefaultsAndShowsTheSplash) {
    auto w = open();
    EXPECT_EQ(sandbox.read("Glyphon.Ini"), kFirstRunGlyphonIni);
    EXPECT_EQ(w->windowTitle(), "Glyphon!");
    EXPECT_EQ(w->statusText(1), "Welcome to Glyphon!  ");
    EXPECT_TRUE(action(*w, "mnu45")->isChecked());
    EXPECT_TRUE(action(*w, "mnuRandom")->isChecked());
    EXPECT_TRUE(action(*w, "mnuSounds")->isChecked());
    EXPECT_EQ(text(*w, "lblHighScore"), "High Score: 30,000");
    EXPECT_TRUE(shown(*w, "lblHighScore"));
    EXPECT_TRUE(QFile::exists(sandbox.path("Glyphon Hi Score Table 45.Txt")));
    EXPECT_EQ(text(*w, "lblProductName"), "Glyphon!");
    EXPECT_EQ(text(*w, "lblCompanyProduct"), "Corvell Presents");
    EXPECT_EQ(text(*w, "lblVersion"), "Version 7.0");
    EXPECT_TRUE(shown(*w, "frmSplash"));
    EXPECT_FALSE(shown(*w, "fmPhrase"));
    EXPECT_FALSE(Shared().CustomScoring);
    EXPECT_EQ(w->size(), QSize(638, 480));
}

TEST_F(PhraseWindowTest, StoredSettingsApplyAndBadOnesFallBack) {
    PhraseOptions().Topic = 6; // the last phrase window of this run chose Music
    sandbox.write("Glyphon.Ini",
                  "[Time]\r\n50\r\n\r\n[Topic]\r\n9\r\n\r\n[Guess Count]\r\n12\r\n\r\n"
                  "[Guess Bonus]\r\n4000\r\n\r\n[Play Music]\r\nTrue\r\n");
    auto w = open();
    EXPECT_EQ(Shared().TimeLimit, 45);
    EXPECT_TRUE(action(*w, "mnu45")->isChecked());
    EXPECT_TRUE(action(*w, "mnuMusicTopic")->isChecked());
    EXPECT_FALSE(action(*w, "mnuRandom")->isChecked());
    EXPECT_EQ(PhraseOptions().GuessCount, 8);
    EXPECT_EQ(PhraseOptions().GuessBonus, 4000);
    EXPECT_TRUE(Shared().CustomScoring);
    EXPECT_TRUE(action(*w, "mnuMusic")->isChecked());
}

TEST_F(PhraseWindowTest, LayoutFollowsTheWindowAndKeepsItsMinimum) {
    auto w = open();
    w->show();
    const QWidget* board = w->findChild<QWidget*>("fmPhrase");
    // Board at W / 2 - 4600, H / 2 - 3500 twips.
    EXPECT_EQ(board->pos(), QPoint(Tw(9570 / 2 - 4600), Tw(7200 / 2 - 3500)));
    EXPECT_EQ(w->cmdLetter(13)->x(), w->cmdLetter(0)->x());  // N under A
    EXPECT_EQ(w->cmdLetter(25)->x(), w->cmdLetter(12)->x()); // Z under M
    EXPECT_EQ(w->cmdLetter(1)->x() - w->cmdLetter(0)->x(), Tw(480));
    w->resize(900, 700);
    EXPECT_EQ(board->pos(), QPoint(Tw(900 * 15 / 2 - 4600), Tw(700 * 15 / 2 - 3500)));
    w->resize(600, 400); // never smaller than the design size
    EXPECT_EQ(w->size(), QSize(638, 480));
}

TEST_F(PhraseWindowTest, MenusAndTopicItems) {
    writeTopics();
    platform::MessageScript answers;
    auto w = open();
    QAction* solve = action(*w, "mnuSolve");
    ASSERT_TRUE(solve);
    EXPECT_EQ(solve->text(), "Solve &It");
    EXPECT_EQ(solve->shortcut(), QKeySequence("Ctrl+I"));
    EXPECT_FALSE(solve->isEnabled());
    QMenu* topics = w->findChild<QMenu*>("mnuTopic");
    ASSERT_TRUE(topics);
    QStringList names;
    for (QAction* a : topics->actions())
        names << a->objectName();
    EXPECT_EQ(names, (QStringList{"mnuPhrases", "mnuMisc", "mnuMusicTopic", "mnuPeople",
                                  "mnuPlaces", "mnuRandom", "mnuSports", "mnuMovies"}));
    action(*w, "mnuPlaces")->trigger();
    EXPECT_EQ(PhraseOptions().Topic, 7);
    EXPECT_TRUE(action(*w, "mnuPlaces")->isChecked());
    EXPECT_FALSE(action(*w, "mnuRandom")->isChecked());
    w->show();
    w->cmdPlay()->click();
    EXPECT_EQ(w->findChild<QGroupBox*>("fmPhrase")->title(), "Topic: Places");
    EXPECT_TRUE(solve->isEnabled());
    EXPECT_FALSE(topics->menuAction()->isEnabled());
    solve->trigger();
    EXPECT_TRUE(w->game().round().solveMode());
    EXPECT_FALSE(solve->isEnabled());
}

TEST_F(PhraseWindowTest, ConfirmedQuitWritesSettingsAndTopicFilesBack) {
    writeTopics();
    sandbox.write("GLS.Dat", "never read\r\n");
    platform::MessageScript answers;
    answers.setFallback(platform::Answer::Yes);
    {
        auto w = open();
        action(*w, "mnuMovies")->trigger();
        w->show();
        w->cmdPlay()->click();
        const QString first = w->game().round().phrase().trimmed().toLower();
        w->cmdPlay()->click(); // abandon
        EXPECT_TRUE(w->requestQuit());
        const QByteArray back = sandbox.read("GLM.Dat");
        ASSERT_TRUE(back.startsWith("CURRENT_PHRASE_NUMBER="));
        const TopicRecord r = ParseTopicText(back);
        EXPECT_TRUE(r.phrases.contains(first));
        EXPECT_NE(r.phrases[r.current], first); // the next run goes on with another phrase
        EXPECT_EQ(sandbox.read("GLS.Dat"), "never read\r\n");
        EXPECT_TRUE(sandbox.read("Glyphon.Ini").contains("[Topic]\r\n1\r\n"));
    }
    // A topic file that cannot be replaced: one message, the others still written.
    Phrases().reset();
    answers.clearAsked();
    auto w = open();
    action(*w, "mnuRandom")->trigger();
    w->show();
    for (int i = 0; i < 12; ++i) {
        w->cmdPlay()->click();
        w->cmdPlay()->click();
    }
    QStringList read;
    for (const TopicInfo& t : Topics())
        if (Phrases().record(t.topic).loaded) read << t.file;
    ASSERT_GE(read.size(), 2);
    QFile::remove(sandbox.path(read[0]));
    QDir().mkdir(sandbox.path(read[0]));
    EXPECT_TRUE(w->requestQuit());
    int told = 0;
    for (const QString& t : answers.texts())
        if (t.startsWith("An error occured when attmpting to access the Glyphon Data files.")) {
            ++told;
            // The message names the file that could not be written, and only that one.
            EXPECT_TRUE(t.contains(sandbox.path(read[0]))) << qPrintable(t);
            EXPECT_FALSE(t.contains(read[1])) << qPrintable(t);
        }
    EXPECT_EQ(told, 1);
    EXPECT_TRUE(sandbox.read(read[1]).startsWith("CURRENT_PHRASE_NUMBER="));
}

TEST_F(PhraseWindowTest, NoGameStartsOnATopicWithoutPhrases) {
    writeTopics();
    sandbox.write("GLX.Dat", "\r\n\r\n");
    platform::MessageScript answers;
    auto w = open();
    action(*w, "mnuMisc")->trigger();
    w->show();
    w->cmdPlay()->click();
    ASSERT_EQ(answers.asked().size(), 1u);
    EXPECT_TRUE(answers.asked()[0].text.contains("GLX.Dat"));
    EXPECT_FALSE(Shared().GameInProgress);
    EXPECT_EQ(w->cmdPlay()->text(), "&Play");
    EXPECT_FALSE(w->Timer1()->isEnabled() || w->Timer5()->isEnabled());
    EXPECT_TRUE(shown(*w, "frmSplash"));
    // A file too large to read, or one that is no file, is told as any file of the program:
    // named, with the critical icon and the game's title.
    sandbox.write("GLS.Dat", QByteArray(platform::kMaxReadSize + 1, 'a'));
    ASSERT_TRUE(QFile::remove(sandbox.path("GLN.Dat")) && QDir().mkdir(sandbox.path("GLN.Dat")));
    for (const auto& [topic, told] :
         {std::pair{"mnuSports", sandbox.path("GLS.Dat") + ": the file is too large"},
          std::pair{"mnuPeople", sandbox.path("GLN.Dat") + ": not a regular file"}}) {
        action(*w, topic)->trigger();
        answers.clearAsked();
        w->cmdPlay()->click();
        ASSERT_EQ(answers.asked().size(), 1u);
        EXPECT_EQ(answers.asked()[0].text, told);
        EXPECT_EQ(answers.asked()[0].icon, platform::Icon::Critical);
        EXPECT_EQ(answers.asked()[0].title, "Glyphon!");
        EXPECT_FALSE(Shared().GameInProgress);
    }
    // A missing file: the one-phrase file and its message, and the round is played on it.
    QFile::remove(sandbox.path("GLMU.Dat"));
    action(*w, "mnuMusicTopic")->trigger();
    answers.clearAsked();
    w->cmdPlay()->click();
    ASSERT_EQ(answers.asked().size(), 1u);
    EXPECT_EQ(answers.asked()[0].icon, platform::Icon::Critical);
    EXPECT_EQ(answers.asked()[0].title, platform::kDefaultTitle);
    EXPECT_TRUE(Shared().GameInProgress);
    EXPECT_EQ(w->game().round().phrase().simplified().toUpper(), QString(kMissingPhrase).toUpper());
}
