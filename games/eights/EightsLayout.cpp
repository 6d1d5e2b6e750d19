#include "games/eights/EightsLayout.h"

#include <cmath>

namespace {
using namespace EightsSizes;

int whole(double v) {
    return int(std::lround(v));
}

QString indexed(const char* name, int i) {
    return QString::fromLatin1(name) + "(" + QString::number(i) + ")";
}

constexpr int kLowerLeft[5] = {2820, 4020, 5220, 6420, 7620};
} // namespace

QRect EightsLayout::rect(const QString& name) const {
    const auto it = rects.find(name);
    return it == rects.end() ? QRect() : it->second;
}

int CentredOver(int left, int width, int own) {
    return whole(left + width / 2.0 - own / 2.0);
}

EightsLayout LayOutEights(int W, int H, const std::map<QString, QSize>& labels) {
    EightsLayout out;
    auto& r = out.rects;
    auto size = [&labels](const char* name) {
        const auto it = labels.find(QString::fromLatin1(name));
        return it == labels.end() ? QSize(0, 0) : it->second;
    };
    auto put = [&r](const QString& name, int left, int top, QSize s) {
        r[name] = QRect(left, top, s.width(), s.height());
    };
    // Centred over a control: above it by the label's height and 50 twips.
    auto labelOver = [&](const char* name, const QRect& over) {
        const QSize s = size(name);
        put(name, CentredOver(over.left(), over.width(), s.width()), over.top() - s.height() - 50,
            s);
    };
    auto labelIn = [&](const char* name, const QRect& in) {
        const QSize s = size(name);
        put(name, CentredOver(in.left(), in.width(), s.width()),
            CentredOver(in.top(), in.height(), s.height()), s);
    };

    put("frmSplash", whole(W / 2.0 - Splash.width() / 2.0), whole(H / 2.0 - Splash.height() / 2.0),
        Splash);
    const int lowerTop = whole(H * 4320.0 / 7380);
    put("DeckCards", whole(W * 1140.0 / 9540), lowerTop, Deck);
    const int upperTop = whole(H * 2160.0 / 7380);
    for (int i = 1; i <= 5; ++i) {
        const int left = whole(W * kLowerLeft[i - 1] / 9540.0);
        put(indexed("imgPlayCard", i), left, lowerTop, Card);
        put(indexed("FieldSelectionRectangle", i), left, lowerTop, Selection);
        if (i <= 3) put(indexed("imgUpperCard", i), left, upperTop, Card);
    }
    const QRect upper1 = r[indexed("imgUpperCard", 1)];
    const QRect upper2 = r[indexed("imgUpperCard", 2)];
    const QRect upper3 = r[indexed("imgUpperCard", 3)];

    const QSize message = size("lblMessage");
    put("lblMessage", whole(W / 2.0 - message.width() / 2.0), whole(H * 3120.0 / 7380), message);
    for (int i = 3; i >= 1; --i) {
        const QString name = indexed("lbl100", i);
        const QRect spot = r[indexed("imgUpperCard", i)];
        const QSize s = labels.count(name) ? labels.at(name) : QSize(0, 0);
        put(name, CentredOver(spot.left(), spot.width(), s.width()), spot.top() - s.height() - 50,
            s);
    }

    put("Surface", CentredOver(upper2.left(), upper2.width(), Surface.width()),
        whole(H * 360.0 / 7380), Surface);
    const QRect surface = r["Surface"];
    put("TimerRectangle", surface.left() - 90, surface.top() - 30, TimerRectangle);
    const QRect timer = r["TimerRectangle"];
    const int timerBottomY = timer.top() + timer.height() - 20;
    const int timerSideX = surface.left() + surface.width() + 30;
    out.lines["TimerBevelSide"] = QLine(timerSideX, timer.top() + 20, timerSideX, timerBottomY);
    out.lines["TimerBevelBottom"] =
        QLine(surface.left() - 15, timerBottomY, surface.left() - 15 + 1200, timerBottomY);
    labelOver("lblTime", timer);
    r["lblTime"].moveLeft(CentredOver(surface.left(), surface.width(), size("lblTime").width()));

    put("RoundRectangle", upper3.left() + upper3.width(),
        CentredOver(surface.top(), surface.height(), Gauge.height()), Gauge);
    const QRect roundBox = r["RoundRectangle"];
    put("ScoreRectangle", upper1.left() - Gauge.width(), roundBox.top(), Gauge);
    const QRect score = r["ScoreRectangle"];
    labelIn("lblTotalScore", score);
    labelIn("lblCurrentRound", roundBox);
    labelOver("lblScore", score);
    labelOver("lblRound", roundBox);

    const int roundSideX = roundBox.left() + roundBox.width() - 15;
    const int roundBottomY = roundBox.top() + roundBox.height() - 20;
    out.lines["RoundBevelSide"] = QLine(roundSideX, roundBox.top() + 20, roundSideX, roundBottomY);
    out.lines["RoundBevelBottom"] =
        QLine(roundBox.left() + 25, roundBottomY, roundSideX, roundBottomY);
    const int scoreSideX = score.left() + score.width() - 15;
    const int scoreBottomY = score.top() + score.height() - 15;
    out.lines["ScoreBevelSide"] = QLine(scoreSideX, score.top() + 15, scoreSideX, scoreBottomY);
    out.lines["ScoreBevelBottom"] =
        QLine(score.left() + 15, scoreBottomY, scoreSideX, scoreBottomY);

    const int upperBottom = upper1.top() + upper1.height();
    const int gap = lowerTop - upperBottom;
    const int barTop = whole(upperBottom + gap / 2.0 - ProgressHeight / 2.0);
    r["ProgressBar1"] = QRect(upper1.left(), barTop, upper3.left() + upper3.width() - upper1.left(),
                              ProgressHeight);
    const QRect bar = r["ProgressBar1"];
    put("lblCurrentGameTime", bar.left() + bar.width() + 150, bar.top(),
        size("lblCurrentGameTime"));

    const int bottomRow = whole(H * 6000.0 / 7380);
    const QRect deck = r["DeckCards"];
    put("lblCardCount", CentredOver(deck.left(), deck.width(), size("lblCardCount").width()),
        bottomRow, size("lblCardCount"));
    put("lblHighScore", r["lblCurrentGameTime"].left(), bottomRow, size("lblHighScore"));

    const int buttonLeft = whole(W * 8040.0 / 9540);
    const int playTop = r["lblTime"].top();
    put("cmdPlay", buttonLeft, playTop, Button);
    put("cmdPause", buttonLeft, playTop + 555, Button);
    put("cmdExit", buttonLeft, playTop + 1110, Button);
    return out;
}
