#include "frame/ScoringFormParts.h"

QString ScoringNoteText() {
    return QStringLiteral("Note: Changing any of the Scoring Options will cause your high scores "
                          "to be marked with an * indicating custom scoring was in use.");
}

ScoringCheck RangeCheck(const char* box, double low, double high, const char* lowMessage,
                        const char* highMessage) {
    return {.box = box,
            .low = low,
            .high = high,
            .lowMessage = QString::fromLatin1(lowMessage),
            .highMessage = QString::fromLatin1(highMessage)};
}

std::vector<ScoringBox> EvenRows(const std::vector<ScoringRowText>& rows, QRect label, QRect box,
                                 int step) {
    std::vector<ScoringBox> out;
    int tab = 0;
    for (const ScoringRowText& r : rows) {
        out.push_back({r.label, QString::fromLatin1(r.caption), r.box,
                       label.translated(0, step * tab), box.translated(0, step * tab), tab, r.key});
        ++tab;
    }
    return out;
}
