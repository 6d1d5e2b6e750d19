#include "frame/StatusPanels.h"

#include "platform/Twips.h"

#include <QEvent>
#include <QLabel>
#include <QStatusBar>
#include <algorithm>
#include <numeric>

namespace {
// The bar's own margin before the first panel and the gap after each one.
constexpr int kLeadingGap = 2;
constexpr int kPanelGap = 6;
} // namespace

std::vector<int> StatusPanelWidths(const std::vector<int>& design, const std::vector<int>& need,
                                   int room) {
    std::vector<int> w(need.size());
    for (size_t i = 0; i < need.size(); ++i)
        w[i] = std::max(i < design.size() ? design[i] : 0, need[i]);
    const int total = std::accumulate(w.begin(), w.end(), 0);
    if (total <= room) return w;
    // Too little room: take it from the panels wider than their texts, each in proportion to
    // what it can spare.
    int spare = 0;
    for (size_t i = 0; i < w.size(); ++i)
        spare += w[i] - need[i];
    const int excess = std::min(total - room, spare);
    int taken = 0;
    for (size_t i = 0; i < w.size() && spare > 0; ++i) {
        const int give =
            (i + 1 == w.size()) ? excess - taken : int(int64_t(excess) * (w[i] - need[i]) / spare);
        const int cut = std::min(give, w[i] - need[i]);
        w[i] -= cut;
        taken += cut;
    }
    // Rounding may leave a pixel or two: from any panel that still has room.
    for (size_t i = 0; i < w.size() && taken < excess; ++i) {
        const int cut = std::min(excess - taken, w[i] - need[i]);
        w[i] -= cut;
        taken += cut;
    }
    return w;
}

StatusPanels::StatusPanels(QStatusBar* bar, std::vector<QLabel*> panels,
                           std::vector<int> designTwips)
    : QObject(bar), bar_(bar), panels_(std::move(panels)) {
    bool given = false;
    for (size_t i = 0; i < panels_.size(); ++i) {
        const int tw = i < designTwips.size() ? designTwips[i] : 0;
        design_.push_back(tw > 0 ? Tw(tw) : 0);
        given = given || tw > 0;
    }
    // The hints of panel 2 are the longest texts: without given widths it takes the rest.
    stretch_ = !given && panels_.size() > 1;
    for (size_t i = 0; i < panels_.size(); ++i)
        bar_->addWidget(panels_[i], stretch_ && i == 1 ? 1 : 0);
    bar_->installEventFilter(this);
}

void StatusPanels::relayout() {
    std::vector<int> need;
    for (QLabel* p : panels_)
        need.push_back(p->text().isEmpty() ? p->frameWidth() * 2 : p->sizeHint().width());
    const int room = bar_->contentsRect().width() - kLeadingGap - kPanelGap * int(panels_.size());
    const std::vector<int> w = StatusPanelWidths(design_, need, room);
    for (size_t i = 0; i < panels_.size(); ++i) {
        panels_[i]->setMinimumWidth(w[i]);
        panels_[i]->setMaximumWidth(stretch_ && i == 1 ? QWIDGETSIZE_MAX : w[i]);
    }
}

bool StatusPanels::eventFilter(QObject* watched, QEvent* event) {
    if (watched == bar_ && event->type() == QEvent::Resize) relayout();
    return QObject::eventFilter(watched, event);
}
