// Every game window against its table: controls and menus by name, captions, shortcuts,
// timers. The real windows are checked as they are built; the test window stands in until then.
#include "FrameTestSupport.h"

#include <QPushButton>
#include <QStatusBar>

namespace {

void expectItem(const GameWindow& w, const MenuEntry& e) {
    QAction* a = w.item(e.name);
    ASSERT_NE(a, nullptr) << w.objectName().toStdString() << " " << e.name;
    EXPECT_EQ(a->text(), QString::fromUtf8(e.caption)) << e.name;
    EXPECT_EQ(a->shortcut(), QKeySequence(e.shortcut)) << e.name;
}

void expectWindowMatches(const GameWindow& w, const GameDescriptor& game) {
    SCOPED_TRACE(game.window);
    const GameProfile& p = *game.profile;
    EXPECT_EQ(w.objectName(), game.window);

    auto* quit = w.findChild<QPushButton*>(p.quitButton);
    ASSERT_NE(quit, nullptr);
    EXPECT_EQ(quit->text(), p.quitCaption);
    EXPECT_EQ(quit->toolTip(), p.quitTip);
    EXPECT_EQ(w.findChild<QPushButton*>("cmdPlay")->text(), "&Play");
    EXPECT_EQ(w.findChild<QPushButton*>("cmdPause")->text(), p.pauseCaption);
    EXPECT_FALSE(w.findChild<QPushButton*>("cmdPause")->isEnabled());
    EXPECT_EQ(w.findChild<QPushButton*>("cmdTakeScore") != nullptr, p.takeScoreButton);

    for (const char* name : {p.stateLabel, p.messageLabel, p.scoreLabel, "lblTime", "lblHighScore"})
        EXPECT_NE(w.findChild<QLabel*>(name), nullptr) << name;
    EXPECT_EQ(w.findChild<QLabel*>("lblScoring") != nullptr, p.hasScoringLabel);
    EXPECT_EQ(w.findChild<QWidget*>("ScoringLabelOutline") != nullptr, p.hasScoringOutline);
    for (const char* name : {"Surface", "TimerRectangle", "TimerBevelSide", "TimerBevelBottom",
                             "frmSplash", "imgSplashImage_0", "imgSplashImage_3"})
        EXPECT_NE(w.findChild<QWidget*>(name), nullptr) << name;
    auto* bar = w.findChild<QStatusBar*>("StatusBar1");
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly).size(),
              p.datePanel ? 4 : 3);

    // Menus.
    ASSERT_NE(w.menu(p.gameMenu), nullptr);
    EXPECT_EQ(w.menu(p.gameMenu)->title(), p.gameMenuCaption);
    expectItem(w, {"mnuPlay", "&Play", "Ctrl+P"});
    expectItem(w, {"mnuPause", "Pau&se", "Ctrl+S"});
    expectItem(w, {"mnuExit", "E&xit", p.exitShortcut});
    EXPECT_EQ(w.item("mnuTakeScore") != nullptr, p.takeScoreItem);
    for (const MenuEntry& e : {p.view, p.clear, p.custom, p.rules, p.about})
        expectItem(w, e);
    expectItem(w, {"mnuMusic", p.musicCaption, "Ctrl+M"});
    expectItem(w, {"mnuSounds", "&Play Sounds", "Ctrl+L"});

    QMenu* time = w.menu(p.timeMenu);
    ASSERT_NE(time, nullptr);
    EXPECT_EQ(time->title(), p.timeMenuCaption);
    const auto timeActions = time->actions();
    ASSERT_EQ(size_t(timeActions.size()), p.timeItems.size());
    for (size_t i = 0; i < p.timeItems.size(); ++i) {
        EXPECT_EQ(timeActions[qsizetype(i)]->objectName(),
                  QString("mnu%1").arg(p.timeItems[i].seconds));
        EXPECT_EQ(timeActions[qsizetype(i)]->text(), QString::fromUtf8(p.timeItems[i].caption));
        EXPECT_TRUE(timeActions[qsizetype(i)]->shortcut().isEmpty());
    }

    QMenu* deck = w.menu("mnuDeck");
    EXPECT_EQ(deck != nullptr, p.hasCardBacks);
    if (deck) {
        EXPECT_EQ(deck->title(), p.deckMenuCaption);
        const auto items = deck->actions();
        ASSERT_EQ(items.size(), 4);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(items[i]->objectName(), kCardBackItems[size_t(p.deckItemOrder[size_t(i)])]);
    }

    // Timers.
    auto timer = [&w](const char* name) { return w.findChild<platform::GameTimer*>(name); };
    ASSERT_NE(timer("Timer1"), nullptr);
    EXPECT_EQ(timer("Timer1")->interval(), 1000);
    EXPECT_EQ(timer("Timer2")->interval(), 200);
    ASSERT_NE(timer(p.statusClockTimer), nullptr);
    EXPECT_EQ(timer(p.statusClockTimer)->interval(), 60000);
    EXPECT_TRUE(timer(p.statusClockTimer)->isEnabled());
    EXPECT_EQ(timer("Timer4")->interval(), p.splashInterval);
}

} // namespace

TEST_F(FrameTest, EveryWindowCarriesTheControlsAndMenusOfItsTable) {
    ASSERT_EQ(AllGames().size(), 9u);
    for (const GameDescriptor* g : AllGames()) {
        TestGameWindow stand_in(*g);
        expectWindowMatches(stand_in, *g);
        if (g->createWindow) {
            std::unique_ptr<QWidget> real(g->createWindow());
            auto* game = qobject_cast<GameWindow*>(real.get());
            ASSERT_NE(game, nullptr) << g->window;
            expectWindowMatches(*game, *g);
        }
    }
}

TEST_F(FrameTest, GamesAreFoundByTheExactWindowNameAndTitle) {
    EXPECT_NE(FindGameByWindow("frmEights"), nullptr);
    EXPECT_EQ(FindGameByWindow("frmeights"), nullptr);
    EXPECT_EQ(FindGameByTitle("Wildrow!"), FindGameByWindow("frmEights"));
    EXPECT_EQ(FindGameByTitle("Wildrow"), nullptr);
    const GameProfile& trip = *FindGameByWindow("frmTrip")->profile;
    EXPECT_EQ(trip.timeItem(120)->caption, std::string("1&20 seconds (default)"));
    EXPECT_EQ(trip.timeItem(45), nullptr);
    EXPECT_EQ(FindGameByWindow("frmEights")->profile->designIndexOf(2), NightCastle);
    EXPECT_EQ(FindGameByWindow("frmQuintel")->profile->designIndexOf(1), HotCards);
    EXPECT_EQ(FindGameByWindow("frmQuintel")->profile->designIndexOf(5), -1);
}

TEST_F(FrameTest, TheElevensWindowAddsItsOwnEntriesAndControls) {
    Shared().GameTitle = "Sumbry!";
    std::unique_ptr<QWidget> real(game("frmElevens").createWindow());
    auto* w = qobject_cast<GameWindow*>(real.get());
    ASSERT_NE(w, nullptr);
    auto names = [](const QMenu* m) {
        QStringList out;
        for (const QAction* a : m->actions())
            out << (a->isSeparator() ? QString("|") : a->objectName());
        return out;
    };
    EXPECT_EQ(names(w->menu("mnuFile")), QStringList({"mnuPlay", "mnuTakeScore", "mnuPause", "|",
                                                      "mnuSave", "mnuOpen", "|", "mnuExit"}));
    EXPECT_EQ(
        names(w->menu("mnuOptions")),
        QStringList({"mnuViewHiScore", "mnuClear", "|", "mnuTime", "mnuGoal", "mnuScoring", "|",
                     "mnuMusic", "mnuSounds", "|", "mnuDrawTimer", "mnuColor", "mnuDeck"}));
    expectItem(*w, {"mnuSave", "Sa&ve Last Game...", ""});
    expectItem(*w, {"mnuOpen", "&Open Game...", ""});
    expectItem(*w, {"mnuDrawTimer", "Count &Down when taking score", "Ctrl+D"});
    const MenuEntry goals[] = {{"mnu10", "1&0", ""}, {"mnu11", "1&1 (Default)", ""},
                               {"mnu12", "1&2", ""}, {"mnu13", "1&3", ""},
                               {"mnu14", "1&4", ""}, {"mnu15", "1&5", ""}};
    for (const MenuEntry& e : goals)
        expectItem(*w, e);
    const MenuEntry colours[] = {{"mnuYellow", "&Yellow", ""}, {"mnuRed", "&Red (Default)", ""},
                                 {"mnuBlue", "&Blue", ""},     {"mnuGreen", "&Green", ""},
                                 {"mnuPurple", "&Purple", ""}, {"mnuBlack", "&Black", ""}};
    for (const MenuEntry& e : colours)
        expectItem(*w, e);
    EXPECT_EQ(w->item("mnuGoal")->text(), "Card &Goal");
    EXPECT_EQ(w->item("mnuColor")->text(), "&Card Selection Color");

    QStringList controls;
    for (int i = 0; i < 22; ++i)
        controls << QString("FieldCardPicture_%1").arg(i)
                 << QString("FieldSelectionRectangle_%1").arg(i);
    controls << "PlayCardPicture"
             << "UpCardPicture"
             << "UpCardSelectionRectangle"
             << "ScoreRectangle"
             << "ScoreBevelSide"
             << "ScoreBevelBottom"
             << "ElevensRectangle"
             << "ElevensBevelSide"
             << "ElevensBevelBottom"
             << "RoundRectangle"
             << "RoundBevelSide"
             << "RoundBevelBottom"
             << "CardTotalRectangle"
             << "CardTotalBevelSide"
             << "CardTotalBevelBottom";
    for (const QString& name : controls)
        EXPECT_NE(w->findChild<QWidget*>(name), nullptr) << name.toStdString();
    const std::pair<const char*, const char*> labels[] = {
        {"lblScore", "Score:"},     {"lblElevens", "Elevens:"},
        {"lblRound", "Round:"},     {"lblTotal", "Card Total"},
        {"lblCurrentElevens", "0"}, {"lblCurrentRound", "0"},
        {"lblCurrentTotal", "0"},   {"lblCardCount", "Cards: 30"},
        {"lblMessage", "Message"},  {"lblPlatform", "Windows 95/98/00/NT"}};
    for (const auto& [name, caption] : labels) {
        ASSERT_NE(w->label(name), nullptr) << name;
        EXPECT_EQ(w->label(name)->text(), caption) << name;
    }
    EXPECT_EQ(w->cmdTakeScore()->toolTip(), "Ends current round and awards time bonus");
    EXPECT_EQ(w->Timer4()->interval(), 250);
    EXPECT_TRUE(w->Timer4()->isEnabled());
}
