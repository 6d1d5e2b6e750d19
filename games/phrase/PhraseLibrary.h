#pragma once
// The phrase game's library: one record per topic for the whole program run. A topic file is
// read the first time a phrase of that topic is wanted, its phrases are handed out one by
// one in shuffled order, and a used-up topic is shuffled again. At closing every topic read
// in this run is written back with the position reached, so the next run goes on from there.
// Problems are returned as notices for the window to show; nothing here opens a box.

#include "games/phrase/PhraseTopics.h"

#include <QString>
#include <array>
#include <vector>

inline constexpr const char* kMissingPhrase = "Glyphon's data file is missing. Please re-install!";

struct PhraseNotice {
    enum Kind {
        MissingFile,   // recreated with one phrase: critical icon, the program's default title
        ReadError,     // a file that cannot be read: told as any file of the program is
        UnusableTopic, // nothing in it fits the board
    };
    Kind kind;
    QString text;
};
// The message shown for a missing topic file.
QString MissingPhraseFileMessage();

struct PhraseChoice {
    bool found = false;
    QString phrase; // trimmed; fits the board
    int topic = 0;  // the topic it came from (1 to 7), whose caption the board shows
    std::vector<PhraseNotice> notices;
};

class PhraseLibrary {
  public:
    // The next phrase that fits the board, for the topic setting (0 = a topic drawn at
    // random for this phrase). A topic that cannot give one is reported once and skipped by
    // the random draw; a chosen topic that cannot give one gives no phrase and is reported
    // at every request.
    PhraseChoice choosePhrase(int topicSetting);

    // Takes a topic's file text as read, as the first request does; false when no phrase of
    // it fits the board (it is then reported in `notices` and left out of the random draw for the
    // run).
    bool adoptText(int topic, const QByteArray& text, std::vector<PhraseNotice>& notices);

    const TopicRecord& record(int topic) const { return records_[size_t(topic - 1)]; }
    // Forgets everything read (a new program run).
    void reset();

    // Writes back every topic read in this run and found playable, each file on its own;
    // the names of the files that could not be written.
    QStringList writeBack() const;

  private:
    // Reads the topic's file when it is not in memory; false when it cannot give a phrase.
    bool ensureLoaded(int topic, std::vector<PhraseNotice>& notices, bool& missing);
    QString nextEntry(int topic);
    bool fromTopic(int topic, PhraseChoice& choice);

    std::array<TopicRecord, kTopicCount> records_{};
};

// The program run's library.
PhraseLibrary& Phrases();
