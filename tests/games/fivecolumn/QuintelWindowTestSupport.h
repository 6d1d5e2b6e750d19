#pragma once
// The five-column window in a test, on the shared window fixture: the game's own settings put
// back afterwards, decks dealt as laid out, and the player's clicks.

#include "FiveColumnDecks.h"
#include "GameWindowTestSupport.h"
#include "frame/CardPictures.h"
#include "games/fivecolumn/FiveColumnSettings.h"
#include "games/fivecolumn/frmQuintel.h"
#include "platform/GameTimer.h"
#include "platform/MessageBox.h"
#include "platform/Modal.h"

#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <map>

class QuintelWindowTest : public testsupport::GameWindowTest {
  protected:
    QuintelWindowTest() : GameWindowTest("frmQuintel") { FiveColumnOptions() = kDefaults; }
    ~QuintelWindowTest() override { FiveColumnOptions() = kDefaults; }
    static constexpr FiveColumnSettings kDefaults{300, 100, 2000, 1};

    std::unique_ptr<frmQuintel> open() { return GameWindowTest::open<frmQuintel>(); }

    static QStringList layDeck(const std::map<int, QString>& at) { return LaidOutDeck(at); }
    static QStringList fiveTwentyOnes() { return FiveTwentyOnes(); }
    static void dealDecks(frmQuintel& w, std::vector<QStringList> decks) {
        DealDecks(w.gameForTests(), std::move(decks));
    }
    static std::vector<int> joined(std::vector<int> a, const std::vector<int>& b) {
        a.insert(a.end(), b.begin(), b.end());
        return a;
    }
    static void hits(frmQuintel& w, std::initializer_list<int> columns) {
        for (int c : columns)
            w.cmdHit(c)->click();
    }
    // Answers the name entry with "Zed" and closes the table window.
    static platform::ModalDriver nameEntry(int& shown) {
        return platform::ModalDriver([&shown](QDialog& d) {
            ++shown;
            if (d.objectName() == "frmHiScoreName") {
                d.findChild<QLineEdit*>("txtPlayerName")->setText("Zed");
                d.findChild<QPushButton*>("cmdOK")->click();
            } else if (QPushButton* done = d.findChild<QPushButton*>("cmdDone")) {
                done->click();
            }
        });
    }
};
