#include "tools/render/StageShots.h"

#include "frame/GameWindow.h"
#include "frame/VbColour.h"

#include <QCoreApplication>
#include <QImage>
#include <QLabel>
#include <QRegularExpression>
#include <cstdio>

namespace {
// The labels the windows write their messages in: the frame's, the scoring outlines' and
// the notices shown over the board (towers completed, a flush).
const char* const kMessageLabels[] = {
    "lblMessage", "lblScoring", "ScoringLabel", "ScoringLabelInfo", "ScoringLabelRoundTotal",
    "lblFlush",   "lblTower1",  "lblTower2",    "lblTower3",
};

// More than any whole game's stages; a runaway loop stops here.
constexpr int kMostShots = 120;

const QString kPaying = QStringLiteral("paying");

// A file-name part from what the messages say, at most six words: "Times Up!" is "times-up".
QString slug(QStringList said) {
    if (said.size() > 1) said.removeAll(kPaying);
    const QStringList words =
        said.join(' ').toLower().split(QRegularExpression("[^a-z]+"), Qt::SkipEmptyParts);
    return words.mid(0, 6).join('-');
}
} // namespace

StageShots::StageShots(GameWindow& window, QString stem)
    : window_(window), stem_(std::move(stem)) {}

QStringList StageShots::messageState() const {
    static const QRegularExpression amount("[0-9][0-9,.]*");
    QStringList said;
    auto add = [&](const QString& name) {
        const QLabel* l = window_.label(name);
        if (!l || !l->isVisible() || l->text().trimmed().isEmpty()) return;
        const QString text = QString(l->text()).replace(amount, "#").simplified();
        if (!said.contains(text)) said << text;
    };
    add(window_.profile().stateLabel);
    add(window_.profile().messageLabel);
    for (const char* name : kMessageLabels)
        add(name);
    const QLabel* score = window_.label(window_.profile().scoreLabel);
    if (score && score->isVisible() && ForeColour(score) == VbColour(kVbCyan)) said << kPaying;
    return said;
}

void StageShots::look(int pauseMs) {
    QCoreApplication::processEvents();
    sawRoundEnd_ |= window_.inRoundEnd();
    const QStringList state = messageState();
    const bool newState = state != last_;
    last_ = state;
    // A board with no message is play, which the long pauses and the playing shots show.
    if (shots_ >= kMostShots || !((newState && !state.isEmpty()) || pauseMs >= 500)) return;
    // A pause on the picture the last shot shows (the pauses closing a bonus) adds nothing.
    const QImage shot = window_.grab().toImage();
    if (shot == lastShot_) return;
    lastShot_ = shot;
    const QString name = slug(state);
    save(QString("%1-stage-%2%3.png")
             .arg(stem_)
             .arg(++shots_, 3, 10, QChar('0'))
             .arg(name.isEmpty() ? QString() : "-" + name),
         shot);
}

void StageShots::saveAs(const QString& suffix) {
    QCoreApplication::processEvents();
    save(stem_ + suffix, window_.grab().toImage());
}

void StageShots::save(const QString& path, const QImage& shot) {
    ok_ &= SavePicture(shot, path);
}

bool SavePicture(const QImage& picture, const QString& path) {
    // Light packing: the default took half the run's time for files a tenth smaller.
    const bool saved = picture.save(path, "PNG", 80);
    std::printf("%s %s\n", saved ? "wrote" : "FAILED", qPrintable(path));
    return saved;
}
