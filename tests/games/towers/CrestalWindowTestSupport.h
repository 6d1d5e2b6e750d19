#pragma once
// The three-towers window tests: the frame's window fixture with the game's own values reset
// and a deal the test knows card by card.

#include "GameWindowTestSupport.h"
#include "TowersTestSupport.h"
#include "frame/CardPictures.h"
#include "games/towers/frmCrestal.h"

class CrestalWindowTest : public testsupport::GameWindowTest {
  protected:
    CrestalWindowTest() : GameWindowTest("frmCrestal") { TowersOptions() = kDefaultTowersOptions; }
    ~CrestalWindowTest() override { TowersOptions() = kDefaultTowersOptions; }

    std::unique_ptr<frmCrestal> openShown() {
        auto w = open<frmCrestal>();
        w->show();
        return w;
    }
    // Takes the first `n` cards of the clearing order by clicking them.
    static void takeCards(frmCrestal& w, int n) {
        const auto order = towerstest::ClearingOrder();
        for (int k = 0; k < n; ++k)
            press(w.UpCardImage(order[size_t(k)]));
    }
    static std::vector<int> countUp(int pause, int steps) { return repeated({pause}, 75, steps); }
    static std::vector<int> join(std::initializer_list<std::vector<int>> parts) {
        std::vector<int> all;
        for (const auto& p : parts)
            all.insert(all.end(), p.begin(), p.end());
        return all;
    }

    towerstest::FixedDeck deck{towerstest::ClearingDeck()};
};
