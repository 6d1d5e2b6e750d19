#pragma once
// The wild-eights window tests: the shared window fixture with this game's own values reset,
// decks laid card by card, clicks on the spots, and the high-score windows answered.

#include "GameWindowTestSupport.h"
#include "frame/CardPictures.h"
#include "games/eights/EightsSettings.h"
#include "games/eights/frmEights.h"
#include "platform/GameTimer.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

class EightsWindowTest : public testsupport::GameWindowTest {
  protected:
    EightsWindowTest() : GameWindowTest("frmEights") { EightsOptions() = EightsSettings{}; }
    ~EightsWindowTest() override {
        EightsGame::SetDeckSourceForTests({});
        EightsOptions() = EightsSettings{};
    }

    // A deck dealt in the order given: lower spots 1 to 5 first, then the refills in order.
    static QStringList dealOrder(const std::vector<QString>& cards) {
        QStringList deck{QString()};
        for (auto it = cards.rbegin(); it != cards.rend(); ++it)
            deck << " " + *it;
        return deck;
    }
    static void dealEveryRound(const QStringList& deck) {
        EightsGame::SetDeckSourceForTests([deck](QStringList& into) {
            into = deck;
            return true;
        });
    }
    static void advance(int ms) { platform::ProgramTime::advance(ms); }

    // Six hearts without an eight: each goes onto spot 1 by its suit, using the deck up.
    inline static const std::vector<QString> kHearts = {"2H", "3H", "4H", "5H", "6H", "7H"};
    // Plays the hearts deck onto spot 1 at a move value of 39.
    static void clearHearts(frmEights& w) {
        advance(270);
        for (int l = 1; l <= 5; ++l)
            move(w, l, 1);
        move(w, 1, 1);
    }

  public:
    static void move(frmEights& w, int lower, int upper) {
        press(w.imgPlayCard(lower));
        press(w.imgUpperCard(upper));
    }
};

// Names the player "Zed" in the name entry and closes the Hall of Fame; counts both.
struct HighScoreAnswers {
    int names = 0;
    int tables = 0;
    platform::ModalDriver driver{[this](QDialog& d) {
        if (d.objectName() == "frmHiScoreName") {
            ++names;
            d.findChild<QLineEdit*>("txtPlayerName")->setText("Zed");
            d.findChild<QPushButton*>("cmdOK")->click();
        } else if (d.objectName() == "frmHighScores") {
            ++tables;
            d.findChild<QPushButton*>("cmdDone")->click();
        }
    }};
};
