#include "games/phrase/PhraseTopics.h"

#include "games/phrase/PhraseLayout.h"
#include "platform/SafeFile.h"
#include "services/HighScoreMail.h"
#include "services/Random.h"

#include <cmath>

const std::array<TopicInfo, kTopicCount>& Topics() {
    static const std::array<TopicInfo, kTopicCount> topics{{
        {1, "Topic: Television and Movies", "GLM.Dat", "Television and Movies"},
        {2, "Topic: People and Names", "GLN.Dat", "People and Names"},
        {3, "Topic: Famous and Not So Famous Phrases", "GLP.Dat", "Famous Phrases"},
        {4, "Topic: Sports", "GLS.Dat", "Sports"},
        {5, "Topic: Miscellaneous", "GLX.Dat", "Miscellaneous"},
        {6, "Topic: Music", "GLMU.Dat", "Music"},
        {7, "Topic: Places", "GLPL.Dat", "Places"},
    }};
    return topics;
}

const TopicInfo* FindTopic(int topic) {
    if (topic < 1 || topic > kTopicCount) return nullptr;
    return &Topics()[size_t(topic - 1)];
}

const std::array<int, kTopicCount>& TopicWriteOrder() {
    static const std::array<int, kTopicCount> order{3, 2, 4, 1, 5, 7, 6};
    return order;
}

QStringList SplitPhraseLines(const QByteArray& bytes, QList<platform::LineEncoding>* encodings) {
    // Line ends are single bytes below 0x80 in either encoding, so the bytes are split first
    // and each line is decoded on its own.
    QStringList lines;
    const auto add = [&](qsizetype from, qsizetype to) {
        platform::LineEncoding found = platform::LineEncoding::Utf8;
        const QString line =
            platform::DecodeFileLine(QByteArrayView(bytes).sliced(from, to - from), &found);
        if (encodings) *encodings << found;
        lines << line;
    };
    qsizetype start = 0;
    const qsizetype n = bytes.size();
    for (qsizetype i = 0; i < n; ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        add(start, i);
        if (bytes[i] == '\r' && i + 1 < n && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < n) add(start, n);
    return lines;
}

namespace {
bool isHeader(const QString& line) {
    return line.left(21) == QLatin1String(kPhraseHeader);
}

// The number after the first "=", as a leading-number reader takes it, rounded; the whole
// line when there is no "=" (which reads as 0).
double headerNumber(const QString& line) {
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    return std::rint(LeadingNumber(eq < 0 ? line : line.mid(eq + 1)));
}
} // namespace

TopicRecord ParseTopicText(const QByteArray& text) {
    TopicRecord r;
    QList<platform::LineEncoding> encodings;
    QStringList lines = SplitPhraseLines(text, &encodings);
    const platform::LineEncoding own = platform::LineEncoding::Utf8;
    if (!lines.isEmpty() && isHeader(lines.first())) {
        const double n = headerNumber(lines.first());
        lines.removeFirst();
        encodings.removeFirst();
        // The game's own files end with an empty line that holds no phrase; a last line that
        // is not empty is a phrase and stays.
        if (!lines.isEmpty() && TrimBlanks(lines.last()).isEmpty()) {
            lines.removeLast();
            encodings.removeLast();
        }
        r.count = int(lines.size()) + (lines.isEmpty() ? 0 : 1);
        r.phrases.reserve(r.count + 1);
        r.phrases << QString() << lines;
        r.encodings.reserve(r.count + 1);
        r.encodings << own << encodings;
        if (r.count > 0) {
            r.phrases << QString();
            r.encodings << own;
        }
        r.current = n >= 0 && n <= r.count ? int(n) : r.count;
        return r;
    }
    r.count = int(lines.size());
    r.phrases = lines;
    r.phrases << QString();
    r.encodings = encodings;
    r.encodings << own;
    r.current = -1;
    return r;
}

QByteArray TopicWriteBackText(const TopicRecord& record) {
    QByteArray body;
    // Non-empty entries ahead of the next one to hand out; a used-up pass counts them all,
    // so that the next run shuffles first.
    const bool usedUp = record.current >= record.count;
    int before = 0;
    for (int i = 0; i < record.phrases.size(); ++i) {
        const QString& p = record.phrases[i];
        if (TrimBlanks(p).isEmpty()) continue;
        if (usedUp || i < record.current) ++before;
        // Lower case keeps "é" an "é"; an 8-bit line stays 8-bit, since as UTF-8 it would
        // grow, up to twice its size, past what the next run reads.
        const platform::LineEncoding encoding =
            i < record.encodings.size() ? record.encodings[i] : platform::LineEncoding::Utf8;
        body += platform::EncodeFileLine(p.toLower(), encoding) + "\r\n";
    }
    QByteArray out = QByteArray(kPhraseHeader) + "=" + QByteArray::number(before + 1) + "\r\n";
    return out + body + "\r\n";
}

void ShufflePhrases(TopicRecord& record) {
    QStringList& phrases = record.phrases;
    QList<platform::LineEncoding>& encodings = record.encodings;
    encodings.resize(phrases.size(), platform::LineEncoding::Utf8);
    const int upper = int(phrases.size()) - 1;
    if (upper < 1) return;
    for (int i = 0; i <= upper; ++i) {
        const int j = RandomInt(1, upper);
        phrases.swapItemsAt(i, j);
        encodings.swapItemsAt(i, j);
    }
}
