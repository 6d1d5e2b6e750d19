#pragma once
// The elevens window in a test: a fresh program folder, virtual time, recorded sound, the
// program-wide state put back afterwards, and a player that finds combinations on the board.

#include "app/SharedState.h"
#include "games/elevens/ElevensPictures.h"
#include "games/elevens/ElevensSettings.h"
#include "games/elevens/frmElevens.h"
#include "platform/Audio.h"
#include "platform/GameTimer.h"
#include "platform/ProgramTime.h"
#include "services/Deck.h"
#include "services/Random.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

class ElevensWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        savedShared_ = Shared();
        savedOptions_ = ElevensOptions();
        savedLast_ = LastElevensGame();
        ASSERT_TRUE(dir.isValid());
        Shared() = SharedState{};
        Shared().ProgramFolder = dir.path() + "/";
        Shared().GameTitle = "Sumbry!";
        Shared().UserName = "Ada";
        Shared().NewHighScoreIndex = -1;
        ElevensOptions() = ElevensSettings{};
        LastElevensGame() = ElevensLastGame{};
        platform::ProgramTime::useVirtual(QDateTime(QDate(2024, 3, 1), QTime(9, 4, 30)));
        auto recording = std::make_unique<platform::RecordingAudio>();
        audio = recording.get();
        previousAudio_ = platform::SetAudioBackend(std::move(recording));
        SeedRandom(20240301);
    }
    void TearDown() override {
        platform::SetAudioBackend(std::move(previousAudio_));
        platform::ProgramTime::takePauseLog();
        platform::ProgramTime::useReal();
        Shared() = savedShared_;
        ElevensOptions() = savedOptions_;
        LastElevensGame() = savedLast_;
    }

    std::unique_ptr<frmElevens> open() {
        auto w = std::make_unique<frmElevens>();
        platform::ProgramTime::takePauseLog();
        return w;
    }
    static std::vector<int> pauses() { return platform::ProgramTime::takePauseLog(); }
    QByteArray file(const QString& name) const {
        QFile f(dir.path() + "/" + name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QStringList waves() {
        QStringList names;
        for (const QString& path : audio->waves)
            names << path.mid(path.lastIndexOf('/') + 1);
        audio->waves.clear();
        return names;
    }

    static QString text(const frmElevens& w, const char* name) {
        const QLabel* l = w.label(name);
        return l ? l->text() : QString("<no %1>").arg(name);
    }
    static bool shown(const frmElevens& w, const char* name) {
        const QWidget* c = w.findChild<QWidget*>(name);
        return c && c->isVisibleTo(&w);
    }

    // A left-button press, as the player's click reaches a card.
    static void press(QWidget* target) {
        const QPointF at(10, 10);
        QMouseEvent e(QEvent::MouseButtonPress, at, target->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(target, &e);
    }
    // The widget a click lands on at the centre of a card: the card itself, through its frame.
    static QWidget* hitAtCentreOf(frmElevens& w, QWidget* card) {
        QWidget* area = w.centralWidget();
        return area->childAt(card->geometry().center());
    }

    // Exposed field places (and -1 for the up card) whose values make the card goal; empty
    // when the board offers none.
    static std::vector<int> findCombination(const frmElevens& w) {
        const ElevensGame& g = w.game();
        std::vector<std::pair<int, int>> cards;
        for (int i = 0; i < kFieldPlaces; ++i)
            if (g.field().present(i) && g.field().exposed(i))
                cards.push_back({i, CardValue(g.field().card(i))});
        if (!g.upCard().isEmpty()) cards.push_back({-1, CardValue(g.upCard())});
        std::vector<int> chosen;
        std::function<bool(size_t, int)> search = [&](size_t from, int left) {
            if (left == 0) return true;
            for (size_t k = from; k < cards.size(); ++k) {
                if (cards[k].second > left) continue;
                chosen.push_back(cards[k].first);
                if (search(k + 1, left - cards[k].second)) return true;
                chosen.pop_back();
            }
            return false;
        };
        return search(0, Shared().CardGoal) ? chosen : std::vector<int>{};
    }
    static void clickCards(frmElevens& w, const std::vector<int>& places) {
        for (int place : places)
            press(place < 0 ? static_cast<QWidget*>(w.UpCardPicture())
                            : static_cast<QWidget*>(w.FieldCardPicture(place)));
    }
    // Plays combinations, drawing from the pile when none is left, until the field is
    // cleared, the pile is used up or `most` combinations were made. Returns their number.
    static int playRound(frmElevens& w, int most = 1000) {
        int made = 0;
        const int round = w.game().round();
        while (made < most && w.game().state() == ElevensState::Running &&
               w.game().round() == round) {
            const std::vector<int> combination = findCombination(w);
            if (!combination.empty()) {
                clickCards(w, combination);
                ++made;
                continue;
            }
            if (w.game().pileCount() == 0) break;
            press(w.PlayCardPicture());
        }
        return made;
    }

    QTemporaryDir dir;
    platform::RecordingAudio* audio = nullptr;

  private:
    SharedState savedShared_;
    ElevensSettings savedOptions_;
    ElevensLastGame savedLast_;
    std::unique_ptr<platform::AudioBackend> previousAudio_;
};
