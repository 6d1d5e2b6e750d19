#pragma once
// Where the wild-eights window puts its controls, in twips, from its outer size: the deck,
// spots and buttons spread by fixed ratios, the gauges follow the upper spots, and labels are
// centred by the sizes their texts give them. Sizes never change, except the move timer's
// width.

#include <QLine>
#include <QRect>
#include <QSize>
#include <QString>
#include <map>

namespace EightsSizes {
constexpr int MinWidth = 9540;
constexpr int MinHeight = 7305;
constexpr QSize Card{1065, 1440};
constexpr QSize Selection{1065, 1455};
constexpr QSize Deck{1035, 1455};
constexpr QSize Surface{1155, 1140};
constexpr QSize TimerRectangle{1365, 1230};
constexpr QSize Gauge{1065, 510}; // score and round boxes
constexpr QSize Splash{7080, 4050};
constexpr QSize Button{1140, 405};
constexpr int ProgressHeight = 135;
} // namespace EightsSizes

struct EightsLayout {
    std::map<QString, QRect> rects; // by control name, "imgPlayCard(1)" for arrays
    std::map<QString, QLine> lines; // the bevel lines
    QRect rect(const QString& name) const;
};

// `labels` holds the size of every label the layout centres (by control name); a label left
// out counts as empty.
EightsLayout LayOutEights(int width, int height, const std::map<QString, QSize>& labels);

// The horizontal position that centres `own` wide over a control at `left`, `width` wide.
int CentredOver(int left, int width, int own);
