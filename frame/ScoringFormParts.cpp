#include "frame/ScoringFormParts.h"

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
