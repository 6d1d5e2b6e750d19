#pragma once
// The seven topic files of the phrase game and how one file maps onto a topic record. A file
// holds one phrase per line, optionally after a first line "CURRENT_PHRASE_NUMBER=n" that
// says where the hand-out resumes; the game writes it back in that form, lower case, with a
// closing empty line.

#include "platform/SafeFile.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>

inline constexpr int kTopicCount = 7;
inline constexpr const char* kPhraseHeader = "CURRENT_PHRASE_NUMBER";

struct TopicInfo {
    int topic;           // 1 to 7, the value of the topic setting
    const char* caption; // the board frame's caption while a phrase of the topic is in play
    const char* file;
    const char* name; // how messages name the topic
};
// Topics 1 to 7 in their numbering.
const std::array<TopicInfo, kTopicCount>& Topics();
// nullptr outside 1 to 7.
const TopicInfo* FindTopic(int topic);
// The order in which the files are written back at closing.
const std::array<int, kTopicCount>& TopicWriteOrder();

// What a file holds once read. Entries run from 0 to count (count + 1 of them); the hand-out
// stops when `current` reaches `count`, and -1 means "not shuffled yet".
struct TopicRecord {
    bool loaded = false;
    int count = 0;
    int current = 0;
    QStringList phrases;
    // The encoding each entry of `phrases` was read in, in the same order; an entry with
    // none is the program's own, UTF-8.
    QList<platform::LineEncoding> encodings;
    bool usable = false;   // at least one entry fits the board
    bool reported = false; // the player was told that the topic cannot be played
};

// Lines of a text file: CR LF, LF or CR end a line; nothing after the last line end makes no
// line. Each line is UTF-8, as the game writes it, or an older 8-bit line read as Latin-1;
// `encodings` (if given) gets the encoding of each line.
QStringList SplitPhraseLines(const QByteArray& text,
                             QList<platform::LineEncoding>* encodings = nullptr);

// Maps a file's text onto a record (not yet marked loaded or usable). A header's number
// outside 0 to count is taken as count, so the first request shuffles; a header file whose
// last phrase has no closing empty line keeps that phrase.
TopicRecord ParseTopicText(const QByteArray& text);

// The text written back: the header with the number that names the next phrase in the file
// as written (empty entries are not written), the non-empty entries in lower case, each in
// the encoding it was read in, and the closing empty line.
QByteArray TopicWriteBackText(const TopicRecord& record);

// The shuffle of the hand-out: every entry swaps with one drawn from 1 to the last index,
// its encoding with it.
void ShufflePhrases(TopicRecord& record);
