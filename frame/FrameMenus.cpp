// The frame's menus: high scores, custom scoring, rules and about; time limits; card backs;
// sound and music switches.
#include "dialogs/HighScoreEntry.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmHighScores.h"
#include "dialogs/frmRules.h"
#include "frame/Captions.h"
#include "frame/GameWindow.h"
#include "platform/MessageBox.h"
#include "services/Artwork.h"
#include "services/HighScores.h"
#include "services/PictureList.h"
#include "services/SharedState.h"
#include "services/Sound.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

QAction* GameWindow::addItem(QMenu* parent, const MenuEntry& entry, void (GameWindow::*handler)()) {
    auto* a = parent->addAction(QString::fromUtf8(entry.caption));
    a->setObjectName(entry.name);
    if (entry.shortcut && *entry.shortcut) a->setShortcut(QKeySequence(entry.shortcut));
    if (handler) connect(a, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
    items_[entry.name] = a;
    return a;
}

void GameWindow::addMenuToken(const QString& token, QMenu* m) {
    const GameProfile& p = profile_;
    if (token == "|") {
        m->addSeparator();
    } else if (token == "play") {
        addItem(m, {"mnuPlay", "&Play", "Ctrl+P"}, &GameWindow::mnuPlay_Click);
    } else if (token == "pause") {
        addItem(m, {"mnuPause", "Pau&se", "Ctrl+S"}, &GameWindow::mnuPause_Click)
            ->setEnabled(false);
    } else if (token == "takescore") {
        addItem(m, {"mnuTakeScore", "&Take Score", "Ctrl+T"}, &GameWindow::mnuTakeScore_Click)
            ->setEnabled(false);
    } else if (token == "exit") {
        addItem(m, {"mnuExit", "E&xit", p.exitShortcut}, &GameWindow::mnuExit_Click);
    } else if (token == "view") {
        addItem(m, p.view, &GameWindow::mnuView_Click);
    } else if (token == "clear") {
        addItem(m, p.clear, &GameWindow::mnuClear_Click);
    } else if (token == "custom") {
        addItem(m, p.custom, &GameWindow::mnuCustom_Click);
    } else if (token == "rules") {
        addItem(m, p.rules, &GameWindow::mnuRules_Click);
    } else if (token == "about") {
        addItem(m, p.about, &GameWindow::mnuAbout_Click);
    } else if (token == "music") {
        addItem(m, {"mnuMusic", p.musicCaption, "Ctrl+M"}, &GameWindow::mnuMusic_Click)
            ->setCheckable(true);
    } else if (token == "sounds") {
        QAction* a =
            addItem(m, {"mnuSounds", "&Play Sounds", "Ctrl+L"}, &GameWindow::mnuSounds_Click);
        a->setCheckable(true);
        a->setChecked(p.soundsCheckedAtDesign);
    } else if (token == "time") {
        QMenu* sub = m->addMenu(p.timeMenuCaption);
        sub->setObjectName(p.timeMenu);
        sub->menuAction()->setObjectName(p.timeMenu);
        menus_[p.timeMenu] = sub;
        for (const TimeItem& t : p.timeItems) {
            const QString name = QString("mnu%1").arg(t.seconds);
            auto* a = sub->addAction(QString::fromUtf8(t.caption));
            a->setObjectName(name);
            a->setCheckable(true);
            a->setChecked(t.seconds == p.timeCheckedAtDesign);
            const int seconds = t.seconds;
            connect(a, &QAction::triggered, this, [this, seconds] { TimeItem_Click(seconds); });
            items_[name] = a;
        }
    } else if (token == "deck") {
        if (!p.hasCardBacks) return;
        QMenu* sub = m->addMenu(p.deckMenuCaption);
        sub->setObjectName("mnuDeck");
        sub->menuAction()->setObjectName("mnuDeck");
        menus_["mnuDeck"] = sub;
        const QStringList names = CardBackDesignNames();
        for (CardBack d : p.deckItemOrder) {
            auto* a = sub->addAction("&" + names[d]);
            a->setObjectName(kCardBackItems[size_t(d)]);
            a->setCheckable(true);
            a->setChecked(d == PalmTree && p.palmCheckedAtDesign);
            connect(a, &QAction::triggered, this, [this, d] { CardBack_Click(d); });
            items_[kCardBackItems[size_t(d)]] = a;
        }
    } else {
        AddOwnMenuEntry(token, m);
    }
}

void GameWindow::BuildMenus() {
    QMenuBar* bar = menuBar();
    auto top = [this, bar](const char* name, const char* caption,
                           const std::vector<const char*>& layout) {
        QMenu* m = bar->addMenu(caption);
        m->setObjectName(name);
        m->menuAction()->setObjectName(name);
        menus_[name] = m;
        for (const char* token : layout)
            addMenuToken(token, m);
    };
    top(profile_.gameMenu, profile_.gameMenuCaption, profile_.gameMenuLayout);
    top("mnuOptions", "&Options", profile_.optionsLayout);
    top("mnuHelp", "&Help", profile_.helpLayout);
}

QString GameWindow::HighScoreTableName() const {
    return game_.currentTable();
}

void GameWindow::ShowTopScore(const QString& tableName, const QString& defaultTop) {
    ShowHighScore(tableName, this, defaultTop);
    ApplyRegisteredRule(this, "lblHighScore");
}

void GameWindow::ShowTopScore() {
    ShowTopScore(HighScoreTableName(), game_.defaultTop);
}

void GameWindow::withPause(PauseAround form, const std::function<void()>& show) {
    // Where the round is not paused it runs on in view, and a time-up waits for the window.
    const bool pausedHere = form != PauseAround::None && pauseForQuestion();
    askOverRound(show);
    if (pausedHere) {
        resumeAfterQuestion(true);
        if (form == PauseAround::Flag) SetCaption(label(profile_.messageLabel), QString());
    }
    runDueRoundEnd();
}

void GameWindow::mnuView_Click() {
    withPause(profile_.viewPause, [this] {
        // Making it is no Clear: a table the load could not make was told of then.
        if (profile_.viewCreatesTable)
            MakeMissingHighScoreFile(HighScoreTableName(), game_.defaultTop, false);
        ShowHallOfFame(this);
        // Its Clear writes the top score from below the frame.
        ApplyRegisteredRule(this, "lblHighScore");
    });
}

void GameWindow::mnuClear_Click() {
    withPause(profile_.clearPause, [this] {
        if (platform::MsgBox("This will clear all High Scores. Are You Sure?",
                             platform::Buttons::YesNo, platform::Icon::Question, Shared().GameTitle,
                             this) != platform::Answer::Yes)
            return;
        const QString table = HighScoreTableName();
        CreateHighScoreFile(table, this, game_.defaultTop);
        ShowTopScore(table, game_.defaultTop);
    });
}

void GameWindow::mnuCustom_Click() {
    withPause(PauseAround::None, [this] { ShowCustomScoring(); });
}
void GameWindow::mnuRules_Click() {
    withPause(profile_.rulesPause, [this] { ShowRulesWindow(RulesValuesNow(), this); });
}
RulesValues GameWindow::RulesValuesNow() const {
    RulesValues v = RulesValues::DefaultsFor(Shared().GameTitle);
    v.TakeShared();
    return v;
}

void GameWindow::mnuAbout_Click() {
    withPause(profile_.aboutPause, [this] { ShowAboutBox(this); });
}

void GameWindow::ClearTimeCheck() {
    for (const TimeItem& t : profile_.timeItems)
        if (QAction* a = item(QString("mnu%1").arg(t.seconds))) a->setChecked(false);
}

void GameWindow::TimeItem_Click(int seconds) {
    QAction* own = item(QString("mnu%1").arg(seconds));
    if (!own || !profile_.timeItem(seconds)) return;
    Shared().TimeLimit = seconds;
    ClearTimeCheck();
    own->setChecked(true);
    if (profile_.timeItemSetsTimeLabel)
        SetCaption(label("lblTime"), "Time: " + QString::number(seconds));
    TimeLimitChanged();
    ShowTopScore();
}

void GameWindow::ApplyStoredTimeLimit(int seconds) {
    TimeItem_Click(profile_.timeItem(seconds) ? seconds : game_.defaultTime);
}

void GameWindow::ClearBackgroundMenuChecks() {
    for (const char* name : {"mnuMagic", "mnuPalm", "mnuNight", "mnuHot"})
        if (QAction* a = item(name)) a->setChecked(false);
}

void GameWindow::CardBack_Click(CardBack design) {
    if (!profile_.hasCardBacks) return;
    ClearBackgroundMenuChecks();
    if (QAction* a = item(kCardBackItems[size_t(design)])) a->setChecked(true);
    PictureList& pictures = CardPictureList();
    const int first = 1 + 3 * int(design);
    if (profile_.stockControl)
        if (QLabel* stock = label(profile_.stockControl)) stock->setPixmap(pictures.picture(first));
    // A key names one picture only: free all twelve before keying the chosen three.
    for (int i = 1; i <= 12; ++i)
        pictures.setKey(i, QString());
    pictures.setKey(first, "FULL");
    pictures.setKey(first + 1, "BACK");
    pictures.setKey(first + 2, "HALF");
    Shared().DeckDesign = profile_.designNumbers[size_t(design)];
    if (profile_.refreshPlayCard) RefreshPlayCard();
    if (profile_.refreshFieldCards == FieldRedraw::Always ||
        (profile_.refreshFieldCards == FieldRedraw::WhenPaused && state() == State::Paused))
        RefreshFieldCards();
}

void GameWindow::ApplyStoredDeckDesign(int number) {
    if (!profile_.hasCardBacks) return;
    const int index = profile_.designIndexOf(number);
    CardBack_Click(index < 0 ? PalmTree : CardBack(index));
}

void GameWindow::mnuMusic_Click() {
    SharedState& s = Shared();
    s.MusicOn = !s.MusicOn;
    if (QAction* a = item("mnuMusic")) a->setChecked(s.MusicOn);
    if (gameRunning()) s.MusicOn ? PlayMusic() : StopMusic();
}

void GameWindow::mnuSounds_Click() {
    SharedState& s = Shared();
    s.SoundsOn = !s.SoundsOn;
    if (QAction* a = item("mnuSounds")) a->setChecked(s.SoundsOn);
}

void GameWindow::SetMusicSwitch(bool on) {
    Shared().MusicOn = on;
    if (QAction* a = item("mnuMusic")) a->setChecked(on);
}

void GameWindow::SetSoundsSwitch(bool on) {
    Shared().SoundsOn = on;
    if (QAction* a = item("mnuSounds")) a->setChecked(on);
}
