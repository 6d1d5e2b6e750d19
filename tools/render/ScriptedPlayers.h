#pragma once
// The render tool's scripted players: each makes the moves a player of one window would make
// in a second of play, so that a whole rendered game reaches that window's bonus stages. They
// press the window's controls and read what it shows (and the shared state), never anything
// a player could not see.

#include <QString>
#include <cstdint>

class GameWindow;
class QWidget;

// A left-button press, as the player's click reaches a control.
void press(QWidget* target);
// The rank a card picture's key names ("13S" is a king), 0 for no card.
int RankOfKey(const QString& key);

// The seed a window's whole game is dealt from: 7, or where 7's deals keep the window's
// player from its bonus round, one whose deals it plays into it.
uint32_t DealSeed(const QString& window);

// The moves the window's own scripted player makes this second, if it has one.
void playScriptedSecond(GameWindow& w);

// One window's second of play.
void playCrestalSecond(GameWindow& w);
void playElevensSecond(GameWindow& w);  // ElevensPlayer.cpp
void playTripSecond(GameWindow& w);     // TripPlayer.cpp
void playScrambleSecond(GameWindow& w); // PokerGridPlayer.cpp
void playEightsSecond(GameWindow& w);
void playTwindleSecond(GameWindow& w); // ScriptedPlayers.cpp
void playPhraseSecond(GameWindow& w);  // PhrasePlayer.cpp
void playBriskoSecond(GameWindow& w);  // TwentyOnePlayers.cpp
void playQuintelSecond(GameWindow& w); // TwentyOnePlayers.cpp
