#include "frame/StatusPanels.h"

#include "frame/DesignLabel.h"
#include "platform/Twips.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLabel>
#include <QStatusBar>
#include <algorithm>
#include <numeric>

namespace {
// The bar's own margin before the first panel and the gap after each one.
constexpr int kLeadingGap = 2;
constexpr int kPanelGap = 6;
// The status bar's own small face: four panels of hints, the time and the date share the
// narrowest window, so it is a condensed face a size below the window's text. Where even that
// cannot hold them (a bonus target of nine digits), it steps down, no smaller than kLeastPoints.
constexpr double kPanelPoints = 8.0;
constexpr double kLeastPoints = 6.5;
constexpr double kPointStep = 0.5;

// The width a panel needs for its text in `font`: blanks at the end of a hint only space it
// from the next panel, so a panel may cut them.
int NeedOf(const QLabel& panel, const QFont& font) {
    const QString text = panel.text();
    if (text.isEmpty()) return panel.frameWidth() * 2;
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    // As a label measures itself: its frame, margins and indent around the text.
    const QFontMetrics fm(font);
    int indent = panel.indent();
    if (indent < 0) indent = panel.frameWidth() > 0 ? fm.horizontalAdvance('x') / 2 : 0;
    const QMargins m = panel.contentsMargins();
    const int textWidth =
        fm.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), Qt::TextExpandTabs, text.left(end)).width();
    return m.left() + m.right() + 2 * panel.margin() + indent + textWidth;
}
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
    for (size_t i = 0; i < panels_.size(); ++i) {
        panels_[i]->setFont(CondensedFace(bar_->font(), kPanelPoints));
        bar_->addWidget(panels_[i], stretch_ && i == 1 ? 1 : 0);
    }
    bar_->installEventFilter(this);
}

void StatusPanels::relayout() {
    const int room = bar_->contentsRect().width() - kLeadingGap - kPanelGap * int(panels_.size());
    std::vector<int> need;
    QFont font;
    for (double points = kPanelPoints; points >= kLeastPoints; points -= kPointStep) {
        font = CondensedFace(bar_->font(), points);
        need.clear();
        for (QLabel* p : panels_)
            need.push_back(NeedOf(*p, font));
        if (std::accumulate(need.begin(), need.end(), 0) <= room) break;
    }
    for (QLabel* p : panels_)
        if (p->font() != font) p->setFont(font);
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
