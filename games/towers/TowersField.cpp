#include "games/towers/TowersField.h"

namespace {
// Rows 1 and 2 keep the towers apart; from row 3 on each card lies on cards +9 and +10.
constexpr std::array<std::array<int, 2>, 9> kUpperCovers = {{
    {3, 4},
    {5, 6},
    {7, 8},
    {9, 10},
    {10, 11},
    {12, 13},
    {13, 14},
    {15, 16},
    {16, 17},
}};
} // namespace

std::vector<int> CoveringCards(int card) {
    if (card < 0 || card >= kTowersBaseRow) return {};
    if (card < int(kUpperCovers.size()))
        return {kUpperCovers[size_t(card)][0], kUpperCovers[size_t(card)][1]};
    return {card + 9, card + 10};
}

std::vector<int> CoveredCards(int card) {
    std::vector<int> under;
    for (int c = 0; c < kTowersBaseRow; ++c)
        for (int cover : CoveringCards(c))
            if (cover == card) under.push_back(c);
    return under;
}

int TowersRow(int card) {
    if (card < 3) return 1;
    if (card < 9) return 2;
    if (card < kTowersBaseRow) return 3;
    return 4;
}

void TowersField::deal(const std::vector<QString>& cards) {
    for (int i = 0; i < kTowersFieldCards; ++i) {
        cards_[size_t(i)] = i < int(cards.size()) ? cards[size_t(i)] : QString();
        states_[size_t(i)] =
            i < kTowersBaseRow ? TowersCardState::FaceDown : TowersCardState::FaceUp;
    }
}

void TowersField::clear() {
    for (int i = 0; i < kTowersFieldCards; ++i) {
        cards_[size_t(i)].clear();
        states_[size_t(i)] = TowersCardState::Taken;
    }
}

int TowersField::cardsLeft() const {
    int n = 0;
    for (TowersCardState s : states_)
        if (s != TowersCardState::Taken) ++n;
    return n;
}

std::vector<int> TowersField::take(int index) {
    std::vector<int> turned;
    if (index < 0 || index >= kTowersFieldCards || !faceUp(index)) return turned;
    states_[size_t(index)] = TowersCardState::Taken;
    for (int under : CoveredCards(index)) {
        bool free = true;
        for (int cover : CoveringCards(under))
            free = free && taken(cover);
        if (free && faceDown(under)) {
            states_[size_t(under)] = TowersCardState::FaceUp;
            turned.push_back(under);
        }
    }
    return turned;
}
