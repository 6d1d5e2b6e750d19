// Fuzzes the topic-file reader and the hand-out: any bytes as a topic file give phrases that
// fit the board or a topic reported as unusable, and the text written back reads again at a
// position within its entries.
#include "games/phrase/PhraseLayout.h"
#include "games/phrase/PhraseLibrary.h"
#include "games/phrase/PhraseTopics.h"
#include "services/Random.h"

#include <cstdint>
#include <cstdlib>

namespace {
void require(bool ok) {
    if (!ok) std::abort();
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    SeedRandom(uint32_t(size));
    const QByteArray text(reinterpret_cast<const char*>(data), qsizetype(size));
    PhraseLibrary library;
    std::vector<PhraseNotice> notices;
    const bool usable = library.adoptText(2, text, notices);
    const TopicRecord& r = library.record(2);
    require(r.phrases.size() == r.count + 1);
    require(r.current == -1 || (r.current >= 0 && r.current <= r.count));
    require(usable == notices.empty());
    for (int i = 0; i < 8; ++i) {
        const PhraseChoice c = library.choosePhrase(2);
        require(c.found == usable);
        if (c.found) require(PhraseFitsBoard(c.phrase) && c.topic == 2);
    }
    if (usable) {
        const TopicRecord back = ParseTopicText(TopicWriteBackText(r));
        require(back.current >= 0 && back.current <= back.count);
    }
    return 0;
}
