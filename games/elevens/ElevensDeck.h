#pragma once
// The elevens deck: sixteen aces, four of each rank 2 to 10, and for the higher card goals
// the jacks, queens and kings, in a fixed order before shuffling. Ranks 2 to 10 carry one
// leading blank (" 2S"), aces and court cards none ("1S", "11S").

#include <QStringList>

// Cards in the deck for a card goal: 52 up to 11, 56 for 12, 60 for 13, 64 from 14.
int ElevensDeckSize(int cardGoal);
// The unshuffled deck for a card goal; index 0 holds no card.
QStringList BuildElevensDeck(int cardGoal);
// Puts the unshuffled deck for Shared().CardGoal into Shared().Deck.
bool CreateElevensDeck();
