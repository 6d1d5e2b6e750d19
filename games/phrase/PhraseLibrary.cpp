#include "games/phrase/PhraseLibrary.h"

#include "games/phrase/PhraseLayout.h"
#include "platform/SafeFile.h"
#include "services/Random.h"
#include "services/SharedState.h"

#include <QFileInfo>

namespace {
QString topicPath(int topic) {
    return Shared().ProgramFolder + QLatin1String(FindTopic(topic)->file);
}

QString unusableMessage(int topic) {
    const TopicInfo* t = FindTopic(topic);
    return QStringLiteral("The phrase file \"") + QLatin1String(t->file) +
           QStringLiteral("\" holds no phrase that fits the board, so the topic \"") +
           QLatin1String(t->name) + QStringLiteral("\" cannot be played.");
}
} // namespace

QString MissingPhraseFileMessage() {
    return QStringLiteral("The file containing the phrases used by the game was not found.\r\n"
                          "A temporary file with a single phrase hase been created. Please "
                          "reinstall the Quorvane to recover from this error.");
}

PhraseLibrary& Phrases() {
    static PhraseLibrary library;
    return library;
}

void PhraseLibrary::reset() {
    records_ = {};
}

bool PhraseLibrary::ensureLoaded(int topic, std::vector<PhraseNotice>& notices, bool& missing) {
    TopicRecord& r = records_[size_t(topic - 1)];
    if (r.loaded) return r.usable;
    if (r.reported) return false;
    const QString path = topicPath(topic);
    const QFileInfo info(path);
    if (!info.exists()) {
        // The player gets a one-phrase file and is told; the record stays unread, so the
        // next request reads the new file.
        platform::WriteFileWhole(path, QByteArray(kMissingPhrase) + "\r\n");
        notices.push_back({PhraseNotice::MissingFile, MissingPhraseFileMessage()});
        missing = true;
        return false;
    }
    QByteArray text;
    QString error;
    if (!platform::ReadFileWhole(path, text, &error)) {
        r.reported = true;
        notices.push_back({PhraseNotice::ReadError, error});
        return false;
    }
    return adoptText(topic, text, notices);
}

bool PhraseLibrary::adoptText(int topic, const QByteArray& text,
                              std::vector<PhraseNotice>& notices) {
    TopicRecord& r = records_[size_t(topic - 1)];
    r = ParseTopicText(text);
    r.loaded = true;
    for (const QString& p : r.phrases)
        if (PhraseFitsBoard(p)) {
            r.usable = true;
            break;
        }
    if (!r.usable) {
        r.reported = true;
        notices.push_back({PhraseNotice::UnusableTopic, unusableMessage(topic)});
    }
    return r.usable;
}

QString PhraseLibrary::nextEntry(int topic) {
    TopicRecord& r = records_[size_t(topic - 1)];
    if (r.current == r.count || r.current < 0 || r.current > r.count) {
        ShufflePhrases(r);
        r.current = 0;
    }
    return TrimBlanks(r.phrases[r.current++]);
}

bool PhraseLibrary::fromTopic(int topic, PhraseChoice& choice) {
    bool missing = false;
    if (!ensureLoaded(topic, choice.notices, missing)) {
        if (!missing) return false;
        choice.found = true;
        choice.phrase = QString::fromLatin1(kMissingPhrase);
        choice.topic = topic;
        return true;
    }
    // The topic holds a fitting phrase, so the passes through the shuffled entries meet it;
    // the bound only guards against an endless run of unlucky shuffles.
    const TopicRecord& r = record(topic);
    const int tries = 64 * (r.count + 2);
    for (int i = 0; i < tries; ++i) {
        const QString p = nextEntry(topic);
        if (!PhraseFitsBoard(p)) continue;
        choice.found = true;
        choice.phrase = p;
        choice.topic = topic;
        return true;
    }
    return false;
}

PhraseChoice PhraseLibrary::choosePhrase(int topicSetting) {
    PhraseChoice choice;
    if (topicSetting != 0) {
        if (!FindTopic(topicSetting)) return choice;
        // The player chose this topic: every Play tries it again (a file that could not be
        // read is read afresh) and says again why it cannot be played.
        TopicRecord& r = records_[size_t(topicSetting - 1)];
        if (!r.loaded) r.reported = false;
        if (!fromTopic(topicSetting, choice) && choice.notices.empty())
            choice.notices.push_back({PhraseNotice::UnusableTopic, unusableMessage(topicSetting)});
        return choice;
    }
    std::vector<int> candidates;
    for (const TopicInfo& t : Topics())
        if (!records_[size_t(t.topic - 1)].reported) candidates.push_back(t.topic);
    while (!candidates.empty()) {
        const int i = RandomInt(1, double(candidates.size())) - 1;
        const int topic = candidates[size_t(i)];
        if (fromTopic(topic, choice)) return choice;
        candidates.erase(candidates.begin() + i);
    }
    return choice;
}

QStringList PhraseLibrary::writeBack() const {
    QStringList failed;
    for (int topic : TopicWriteOrder()) {
        const TopicRecord& r = record(topic);
        // A topic that cannot be played is left as the player's file has it.
        if (!r.loaded || !r.usable) continue;
        const QByteArray text = TopicWriteBackText(r);
        // Line ends and the header may grow a file read at the limit past it: the player's
        // file is kept, still playable, rather than one the next run would refuse.
        if (text.size() > platform::kMaxReadSize) continue;
        if (!platform::WriteFileWhole(topicPath(topic), text))
            failed << QLatin1String(FindTopic(topic)->file);
    }
    return failed;
}
